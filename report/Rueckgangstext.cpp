#include "report/Rueckgangstext.h"

#include <cmath>

#include "calc/Format.h"

namespace zelvor {
namespace {

std::string Bereich(const Schaetzwert& w, const char* format) {
  if (!w.bereich) return "   (kein Bereich)";
  const std::string f = std::string("   %s bis %s");
  return Formatiere(f.c_str(), Formatiere(format, w.unten).c_str(), Formatiere(format, w.oben).c_str());
}

// "    name:" padded to one column for every label, counted in characters, not bytes (umlauts).
std::string Name(const std::string& name) {
  std::size_t zeichen = 0;
  for (const unsigned char c : name) zeichen += (c & 0xC0) != 0x80;
  return "    " + name + ":" + std::string(zeichen < 38 ? 38 - zeichen : 1, ' ');
}

std::string Zeile(const char* name, const Schaetzwert& w, const char* format) {
  return Name(name) + Formatiere("%12s", Formatiere(format, w.wert).c_str()) + Bereich(w, format);
}

std::string Zeile(const char* name, const std::string& wert) { return Name(name) + Formatiere("%12s", wert.c_str()); }

}  // namespace

std::vector<std::string> Umbrochen(const std::string& satz, std::size_t breite) {
  std::vector<std::string> zeilen;
  std::string zeile;
  std::size_t zeichen = 0;
  std::size_t i = 0;
  while (i < satz.size()) {
    std::size_t j = satz.find(' ', i);
    if (j == std::string::npos) j = satz.size();
    const std::string wort = satz.substr(i, j - i);
    std::size_t n = 0;
    for (const unsigned char c : wort) n += (c & 0xC0) != 0x80;
    if (zeichen > 0 && zeichen + 1 + n > breite) {
      zeilen.push_back("    " + zeile);
      zeile.clear();
      zeichen = 0;
    }
    zeile += (zeichen ? " " : "") + wort;
    zeichen += (zeichen ? 1 : 0) + n;
    i = j + 1;
  }
  if (!zeile.empty()) zeilen.push_back("    " + zeile);
  return zeilen;
}

std::string RueckgangDatum(const std::optional<Tag>& t) { return t ? DatumText(*t) : Formatiere("nach %d", LETZTES_JAHR); }

std::vector<std::string> RueckgangText(const Rueckgang& r) {
  const RueckgangEingaben& e = r.eingaben;
  std::vector<std::string> t;
  t.push_back("    Förderrückgang, Modell: " + RueckgangsmodellText(e.modell));
  if (!r.Gemacht()) {
    t.push_back("    " + r.meldung);
    return t;
  }
  t.push_back(Formatiere("    Angepasster Zeitraum ab %s (%s), %s%s", DatumText(r.start).c_str(),
                         e.ab ? "eingestellt" : r.startAusPlateau ? "Ende des letzten Plateaus" : "erste datierte Ratenzeile",
                         Anzahltext(r.anzahl, "Ratenzeile", "Ratenzeilen").c_str(),
                         r.ausgelassen ? Formatiere(", %s ausgelassen", Anzahltext(r.ausgelassen, "Ausreißer", "Ausreißer").c_str()).c_str() : ""));
  t.push_back(e.logarithmisch ? "    Kleinste Quadrate der logarithmierten Raten: jede Rate zählt mit ihrem relativen Fehler."
                              : "    Kleinste Quadrate der Raten.");
  if (e.modell == Rueckgangsmodell::Exponentiell)
    t.push_back("    q(t) = qi·exp(-Di·t), t in Jahren ab dem Beginn des Zeitraums");
  else if (e.modell == Rueckgangsmodell::Harmonisch)
    t.push_back("    q(t) = qi/(1 + Di·t), t in Jahren ab dem Beginn des Zeitraums");
  else
    t.push_back("    q(t) = qi/(1 + b·Di·t)^(1/b), t in Jahren ab dem Beginn des Zeitraums");
  if (e.modell == Rueckgangsmodell::Modifiziert) {
    const std::optional<double> w = r.kurve.Wechsel();
    t.push_back(Formatiere("    danach exponentiell mit dem Endabfall %.1f %%/Jahr effektiv (%.4f 1/Jahr nominal) ab %s",
                           100 * e.endabfall, r.kurve.dTerminal,
                           w ? RueckgangDatum(TagNachJahren(r.start, *w)).c_str() : "nie (b = 0)"));
  }
  t.emplace_back();
  t.push_back(std::string(43, ' ') + Formatiere("%12s   95-%%-Bereich", "Wert"));
  t.push_back(Zeile("qi (m3/h)", r.qi, "%.1f"));
  t.push_back(Zeile("Di nominal zu Beginn (1/Jahr)", r.di, "%.4f"));
  t.push_back(Zeile("Rückgang effektiv im 1. Jahr (%)", {100 * r.effektiv.wert, 100 * r.effektiv.unten, 100 * r.effektiv.oben, r.effektiv.bereich}, "%.2f"));
  if (e.modell == Rueckgangsmodell::Hyperbolisch || e.modell == Rueckgangsmodell::Modifiziert)
    t.push_back(Zeile("b", r.b, "%.3f"));
  t.push_back(Zeile("Streuung von ln q (RMS)", Formatiere("%.4f", r.streuung)));
  t.push_back("    Nominal: die momentane Abnahme -d(ln q)/dt; effektiv: der Anteil, um den die Rate im ersten Jahr fällt.");
  t.emplace_back();
  t.push_back(Zeile("Wirtschaftlichkeitsgrenze (m3/h)", Formatiere("%.1f", e.qGrenze)));
  t.push_back(Zeile("Letzte datierte Ratenzeile", DatumText(r.letzterTag)) + Formatiere("   Gp %.3f Mio m3", r.gpLetzte));
  if (r.schonUnterGrenze) {
    t.push_back("    Die angepasste Rate liegt am letzten Datum schon an oder unter der Grenze: es bleibt kein Restvolumen.");
    return t;
  }
  t.push_back(Zeile("Restvolumen bis zur Grenze (Mio m3)", r.rest, "%.3f"));
  t.push_back(Zeile("EUR, Gp an der Grenze (Mio m3)", r.eur, "%.3f"));
  if (r.grenzeErreicht) {
    t.push_back(Zeile("Ende, die Grenze erreicht", RueckgangDatum(r.ende)) +
                Formatiere("   %s bis %s", RueckgangDatum(r.endeFrueh).c_str(), RueckgangDatum(r.endeSpaet).c_str()));
  } else {
    t.push_back(Formatiere("    Die Grenze wird vor dem Ende des Jahres %d nicht erreicht; Restvolumen und EUR zählen bis zum 31.12.%d.",
                           LETZTES_JAHR, LETZTES_JAHR));
  }
  return t;
}

std::string RueckgangVergleich(const Rueckgang& r, const Foerderprognose& p, std::optional<Tag> start) {
  if (!r.Gemacht() || r.schonUnterGrenze || !p.Gemacht() || p.injektion) return "";
  const double d = p.gpEnde - r.eur.wert;
  std::string s = Formatiere("Die Lieferfähigkeitsprognose ergibt einen EUR von %.3f Mio m3, %.3f Mio m3 %s als der Förderrückgang (%.3f Mio m3)",
                             p.gpEnde, std::fabs(d), d >= 0 ? "mehr" : "weniger", r.eur.wert);
  if (start) {
    const std::optional<Tag> ende = TagNachJahren(*start, p.jahre);
    s += ", und endet am " + RueckgangDatum(ende) + " statt am " + (r.grenzeErreicht ? RueckgangDatum(r.ende) : Formatiere("nach %d", LETZTES_JAHR));
  }
  // Two limits make two different ends: the sentence says so rather than compare them silently.
  if (std::fabs(p.eingaben.qEnde - r.eingaben.qGrenze) > 1e-6 * p.eingaben.qEnde)
    s += Formatiere(" (die Prognose bis zur Aufgaberate %.1f m3/h, der Rückgang bis zur Grenze %.1f m3/h)", p.eingaben.qEnde, r.eingaben.qGrenze);
  return s + ".";
}

}  // namespace zelvor
