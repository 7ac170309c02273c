#pragma once
// The reservoir pressure that belongs to a given P/Z.
#include "calc/Gaseigenschaften.h"

namespace zelvor {

enum class PZFehler {
  Keiner,
  ZFaktor,  // a Z-factor along the way could not be computed
  Division  // two neighbouring P/Z values were equal: the step is undefined
};

// Five secant steps on P/Z(p) = pzGegeben, starting from p = pzGegeben, with a difference of 1 bar.
// Returns NaN and sets *fehler when a step cannot be taken.
double DruckAusPZ(double T, double pzGegeben, double tca, double pca, PZFehler* fehler = nullptr);
double DruckAusPZ(const HallYarborough& k, double pzGegeben, double pca, PZFehler* fehler = nullptr);

}  // namespace zelvor
