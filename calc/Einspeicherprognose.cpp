// The forecast of an injection (storage) well: from the last rate line's Gp downwards, as gas is
// injected, at the maximum wellhead injection pressure, until the reservoir reaches its maximum pressure
// or the rate the well takes falls to the minimum rate.
#include <algorithm>
#include <cmath>

#include "calc/DruckAusPZ.h"
#include "calc/Einspeicherprognose.h"
#include "calc/Format.h"
#include "calc/Prognosezeilen.h"

namespace zelvor {
namespace {

constexpr double GENAUIGKEIT = 1e-9;  // relative, of every Gp the forecast looks for
constexpr int MAX_HALBIERUNGEN = 200;

class Speicher {
 public:
  Speicher(const Laufdaten& lauf, const PrognoseEingaben& e, const Lieferansatz& a)
      : m_lauf(lauf), m_e(e), m_a(a), m_hy(HallYarboroughKoeffizienten(lauf.temperatur, lauf.tca)) {}

  // pws by the run's material balance; NaN where it cannot be computed (remembered).
  double Schliessdruck(double gp, double& pz) {
    pz = m_lauf.PZ(gp);
    const double pws = pz > 0.0 ? DruckAusPZ(m_hy, pz, m_lauf.pca) : std::nan("");
    if (!std::isfinite(pws)) m_fehler = true;
    return pws;
  }

  // The rate the well takes at p_max: Q = C·(B1·p_max² - (Q/(N·A1))² - pws²)^n.
  double QMax(double gp, double pws) const {
    return LieferbareRate(m_a.C(gp), m_a.n, m_lauf.b1 * m_e.pMax * m_e.pMax - pws * pws, m_lauf.nA1);
  }
  double QMax(double gp) {
    double pz = 0;
    const double pws = Schliessdruck(gp, pz);
    return std::isfinite(pws) ? QMax(gp, pws) : 0.0;
  }

  Prognosezeile Zeile(double gp) {
    Prognosezeile z;
    z.gp = gp;
    z.pws = Schliessdruck(gp, z.pz);
    z.qMax = std::isfinite(z.pws) ? QMax(gp, z.pws) : 0.0;
    z.q = m_e.qPlan > 0 ? std::min(m_e.qPlan, z.qMax) : z.qMax;
    return z;
  }

  // The Gp at which the balance reaches the maximum reservoir pressure: P/Z of p_res,max turned back
  // into Gp. NaN when its Z-factor cannot be computed.
  double GpVoll() const {
    const double z = ZFaktor(m_hy, m_e.pResMax, m_lauf.pca);
    if (!(z > 0.0)) return std::nan("");
    const double pz = m_e.pResMax / z;
    return m_lauf.ogip * (1.0 - pz * (1.0 - m_lauf.wasserinvasion / m_lauf.ogipReservoir) / m_lauf.pzi);
  }

  bool m_fehler = false;

