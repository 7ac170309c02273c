#include "report/Grafiklayout.h"

#include <algorithm>
#include <cmath>

#include "calc/Format.h"

namespace zelvor {
namespace {

// Most ticks or grid lines one axis can get. Scaled ranges give about a dozen; the bound only stops ranges
// no scaling produces from running away.
constexpr int MAX_MARKEN = 1000;
constexpr double KOORDINATEN_GRENZE = 1000000.0;

// Calls f(v) for v = von, von + schritt, ... while v <= bis (v < bis without bisGleich). v accumulates by
// addition, as the axis ends were found, so the walk meets them exactly.
template <class F>
void Schreiten(double von, double schritt, double bis, bool bisGleich, F f) {
  double v = von;
  for (int n = 0; n < MAX_MARKEN && (bisGleich ? v <= bis : v < bis); ++n) {
    f(v);
    const double naechster = v + schritt;
    if (!(naechster > v)) break;  // no step, or one too small to move v
    v = naechster;
  }
}

// One curve as runs of points; a point that cannot be placed ends the run before it.
std::vector<std::vector<Punkt>> Kurve(const Skalierung& s, Rahmen r, int anzahl, const float* x, const float* y) {
  std::vector<std::vector<Punkt>> zuege;
  std::vector<Punkt> zug;
  for (int i = 0; i < anzahl; ++i) {
    Punkt p;
    const bool da = Koordinate(r.breite * ((x[i] - s.xmin) / (s.xmax - s.xmin)), p.x) &&
                    Koordinate(r.hoehe * ((y[i] - s.ymin) / (s.ymax - s.ymin)) - r.hoehe, p.y);
    if (da) {
      zug.push_back(p);
    } else if (!zug.empty()) {
      zuege.push_back(std::move(zug));
      zug.clear();
    }
  }
  if (!zug.empty()) zuege.push_back(std::move(zug));
  return zuege;
}

int XLage(const Skalierung& s, Rahmen r, double v) {
  int px = 0;
  Koordinate(r.breite * (v - s.xmin) / (s.xmax - s.xmin), px);
  return px;
}

// The y coordinate of a tick or grid line: its height above the bottom edge, truncated, less hoehe.
int YLage(const Skalierung& s, Rahmen r, double v) {
  int py = 0;
  Koordinate(r.hoehe * (v - s.ymin) / (s.ymax - s.ymin), py);
  return py - r.hoehe;
}

}  // namespace

Rahmen Rahmengroesse(const GrafikZustand& z) {
  Rahmen r;
  if (!z.hochformat) {
    r = {2200, 1300};
  } else {
    r = {1300, z.print ? 2100 : 750};
  }
  if (!z.print && z.grafiklupe) r = {1950, 1125};
  if (!z.print && !z.grafiklupe) r.hoehe = 750;
  return r;
}

GrafikZustand DruckZustand(double seitenBreite, double seitenHoehe, bool grafiklupe) {
  return {true, seitenHoehe > seitenBreite, grafiklupe};
}

bool Koordinate(double wert, int& ergebnis) {
  if (std::isnan(wert)) return false;
  ergebnis = static_cast<int>(std::clamp(wert, -KOORDINATEN_GRENZE, KOORDINATEN_GRENZE));
  return true;
}

Grafiklayout GrafiklayoutBerechnen(const Skalierung& s, const GrafikZustand& z, int maxWerte, const float* kurve1X,
                                   const float* kurve1Y, const float* kurve2Y) {
  Grafiklayout g;
  g.rahmen = Rahmengroesse(z);
  const Rahmen r = g.rahmen;
  const bool xLeer = XBereichLeer(s);
  const bool yLeer = YBereichLeer(s);

  if (!xLeer && !yLeer && maxWerte > 0) {
    g.kurve1 = Kurve(s, r, maxWerte, kurve1X, kurve1Y);
    g.kurve2 = Kurve(s, r, maxWerte, kurve1X, kurve2Y);
  }

  if (xLeer) {
    if (std::isfinite(s.xmin)) g.xMarken.push_back({0, XBeschriftung(s, s.xmin)});
  } else {
    Schreiten(s.xmin, s.deltax, s.xmax, true,
              [&](double v) { g.xMarken.push_back({XLage(s, r, v), XBeschriftung(s, v)}); });
    // One step inside the frame, and never on its right edge.
    Schreiten(s.xmin + s.deltax, s.deltax, s.xmax, false, [&](double v) { g.xGitter.push_back(XLage(s, r, v)); });
  }

  if (yLeer) {
    if (std::isfinite(s.ymin)) g.yMarken.push_back({-r.hoehe, YBeschriftung(s, s.ymin)});
  } else {
    Schreiten(s.ystart, s.deltay, s.ymax, true,
              [&](double v) { g.yMarken.push_back({YLage(s, r, v), YBeschriftung(s, v)}); });
    Schreiten(s.ystart + s.deltay, s.deltay, s.ymax, false, [&](double v) { g.yGitter.push_back(YLage(s, r, v)); });
  }
  return g;
}

std::string XBeschriftung(const Skalierung& s, double wert) {
  if (s.xmax > 1000 || s.xmin < -500) return Formatiere("%4.0f", wert);
  if (s.xmax > 1 || s.xmin < -1) return Formatiere("%5g", wert);
  return Formatiere("%5.3f", wert);
}

std::string YBeschriftung(const Skalierung& s, double wert) {
  if (s.ymax > 1000000 || s.ymin < -100000) return Formatiere("%6.2e", wert);
  return Formatiere("%6g", wert);
}

std::string GrafikUntertitel(bool grafikRaten) {
  return grafikRaten ? "Raten über der kum.Produktion" : "C-Werte über der kum.Produktion";
}

std::string GrafikDokumentzeile(const std::string& titel) { return Formatiere("Dokument %s", titel.c_str()); }

}  // namespace zelvor
