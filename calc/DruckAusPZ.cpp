#include "calc/DruckAusPZ.h"

#include <cmath>
#include <limits>

namespace zelvor {

double DruckAusPZ(const HallYarborough& k, double pzGegeben, double pca, PZFehler* fehler) {
  const auto scheitern = [fehler](PZFehler grund) {
    if (fehler) *fehler = grund;
    return std::numeric_limits<double>::quiet_NaN();
  };
  double p = pzGegeben;
  for (int schritt = 0; schritt < 5; ++schritt) {
    double z1 = 0, z2 = 0;
    ZFaktorPaar(k, p, p + 1.0, pca, z1, z2);
    if (z1 == 0.0 || z2 == 0.0) return scheitern(PZFehler::ZFaktor);
    const double r0 = p / z1;
    const double r1 = (p + 1.0) / z2;
    if (r1 == r0) return scheitern(PZFehler::Division);
    p = p + (pzGegeben - r0) / (r1 - r0);
    if (!std::isfinite(p)) return scheitern(PZFehler::Division);
  }
  if (fehler) *fehler = PZFehler::Keiner;
  return p;
}

double DruckAusPZ(double T, double pzGegeben, double tca, double pca, PZFehler* fehler) {
  return DruckAusPZ(HallYarboroughKoeffizienten(T, tca), pzGegeben, pca, fehler);
}

}  // namespace zelvor
