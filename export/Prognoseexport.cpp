#include <optional>
#include <string>
#include <tuple>

#include "calc/Prognosemodell.h"
#include "doc/DokumentAbgleich.h"
#include "doc/DokumentPrognose.h"
#include "export/Exporttabellen.h"

namespace zelvor {
namespace {

void Zeile(Exporttabelle& t, const char* groesse, Exportwert wert, const char* einheit) {
  t.zeilen.push_back({std::string(groesse), std::move(wert), std::string(einheit)});
}

}  // namespace

std::vector<Exporttabelle> PrognoseTabellen(const CZelvorDoc& doc) {
  const Foerderprognose p = DokumentPrognose(doc);
  Exporttabelle zeilen;
  zeilen.name = "Förderprognose";
  // Headed as the view heads its columns; on the calendar each row's date follows them.
  zeilen.spalten = {{"Gp (Mio m3)", 3},
                    {"P/Z (bar)", 2},
                    {"Schließdruck (bar)", 2},
                    {p.injektion ? "Q_inj,max (m3/h)" : "Q_max (m3/h)", 1},
                    {p.injektion ? "Q_inj (m3/h)" : "Q (m3/h)", 1},
                    {"Zeit (Jahre)", 2},
                    {"Plateauende", 0}};
  const std::optional<Tag> start = PrognoseStart(doc);
  const auto datum = [&](double jahre) {
    const std::optional<Tag> t = TagNachJahren(*start, jahre);
    return t ? Exportwert(DatumText(*t)) : Exportwert();
  };
  if (start) zeilen.spalten.push_back({"Datum", 0});
  if (p.aquifer) zeilen.spalten.push_back({"Wasserzufluss We (Mio m3)", 3});
  for (const Prognosezeile& z : p.zeilen) {
    std::vector<Exportwert> zeile{z.gp, z.pz, z.pws, z.qMax, z.q, z.jahre,
                                  z.plateauEnde ? Exportwert(std::string("Plateauende")) : Exportwert()};
    if (start) zeile.push_back(datum(z.jahre));
    if (p.aquifer) zeile.emplace_back(z.we);
    zeilen.zeilen.push_back(std::move(zeile));
  }

  const PrognoseEingaben& e = p.eingaben;
  Exporttabelle summe = Wertetabelle("Prognoseergebnis");
  // An injection well's storage forecast: its own settings and summary under its own names.
  const bool inj = p.injektion;
  if (inj) {
    Zeile(summe, "Maximaler Kopfinjektionsdruck p_max", e.pMax, "bar");
    Zeile(summe, "Maximaler Lagerstättendruck", e.pResMax, "bar");
  } else {
    Zeile(summe, "Minimaler Kopffließdruck p_min", e.pMin, "bar");
  }
  Zeile(summe, inj ? "Geplante Injektionsrate" : "Plateaurate Q_plan", e.qPlan, "m3/h");
  Zeile(summe, inj ? "Mindestrate der Injektion" : "Aufgaberate Q_end", e.qEnde, "m3/h");
  Zeile(summe, "C-Modell", PrognosemodellText(e.modell), "");
  Zeile(summe, "Schritte K", static_cast<double>(e.schritte), "-");
  if (p.Gemacht()) {
    Zeile(summe, e.modell == Prognosemodell::Gegendruck ? "C_n" : "C bei Gp = 0", p.ansatz.c0,
          e.modell == Prognosemodell::Gegendruck ? "m3/h/bar^2n" : "m3/h/bar²");
    if (e.modell == Prognosemodell::Variabel) Zeile(summe, "Steigung von C", p.ansatz.steigung, "m3/h/bar² je Mio m3");
    if (e.modell == Prognosemodell::Gegendruck) Zeile(summe, "Exponent n", p.ansatz.n, "-");
    Zeile(summe, "Gp zu Beginn", p.gpStart, "Mio m3");
    Zeile(summe, inj ? "Gp am Ende der Einspeicherung" : "Gp bei Aufgabe", p.gpEnde, "Mio m3");
    if (inj) {
      Zeile(summe, "Noch einspeicherbar", p.Einspeicherbar(), "Mio m3");
    } else {
      Zeile(summe, "Restreserven", p.Restreserven(), "Mio m3");
      Zeile(summe, "Ausbeutefaktor Gp/OGIP", p.Ausbeute(), "-");
    }
    Zeile(summe, "Plateaudauer", p.plateauJahre, "Jahre");
    Zeile(summe, inj ? "Zeit bis zum Ende" : "Zeit bis zur Aufgabe", p.jahre, "Jahre");
    if (start) {
      Zeile(summe, "Prognosebeginn", DatumText(*start), "");
      Zeile(summe, inj ? "Datum des Endes" : "Datum der Aufgabe", datum(p.jahre), "");
    }
    Zeile(summe, inj ? "Q_inj,max zu Beginn (bei p_max)" : "Q_max zu Beginn", p.qMaxStart, "m3/h");
    if (inj && !p.zeilen.empty()) Zeile(summe, "Injektionsrate zu Beginn", p.zeilen.front().q, "m3/h");
    if (inj) Zeile(summe, "Ende", std::string(p.voll ? "Speicher voll" : "Mindestrate erreicht"), "");
    if (p.aquifer) {
      const Aquiferprognosewerte& w = *p.aquifer;
      Zeile(summe, "Aquifermodell", w.modell, "");
      Zeile(summe, "Wasserzufluss zu Beginn", w.weStart, "Mio m3");
      Zeile(summe, "Wasserzufluss am Ende", w.weEnde, "Mio m3");
      if (w.horizont) Zeile(summe, "Ende", std::string("Horizont der Prognose erreicht"), "");
      if (w.ohneLoesung) Zeile(summe, "Ende", std::string("Materialbilanz ohne Lösung (Gas verdrängt)"), "");
      if (w.ohneAquifer && w.ohneAquifer->Gemacht()) {
        Zeile(summe, inj ? "Ohne weiteren Wasserzufluss: noch einspeicherbar" : "Ohne weiteren Wasserzufluss: Restreserven",
              w.ohneAquifer->Menge(), "Mio m3");
        Zeile(summe, inj ? "Ohne weiteren Wasserzufluss: Zeit bis zum Ende" : "Ohne weiteren Wasserzufluss: Zeit bis zur Aufgabe",
              w.ohneAquifer->jahre, "Jahre");
      }
    }
    if (const std::optional<Prognosebereich> b = DokumentPrognosebereich(doc)) {
      for (const auto& [wo, g, ende] : {std::tuple{"untere", b->gUnten, &b->unten}, std::tuple{"obere", b->gOben, &b->oben}}) {
        const std::string vorsatz = std::string("OGIP-Bereich, ") + wo + " Grenze: ";
        Zeile(summe, (vorsatz + "OGIP").c_str(), g, "Mio m3");
        if (!ende->Gemacht()) {
          Zeile(summe, (vorsatz + "Hinweis").c_str(), ende->meldung, "");
          continue;
        }
        Zeile(summe, (vorsatz + (inj ? "Noch einspeicherbar" : "Restreserven")).c_str(),
              inj ? ende->Einspeicherbar() : ende->Restreserven(), "Mio m3");
        Zeile(summe, (vorsatz + (inj ? "Zeit bis zum Ende" : "Zeit bis zur Aufgabe")).c_str(), ende->jahre, "Jahre");
        if (start) Zeile(summe, (vorsatz + (inj ? "Datum des Endes" : "Datum der Aufgabe")).c_str(), datum(ende->jahre), "");
      }
    }
  } else {
    Zeile(summe, "Hinweis", p.meldung, "");
  }
  return {std::move(zeilen), std::move(summe)};
}

}  // namespace zelvor
