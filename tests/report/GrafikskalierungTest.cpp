#include "report/Grafikskalierung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace zelvor {
namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

// One series as the document holds it; curve 2 takes its x values from curve 1.
struct Reihen {
  std::vector<float> x, y1, y2;
  int Anzahl() const { return static_cast<int>(x.size()); }
};

Skalierung Skaliert(const Reihen& r, Skalierung s = {}) {
  Skalieren(s, r.Anzahl(), r.x.data(), r.y1.data(), r.y2.data());
  return s;
}

TEST(Grafikskalierung, DeltaExamples) {
  EXPECT_DOUBLE_EQ(delta(7), 1);
  EXPECT_DOUBLE_EQ(delta(15), 2);
  EXPECT_DOUBLE_EQ(delta(35), 5);
  EXPECT_DOUBLE_EQ(delta(70), 10);
  EXPECT_DOUBLE_EQ(delta(0.3), 0.05);
  EXPECT_EQ(delta(0), 1.0);
  // Bit for bit the decimal step, on every platform (the axis values are printed to 17 digits).
  EXPECT_EQ(delta(0.07), 1.0 / 100);
  EXPECT_EQ(delta(0.0007), 1.0 / 10000);
}

// Over many decades the step is 1, 2 or 5 times a power of ten and cuts the range into 4 to 9.x intervals.
TEST(Grafikskalierung, DeltaGivesFourToTenIntervalsOfOneTwoFive) {
  for (double d = 1.7e-9; d < 1e12; d *= 1.37) {
    const double step = delta(d);
    const double intervalle = d / step;
    EXPECT_GE(intervalle, 4 - 1e-9) << d;
    EXPECT_LT(intervalle, 10 + 1e-9) << d;
    const double mantisse = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    const bool einsZweiFuenf = std::fabs(mantisse - 1) < 1e-9 || std::fabs(mantisse - 2) < 1e-9 ||
                               std::fabs(mantisse - 5) < 1e-9;
    EXPECT_TRUE(einsZweiFuenf) << d << " -> " << step;
  }
}

TEST(Grafikskalierung, DeltaOfUnusableRangeIsOne) {
  EXPECT_EQ(delta(NaN), 1.0);
  EXPECT_EQ(delta(Inf), 1.0);
  EXPECT_EQ(delta(-5), 1.0);
  EXPECT_EQ(delta(std::numeric_limits<double>::denorm_min()), 1.0);
  EXPECT_GT(delta(1e308), 0);
  EXPECT_TRUE(std::isfinite(delta(1e308)));
}

TEST(Grafikskalierung, StartIsTickAtOrBelowMinimum) {
  EXPECT_EQ(start(0, 1), 0);
  EXPECT_DOUBLE_EQ(start(-3.5, 1), -4);
  EXPECT_EQ(start(2.0, 0.5), 2.0);  // a whole multiple is its own start
  EXPECT_EQ(start(-2.0, 0.5), -2.0);
  EXPECT_DOUBLE_EQ(start(0.5, 1), 0);
  EXPECT_DOUBLE_EQ(start(37.2, 5), 35);
  EXPECT_DOUBLE_EQ(start(-0.3, 1), -1);
}

// For |log10(min/step)| >= 5 the start walks up from 10^n steps.
TEST(Grafikskalierung, StartWalksForLargeAndTinyRatios) {
  EXPECT_EQ(start(123456.7, 0.5), 123456.5);  // halves add up exactly
  // A positive minimum under a hundred-thousandth of the step ends at once, a little above -step.
  EXPECT_DOUBLE_EQ(start(3e-7, 1), 1e-6 - 1);
}

// The walked tick carries the rounding of every addition, and the drawing relies on that tick; a float
// series that needs a long walk must get the walked value, not a shortcut.
TEST(Grafikskalierung, LongWalkFromFloatDataIsNotCutShort) {
  // Three float ulps apart: step 0.1, and 28 million additions from 10^7 steps up.
  const Reihen r{{0, 1}, {3811495.75f, 3811496.5f}, {3811495.75f, 3811496.5f}};
  const Skalierung s = Skaliert(r);
  ASSERT_DOUBLE_EQ(s.deltay, 0.1);
  const double min = 3811495.75, q = min / s.deltay;
  ASSERT_NE(q, std::trunc(q));
  double erwartet = std::pow(10.0, std::trunc(std::log10(q))) * s.deltay - s.deltay;
  while (erwartet <= min - s.deltay) erwartet += s.deltay;
  EXPECT_EQ(s.ystart, erwartet);
  EXPECT_NE(s.ystart, std::trunc(q) * s.deltay);  // the accumulated rounding is visible
}

