#include "calc/Inventarpruefung.h"

#include <algorithm>
#include <cmath>

#include "calc/Format.h"
#include "calc/StudentT.h"

namespace zelvor {
namespace {

Speicherrichtung Richtung(double gpVorher, double gp) {
  if (gpVorher > gp) return Speicherrichtung::NachEinspeisung;  // Gp fell: gas went in
  if (gpVorher < gp) return Speicherrichtung::NachAusspeisung;
  return Speicherrichtung::Unbekannt;
}

std::string Urteil(const Inventarpruefung& p) {
  if (p.unten <= 0.0 && p.oben >= 0.0)
    return Formatiere("Kein Gasverlust erkennbar: der Trend von %.2f Mio m3 pro Jahr liegt innerhalb seiner "
                      "Unsicherheit (95 %%: %.2f bis %.2f).",
                      p.rate, p.unten, p.oben);
  if (p.unten > 0.0)
    return Formatiere("Ein Gasverlust von %.2f Mio m3 pro Jahr (95 %%: %.2f bis %.2f) übersteigt seine Unsicherheit.",
                      p.rate, p.unten, p.oben);
  return Formatiere("Ein scheinbarer Gasgewinn von %.2f Mio m3 pro Jahr (95 %%: %.2f bis %.2f) übersteigt seine "
                    "Unsicherheit: die Bilanz (OGIP, Wasserinvasion) prüfen.",
                    -p.rate, -p.oben, -p.unten);
}

}  // namespace

Inventarpruefung InventarPunkte(const Laufdaten& lauf, std::vector<Inventarmessung> messungen,
                                const std::vector<std::pair<Tag, double>>& verlauf) {
  Inventarpruefung p;
  if (!lauf.vollstaendig || !(lauf.ogip > 0.0) || !(lauf.pzi > 0.0) || !(lauf.ogipReservoir > 0.0)) {
    p.meldung = "Die Inventarprüfung braucht eine vollständige Auswertung ohne ABBRUCH oder ERROR.";
    return p;
  }
  std::stable_sort(messungen.begin(), messungen.end(),
                   [](const Inventarmessung& a, const Inventarmessung& b) { return a.datum < b.datum; });
  const double faktor = (1.0 - lauf.wasserinvasion / lauf.ogipReservoir) / lauf.pzi;  // PZ(gp) inverted
  for (std::size_t i = 0; i < messungen.size(); ++i) {
    const Inventarmessung& m = messungen[i];
    if (!std::isfinite(m.gp + m.pz) || !(m.pz > 0.0)) {
      p.meldung = "Eine Schließdruckmessung hat kein gültiges P/Z.";
      p.punkte.clear();
      return p;
    }
    Inventarpunkt q;
    q.messung = m;
    q.gebucht = lauf.ogip - m.gp;
    q.bilanz = lauf.ogip * m.pz * faktor;
    q.verlust = q.gebucht - q.bilanz;
    // The latest Gp known before the survey's day that differs from its own, a rate line's or an earlier
    // survey's (the survey on a day wins over the line): a survey made after a shut-in shares its Gp
    // with the last line before it, and its direction is what Gp did before the shut-in.
    std::optional<std::pair<Tag, double>> vorher;
    const auto nehmen = [&](Tag t, double gp, bool messung) {
      if (t >= m.datum || gp == m.gp) return;
      if (!vorher || t > vorher->first || (messung && t == vorher->first)) vorher = std::pair{t, gp};
    };
    for (const auto& v : verlauf) nehmen(v.first, v.second, false);
    for (std::size_t j = 0; j < i; ++j) nehmen(messungen[j].datum, messungen[j].gp, true);
    if (vorher) q.richtung = Richtung(vorher->second, m.gp);
    p.punkte.push_back(q);
  }
  return p;
}

void InventarTrend(Inventarpruefung& p, bool richtungenTrennen, double breite) {
  // loss = offset(direction) + rate · years; offsets apart when both directions have two surveys, and
  // then a survey of unknown direction stays out of the trend.
  const auto zahl = [&p](Speicherrichtung r) {
    return std::count_if(p.punkte.begin(), p.punkte.end(), [r](const Inventarpunkt& q) { return q.richtung == r; });
  };
  p.getrennt = richtungenTrennen && zahl(Speicherrichtung::NachEinspeisung) >= 2 && zahl(Speicherrichtung::NachAusspeisung) >= 2;
  const auto gruppe = [&p](const Inventarpunkt& q) {
    if (!p.getrennt) return 0;
    return q.richtung == Speicherrichtung::NachEinspeisung ? 0 : q.richtung == Speicherrichtung::NachAusspeisung ? 1 : -1;
  };
  const int gruppen = p.getrennt ? 2 : 1;
  const int n = static_cast<int>(p.punkte.size() - (p.getrennt ? zahl(Speicherrichtung::Unbekannt) : 0));
  const int freiheitsgrade = n - gruppen - 1;
  if (freiheitsgrade < 1) {
    p.meldung = Formatiere("Für den Trend des Inventars braucht es mindestens %d datierte Schließdruckmessungen.",
                           gruppen + 2);
    return;
  }
  double mx[2] = {0, 0}, my[2] = {0, 0};
  int k[2] = {0, 0};
  for (const Inventarpunkt& q : p.punkte) {
    const int g = gruppe(q);
    if (g < 0) continue;
    mx[g] += Jahreszahl(q.messung.datum);
    my[g] += q.verlust;
    ++k[g];
  }
  for (int g = 0; g < gruppen; ++g) {
    mx[g] /= k[g];
    my[g] /= k[g];
  }
  double sxx = 0, sxy = 0;
  for (const Inventarpunkt& q : p.punkte) {
    const int g = gruppe(q);
    if (g < 0) continue;
    const double dx = Jahreszahl(q.messung.datum) - mx[g];
    sxx += dx * dx;
    sxy += dx * (q.verlust - my[g]);
  }
  if (!(sxx > 1e-12)) {
    p.meldung = "Die Schließdruckmessungen liegen zu dicht beieinander, um einen Trend zu zeigen.";
    return;
  }
  p.rate = sxy / sxx;
  double ss = 0;
  for (const Inventarpunkt& q : p.punkte) {
    const int g = gruppe(q);
    if (g < 0) continue;
    const double r = q.verlust - my[g] - p.rate * (Jahreszahl(q.messung.datum) - mx[g]);
    ss += r * r;
  }
  p.t = StudentT95(freiheitsgrade);
  const double halb = breite * p.t * std::sqrt(ss / freiheitsgrade / sxx);
  p.unten = p.rate - halb;
  p.oben = p.rate + halb;
  for (int g = 0; g < gruppen; ++g) p.versatz[g] = my[g] - p.rate * mx[g];
  if (!p.getrennt) p.versatz[1] = p.versatz[0];
  if (p.getrennt) p.hysterese = p.versatz[0] - p.versatz[1];
  if (!std::isfinite(p.rate + p.unten + p.oben + p.hysterese + p.versatz[0] + p.versatz[1])) {
    p.meldung = "Der Trend des Inventars lässt sich mit diesen Messungen nicht berechnen.";
    return;
  }
  p.satz = Urteil(p);
}

Inventarpruefung InventarPruefen(const Laufdaten& lauf, std::vector<Inventarmessung> messungen,
                                 const std::vector<std::pair<Tag, double>>& verlauf) {
  Inventarpruefung p = InventarPunkte(lauf, std::move(messungen), verlauf);
  if (p.Gemacht()) InventarTrend(p, true);
  return p;
}

}  // namespace zelvor
