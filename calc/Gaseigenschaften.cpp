#include "calc/Gaseigenschaften.h"

#include <cmath>

namespace zelvor {

void PseudokritischeWerte(const float* komponenten, double& tca, double& pca) {
  // Kay's rule in single precision, as the mixing has always been done.
  float summe = 0.0f;
  for (int i = 0; i < KOMPONENTEN; ++i) summe += komponenten[i];
  float ppc = 0.0f;
  float tpc = 0.0f;
  for (int i = 0; i < KOMPONENTEN; ++i) {
    const float x = 100.0f * komponenten[i] / summe;
    ppc += KRITISCHER_DRUCK[i] * x / 100.0f;
    tpc += KRITISCHE_TEMPERATUR[i] * x / 100.0f;
  }
  KorrekturCO2H2S(tpc, ppc, komponenten, tca, pca);
}

void KorrekturCO2H2S(double tpc, double ppc, const float* komponenten, double& tca, double& pca) {
  double summe = 0.0;
  for (int i = 0; i < KOMPONENTEN; ++i) summe += komponenten[i];
  const double xH2S = 100.0 * komponenten[0] / summe;
  const double xCO2 = 100.0 * komponenten[1] / summe;
  const double B = xH2S / 100.0;
  const double A = xH2S / 100.0 + xCO2 / 100.0;
  const double cwa = 120.0 * (std::pow(A, 0.9) - std::pow(A, 1.6)) + 15.0 * (std::pow(B, 0.5) - std::pow(B, 4.0));
  tca = tpc - cwa;
  pca = ppc * tca / (tpc + B * (1.0 - B) * cwa);
}

HallYarborough HallYarboroughKoeffizienten(double temperaturC, double tca) {
  HallYarborough k;
  const double tr = (temperaturC * 9.0 / 5.0 + 492.0) / tca;
  k.t = 1.0 / tr;
  const double t = k.t;
  k.a1 = 0.06125 * t * std::exp(-1.2 * ((1.0 - t) * (1.0 - t)));
  k.b = t * (14.76 - 9.76 * t + 4.58 * (t * t));
  k.c1 = t * (90.7 - 242.2 * t + 42.4 * (t * t));
  k.d = 2.18 + 2.82 * t;
  return k;
}

namespace {

// One Newton iteration for the reduced density y; two of them run side by side in ZFaktorPaar.
class Dichteiteration {
 public:
  Dichteiteration(const HallYarborough& k, double druckBar, double pca)
      : m_k(k), m_a1pr(k.a1 * (druckBar * static_cast<double>(BAR_NACH_PSIA) / pca)) {}

  bool Fertig() const { return m_fertig; }
  double Z() const { return m_z; }

  void Schritt() {
    // The convergence bound is a single-precision constant compared in double precision.
    constexpr double GRENZE = static_cast<double>(0.0001f);
    if (m_fertig) return;
    if (m_schritt++ == 30) return Ende(0.0);
    double y = m_y;
    if (y > 1.0) y = 0.6;
    // y^d is undefined at or below 0 and the equation has a pole at 1: the iteration has failed.
    if (!(y > 0.0) || y == 1.0) return Ende(0.0);
    const double y2 = y * y;
    const double y3 = y2 * y;
    const double y4 = y3 * y;
    const double e = 1.0 - y;
    const double e3 = e * e * e;
    const double yd = std::pow(y, m_k.d);
    const double f = -m_a1pr + (y + y2 + y3 - y4) / e3 - m_k.b * y2 + m_k.c1 * yd;
    if (!std::isfinite(f)) return Ende(0.0);
    if (std::fabs(1000.0 * f) < GRENZE) {
      const double z = m_a1pr / y;
      return Ende(std::isfinite(z) && z > 0.0 ? z : 0.0);
    }
    const double fStrich =
        (1.0 + 4.0 * y + 4.0 * y2 - 4.0 * y3 + y4) / (e3 * e) - 2.0 * m_k.b * y + m_k.d * m_k.c1 * (yd / y);
    m_y = y - f / fStrich;
  }

 private:
  void Ende(double z) {
    m_z = z;
    m_fertig = true;
  }

  const HallYarborough& m_k;
  const double m_a1pr;
  double m_y = 0.001;
  double m_z = 0.0;
  int m_schritt = 0;
  bool m_fertig = false;
};

}  // namespace

double ZFaktor(const HallYarborough& k, double druckBar, double pca) {
  Dichteiteration it(k, druckBar, pca);
  while (!it.Fertig()) it.Schritt();
  return it.Z();
}

void ZFaktorPaar(const HallYarborough& k, double p1, double p2, double pca, double& z1, double& z2) {
  // Independent iterations interleaved, so that the processor overlaps their power functions.
  Dichteiteration a(k, p1, pca);
  Dichteiteration b(k, p2, pca);
  while (!a.Fertig() || !b.Fertig()) {
    a.Schritt();
    b.Schritt();
  }
  z1 = a.Z();
  z2 = b.Z();
}

double ZFaktor(double T, double p, double tca, double pca) {
  return ZFaktor(HallYarboroughKoeffizienten(T, tca), p, pca);
}

}  // namespace zelvor
