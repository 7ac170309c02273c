#include "doc/DokumentAbgleich.h"

#include <cmath>

#include "calc/Aquiferprognose.h"
#include "calc/Format.h"
#include "calc/Lieferfaehigkeit.h"
#include "doc/CZelvorDoc.h"
#include "doc/DokumentAquifer.h"
#include "doc/DokumentPrognose.h"
#include "doc/Eingabepruefung.h"

namespace zelvor {
namespace {

// What the match depends on: the run's balance and gas, its points' Gp, Q and pwf, and the choice of n.
bool GleicheEingaben(const Laufdaten& a, const Laufdaten& b) {
  if (a.vollstaendig != b.vollstaendig || a.injektion != b.injektion || a.temperatur != b.temperatur ||
      a.ogip != b.ogip || a.ogipReservoir != b.ogipReservoir || a.wasserinvasion != b.wasserinvasion ||
      a.tca != b.tca || a.pca != b.pca || a.pzi != b.pzi || a.bgi != b.bgi || a.initialdruck != b.initialdruck ||
      a.b1 != b.b1 || a.nA1 != b.nA1 || a.punkte.size() != b.punkte.size())
    return false;
  for (size_t i = 0; i < a.punkte.size(); ++i) {
    const AusgewerteterPunkt &p = a.punkte[i], &q = b.punkte[i];
    if (p.gp != q.gp || p.q != q.q || p.pwf != q.pwf || p.pws != q.pws || p.c != q.c) return false;
  }
  return true;
}

struct Zwischenspeicher {
  bool belegt = false;
  bool mitGegendruck = false;
  Laufdaten lauf;
  Gasvorratsabgleich abgleich;
};

}  // namespace

Messbilanz DokumentMessbilanz(const CZelvorDoc& doc) {
  std::vector<Schliessdruck> messungen;
  for (const Schliessdruckmessung& m : doc.m_Messungen)
    messungen.push_back({m.datum, static_cast<double>(m.gp), static_cast<double>(m.druck), m.art == Messart::Kopf});
  return MessbilanzBerechnen(doc.m_Lauf, messungen);
}

AbgleichEingaben AbgleichEingabenAus(const Laufdaten& lauf, bool mitGegendruck) {
  AbgleichEingaben e;
  if (!mitGegendruck) return e;
  e.gegendruck = true;
  const Lieferfaehigkeit l = LieferfaehigkeitBerechnen(lauf);
  if (l.gegendruck.gueltig) {
    e.n = l.gegendruck.n;
  } else if (!l.gegendruck.meldung.empty()) {
    e.gegendruckMeldung = l.gegendruck.meldung;
  } else if (!l.meldungen.empty()) {
    e.gegendruckMeldung = l.meldungen.front();
  } else {
    e.gegendruckMeldung = "Für diese Bohrung gibt es keine Gegendruckgleichung (C_n, n).";
  }
  return e;
}

Gasvorratsabgleich DokumentAbgleich(const CZelvorDoc& doc, bool mitGegendruck) {
  // One entry per thread: the views of one window, or one well after another of a worker.
  thread_local Zwischenspeicher speicher;
  if (!speicher.belegt || speicher.mitGegendruck != mitGegendruck || !GleicheEingaben(speicher.lauf, doc.m_Lauf)) {
    speicher.abgleich = GasvorratAbgleichen(doc.m_Lauf, AbgleichEingabenAus(doc.m_Lauf, mitGegendruck));
    // Once per run, not on every paint of the diagram that draws it.
    speicher.abgleich.fein = Feinprofil(doc.m_Lauf, speicher.abgleich);
    speicher.lauf = doc.m_Lauf;
    speicher.mitGegendruck = mitGegendruck;
    speicher.belegt = true;
  }
  return speicher.abgleich;
}

Gasvorratsabgleich DokumentAbgleich(const CZelvorDoc& doc) {
  return DokumentAbgleich(doc, doc.m_Prognose.modell == Prognosemodell::Gegendruck);
}

std::optional<Prognosebereich> PrognosebereichAus(const Laufdaten& lauf, const PrognoseEingaben& e,
                                                   const Gasvorratsabgleich& a, const Foerderprognose* schaetzung) {
  if (!a.Gemacht()) return std::nullopt;
  Prognosebereich b;
  b.gUnten = a.gUnten;
  b.gOben = a.gOben;
  const auto bei = [&](double g, double c) {
    PrognoseEingaben m = e;
    m.gasvorrat = g;
    m.festerAnsatz = Lieferansatz{c, 0.0, a.n};
    return PrognoseBerechnen(lauf, m);
  };
  b.unten = bei(a.gUnten, a.unten.c);
  b.oben = bei(a.gOben, a.oben.c);
  // Unless both ends are made there is no range, only the ends' reasons.
  if (!b.Gemacht()) return b;
  b.Nehmen(b.unten);
  b.Nehmen(b.oben);
  b.Nehmen(bei(a.g, a.stern.c));
  for (int i = 1; i < BEREICH_STUETZSTELLEN; ++i) {
    const double g = a.gUnten + (a.gOben - a.gUnten) * i / BEREICH_STUETZSTELLEN;
    const Abgleichwert w = AbgleichBei(lauf, a.n, g);
    if (w.moeglich) b.Nehmen(bei(g, w.c));
  }
  const double ogip = e.gasvorrat.value_or(lauf.ogip);
  if (schaetzung && ogip >= a.gUnten && ogip <= a.gOben) b.Nehmen(*schaetzung);
  return b;
}

std::optional<Prognosebereich> DokumentPrognosebereich(const CZelvorDoc& doc) {
  const Foerderprognose& p = DokumentPrognose(doc);
  if (!p.Gemacht()) return std::nullopt;
  return DokumentPrognosebereich(doc, DokumentPrognoseEingaben(doc, doc.m_Prognose), p,
                                 doc.m_Prognose.modell == Prognosemodell::Gegendruck);
}

bool AquiferanpassungUebernommen(const CZelvorDoc& doc, const Aquiferanpassung& a) {
  if (!a.Gemacht() || !doc.m_Aquifer.Gesetzt() || a.modell != doc.m_Aquifer.modell) return false;
  if (static_cast<float>(UebernommenerGasvorrat(a.g.wert)) != doc.m_OGIP) return false;
  if (!a.mitGroesse) return true;
  const double eigene = std::string(a.groesseName) == "AquiferLaenge"    ? doc.m_Aquifer.laenge
                        : std::string(a.groesseName) == "AquiferVolumen" ? doc.m_Aquifer.volumen
                                                                          : doc.m_Aquifer.radienverhaeltnis;
  return std::fabs(eigene - a.groesse.wert) <= 1e-3 * std::fabs(a.groesse.wert);
}

std::optional<Prognosebereich> DokumentPrognosebereich(const CZelvorDoc& doc, const PrognoseEingaben& e,
                                                        const Foerderprognose& p, bool mitGegendruck) {
  if (!p.Gemacht()) return std::nullopt;
  // The flowing match knows no aquifer: a well with a model has the range of its fit once adopted.
  if (e.aquifer) {
    const Aquiferanpassung a = DokumentAquiferanpassung(doc);
    if (!AquiferanpassungUebernommen(doc, a)) return std::nullopt;
    return AquiferPrognosebereich(doc.m_Lauf, e, a, &p);
  }
  return PrognosebereichAus(doc.m_Lauf, e, DokumentAbgleich(doc, mitGegendruck), &p);
}

double UebernommenerGasvorrat(double g) { return std::round(g * 10.0) / 10.0; }

GasvorratWahl GasvorratWahlAus(const Gasvorratsabgleich& a, const PZBilanz& messungen, double ogip,
                               const Aquiferanpassung* aquifer) {
  GasvorratWahl w;
  std::string saetze;
  const auto nehmen = [&](const char* quelle, const char* knopf, double g, double unten, double oben) {
    saetze += Formatiere(" Aus den %s: %.1f Mio m3 (95 %%-Bereich %.1f bis %.1f Mio m3).", quelle,
                         UebernommenerGasvorrat(g), unten, oben);
    w.knoepfe.push_back(Formatiere("%s: %.1f Mio m3", knopf, UebernommenerGasvorrat(g)));
    w.werte.push_back(g);
  };
  if (a.Gemacht()) nehmen("Fließdaten", "Fließdaten", a.g, a.gUnten, a.gOben);
  if (messungen.Gemacht())
    nehmen("Schließdruckmessungen", "Messungen", messungen.g, messungen.gUnten, messungen.gOben);
  if (aquifer && aquifer->Gemacht()) {
    w.aquiferKnopf = static_cast<int>(w.knoepfe.size());
    nehmen(Formatiere("Messungen mit dem Aquifermodell %s (mit seinen angepassten Werten)",
                      AquifermodellName(aquifer->modell)).c_str(),
           "Aquifer", aquifer->g.wert, aquifer->g.unten, aquifer->g.oben);
  }
  w.frage = Formatiere("Welcher Gasvorrat soll als OGIP übernommen werden?%s Bisher sind es %.1f Mio m3.",
                       saetze.c_str(), ogip);
  return w;
}

std::optional<std::string> GasvorratUebernehmen(CZelvorDoc& doc, double g) {
  const Eingabefeld* ogip = EingabefeldSuchen("OGIP");
  CZelvorDoc neu = doc;
  // The user typed no number here: the message names the value the match found.
  if (EingabeSetzen(neu, *ogip, Formatiere("%.1f", UebernommenerGasvorrat(g))))
    return Formatiere("Der Gasvorrat von %.1f Mio m3 wird nicht übernommen: das OGIP muss zwischen %.0f und %.0f Mio m3 "
                      "liegen.",
                      UebernommenerGasvorrat(g), ogip->min, ogip->max);
  // Never a gas in place that the storage settings contradict: every later change would be refused.
  if (SpeicheraenderungPruefen(doc.m_Speicher, doc.m_OGIP, neu.m_Speicher, neu.m_OGIP).ablehnung)
    return Formatiere("Der Gasvorrat von %.1f Mio m3 wird nicht übernommen: er ist kleiner als das Kissengas des "
                      "Speichers von %.1f Mio m3 (Speichereinstellungen).",
                      static_cast<double>(neu.m_OGIP), static_cast<double>(doc.m_Speicher.kissengas));
  doc = std::move(neu);
  doc.Auswertung();
  return std::nullopt;
}

}  // namespace zelvor
