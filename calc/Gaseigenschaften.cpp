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
  k.a1 = 0.06125 * t * std::exp(-1.2 * (1.0 - t) * (1.0 - t));
  k.b = t * (14.76 - 9.76 * t + 4.58 * t * t);
  k.c1 = t * (90.7 - 242.2 * t + 42.4 * t * t);
  k.d = 2.18 + 2.82 * t;
  return k;
}

double ZFaktor(const HallYarborough& k, double druckBar, double pca) {
  // The convergence bound is a single-precision constant compared in double precision.
  constexpr double GRENZE = static_cast<double>(0.0001f);
  const double pr = druckBar * static_cast<double>(BAR_NACH_PSIA) / pca;
  const double a1pr = k.a1 * pr;
  double y = 0.001;
  for (int schritt = 0; schritt < 30; ++schritt) {
    if (y > 1.0) y = 0.6;
    // y^d is undefined at or below 0 and the equation has a pole at 1: the iteration has failed.
    if (!(y > 0.0) || y == 1.0) return 0.0;
    const double y2 = y * y;
    const double y3 = y2 * y;
    const double y4 = y3 * y;
    const double e = 1.0 - y;
    const double e3 = e * e * e;
    const double yd = std::pow(y, k.d);
    const double f = -a1pr + (y + y2 + y3 - y4) / e3 - k.b * y2 + k.c1 * yd;
    if (!std::isfinite(f)) return 0.0;
    if (std::fabs(1000.0 * f) < GRENZE) {
      const double z = a1pr / y;
      return std::isfinite(z) && z > 0.0 ? z : 0.0;
    }
    const double fStrich = (1.0 + 4.0 * y + 4.0 * y2 - 4.0 * y3 + y4) / (e3 * e) - 2.0 * k.b * y + k.d * k.c1 * (yd / y);
    y = y - f / fStrich;
  }
  return 0.0;
}

double ZFaktor(double T, double p, double tca, double pca) {
  return ZFaktor(HallYarboroughKoeffizienten(T, tca), p, pca);
}

}  // namespace zelvor
