#pragma once
// Everything the graph drawing computes before it paints: the frame size of the layout in use, both curves
// in logical coordinates, the axis ticks with their labels and the grid lines. Logical units are 0.1 mm
// with y upwards; the frame runs from (0, 0) at its top-left corner to (breite, -hoehe). The painter only
// places what this gives.
#include <string>
#include <vector>

#include "report/Grafikskalierung.h"

namespace zelvor {

// The layout flags of the graph view.
struct GrafikZustand {
  bool print = false;       // printing or print preview
  bool hochformat = true;   // portrait layout (always on screen)
  bool grafiklupe = false;  // zoom
};

struct Rahmen {
  int breite = 0;
  int hoehe = 0;
};

// Frame size: 1300 x 750 on screen, 1950 x 1125 zoomed, 1300 x 2100 on a portrait page, 2200 x 1300 on a
// landscape one. The zoom only counts on screen.
Rahmen Rahmengroesse(const GrafikZustand& z);

// Layout of a printed page of this size: portrait only when the page is taller than wide.
GrafikZustand DruckZustand(double seitenBreite, double seitenHoehe, bool grafiklupe);

struct Punkt {
  int x = 0;
  int y = 0;
  friend bool operator==(const Punkt&, const Punkt&) = default;
};

// A tick and its label. ort is the tick's x on the x axis, its y (between -hoehe and 0) on the y axis.
struct Achsmarke {
  int ort = 0;
  std::string text;
};

struct Grafiklayout {
  Rahmen rahmen;
  // Each curve as runs of consecutive points: a value that is not a number leaves a gap. With data
  // throughout, one run per curve.
  std::vector<std::vector<Punkt>> kurve1;
  std::vector<std::vector<Punkt>> kurve2;
  std::vector<Achsmarke> xMarken;
  std::vector<Achsmarke> yMarken;
  std::vector<int> xGitter;  // x of the vertical grid lines
  std::vector<int> yGitter;  // y of the horizontal grid lines
};

// The layout for the scaled ranges in s and the first maxWerte entries of the series (curve 2 shares
// curve 1's x values).
//
// An axis without usable width (XBereichLeer / YBereichLeer: no data yet, all Gp equal on a whole tick,
// values too large to tell apart, or inf/NaN in the series) cannot place anything along it. Such an axis
// gets a single tick, labelled with its minimum, at its lower end (the left edge, or the bottom), and no
// grid lines; when the minimum itself is not finite, not even that. No curve is drawn unless both axes
// are usable. Frame and the other axis stay as usual, so the user still sees the captions and scale.
Grafiklayout GrafiklayoutBerechnen(const Skalierung& s, const GrafikZustand& z, int maxWerte, const float* kurve1X,
                                   const float* kurve1Y, const float* kurve2Y);

// Tick labels. The format follows the axis's range, not the value, so one axis keeps one format.
std::string XBeschriftung(const Skalierung& s, double wert);
std::string YBeschriftung(const Skalierung& s, double wert);

// A logical coordinate from a computed position: truncated toward zero as the drawing layer takes it,
// limited to +-1000000 (100 m, far off any page) so the conversion is always defined. False for NaN.
bool Koordinate(double wert, int& ergebnis);

// The line under the title: what the graph shows.
std::string GrafikUntertitel(bool grafikRaten);
// The line naming the document at the foot of the graph.
std::string GrafikDokumentzeile(const std::string& titel);

}  // namespace zelvor
