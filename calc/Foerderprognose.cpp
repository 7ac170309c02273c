#include "calc/Foerderprognose.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "calc/DruckAusPZ.h"
#include "calc/Format.h"
#include "calc/Prognosezeilen.h"

namespace zelvor {
namespace {

constexpr double GENAUIGKEIT = 1e-9;  // relative, of every root the forecast looks for
constexpr int MAX_HALBIERUNGEN = 200;

// The lowest x in [lo, hi] where oben(x) turns false, to GENAUIGKEIT × skala; oben(lo) holds.
template <typename F>
double Halbieren(double lo, double hi, double skala, F oben) {
  for (int i = 0; i < MAX_HALBIERUNGEN && hi - lo > GENAUIGKEIT * skala; ++i) {
    const double mitte = 0.5 * (lo + hi);
    (oben(mitte) ? lo : hi) = mitte;
  }
  return lo;
}

class Rechner {
 public:
  Rechner(const Laufdaten& lauf, const PrognoseEingaben& e, const Lieferansatz& a)
      : m_lauf(lauf), m_e(e), m_a(a), m_hy(HallYarboroughKoeffizienten(lauf.temperatur, lauf.tca)) {}

  // pws by the run's material balance; 0 once the reservoir is empty.
  double Schliessdruck(double gp, double& pz) {
    pz = m_lauf.PZ(gp);
    if (!(pz > 0.0)) return pz = 0.0;
    const double pws = DruckAusPZ(m_hy, pz, m_lauf.pca);
    if (!std::isfinite(pws)) m_fehlerGp = m_fehlerGp.value_or(gp);
    return std::isfinite(pws) ? pws : 0.0;
  }

  double QMax(double gp) {
    double pz = 0;
    return QMax(gp, Schliessdruck(gp, pz));
  }
  double QMax(double gp, double pws) {
    const double D = pws * pws - m_lauf.b1 * m_e.pMin * m_e.pMin;
    return LieferbareRate(m_a.C(gp), m_a.n, D, m_lauf.nA1);
  }

  Prognosezeile Zeile(double gp) {
    Prognosezeile z;
    z.gp = gp;
    z.pws = Schliessdruck(gp, z.pz);
    z.qMax = QMax(gp, z.pws);
    z.q = m_e.qPlan > 0 ? std::min(m_e.qPlan, z.qMax) : z.qMax;
    return z;
  }

  // The first Gp where a pressure could not be computed.
  std::optional<double> m_fehlerGp;

 private:
  const Laufdaten& m_lauf;
  const PrognoseEingaben& m_e;
  const Lieferansatz& m_a;
  HallYarborough m_hy;
};

}  // namespace

std::optional<std::string> FoerderprognoseAblehnung(const Laufdaten& lauf, const PrognoseEingaben& e) {
  if (lauf.KeineAuswertung()) return std::string(KEINE_AUSWERTUNG);
  if (!lauf.vollstaendig || lauf.punkte.empty() || !(lauf.ogip > 0.0))
    return std::string("Die Förderprognose braucht eine vollständige Auswertung ohne ABBRUCH oder ERROR.");
  if (!(lauf.nA1 > 0.0)) return std::string("Mit A1 = 0 lässt sich keine lieferbare Rate berechnen.");
  if (!(e.pMin > 0.0) || !(e.qEnde > 0.0) || !(e.qPlan >= 0.0) || e.schritte < 1 || !std::isfinite(e.pMin) ||
      !std::isfinite(e.qEnde) || !std::isfinite(e.qPlan))
    return std::string("Die Prognoseeinstellungen sind ungültig.");
  if (e.qPlan > 0.0 && e.qPlan <= e.qEnde)
    return std::string("Die Plateaurate muss 0 oder größer als die Aufgaberate sein.");
  return std::nullopt;
}

namespace {

bool Endlich(const Foerderprognose& p) {
  for (const Prognosezeile& z : p.zeilen)
    if (!std::isfinite(z.gp + z.pz + z.pws + z.qMax + z.q + z.jahre)) return false;
  return std::isfinite(p.gpEnde + p.qMaxStart + p.plateauJahre + p.jahre + p.Ausbeute());
}

}  // namespace

Foerderprognose FoerderprognoseBerechnen(const Laufdaten& lauf, const PrognoseEingaben& e) {
  Foerderprognose p;
  p.eingaben = e;
  p.ogip = lauf.ogip;
  const auto ablehnen = [&p](std::string meldung) { return Abgelehnt(p, std::move(meldung)); };
  if (auto m = FoerderprognoseAblehnung(lauf, e)) return ablehnen(*m);
  if (auto m = LieferansatzWaehlen(lauf, e, p.ansatz)) return ablehnen(*m);

  Rechner r(lauf, e, p.ansatz);
  p.gpStart = lauf.punkte.back().gp;
  if (!(p.ansatz.C(p.gpStart) > 0.0))
    return ablehnen("Es gibt keinen positiven C-Wert, mit dem sich eine Rate berechnen lässt.");
  p.qMaxStart = r.QMax(p.gpStart);
  if (r.m_fehlerGp)
    return ablehnen(Formatiere("Der Lagerstättendruck bei Gp = %.3f Mio m3 lässt sich nicht berechnen.", p.gpStart));
  if (!(p.qMaxStart > e.qEnde))
    return ablehnen(Formatiere("Die Bohrung liefert bei Gp = %.3f Mio m3 höchstens %.1f m3/h und damit nicht mehr als "
                                  "die Aufgaberate von %.1f m3/h.",
                                  p.gpStart, p.qMaxStart, e.qEnde));

  // Q_max falls with Gp and is 0 once the reservoir is empty.
  p.gpEnde = Halbieren(p.gpStart, lauf.ogip, lauf.ogip, [&](double gp) { return r.QMax(gp) > e.qEnde; });
  p.plateau = e.qPlan > 0.0 && p.qMaxStart > e.qPlan;
  const double gpPlateau =
      p.plateau ? Halbieren(p.gpStart, p.gpEnde, lauf.ogip, [&](double gp) { return r.QMax(gp) > e.qPlan; }) : p.gpStart;

  const std::optional<std::string> zeilenFehler =
      PrognosezeilenFuellen(p, gpPlateau, GENAUIGKEIT * lauf.ogip, [&r](double gp) { return r.Zeile(gp); });
  if (r.m_fehlerGp)
    return ablehnen(Formatiere("Der Lagerstättendruck bei Gp = %.3f Mio m3 lässt sich nicht berechnen.", *r.m_fehlerGp));
  if (zeilenFehler) return ablehnen(*zeilenFehler);
  if (!Endlich(p)) return ablehnen("Die Förderprognose lässt sich mit diesen Werten nicht berechnen.");
  return p;
}

}  // namespace zelvor
