#include "calc/Inventaraquifer.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "calc/Aquiferanpassung.h"
#include "calc/DruckAusPZ.h"
#include "calc/Format.h"

namespace zelvor {
namespace {

// A loss over time as gas that left the reservoir: the line wert + rate·(year - mitte); before the first
// survey only back to where the line crosses 0 (the loss began there), so that a trend is never carried
// back across the decades before the surveys.
struct Verlustlinie {
  double wert = 0, rate = 0, mitte = 0;
  Tag erste = 0;

  double Bei(Tag t) const {
    const double l = wert + rate * (Jahreszahl(t) - mitte);
    if (t >= erste) return l;
    return l * (wert + rate * (Jahreszahl(erste) - mitte)) > 0 ? l : 0.0;
  }
};

Verlustlinie LinieDes(const Inventarpruefung& p, double mitte) {
  return {p.versatz[0] + p.rate * mitte, p.rate, mitte, p.punkte.front().messung.datum};
}

}  // namespace

Inventarpruefung InventarPruefenMitAquifer(const Laufdaten& lauf, std::vector<Inventarmessung> messungen,
                                           const std::vector<std::pair<Tag, double>>& verlauf,
                                           const Inventaraquifer& aquifer) {
  Inventarpruefung p = InventarPunkte(lauf, std::move(messungen), verlauf);
  if (!p.Gemacht() || p.punkte.empty()) return p;
  p.aquifer = aquifer.daten.modell;
  const Gasbilanz& gas = aquifer.gas;
  const double g = lauf.ogip;
  const double ce = EffektiveKompressibilitaet(aquifer.daten);

  // The history runs again for every step towards the loss: as many points as the fit takes at most, so
  // that a file with thousands of lines is refused rather than left to compute for minutes.
  if (aquifer.zeilen.size() + p.punkte.size() > AQUIFER_ANPASSUNG_HOECHSTPUNKTE) {
    p.meldung = Formatiere("Die Inventarprüfung mit dem Aquifermodell rechnet mit höchstens %zu datierten Punkten "
                           "(Ratenzeilen und Schließdruckmessungen); die Bohrung hat %zu.",
                           AQUIFER_ANPASSUNG_HOECHSTPUNKTE, aquifer.zeilen.size() + p.punkte.size());
    p.punkte.clear();
    return p;
  }
  // The history runs along the lines and then the surveys, each with its booked Gp.
  std::vector<Aquiferereignis> ereignisse = aquifer.zeilen;
  const std::size_t nZeilen = ereignisse.size();
  for (const Inventarpunkt& q : p.punkte) ereignisse.push_back({q.messung.datum, q.messung.gp});
  // The start of production from the booked history, held while the loss shifts Gp.
  Aquiferdaten daten = aquifer.daten;
  if (!daten.foerderbeginn) daten.foerderbeginn = FoerderbeginnAus(daten, ereignisse);
  // Each survey's pressure for the pore-volume term; from its P/Z where it is not given.
  std::vector<double> druck;
  for (const Inventarpunkt& q : p.punkte) {
    double pw = q.messung.pws;
    if (!(pw > 0.0) && ce > 0.0) pw = DruckAusPZ(gas.koeffizienten, q.messung.pz, gas.pca);
    if (ce > 0.0 && !std::isfinite(pw)) {
      p.meldung = "Eine Schließdruckmessung hat kein gültiges P/Z.";
      p.punkte.clear();
      return p;
    }
    druck.push_back(pw);
  }

  // The points with the water of the history in which the loss `linie` has left the reservoir.
  const auto bilanzieren = [&](const Verlustlinie& linie) {
    std::vector<Aquiferereignis> verschoben = ereignisse;
    for (Aquiferereignis& e : verschoben)
      if (e.tag) e.gp += linie.Bei(*e.tag);
    const Aquiferverlauf v = AquiferverlaufBerechnen(gas, g, daten, verschoben);
    if (!v.Gemacht()) return "Die Inventarprüfung mit dem Aquifermodell " + std::string(AquifermodellName(daten.modell)) +
                             " ist nicht möglich: " + v.meldung;
    for (std::size_t j = 0; j < p.punkte.size(); ++j) {
      Inventarpunkt& q = p.punkte[j];
      const Aquiferzustand& z = v.punkte[nZeilen + j];
      q.weNetto = z.we - z.wp;
      q.bilanz = g * q.messung.pz / gas.pzi * (1.0 - ce * (gas.initialdruck - druck[j])) * (1.0 - q.weNetto * gas.bgi / g);
      q.verlust = q.gebucht - q.bilanz;
    }
    return std::string();
  };
  double mitte = 0;
  for (const Inventarpunkt& q : p.punkte) mitte += Jahreszahl(q.messung.datum);
  mitte /= static_cast<double>(p.punkte.size());

  Verlustlinie linie{0, 0, mitte, p.punkte.front().messung.datum};
  for (int i = 1;; ++i) {
    if (std::string m = bilanzieren(linie); !m.empty()) {
      p.meldung = std::move(m);
      p.punkte.clear();
      return p;
    }
    InventarTrend(p, false);
    p.iterationen = i;
    if (!p.Gemacht()) return p;  // the points with the booked history's water, and why there is no trend
    const Verlustlinie neu = LinieDes(p, mitte);
    const double spanne = Jahreszahl(p.punkte.back().messung.datum) - mitte;
    const bool fest = std::fabs(neu.wert - linie.wert) + std::fabs(neu.rate - linie.rate) * std::fabs(spanne) < 1e-7;
    linie = neu;
    if (fest) break;
    if (i >= INVENTAR_HOECHSTITERATIONEN) {
      p.meldung = "Der Gasverlust und der Wasserzufluss des Aquifermodells finden zu keinem festen Trend zusammen.";
      return p;
    }
  }

  // How much of a change in the loss rate the water hides: the trend of the history with a slightly
  // larger rate. The points' scatter says how well the seen trend is known; the rate itself is known
  // 1/(1 - hidden share) less well.
  const Inventarpruefung gefunden = p;
  const double delta = std::max(0.01, 0.01 * std::fabs(linie.rate));
  Verlustlinie gestoert = linie;
  gestoert.rate += delta;
  double verborgen = 0;
  if (bilanzieren(gestoert).empty()) {
    InventarTrend(p, false);
    if (p.Gemacht()) verborgen = (p.rate - linie.rate) / delta;
  }
  const int iterationen = p.iterationen;
  p = gefunden;
  p.iterationen = iterationen;
  if (!(verborgen < 0.9) || !std::isfinite(verborgen)) {
    p.meldung = "Der Wasserzufluss des Aquifermodells verdeckt einen Gasverlust fast ganz: die Messungen zeigen "
                "keinen Trend des Inventars.";
    return p;
  }
  InventarTrend(p, false, 1.0 / (1.0 - std::max(verborgen, 0.0)));
  return p;
}

}  // namespace zelvor
