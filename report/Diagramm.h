#pragma once
// An XY diagram for the analyses' views: a few series (lines and/or point markers) over one pair of
// axes, each axis linear or logarithmic, with a title, axis captions and a legend. This part says what
// is drawn and where; views/DiagrammZeichnen.h paints it. Logical units are 0.1 mm with y upwards; the
// frame runs from (0, 0) at its top-left corner to (breite, -hoehe).
//
// Use: fill a Diagramm, compute its layout for a frame size, paint both:
//   Diagramm d;  d.titel = "..."; d.xLogarithmisch = true; d.reihen.push_back({"Messwerte", x, y, ...});
//   DiagrammZeichnen(l, d, DiagrammlayoutBerechnen(d, {1300, 750}), links, oben);
// The space the decorations need around the frame is given below, for stacking diagrams on a page.
#include <optional>
#include <string>
#include <vector>

#include "report/Diagrammachse.h"
#include "report/Grafiklayout.h"  // Rahmen, Punkt, Achsmarke, Koordinate

namespace zelvor {

enum class Linienart { Keine, Durchgezogen, Gestrichelt, Punktiert };
enum class Markierung { Keine, Kreis, Quadrat };

struct Farbe {
  int rot = 0, gruen = 0, blau = 0;
};

struct Diagrammreihe {
  std::string legende;  // empty: no legend entry
  std::vector<double> x;
  std::vector<double> y;  // as many as x; extra values of either are ignored
  Farbe farbe;
  Linienart linie = Linienart::Durchgezogen;
  Markierung markierung = Markierung::Keine;
  // The area under the line, down to the bottom of the frame, is filled with a light tint of farbe.
  // Filled series are filled from the last to the first, so series of running sums in ascending order
  // show as stacked bands.
  bool flaeche = false;
  // The area lets what lies beneath show through: intervals drawn as bands that overlap.
  bool durchscheinend = false;
};

struct Diagramm {
  std::string titel;  // above the frame
  std::string xText;  // caption under the x axis
  std::string yText;  // caption above the y axis
  bool xLogarithmisch = false;
  bool yLogarithmisch = false;
  // x holds dates as calendar years with their fraction (Jahreszahl): ticks on months' first days,
  // labelled with month and year (KalenderachseBerechnen).
  bool xKalender = false;
  // Fixed axis ends; where one is not set, the series' values decide it.
  std::optional<double> xMin, xMax, yMin, yMax;
  std::vector<Diagrammreihe> reihen;
};

struct Diagrammlayout {
  Rahmen rahmen;
  Diagrammachse x, y;
  std::vector<Achsmarke> xMarken;  // labelled ticks: x positions on the bottom edge
  std::vector<Achsmarke> yMarken;  // y positions on the left edge (between -hoehe and 0)
  std::vector<int> xNeben, yNeben;  // unlabelled ticks of logarithmic axes
  struct Reihe {
    std::vector<std::vector<Punkt>> zuege;  // the line as runs: a value that cannot be placed leaves a gap
    std::vector<Punkt> punkte;              // the markers inside the frame
  };
  std::vector<Reihe> reihen;  // one per series, in the diagram's order
};

// Values that cannot be placed (not finite; not positive on a logarithmic axis) take no part in the
// axis ranges and are left out of the drawing.
Diagrammlayout DiagrammlayoutBerechnen(const Diagramm& d, Rahmen r);

// No series holds a value that can be placed: the diagram would be an empty frame with made-up axes, so
// a page shows its reason alone instead.
bool DiagrammLeer(const Diagramm& d);

// Room for the decorations, in logical units: above the frame (title and y caption), left of it (y
// labels), below it (x labels, x caption and LEGENDE_SPALTEN legend entries per row).
inline constexpr int DIAGRAMM_RAND_OBEN = 170;
inline constexpr int DIAGRAMM_RAND_LINKS = 260;
inline constexpr int DIAGRAMM_RAND_RECHTS = 80;
inline constexpr int DIAGRAMM_LEGENDE_SPALTEN = 2;
inline constexpr int DIAGRAMM_LEGENDE_ZEILE = 55;
int DiagrammRandUnten(const Diagramm& d);

}  // namespace zelvor