TEST(Grafikskalierung, StartTerminatesOnExtremeInput) {
  EXPECT_EQ(start(1e38, 1), 1e38);
  EXPECT_DOUBLE_EQ(start(1e30, 1e29), 1e30);
  // Would take 2e11 additions: computed directly instead.
  EXPECT_EQ(start(234567890123.5, 1), 234567890123.0);
  EXPECT_EQ(start(Inf, 1), Inf);
  EXPECT_EQ(start(5, 0), 5);  // no step: the minimum itself
  EXPECT_TRUE(std::isnan(start(NaN, 1)));
  EXPECT_TRUE(std::isnan(start(5.5, NaN)));
  EXPECT_TRUE(std::isnan(start(5.5, -1)));
}

TEST(Grafikskalierung, GpAxisRoundedToWholeTicks) {
  const Reihen r{{0.5f, 3.0f, 7.2f}, {10, 20, 30}, {12, 22, 32}};
  const Skalierung s = Skaliert(r);
  EXPECT_DOUBLE_EQ(s.deltax, 1);
  EXPECT_EQ(s.xstart, 0);
  EXPECT_EQ(s.xmin, 0);
  EXPECT_DOUBLE_EQ(s.xmax, 8);
  EXPECT_FALSE(XBereichLeer(s));
}

TEST(Grafikskalierung, XEndToleratesTinyOvershoot) {
  // 7.000005 is within 0.00001 of the tick 7, which ends the axis.
  const Reihen r{{0.5f, 7.000005f}, {1, 2}, {1, 2}};
  EXPECT_DOUBLE_EQ(Skaliert(r).xmax, 7);
  const Reihen weiter{{0.5f, 7.0001f}, {1, 2}, {1, 2}};
  EXPECT_DOUBLE_EQ(Skaliert(weiter).xmax, 8);
}

TEST(Grafikskalierung, ExtremesFromCurveOneXAndBothY) {
  // Curve 2 has the y extremes; values after the valid count are ignored.
  const Reihen r{{2, 1, 3, 100}, {5, 6, 7, 1000}, {4.5f, 9, 6, -1000}};
  Skalierung s;
  extreme(s, 3, r.x.data(), r.y1.data(), r.y2.data());
  EXPECT_EQ(s.xmin, 1);
  EXPECT_EQ(s.xmax, 3);
  EXPECT_EQ(s.ymin, 4.5);
  EXPECT_EQ(s.ymax, 9);
  // Floats are widened, not re-rounded to decimal.
  const float zehntel = 0.1f;
  extreme(s, 1, &zehntel, &zehntel, &zehntel);
  EXPECT_EQ(s.xmin, static_cast<double>(zehntel));
  EXPECT_NE(s.xmin, 0.1);
}

TEST(Grafikskalierung, EqualYValuesGetOneUnitStep) {
  const Reihen r{{1, 2, 3}, {0.5f, 0.5f, 0.5f}, {0.5f, 0.5f, 0.5f}};
  const Skalierung s = Skaliert(r);
  EXPECT_EQ(s.deltay, 1.0);
  EXPECT_EQ(s.ystart, 0);
  EXPECT_EQ(s.ymin, 0);
  EXPECT_EQ(s.ymax, 1);
}

TEST(Grafikskalierung, FlatYGetsOneIntervalOfTwoHundredths) {
  const Reihen r{{1, 2, 3}, {0.003f, 0.004f, 0.005f}, {0.003f, 0.004f, 0.005f}};
  const Skalierung s = Skaliert(r);
  EXPECT_EQ(s.deltay, 0.02);
  EXPECT_EQ(s.ymin, s.ystart);
  EXPECT_NEAR(s.ymax - s.ymin, 0.02, 1e-15);
  // Centred on the first tick of the data, which lies at or just below 0.003.
  const double ersterTick = s.ystart + 0.01;
  EXPECT_LE(ersterTick, 0.003 + 1e-12);
  EXPECT_GT(ersterTick, 0.002);
  EXPECT_FALSE(YBereichLeer(s));
}

