#pragma once
// The graph view's axis computation: data extremes, tick steps of 1, 2 or 5 times a power of ten, first
// ticks and axis ends rounded to whole ticks. Double precision throughout; the float series are widened.

namespace zelvor {

struct Skalierung {
  double xmin = 0, xmax = 0, ymin = 0, ymax = 0, xstart = 0, ystart = 0, deltax = 0, deltay = 0;
};

// Data extremes over the first maxWerte entries: x from kurve1X only (curve 2 shares it), y from kurve1Y
// and kurve2Y. With maxWerte <= 0 nothing is read and s keeps the ranges of its last computation.
void extreme(Skalierung& s, int maxWerte, const float* kurve1X, const float* kurve1Y, const float* kurve2Y);

// Tick step for a data range, giving at least 4 and fewer than 10 intervals; 1.0 for a range of 0 and for
// one that is negative, endless or not a number.
double delta(double bereich);

// First tick at or below min for the positive step delt.
double start(double min, double delt);

// Steps and first ticks from the extremes held in s, then the range ends rounded to whole ticks.
void scale(Skalierung& s);

// One recomputation on a view's current values (a new view starts from all zeros): extreme, then scale.
void Skalieren(Skalierung& s, int maxWerte, const float* kurve1X, const float* kurve1Y, const float* kurve2Y);

// True when an axis has no usable width: collapsed (max == min after rounding, e.g. no data yet, or all Gp
// equal and on a whole tick) or not finite (the series held inf or NaN). The drawing must then not divide
// by the width.
bool XBereichLeer(const Skalierung& s);
bool YBereichLeer(const Skalierung& s);

}  // namespace zelvor
