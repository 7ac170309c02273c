#include "calc/CStatistik.h"

namespace zelvor {

void CStatistik::Regression(float gp, double c, bool variablerC) {
  if (!(c > 0.0) || !variablerC) return;
  sx += gp;
  sy += c;
  sxy += gp * c;
  sx2 += static_cast<double>(gp) * gp;
}

void CStatistik::Mittelwert(double c) {
  summeC += c;
  if (c > 0.0) ++cZahl;
}

Ausgleichsgerade Ausgleich(const CStatistik& s) {
  Ausgleichsgerade g;
  const double n = s.cZahl;
  const double sx2n = s.sx * s.sx / n;
  const double nenner = s.sx2 - sx2n;
  // Exact comparisons, in this order, as the fit has always made them.
  if (s.sx * s.sx == s.sx2 || sx2n == s.sxy || nenner == 0.0) {
    g.achsenabschnitt = s.Mittel();
    return g;
  }
  g.steigung = (s.sxy - s.sx * s.sy / n) / nenner;
  g.achsenabschnitt = (s.sy - g.steigung * s.sx) / n;
  return g;
}

}  // namespace zelvor
