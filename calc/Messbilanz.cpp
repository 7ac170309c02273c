#include "calc/Messbilanz.h"

#include <algorithm>
#include <cmath>

#include "calc/Format.h"
#include "calc/Gaseigenschaften.h"
#include "calc/Gasvorratsabgleich.h"
#include "calc/StudentT.h"

namespace zelvor {
namespace {

constexpr int RASTER = 400;
constexpr int SCHRITTE = 200;

bool Endlich(std::initializer_list<double> werte) {
  return std::all_of(werte.begin(), werte.end(), [](double w) { return std::isfinite(w); });
}

}  // namespace

double PZGerade::Bandhalbe(double gp) const {
  if (anzahl == 0 || !(sxx > 0)) return 0.0;
  return t * std::sqrt(s2 * (1.0 / static_cast<double>(anzahl) + (gp - gpMittel) * (gp - gpMittel) / sxx));
}

PZGerade PZGeradeAnpassen(const std::vector<double>& gp, const std::vector<double>& pz) {
  PZGerade r;
  const std::size_t m = std::min(gp.size(), pz.size());
  if (m < 3) {
    r.meldung = "Für die P/Z-Gerade sind mindestens 3 Schließdruckmessungen nötig.";
    return r;
  }
  double xq = 0, yq = 0;
  for (std::size_t i = 0; i < m; ++i) {
    xq += gp[i];
    yq += pz[i];
  }
  xq /= static_cast<double>(m);
  yq /= static_cast<double>(m);
  double sxx = 0, sxy = 0, syy = 0;
  for (std::size_t i = 0; i < m; ++i) {
    sxx += (gp[i] - xq) * (gp[i] - xq);
    sxy += (gp[i] - xq) * (pz[i] - yq);
    syy += (pz[i] - yq) * (pz[i] - yq);
  }
  if (!(sxx > 0) || !Endlich({sxx, sxy, syy})) {
    r.meldung = "Die Schließdruckmessungen liegen alle bei demselben Gp; sie bestimmen keine P/Z-Gerade.";
    return r;
  }
  const double steigung = sxy / sxx;  // dP/Z / dGp = -b
  r.b = -steigung;
  r.a = yq - steigung * xq;
  if (!(r.b > 0) || !(r.a > 0)) {
    r.meldung = "P/Z der Schließdruckmessungen fällt nicht mit Gp; die Gerade ergibt keinen Gasvorrat.";
    return r;
  }
  const double sse = std::max(0.0, syy - steigung * sxy);
  const double ni = static_cast<double>(m);
  const double s2 = sse / (ni - 2);
  r.r2 = syy > 0 ? 1.0 - sse / syy : 1.0;
  r.t = StudentT95(static_cast<int>(m) - 2);
  r.gpMittel = xq;
  r.sxx = sxx;
  r.s2 = s2;
  r.anzahl = m;
  const double halb = r.Bandhalbe(0.0);
  r.aUnten = r.a - halb;
  r.aOben = r.a + halb;
  r.g = r.a / r.b;
  // Fieller: with u = Gp - mean, (ȳ + β·u)² <= t²s²(1/m + u²/Sxx) bounds u where the band holds 0.
  const double t2s2 = r.t * r.t * s2;
  const double qa = steigung * steigung - t2s2 / sxx, qb = yq * steigung, qc = yq * yq - t2s2 / ni;
  const double diskriminante = qb * qb - qa * qc;
  if (!(qa > 0) || diskriminante < 0) {
    r.meldung = "Die Schließdruckmessungen streuen zu sehr um die P/Z-Gerade: das 95-%-Intervall des Gasvorrats ist unbegrenzt.";
    return r;
  }
  if (m >= 4) {
    // The residuals against the centred square of Gp: their slope is the curvature.
    double qq = 0;
    for (std::size_t i = 0; i < m; ++i) qq += (gp[i] - xq) * (gp[i] - xq);
    qq /= ni;
    double sq = 0, sqr = 0;
    for (std::size_t i = 0; i < m; ++i) {
      const double q = (gp[i] - xq) * (gp[i] - xq) - qq;
      sq += q * q;
      sqr += q * (pz[i] - (r.a - r.b * gp[i]));
    }
    r.aufwaerts = sq > 0 && sqr > 0 && sqr * sqr / sq > 0.5 * sse;
  }
  const double w = std::sqrt(diskriminante);
  r.gUnten = xq + (-qb - w) / qa;
  r.gOben = xq + (-qb + w) / qa;
  if (r.gUnten > r.gOben) std::swap(r.gUnten, r.gOben);
  if (!Endlich({r.a, r.b, r.g, r.gUnten, r.gOben, r.aUnten, r.aOben, r.r2})) {
    r = PZGerade{};
    r.meldung = "Die P/Z-Gerade der Schließdruckmessungen ist nicht berechenbar.";
  }
  return r;
}

PZBilanz PZBilanzAnpassen(const Laufdaten& lauf, const std::vector<double>& gp, const std::vector<double>& pz,
                          double gMax) {
  PZBilanz r;
  const std::size_t m = std::min(gp.size(), pz.size());
  if (m < 2) {
    r.meldung = "Für die Materialbilanz durch den initialen P/Z-Wert sind mindestens 2 Schließdruckmessungen nötig.";
    return r;
  }
  // G must exceed every survey's Gp and the influx's share (WE·Bgi), where the balance has its pole.
  double gMin = lauf.wasserinvasion * lauf.bgi;
  for (std::size_t i = 0; i < m; ++i) gMin = std::max(gMin, gp[i]);
  gMin = std::max(gMin, 1e-6) * (1.0 + 1e-9);
  if (!Endlich({gMin, gMax, lauf.pzi, lauf.bgi}) || !(gMax > gMin * 1.001) || !(lauf.pzi > 0) || !(lauf.bgi > 0)) {
    r.meldung = "Die Materialbilanz durch den initialen P/Z-Wert ist mit diesen Eingaben nicht berechenbar.";
    return r;
  }
  const auto s = [&](double g) {
    double summe = 0;
    for (std::size_t i = 0; i < m; ++i) {
      const double d = pz[i] - lauf.PZBei(gp[i], g);
      summe += d * d;
    }
    return std::isfinite(summe) ? summe : HUGE_VAL;
  };
  const double la = std::log(gMin), lb = std::log(gMax);
  std::vector<double> raster(RASTER + 1), werte(RASTER + 1);
  int beste = 0;
  for (int k = 0; k <= RASTER; ++k) {
    raster[k] = std::exp(la + (lb - la) * k / RASTER);
    werte[k] = s(raster[k]);
    if (werte[k] < werte[beste]) beste = k;
  }
  // Golden section between the best grid point's neighbours.
  double a = raster[std::max(beste - 1, 0)], b = raster[std::min(beste + 1, RASTER)];
  const double phi = (std::sqrt(5.0) - 1) / 2;
  for (int i = 0; i < SCHRITTE && b - a > 1e-10 * b; ++i) {
    const double c = b - phi * (b - a), d = a + phi * (b - a);
    if (s(c) < s(d))
      b = d;
    else
      a = c;
  }
  r.g = (a + b) / 2;
  r.s = s(r.g);
  r.t = StudentT95(static_cast<int>(m) - 1);
  const double grenze = r.s * (1.0 + r.t * r.t / static_cast<double>(m - 1));
  if (beste == 0 || beste == RASTER || !std::isfinite(r.s)) {
    r.meldung = Formatiere("Die Materialbilanz der Schließdruckmessungen findet kein Minimum unter %.0f Mio m3.", gMax);
    return r;
  }
  // Each end: the first grid point on its side of G* beyond the limit, then bisection on S(G) = limit. The
  // interval can be narrower than a grid step, so the search starts on the end's own side of G*, never at
  // the best grid point, which may lie on the other.
  const auto ende = [&](int richtung, double& wert) {
    int k = beste;
    while (k > 0 && k < RASTER && (richtung > 0 ? raster[k] <= r.g : raster[k] >= r.g)) k += richtung;
    while (k > 0 && k < RASTER && werte[k] <= grenze) k += richtung;
    if (werte[k] <= grenze || (richtung > 0 ? raster[k] <= r.g : raster[k] >= r.g)) return false;
    double innen = r.g, aussen = raster[k];
    for (int i = 0; i < SCHRITTE && std::fabs(aussen - innen) > 1e-9 * aussen; ++i) {
      const double mitte = (innen + aussen) / 2;
      (s(mitte) <= grenze ? innen : aussen) = mitte;
    }
    wert = (innen + aussen) / 2;
    return true;
  };
  if (!ende(-1, r.gUnten) || !ende(+1, r.gOben)) {
    r.meldung = "Das 95-%-Intervall der Materialbilanz der Schließdruckmessungen reicht bis an die Suchgrenze.";
    return r;
  }
  return r;
}

Messbilanz MessbilanzBerechnen(const Laufdaten& lauf, const std::vector<Schliessdruck>& messungen) {
  Messbilanz r;
  r.messungen = messungen.size();
  if (messungen.empty()) {
    r.meldung = "Die Bohrung hat keine Schließdruckmessungen.";
    return r;
  }
  if (lauf.KeineAuswertung() || !(lauf.pzi > 0) || !(lauf.pca > 0)) {
    r.meldung = KEINE_AUSWERTUNG;
    return r;
  }
  r.pzi = lauf.pzi;
  const HallYarborough k = HallYarboroughKoeffizienten(lauf.temperatur, lauf.tca);
  std::vector<double> gp, pz;
  for (std::size_t i = 0; i < messungen.size(); ++i) {
    const Schliessdruck& m = messungen[i];
    Messpunkt p;
    p.datum = m.datum;
    p.gp = m.gp;
    p.pws = m.kopf ? std::sqrt(lauf.b1) * m.druck : m.druck;
    p.z = ZFaktor(k, p.pws, lauf.pca);
    p.pz = p.pws / p.z;
    if (!(p.z > 0) || !Endlich({p.gp, p.pws, p.pz})) {
      r.punkte.clear();
      r.meldung = Formatiere("Der Z-Wert der %zu. Schließdruckmessung ist nicht berechenbar.", i + 1);
      return r;
    }
    r.punkte.push_back(p);
    gp.push_back(p.gp);
    pz.push_back(p.pz);
  }
  r.gerade = PZGeradeAnpassen(gp, pz);
  const double gpMax = *std::max_element(gp.begin(), gp.end());
  r.bilanz = PZBilanzAnpassen(lauf, gp, pz, ABGLEICH_SUCHFAKTOR * std::max({lauf.ogip, gpMax, 1.0}));
  return r;
}

}  // namespace zelvor
