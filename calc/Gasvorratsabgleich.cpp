#include "calc/Gasvorratsabgleich.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "calc/DruckAusPZ.h"
#include "calc/Format.h"
#include "calc/StudentT.h"

namespace zelvor {
namespace {

constexpr int RASTER = 60;  // points of the logarithmic scan over the search range
constexpr double GENAUIGKEIT = 1e-6;  // relative, of G* and of the interval's ends
constexpr int MAX_SCHRITTE = 200;
constexpr double UNMOEGLICH = std::numeric_limits<double>::infinity();

std::vector<Abgleichpunkt> Punkte(const Laufdaten& lauf) {
  std::vector<Abgleichpunkt> v;
  for (const AusgewerteterPunkt& p : lauf.punkte)
    if (p.q > 0 && std::isfinite(p.pwf)) v.push_back({p.gp, p.q, p.pwf, p.we});
  return v;
}

// Slope of y over x by least squares; 0 when the x do not vary.
double Steigung(const std::vector<double>& x, const std::vector<double>& y) {
  const double n = static_cast<double>(x.size());
  double sx = 0, sy = 0;
  for (size_t i = 0; i < x.size(); ++i) sx += x[i], sy += y[i];
  double sxx = 0, sxy = 0;
  for (size_t i = 0; i < x.size(); ++i) {
    sxx += (x[i] - sx / n) * (x[i] - sx / n);
    sxy += (x[i] - sx / n) * (y[i] - sy / n);
  }
  return sxx > 0.0 ? sxy / sxx : 0.0;
}

// S(G) and what goes with it, every trial value kept for the profile.
class Zielfunktion {
 public:
  Zielfunktion(const Laufdaten& lauf, const std::vector<Abgleichpunkt>& punkte, double n)
      : m_lauf(lauf), m_punkte(punkte), m_n(n), m_hy(HallYarboroughKoeffizienten(lauf.temperatur, lauf.tca)) {}

  Abgleichwert Wert(double g) const {
    Abgleichwert w;
    const size_t m = m_punkte.size();
    std::vector<double> u(m), gp(m), c(m);
    double su = 0, suu = 0;
    for (size_t i = 0; i < m; ++i) {
      const Abgleichpunkt& p = m_punkte[i];
      // With an aquifer each line keeps the influx of its date from the run.
      const double pz = m_lauf.aquifer ? m_lauf.pzi * (1.0 - p.gp / g) / (1.0 - p.we / (g / m_lauf.bgi))
                                       : m_lauf.PZBei(p.gp, g);
      if (!(pz > 0.0) || !std::isfinite(pz)) return w;
      PZFehler fehler = PZFehler::Keiner;
      const double pws = DruckAusPZ(m_hy, pz, m_lauf.pca, &fehler);
      if (fehler != PZFehler::Keiner || !std::isfinite(pws)) return w;
      // The run's sign: an injection well's flowing pressure lies above the static one.
      const double delta = m_lauf.injektion ? p.pwf * p.pwf - pws * pws : pws * pws - p.pwf * p.pwf;
      if (!(delta > 0.0)) return w;
      const double x = m_n == 1.0 ? delta : std::pow(delta, m_n);
      if (!(x > 0.0) || !std::isfinite(x)) return w;
      u[i] = x / p.q;  // Q̂/Q = C·u
      gp[i] = p.gp;
      c[i] = p.q / x;
      su += u[i];
      suu += u[i] * u[i];
    }
    if (m == 0 || !(suu > 0.0) || !std::isfinite(suu)) return w;
    w.c = su / suu;
    for (double ui : u) w.s += (1.0 - w.c * ui) * (1.0 - w.c * ui);
    w.rms = std::sqrt(w.s / static_cast<double>(m));
    w.trend = Steigung(gp, c);
    for (double ci : c) w.cMittel += ci / static_cast<double>(m);
    w.moeglich = std::isfinite(w.s + w.c + w.rms + w.trend + w.cMittel) && w.c > 0.0;
    return w;
  }

  double S(double g) {
    const Abgleichwert w = Wert(g);
    if (!w.moeglich) return UNMOEGLICH;
    m_profil.push_back({g, w.s});
    return w.s;
  }

