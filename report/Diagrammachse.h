#pragma once
// One axis of an XY diagram: its ends, its ticks and their labels, linear or logarithmic. Linear axes
// take the graph view's tick steps (1, 2 or 5 times a power of ten, see Grafikskalierung.h); a
// logarithmic axis runs over whole decades and labels each of them.
#include <string>
#include <vector>

namespace zelvor {

struct Diagrammachse {
  bool logarithmisch = false;
  double min = 0;  // the axis's ends, whole ticks (whole decades when logarithmic)
  double max = 1;
  std::vector<double> marken;       // labelled ticks, ascending
  std::vector<std::string> texte;   // their labels, printf-style, one style per axis (all %g or all with exponent)
  std::vector<double> nebenmarken;  // unlabelled ticks: 2 ... 9 within each decade (logarithmic only)

  // Where wert lies along the axis: 0 at min, 1 at max (outside for values beyond the ends). False for a
  // value that cannot be placed: not finite, or not positive on a logarithmic axis.
  bool Anteil(double wert, double& anteil) const;
};

// The axis for data from datenMin to datenMax. Values that cannot be placed are the caller's to leave
// out; a collapsed range is widened around its value, and a range without finite ends (no data) gives
// 0 ... 1 (1 ... 10 when logarithmic). A logarithmic axis spans at most 12 decades, the upper ones.
Diagrammachse AchseBerechnen(double datenMin, double datenMax, bool logarithmisch);

// A time axis over calendar years with their fraction (Jahreszahl): its ends and ticks on the first day
// of a month, every 1, 2, 3 or 6 months ("Apr 2027") or every 1, 2, 5, 10 ... years ("2027") so that at
// most KALENDER_MARKEN are labelled; the months (or, for wide spans, the years) between them as
// unlabelled ticks. Without finite ends it is AchseBerechnen's linear axis.
inline constexpr int KALENDER_MARKEN = 6;  // "Sep 2027" beside "Nov 2027" on a 130 mm frame
Diagrammachse KalenderachseBerechnen(double datenMin, double datenMax);

}  // namespace zelvor
