#include "report/Grafiklayout.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace zelvor {
namespace {

constexpr float fNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float fInf = std::numeric_limits<float>::infinity();
constexpr GrafikZustand BILDSCHIRM{};

struct Reihen {
  std::vector<float> x, y1, y2;
  int Anzahl() const { return static_cast<int>(x.size()); }
};

struct Ergebnis {
  Skalierung s;
  Grafiklayout g;
};

Ergebnis Layout(const Reihen& r, GrafikZustand z = BILDSCHIRM) {
  Ergebnis e;
  Skalieren(e.s, r.Anzahl(), r.x.data(), r.y1.data(), r.y2.data());
  e.g = GrafiklayoutBerechnen(e.s, z, r.Anzahl(), r.x.data(), r.y1.data(), r.y2.data());
  return e;
}

std::vector<int> Orte(const std::vector<Achsmarke>& marken) {
  std::vector<int> orte;
  for (const Achsmarke& m : marken) orte.push_back(m.ort);
  return orte;
}

std::vector<std::string> Texte(const std::vector<Achsmarke>& marken) {
  std::vector<std::string> texte;
  for (const Achsmarke& m : marken) texte.push_back(m.text);
  return texte;
}

// Gp 0.5 .. 7.2 on an axis 0 .. 8 (step 1); y 10 .. 32 on 10 .. 35 (step 5).
const Reihen BEISPIEL{{0.5f, 3.0f, 7.2f}, {10.0f, 10.25f, 30.0f}, {12.0f, 22.0f, 32.0f}};

TEST(Grafiklayout, FrameSizeForEveryState) {
  struct Fall {
    GrafikZustand z;
    int breite, hoehe;
  };
  const Fall faelle[] = {
      {{false, true, false}, 1300, 750},   // screen
      {{false, true, true}, 1950, 1125},   // screen, zoomed
      {{true, true, false}, 1300, 2100},   // portrait page
      {{true, true, true}, 1300, 2100},    // the zoom does not reach the page
      {{true, false, false}, 2200, 1300},  // landscape page
      {{true, false, true}, 2200, 1300},
      {{false, false, true}, 1950, 1125},  // states the view never enters, as the steps give them
      {{false, false, false}, 2200, 750},
  };
  for (const Fall& f : faelle) {
    const Rahmen r = Rahmengroesse(f.z);
    EXPECT_EQ(r.breite, f.breite) << f.z.print << f.z.hochformat << f.z.grafiklupe;
    EXPECT_EQ(r.hoehe, f.hoehe) << f.z.print << f.z.hochformat << f.z.grafiklupe;
  }
}

TEST(Grafiklayout, PageIsPortraitOnlyWhenTallerThanWide) {
  EXPECT_TRUE(DruckZustand(2029, 2899, false).hochformat);
  EXPECT_FALSE(DruckZustand(2899, 2029, false).hochformat);
  EXPECT_FALSE(DruckZustand(2000, 2000, false).hochformat);
  const GrafikZustand z = DruckZustand(2029, 2899, true);
  EXPECT_TRUE(z.print);
  EXPECT_TRUE(z.grafiklupe);
  EXPECT_EQ(Rahmengroesse(z).hoehe, 2100);
}

TEST(Grafiklayout, CurvePointsMapRangeOntoFrameTruncatingTowardZero) {
  const Ergebnis e = Layout(BEISPIEL);
  ASSERT_EQ(e.s.xmax, 8);
  ASSERT_EQ(e.s.ymin, 10);
  ASSERT_EQ(e.s.ymax, 35);
  ASSERT_EQ(e.g.kurve1.size(), 1u);
  ASSERT_EQ(e.g.kurve2.size(), 1u);
  // 7.2f lies just below 7.2, so its x is 1169.99997 and truncates to 1169; 10.25 gives y -742.5, which
  // truncates toward zero to -742, not down to -743.
  EXPECT_EQ(e.g.kurve1[0], (std::vector<Punkt>{{81, -750}, {487, -742}, {1169, -150}}));
  EXPECT_EQ(e.g.kurve2[0], (std::vector<Punkt>{{81, -690}, {487, -390}, {1169, -90}}));

  // On a landscape page the same data spread over 2200 x 1300.
  const Ergebnis quer = Layout(BEISPIEL, {true, false, false});
  EXPECT_EQ(quer.g.kurve2[0], (std::vector<Punkt>{{137, -1196}, {825, -676}, {1979, -156}}));
}

TEST(Grafiklayout, TicksLabelsAndGridOfKnownRanges) {
  const Ergebnis e = Layout(BEISPIEL);
  EXPECT_EQ(Orte(e.g.xMarken), (std::vector<int>{0, 162, 325, 487, 650, 812, 975, 1137, 1300}));
  EXPECT_EQ(Texte(e.g.xMarken), (std::vector<std::string>{"    0", "    1", "    2", "    3", "    4", "    5",
                                                          "    6", "    7", "    8"}));
  EXPECT_EQ(Orte(e.g.yMarken), (std::vector<int>{-750, -600, -450, -300, -150, 0}));
  EXPECT_EQ(Texte(e.g.yMarken),
            (std::vector<std::string>{"    10", "    15", "    20", "    25", "    30", "    35"}));
  // The grid starts one step inside and stops before the last tick: nothing on the frame's edges.
  EXPECT_EQ(e.g.xGitter, (std::vector<int>{162, 325, 487, 650, 812, 975, 1137}));
  EXPECT_EQ(e.g.yGitter, (std::vector<int>{-600, -450, -300, -150}));
}

TEST(Grafiklayout, ZoomMovesTicksButKeepsLabels) {
  const Ergebnis normal = Layout(BEISPIEL);
  const Ergebnis lupe = Layout(BEISPIEL, {false, true, true});
  EXPECT_EQ(Texte(lupe.g.xMarken), Texte(normal.g.xMarken));
  EXPECT_EQ(Texte(lupe.g.yMarken), Texte(normal.g.yMarken));
  EXPECT_EQ(lupe.g.xMarken.back().ort, 1950);
  EXPECT_EQ(lupe.g.yMarken.front().ort, -1125);
}

TEST(Grafiklayout, TenthStepsMeetTheAxisEnds) {
  // Steps of 0.1 do not add up exactly; ticks and grid walk as the axis end was found, so the last
  // tick still lands on the right edge and the grid stays off it.
  const Ergebnis e = Layout({{0.05f, 0.93f}, {1, 2}, {1, 2}});
  ASSERT_DOUBLE_EQ(e.s.deltax, 0.1);
  ASSERT_EQ(e.g.xMarken.size(), 11u);
  EXPECT_EQ(e.g.xMarken.back().ort, 1300);
  EXPECT_EQ(e.g.xMarken.back().text, "1.000");
  EXPECT_EQ(e.g.xGitter.size(), 9u);
  EXPECT_LT(e.g.xGitter.back(), 1300);
}

TEST(Grafiklayout, XLabelFormatSwitchesOnTheRoundedRange) {
  const auto text = [](double xmin, double xmax, double wert) {
    Skalierung s;
    s.xmin = xmin;
    s.xmax = xmax;
    return XBeschriftung(s, wert);
  };
  // Within -1 .. 1: three decimals.
  EXPECT_EQ(text(-1, 1, 0.25), "0.250");
  // Beyond 1 or -1: shortest form.
  EXPECT_EQ(text(0, 1.001, 0.25), " 0.25");
  EXPECT_EQ(text(-1.001, 0, 0.25), " 0.25");
  EXPECT_EQ(text(-500, 1000, 0.25), " 0.25");
  // Beyond 1000 or -500: whole numbers, for every label of the axis.
  EXPECT_EQ(text(0, 1000.5, 0.25), "   0");
  EXPECT_EQ(text(-500.5, 0, 0.25), "   0");
  EXPECT_EQ(text(0, 2000, 1234.6), "1235");
}

TEST(Grafiklayout, YLabelsUseExponentsOnlyForLargeRanges) {
  const auto text = [](double ymin, double ymax, double wert) {
    Skalierung s;
    s.ymin = ymin;
    s.ymax = ymax;
    return YBeschriftung(s, wert);
  };
  EXPECT_EQ(text(-100000, 1000000, 0.25), "  0.25");
  EXPECT_EQ(text(-100000, 1000000, 1500000), "1.5e+06");
  EXPECT_EQ(text(0, 1000000.5, 0.25), "2.50e-01");
  EXPECT_EQ(text(-100000.5, 0, 1500000), "1.50e+06");
}

TEST(Grafiklayout, CollapsedXRangeDrawsNoCurveAndOneTickAtTheLeftEdge) {
  // No data since the view was made.
  Skalierung neu;
  Skalieren(neu, 0, nullptr, nullptr, nullptr);
  ASSERT_TRUE(XBereichLeer(neu));
  const Grafiklayout leer = GrafiklayoutBerechnen(neu, BILDSCHIRM, 0, nullptr, nullptr, nullptr);
  EXPECT_TRUE(leer.kurve1.empty());
  ASSERT_EQ(leer.xMarken.size(), 1u);
  EXPECT_EQ(leer.xMarken[0].ort, 0);
  EXPECT_EQ(leer.xMarken[0].text, "0.000");
  EXPECT_TRUE(leer.xGitter.empty());
  EXPECT_FALSE(leer.yMarken.empty());  // the y axis is scaled around 0 and drawn as usual

  // All Gp equal, on a whole tick.
  const Ergebnis gleich = Layout({{3, 3, 3}, {1, 2, 3}, {1.5f, 2.5f, 3.5f}});
  ASSERT_TRUE(XBereichLeer(gleich.s));
  EXPECT_TRUE(gleich.g.kurve1.empty());
  EXPECT_TRUE(gleich.g.kurve2.empty());
  ASSERT_EQ(gleich.g.xMarken.size(), 1u);
  EXPECT_EQ(gleich.g.xMarken[0].ort, 0);
  EXPECT_EQ(gleich.g.xMarken[0].text, "    3");
  EXPECT_EQ(Texte(gleich.g.yMarken).front(), "     1");
  EXPECT_EQ(Orte(gleich.g.yMarken).back(), 0);
}

TEST(Grafiklayout, NonFiniteSeries) {
  // An endless C-value: the y axis keeps one tick at the bottom, no curve can be placed.
  const Ergebnis yInf = Layout({{1, 2, 3}, {0.5f, fInf, 0.7f}, {0.6f, 0.6f, 0.6f}});
  ASSERT_TRUE(YBereichLeer(yInf.s));
  EXPECT_TRUE(yInf.g.kurve1.empty());
  EXPECT_TRUE(yInf.g.kurve2.empty());
  ASSERT_EQ(yInf.g.yMarken.size(), 1u);
  EXPECT_EQ(yInf.g.yMarken[0].ort, -750);
  EXPECT_TRUE(yInf.g.yGitter.empty());
  EXPECT_FALSE(yInf.g.xMarken.empty());

  // A NaN first Gp makes the x range NaN: nothing is placed along x.
  const Ergebnis xNaN = Layout({{fNaN, 2, 3}, {1, 2, 3}, {1, 2, 3}});
  EXPECT_TRUE(xNaN.g.xMarken.empty());
  EXPECT_TRUE(xNaN.g.xGitter.empty());
  EXPECT_TRUE(xNaN.g.kurve1.empty());

  // A NaN inside the series is not an extreme; its point is left out and the curve has a gap there.
  const Ergebnis luecke = Layout({{1, 2, 3, 4}, {1, fNaN, 3, 4}, {1, 2, 3, 4}});
  ASSERT_EQ(luecke.g.kurve1.size(), 2u);
  EXPECT_EQ(luecke.g.kurve1[0].size(), 1u);
  EXPECT_EQ(luecke.g.kurve1[1].size(), 2u);
  ASSERT_EQ(luecke.g.kurve2.size(), 1u);
  EXPECT_EQ(luecke.g.kurve2[0].size(), 4u);
}

// Ranges no scaling produces still end: a step of zero, NaN, negative, or too small to move the value.
TEST(Grafiklayout, OddScalingsStayBounded) {
  const double schritte[] = {0.0, std::numeric_limits<double>::quiet_NaN(), -1.0, 1e-30};
  for (double schritt : schritte) {
    Skalierung s;
    s.xmin = s.xstart = 1e17;
    s.xmax = 1e17 + 1e6;
    s.ymin = s.ystart = 0;
    s.ymax = 1e9;
    s.deltax = s.deltay = schritt;
    const Grafiklayout g = GrafiklayoutBerechnen(s, BILDSCHIRM, 0, nullptr, nullptr, nullptr);
    EXPECT_LE(g.xMarken.size(), 1u) << schritt;
    EXPECT_LE(g.yMarken.size(), 1000u) << schritt;
    EXPECT_LE(g.yGitter.size(), 1000u) << schritt;
  }
  // A tiny but moving step: cut off after a bounded number of ticks.
  Skalierung fein;
  fein.xmax = 1;
  fein.ymax = 1;
  fein.deltax = fein.deltay = 1e-9;
  const Grafiklayout g = GrafiklayoutBerechnen(fein, BILDSCHIRM, 0, nullptr, nullptr, nullptr);
  EXPECT_EQ(g.xMarken.size(), 1000u);
  EXPECT_EQ(g.xGitter.size(), 1000u);
}

TEST(Grafiklayout, CoordinateConversionIsAlwaysDefined) {
  int k = 7;
  EXPECT_FALSE(Koordinate(std::numeric_limits<double>::quiet_NaN(), k));
  EXPECT_EQ(k, 7);
  ASSERT_TRUE(Koordinate(-742.5, k));
  EXPECT_EQ(k, -742);
  ASSERT_TRUE(Koordinate(1e300, k));
  EXPECT_EQ(k, 1000000);
  ASSERT_TRUE(Koordinate(-std::numeric_limits<double>::infinity(), k));
  EXPECT_EQ(k, -1000000);
}

TEST(Grafiklayout, Texts) {
  EXPECT_EQ(GrafikUntertitel(true), "Raten über der kum.Produktion");
  EXPECT_EQ(GrafikUntertitel(false), "C-Werte über der kum.Produktion");
  EXPECT_EQ(GrafikDokumentzeile("suessgas"), "Dokument suessgas");
  EXPECT_EQ(GrafikDokumentzeile("100%s"), "Dokument 100%s");
}

}  // namespace
}  // namespace zelvor