TEST(Grafikskalierung, SingleValueGivesZeroRangeAndUnitStep) {
  const Reihen r{{3.5f}, {20}, {20}};
  const Skalierung s = Skaliert(r);
  EXPECT_EQ(s.deltax, 1.0);
  EXPECT_EQ(s.xmin, 3);
  EXPECT_EQ(s.xmax, 4);
  // y is flat, so it gets one interval of 0.02 around 20.
  EXPECT_EQ(s.deltay, 0.02);
  EXPECT_NEAR(s.ymin, 19.99, 1e-12);
  EXPECT_NEAR(s.ymax, 20.01, 1e-12);
}

TEST(Grafikskalierung, NoValuesKeepPreviousRanges) {
  const Reihen r{{0.5f, 7.2f}, {10, 47}, {12, 30}};
  Skalierung s = Skaliert(r);
  const Skalierung vorher = s;
  for (int anzahl : {0, -1}) {
    Skalieren(s, anzahl, nullptr, nullptr, nullptr);
    EXPECT_EQ(s.xmin, vorher.xmin);
    EXPECT_EQ(s.xmax, vorher.xmax);
    EXPECT_EQ(s.ymin, vorher.ymin);
    EXPECT_EQ(s.ymax, vorher.ymax);
  }
}

TEST(Grafikskalierung, CollapsedXRangeIsReported) {
  // A new view without data.
  Skalierung neu;
  Skalieren(neu, 0, nullptr, nullptr, nullptr);
  EXPECT_EQ(neu.xmax, neu.xmin);
  EXPECT_TRUE(XBereichLeer(neu));
  // All Gp equal and on a whole tick (or within 0.00001 above it).
  EXPECT_TRUE(XBereichLeer(Skaliert({{3, 3}, {1, 2}, {1, 2}})));
  EXPECT_TRUE(XBereichLeer(Skaliert({{3.000005f, 3.000005f}, {1, 2}, {1, 2}})));
  EXPECT_FALSE(XBereichLeer(Skaliert({{3.5f, 3.5f}, {1, 2}, {1, 2}})));
}

// Series with inf or NaN (e.g. a C-value divided by a zero pressure difference) must not hang the view.
TEST(Grafikskalierung, NonFiniteSeriesTerminate) {
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const Skalierung yInf = Skaliert({{1, 2}, {0.5f, inf}, {0.7f, 0.8f}});
  EXPECT_TRUE(YBereichLeer(yInf));
  EXPECT_FALSE(XBereichLeer(yInf));
  EXPECT_TRUE(XBereichLeer(Skaliert({{1, inf}, {1, 2}, {1, 2}})));
  EXPECT_TRUE(XBereichLeer(Skaliert({{-inf, 1}, {1, 2}, {1, 2}})));
  const Skalierung nanZuerst = Skaliert({{nan, 2}, {nan, 2}, {nan, 2}});
  EXPECT_TRUE(XBereichLeer(nanZuerst));
  EXPECT_TRUE(YBereichLeer(nanZuerst));
  const float gross = std::numeric_limits<float>::max();
  const Skalierung weit = Skaliert({{-gross, gross}, {-gross, gross}, {0, 0}});
  EXPECT_FALSE(XBereichLeer(weit));
  EXPECT_LE(weit.xmin, -gross);
  EXPECT_GE(weit.xmax, gross);
}

// A step too small to move the sum any more must not spin the end-rounding loops.
TEST(Grafikskalierung, EndsStopWhenStepCannotAdvance) {
  Skalierung s;
  s.xmin = s.ymin = 1e16;
  s.xmax = s.ymax = 1e16 + 2;  // step 0.5 is below half an ulp here
  scale(s);
  EXPECT_EQ(s.deltax, 0.5);
  EXPECT_EQ(s.xmin, 1e16);
  EXPECT_EQ(s.xmax, 1e16 + 2);  // stays at the data maximum
  EXPECT_EQ(s.ymax, 1e16 + 2);
  EXPECT_FALSE(XBereichLeer(s));
}

}  // namespace
}  // namespace zelvor