  // The feasible trial values, ascending in G.
  std::vector<Profilpunkt> Profil() {
    std::sort(m_profil.begin(), m_profil.end(), [](const Profilpunkt& a, const Profilpunkt& b) { return a.g < b.g; });
    m_profil.erase(std::unique(m_profil.begin(), m_profil.end(),
                               [](const Profilpunkt& a, const Profilpunkt& b) { return a.g == b.g; }),
                   m_profil.end());
    return m_profil;
  }

 private:
  const Laufdaten& m_lauf;
  const std::vector<Abgleichpunkt>& m_punkte;
  double m_n;
  HallYarborough m_hy;
  std::vector<Profilpunkt> m_profil;
};

// Brent's minimiser on ln G in [a, b]: parabolic steps where they are safe, golden sections otherwise,
// to GENAUIGKEIT relative. Answers the best G it met and its S.
Profilpunkt Minimum(Zielfunktion& f, double a, double b) {
  constexpr double GOLD = 0.3819660112501051;  // (3 - √5) / 2
  constexpr double TOL = GENAUIGKEIT / 4;      // in ln G: relative in G
  double la = std::log(a), lb = std::log(b);
  double x = la + GOLD * (lb - la), w = x, v = x;
  double fx = f.S(std::exp(x)), fw = fx, fv = fx;
  double d = 0, e = 0;
  for (int i = 0; i < MAX_SCHRITTE; ++i) {
    const double mitte = 0.5 * (la + lb);
    if (std::fabs(x - mitte) <= 2 * TOL - 0.5 * (lb - la)) break;
    bool golden = true;
    // A parabola through three feasible points, when its step stays inside and shrinks.
    if (std::fabs(e) > TOL && std::isfinite(fx) && std::isfinite(fw) && std::isfinite(fv)) {
      const double r = (x - w) * (fx - fv);
      double q = (x - v) * (fx - fw);
      double p = (x - v) * q - (x - w) * r;
      q = 2 * (q - r);
      if (q > 0) p = -p;
      q = std::fabs(q);
      if (std::fabs(p) < std::fabs(0.5 * q * e) && p > q * (la - x) && p < q * (lb - x)) {
        e = d;
        d = p / q;
        if (x + d - la < 2 * TOL || lb - (x + d) < 2 * TOL) d = x < mitte ? TOL : -TOL;
        golden = false;
      }
    }
    if (golden) {
      e = (x < mitte ? lb : la) - x;
      d = GOLD * e;
    }
    const double u = std::fabs(d) >= TOL ? x + d : x + (d > 0 ? TOL : -TOL);
    const double fu = f.S(std::exp(u));
    if (fu <= fx) {
      (u < x ? lb : la) = x;
      v = w, fv = fw, w = x, fw = fx, x = u, fx = fu;
    } else {
      (u < x ? la : lb) = u;
      if (fu <= fw || w == x) {
        v = w, fv = fw, w = u, fw = fu;
      } else if (fu <= fv || v == x || v == w) {
        v = u, fv = fu;
      }
    }
  }
  return {std::exp(x), fx};
}

// The G between innen (S ≤ grenze there) and aussen (S above it, or infeasible) where S crosses the
// limit: regula falsi on ln G with the Illinois rule, halving while the outer value is infeasible.
double Grenze(Zielfunktion& f, Profilpunkt innen, Profilpunkt aussen, double grenze) {
  double li = std::log(innen.g), la = std::log(aussen.g);
  double fi = innen.s - grenze, fa = aussen.s - grenze;
  int zuletzt = 0;  // which end moved last: -1 inner, +1 outer
  for (int i = 0; i < MAX_SCHRITTE && std::fabs(la - li) > GENAUIGKEIT; ++i) {
    double m = std::isfinite(fa) && fa > fi ? la - fa * (la - li) / (fa - fi) : 0.5 * (li + la);
    if (!(m > std::min(li, la) && m < std::max(li, la))) m = 0.5 * (li + la);
    const double fm = f.S(std::exp(m)) - grenze;
    if (fm <= 0) {
      li = m, fi = fm;
      if (zuletzt == -1) fa /= 2;
      zuletzt = -1;
    } else {
      la = m, fa = fm;
      if (zuletzt == 1) fi /= 2;
      zuletzt = 1;
    }
  }
  return std::exp(0.5 * (li + la));
}

std::string SuchgrenzeMeldung(const char* ende, double g) {
  return Formatiere("Die %s Grenze des Gasvorrats ist nicht bestimmbar: die Abweichung bleibt bis zur "
                    "Suchgrenze von %.1f Mio m3 im Vertrauensbereich.",
                    ende, g);
}

std::optional<std::string> Ablehnung(const Laufdaten& lauf, const AbgleichEingaben& e, size_t punkte) {
  if (lauf.KeineAuswertung()) return std::string(KEINE_AUSWERTUNG);
  if (!lauf.vollstaendig || !(lauf.ogip > 0.0) || !(lauf.bgi > 0.0))
    return std::string("Die Auswertung ist mit einer ABBRUCH- oder ERROR-Zeile beendet worden.");
  if (e.gegendruck && !e.gegendruckMeldung.empty()) return e.gegendruckMeldung;
  if (!(e.n > 0.0) || !std::isfinite(e.n)) return std::string("Der Exponent n des Abgleichs ist ungültig.");
  if (punkte < 3)
    return Formatiere("Für den Abgleich des Gasvorrats sind mindestens 3 Ratenzeilen mit einer Rate über 0 nötig, "
                      "hier sind es %d.",
                      static_cast<int>(punkte));
  return std::nullopt;
}

}  // namespace

Abgleichwert AbgleichBei(const Laufdaten& lauf, double n, double g) {
  const std::vector<Abgleichpunkt> punkte = Punkte(lauf);
  return Zielfunktion(lauf, punkte, n).Wert(g);
}

std::vector<Profilpunkt> Feinprofil(const Laufdaten& lauf, const Gasvorratsabgleich& a, int punkte) {
  std::vector<Profilpunkt> fein;
  if (!a.Gemacht() || punkte < 2) return fein;
  const std::vector<Abgleichpunkt> daten = Punkte(lauf);
  Zielfunktion f(lauf, daten, a.n);
  const double rand = 0.5 * (a.gOben - a.gUnten);
  const double von = std::max(a.gMin, a.gUnten - rand), bis = std::min(a.gMax, a.gOben + rand);
  std::vector<double> g{a.g, a.gUnten, a.gOben};
  for (int i = 0; i <= punkte; ++i) g.push_back(von + (bis - von) * i / punkte);
  std::sort(g.begin(), g.end());
  g.erase(std::unique(g.begin(), g.end()), g.end());
  for (double x : g) {
    const Abgleichwert w = f.Wert(x);
    if (w.moeglich && std::isfinite(w.s)) fein.push_back({x, w.s});
  }
  return fein;
}

double PZAusFliessdaten(const Laufdaten& lauf, const Abgleichpunkt& p, double c, double n) {
  if (!(c > 0.0) || !(n > 0.0)) return std::numeric_limits<double>::quiet_NaN();
  const double delta = std::pow(p.q / c, 1.0 / n);
  const double pws = std::sqrt(lauf.injektion ? p.pwf * p.pwf - delta : p.pwf * p.pwf + delta);
  const double z = ZFaktor(HallYarboroughKoeffizienten(lauf.temperatur, lauf.tca), pws, lauf.pca);
  return z > 0.0 ? pws / z : std::numeric_limits<double>::quiet_NaN();
}

Gasvorratsabgleich GasvorratAbgleichen(const Laufdaten& lauf, const AbgleichEingaben& e) {
  Gasvorratsabgleich a;
  a.injektion = lauf.injektion;
  a.n = e.n;
  a.gegendruck = e.gegendruck;
  a.ogip = lauf.ogip;
  a.punkte = Punkte(lauf);
  // A refusal keeps what was asked and the points, nothing half-computed.
  const auto ablehnen = [&a](std::string meldung) {
    Gasvorratsabgleich r;
    r.meldung = std::move(meldung);
    r.injektion = a.injektion;
    r.n = a.n;
    r.gegendruck = a.gegendruck;
    r.ogip = a.ogip;
    r.punkte = std::move(a.punkte);
    return r;
  };
  if (auto m = Ablehnung(lauf, e, a.punkte.size())) return ablehnen(*m);

  double gpMin = a.punkte.front().gp, gpMax = gpMin;
  for (const Abgleichpunkt& p : a.punkte) gpMin = std::min(gpMin, p.gp), gpMax = std::max(gpMax, p.gp);
  a.gpSpanne = gpMax - gpMin;
  // Just above the largest Gp (and above the water influx's pore volume, where the balance has a pole).
  a.gMin = std::max({gpMax, lauf.wasserinvasion * lauf.bgi, 1e-6 * lauf.ogip}) * (1.0 + 1e-6);
  a.gMax = ABGLEICH_SUCHFAKTOR * lauf.ogip;
  if (!(a.gMax > a.gMin)) return ablehnen("Der eingegebene Gasvorrat lässt keinen Suchbereich über dem größten Gp.");

  Zielfunktion f(lauf, a.punkte, e.n);
  std::vector<double> g(RASTER), s(RASTER);
  int beste = -1;
  for (int k = 0; k < RASTER; ++k) {
    g[k] = k == RASTER - 1 ? a.gMax : a.gMin * std::pow(a.gMax / a.gMin, k / (RASTER - 1.0));
    s[k] = f.S(g[k]);
    if (s[k] < UNMOEGLICH && (beste < 0 || s[k] < s[beste])) beste = k;
  }
  if (beste < 0)
    return ablehnen(Formatiere("Kein Gasvorrat zwischen %.1f und %.1f Mio m3 ergibt für alle Ratenzeilen einen "
                               "Schließdruck %s dem Bodenfließdruck.",
                               a.gMin, a.gMax, lauf.injektion ? "unter" : "über"));
  if (beste == RASTER - 1) return ablehnen(SuchgrenzeMeldung("obere", a.gMax));
  Profilpunkt stern = Minimum(f, g[std::max(beste - 1, 0)], g[beste + 1]);
  if (!(stern.s <= s[beste])) stern = {g[beste], s[beste]};
  a.g = stern.g;
  a.stern = f.Wert(a.g);
  if (a.gpSpanne < ABGLEICH_MIN_SPANNE * a.g)
    return ablehnen(Formatiere("Die Ratenzeilen überdecken nur %.2f Mio m3 kumulative Förderung, weniger als 5 %% des "
                               "abgeglichenen Gasvorrats von %.1f Mio m3: zu wenig Förderung, um den Gasvorrat zu "
                               "bestimmen.",
                               a.gpSpanne, a.g));

  // The profile-likelihood interval: where S stays within S*·(1 + t²/(m - 2)).
  const int m = static_cast<int>(a.punkte.size());
  a.t = StudentT95(m - 2);
  a.sGrenze = a.stern.s * (1.0 + a.t * a.t / (m - 2));
  int k = beste;
  while (k >= 0 && (g[k] >= a.g || s[k] <= a.sGrenze)) --k;
  if (k < 0) return ablehnen(SuchgrenzeMeldung("untere", a.gMin));
  a.gUnten = Grenze(f, g[k + 1] < a.g ? Profilpunkt{g[k + 1], s[k + 1]} : stern, {g[k], s[k]}, a.sGrenze);
  k = beste;
  while (k < RASTER && (g[k] <= a.g || s[k] <= a.sGrenze)) ++k;
  if (k >= RASTER) return ablehnen(SuchgrenzeMeldung("obere", a.gMax));
  a.gOben = Grenze(f, g[k - 1] > a.g ? Profilpunkt{g[k - 1], s[k - 1]} : stern, {g[k], s[k]}, a.sGrenze);
  a.unten = f.Wert(a.gUnten);
  a.oben = f.Wert(a.gOben);
  a.eingabe = f.Wert(lauf.ogip);
  if (!a.unten.moeglich || !a.oben.moeglich)
    return ablehnen("Der Vertrauensbereich des Gasvorrats lässt sich nicht berechnen.");
  a.profil = f.Profil();
  return a;
}

}  // namespace zelvor
