#include "report/Grafikskalierung.h"

#include <cmath>

namespace zelvor {
namespace {

// Upper bound on the additions of one tick walk. Data from float series never need 10^8 of them (a step is
// over a tenth of the data range, which is at least one float ulp of the minimum, so min/step < 10 * 2^24),
// so those are always walked in full; only ranges no float series can produce are cut short.
constexpr double MAX_SCHRITTE = 134217728.0;  // 2^27

// Adds schritt to wert for as long as wert < grenze (wert <= grenze with bisGleich), accumulating as the
// ticks are drawn. False, with wert unchanged, when that would not end within MAX_SCHRITTE additions: the
// step is zero, negative or not a number, the bound is endless, or the step is too small to move wert.
bool Schreiten(double& wert, double schritt, double grenze, bool bisGleich) {
  const auto weiter = [&](double w) { return bisGleich ? w <= grenze : w < grenze; };
  if (!weiter(wert)) return true;
  if (!(schritt > 0) || !((grenze - wert) / schritt <= MAX_SCHRITTE)) return false;
  double w = wert;
  // Rounding can at worst halve the progress of an addition, hence the doubled count.
  for (double n = 0; weiter(w); ++n) {
    const double naechster = w + schritt;
    if (naechster == w || n > 2 * MAX_SCHRITTE + 2) return false;
    w = naechster;
  }
  wert = w;
  return true;
}

bool BreiteUnbrauchbar(double min, double max) {
  const double breite = max - min;
  return !(breite > 0) || !std::isfinite(breite);
}

}  // namespace

void extreme(Skalierung& s, int maxWerte, const float* kurve1X, const float* kurve1Y, const float* kurve2Y) {
  for (int i = 0; i < maxWerte; ++i) {
    if (i == 0) {
      s.xmin = s.xmax = kurve1X[0];
      s.ymin = s.ymax = kurve1Y[0];
    }
    if (kurve1X[i] < s.xmin) s.xmin = kurve1X[i];
    if (kurve1X[i] > s.xmax) s.xmax = kurve1X[i];
    if (kurve1Y[i] < s.ymin) s.ymin = kurve1Y[i];
    if (kurve1Y[i] > s.ymax) s.ymax = kurve1Y[i];
    if (kurve2Y[i] < s.ymin) s.ymin = kurve2Y[i];
    if (kurve2Y[i] > s.ymax) s.ymax = kurve2Y[i];
  }
}

// 10^n for a whole n, the same to the last bit on every platform: the powers up to 10^22 are exact and
// their reciprocals correctly rounded, where a library's pow may be off by a unit in the last place
// (MinGW's is at 10^-2).
static double Zehnerpotenz(double n) {
  if (!(std::fabs(n) <= 22)) return std::pow(10.0, n);
  double p = 1.0;
  for (int i = 0; i < static_cast<int>(std::fabs(n)); ++i) p *= 10.0;
  return n < 0 ? 1.0 / p : p;
}

double delta(double bereich) {
  if (bereich == 0) return 1.0;
  const double x = bereich / 10;
  const double n = std::trunc(std::log10(x));
  if (!std::isfinite(n)) return 1.0;  // negative, endless or not a number
  const double p = Zehnerpotenz(n);
  const double r = x / p;
  if (r >= 4) return 10 * p;
  if (r >= 2) return 5 * p;
  if (r >= 1) return 2 * p;
  if (r >= 0.5) return p;
  if (r >= 0.2) return 0.5 * p;
  if (r > 0.1) return 0.2 * p;
  return 1.0;
}

double start(double min, double delt) {
  if (min == 0) return 0.0;
  const double q = min / delt;
  if (q == std::trunc(q)) return min;
  const double n = min > 0 ? std::trunc(std::log10(q)) : 0.0;
  if (min < 0 || std::fabs(n) <= 4) {
    double s = std::trunc(q) * delt;
    if (min < 0) s -= delt;
    return s;
  }
  // Walks up from 10^n steps; the tick it ends on carries the rounding of every addition, and the drawing
  // accumulates from it the same way.
  double s = Zehnerpotenz(n) * delt - delt;
  if (!Schreiten(s, delt, min - delt, true)) s = std::trunc(q) * delt;
  return s;
}

void scale(Skalierung& s) {
  s.deltax = delta(s.xmax - s.xmin);
  s.deltay = delta(s.ymax - s.ymin);
  s.xstart = start(s.xmin, s.deltax);
  s.ystart = start(s.ymin, s.deltay);
  if (s.xstart < s.xmin) s.xmin = s.xstart;
  if (s.ystart < s.ymin) s.ymin = s.ystart;

  // An end no walk can reach stays at the data maximum.
  double t = s.xstart;
  if (Schreiten(t, s.deltax, s.xmax - 0.00001, false)) s.xmax = t;

  if (s.ymax - s.ystart < 0.01) {
    // Too flat for its own ticks: one interval of 0.02 around the first tick.
    s.ystart = s.ystart - 0.01;
    s.ymin = s.ystart;
    s.ymax = s.ystart + 0.02;
    s.deltay = 0.02;
  } else {
    t = s.ystart;
    if (Schreiten(t, s.deltay, s.ymax, false)) s.ymax = t;
  }
}

void Skalieren(Skalierung& s, int maxWerte, const float* kurve1X, const float* kurve1Y, const float* kurve2Y) {
  extreme(s, maxWerte, kurve1X, kurve1Y, kurve2Y);
  scale(s);
}

bool XBereichLeer(const Skalierung& s) { return BreiteUnbrauchbar(s.xmin, s.xmax); }

bool YBereichLeer(const Skalierung& s) { return BreiteUnbrauchbar(s.ymin, s.ymax); }

}  // namespace zelvor
