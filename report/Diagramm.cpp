#include "report/Diagramm.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zelvor {
namespace {

constexpr double KEIN_WERT = std::numeric_limits<double>::quiet_NaN();

struct Bereich {
  double min = std::numeric_limits<double>::infinity();
  double max = -std::numeric_limits<double>::infinity();
  void Nehmen(double v, bool logarithmisch) {
    if (!std::isfinite(v) || (logarithmisch && !(v > 0))) return;
    min = std::min(min, v);
    max = std::max(max, v);
  }
};

size_t Laenge(const Diagrammreihe& r) { return std::min(r.x.size(), r.y.size()); }

Diagrammachse Achse(Bereich b, std::optional<double> festMin, std::optional<double> festMax, bool logarithmisch,
                    bool kalender = false) {
  if (festMin) b.min = *festMin;
  if (festMax) b.max = *festMax;
  if (!(b.min <= b.max)) b = {KEIN_WERT, KEIN_WERT};  // no data at all
  return kalender && !logarithmisch ? KalenderachseBerechnen(b.min, b.max) : AchseBerechnen(b.min, b.max, logarithmisch);
}

// A position along an axis of the given length; false when the value cannot be placed.
bool Lage(const Diagrammachse& a, double wert, int laenge, int& ort) {
  double anteil = 0;
  return a.Anteil(wert, anteil) && Koordinate(anteil * laenge, ort);
}

}  // namespace

Diagrammlayout DiagrammlayoutBerechnen(const Diagramm& d, Rahmen r) {
  Diagrammlayout g;
  g.rahmen = r;
  Bereich bx, by;
  for (const Diagrammreihe& reihe : d.reihen) {
    for (size_t i = 0; i < Laenge(reihe); ++i) {
      bx.Nehmen(reihe.x[i], d.xLogarithmisch);
      by.Nehmen(reihe.y[i], d.yLogarithmisch);
    }
  }
  g.x = Achse(bx, d.xMin, d.xMax, d.xLogarithmisch, d.xKalender);
  g.y = Achse(by, d.yMin, d.yMax, d.yLogarithmisch);

  int ort = 0;
  for (size_t i = 0; i < g.x.marken.size(); ++i)
    if (Lage(g.x, g.x.marken[i], r.breite, ort)) g.xMarken.push_back({ort, g.x.texte[i]});
  for (size_t i = 0; i < g.y.marken.size(); ++i)
    if (Lage(g.y, g.y.marken[i], r.hoehe, ort)) g.yMarken.push_back({ort - r.hoehe, g.y.texte[i]});
  for (double v : g.x.nebenmarken)
    if (Lage(g.x, v, r.breite, ort)) g.xNeben.push_back(ort);
  for (double v : g.y.nebenmarken)
    if (Lage(g.y, v, r.hoehe, ort)) g.yNeben.push_back(ort - r.hoehe);

  for (const Diagrammreihe& reihe : d.reihen) {
    Diagrammlayout::Reihe aus;
    std::vector<Punkt> zug;
    for (size_t i = 0; i < Laenge(reihe); ++i) {
      Punkt p;
      if (Lage(g.x, reihe.x[i], r.breite, p.x) && Lage(g.y, reihe.y[i], r.hoehe, p.y)) {
        p.y -= r.hoehe;
        zug.push_back(p);
        if (reihe.markierung != Markierung::Keine && p.x >= 0 && p.x <= r.breite && p.y >= -r.hoehe && p.y <= 0)
          aus.punkte.push_back(p);
      } else if (!zug.empty()) {
        aus.zuege.push_back(std::move(zug));
        zug.clear();
      }
    }
    if (!zug.empty()) aus.zuege.push_back(std::move(zug));
    // A series without a line keeps its outline only when its area is filled (a band).
    if (reihe.linie == Linienart::Keine && !reihe.flaeche) aus.zuege.clear();
    g.reihen.push_back(std::move(aus));
  }
  return g;
}

bool DiagrammLeer(const Diagramm& d) {
  for (const Diagrammreihe& reihe : d.reihen) {
    for (size_t i = 0; i < Laenge(reihe); ++i) {
      Bereich bx, by;
      bx.Nehmen(reihe.x[i], d.xLogarithmisch);
      by.Nehmen(reihe.y[i], d.yLogarithmisch);
      if (bx.min <= bx.max && by.min <= by.max) return false;
    }
  }
  return true;
}

int DiagrammRandUnten(const Diagramm& d) {
  const auto eintraege =
      std::count_if(d.reihen.begin(), d.reihen.end(), [](const Diagrammreihe& r) { return !r.legende.empty(); });
  const auto zeilen = (eintraege + DIAGRAMM_LEGENDE_SPALTEN - 1) / DIAGRAMM_LEGENDE_SPALTEN;
  // x labels (60), the x caption (70), a gap, then the legend rows.
  return 150 + static_cast<int>(zeilen) * DIAGRAMM_LEGENDE_ZEILE + (zeilen > 0 ? 20 : 0);
}

}  // namespace zelvor