 private:
  const Laufdaten& m_lauf;
  const PrognoseEingaben& m_e;
  const Lieferansatz& m_a;
  HallYarborough m_hy;
};

// The Gp in [lo, hi] below which oben turns false, to GENAUIGKEIT × skala; oben(hi) holds.
template <typename F>
double Halbieren(double lo, double hi, double skala, F oben) {
  for (int i = 0; i < MAX_HALBIERUNGEN && hi - lo > GENAUIGKEIT * skala; ++i) {
    const double mitte = 0.5 * (lo + hi);
    (oben(mitte) ? hi : lo) = mitte;
  }
  return hi;
}

}  // namespace

std::optional<std::string> EinspeicherprognoseAblehnung(const Laufdaten& lauf, const PrognoseEingaben& e) {
  if (lauf.KeineAuswertung()) return std::string(KEINE_AUSWERTUNG);
  if (!lauf.vollstaendig || lauf.punkte.empty() || !(lauf.ogip > 0.0) || !(lauf.pzi > 0.0))
    return std::string("Die Einspeicherprognose braucht eine vollständige Auswertung ohne ABBRUCH oder ERROR.");
  if (!(lauf.nA1 > 0.0)) return std::string("Mit A1 = 0 lässt sich keine Injektionsrate berechnen.");
  if (!(e.pMax > 0.0) || !(e.pResMax > 0.0) || !(e.qEnde > 0.0) || !(e.qPlan >= 0.0) || e.schritte < 1 ||
      !std::isfinite(e.pMax + e.pResMax + e.qEnde + e.qPlan))
    return std::string("Die Einstellungen der Einspeicherprognose sind ungültig.");
  if (e.qPlan > 0.0 && e.qPlan <= e.qEnde)
    return std::string("Die geplante Injektionsrate muss 0 oder größer als die Mindestrate sein.");
  return std::nullopt;
}


Foerderprognose EinspeicherprognoseBerechnen(const Laufdaten& lauf, const PrognoseEingaben& e) {
  Foerderprognose p;
  p.injektion = true;
  p.eingaben = e;
  p.ogip = lauf.ogip;
  const auto ablehnen = [&p](std::string meldung) { return Abgelehnt(p, std::move(meldung)); };
  if (auto m = EinspeicherprognoseAblehnung(lauf, e)) return ablehnen(*m);
  if (auto m = LieferansatzWaehlen(lauf, e, p.ansatz)) return ablehnen(*m);

  Speicher s(lauf, e, p.ansatz);
  p.gpStart = lauf.punkte.back().gp;
  if (!(p.ansatz.C(p.gpStart) > 0.0))
    return ablehnen("Es gibt keinen positiven C-Wert, mit dem sich eine Rate berechnen lässt.");
  double pzStart = 0;
  const double pwsStart = s.Schliessdruck(p.gpStart, pzStart);
  if (!std::isfinite(pwsStart))
    return ablehnen(Formatiere("Der Lagerstättendruck bei Gp = %.3f Mio m3 lässt sich nicht berechnen.", p.gpStart));
  if (pwsStart >= e.pResMax)
    return ablehnen(Formatiere("Der Speicher ist bei Gp = %.3f Mio m3 schon voll: der Lagerstättendruck von %.1f bar "
                               "erreicht den Höchstdruck von %.1f bar.",
                               p.gpStart, pwsStart, e.pResMax));
  p.qMaxStart = s.QMax(p.gpStart, pwsStart);
  if (!(p.qMaxStart > e.qEnde))
    return ablehnen(Formatiere("Die Bohrung nimmt bei Gp = %.3f Mio m3 höchstens %.1f m3/h auf und damit nicht mehr "
                               "als die Mindestrate von %.1f m3/h.",
                               p.gpStart, p.qMaxStart, e.qEnde));
  const double gpVoll = s.GpVoll();
  if (!std::isfinite(gpVoll) || !(gpVoll < p.gpStart))
    return ablehnen(Formatiere("Der Gasinhalt beim Höchstdruck von %.1f bar lässt sich nicht berechnen.", e.pResMax));

  // The rate the well takes falls as Gp falls and the pressure rises.
  const double skala = std::max({lauf.ogip, std::fabs(gpVoll), std::fabs(p.gpStart)});
  p.voll = s.QMax(gpVoll) > e.qEnde;
  p.gpEnde = p.voll ? gpVoll : Halbieren(gpVoll, p.gpStart, skala, [&](double gp) { return s.QMax(gp) > e.qEnde; });
  p.plateau = e.qPlan > 0.0 && p.qMaxStart > e.qPlan;
  const double gpPlateau =
      p.plateau ? Halbieren(p.gpEnde, p.gpStart, skala, [&](double gp) { return s.QMax(gp) > e.qPlan; }) : p.gpStart;

  const std::optional<std::string> zeilenFehler =
      PrognosezeilenFuellen(p, gpPlateau, GENAUIGKEIT * skala, [&s](double gp) { return s.Zeile(gp); });
  if (s.m_fehler) return ablehnen("Der Lagerstättendruck lässt sich im Verlauf der Einspeicherung nicht berechnen.");
  if (zeilenFehler) return ablehnen(*zeilenFehler);
  for (const Prognosezeile& z : p.zeilen)
    if (!std::isfinite(z.gp + z.pz + z.pws + z.qMax + z.q + z.jahre))
      return ablehnen("Die Einspeicherprognose lässt sich mit diesen Werten nicht berechnen.");
  if (!std::isfinite(p.gpEnde + p.qMaxStart + p.plateauJahre + p.jahre))
    return ablehnen("Die Einspeicherprognose lässt sich mit diesen Werten nicht berechnen.");
  return p;
}

}  // namespace zelvor
