#include "report/Diagramm.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zelvor {
namespace {

constexpr double NAN_ = std::numeric_limits<double>::quiet_NaN();

TEST(Diagrammachse, EndsAndLabelsFollowTheDataRange) {
  const struct {
    double lo, hi;
    bool log;
    double min, max;
    std::vector<std::string> texte;
  } faelle[] = {
      {0, 97, false, 0, 100, {"0", "10", "20", "30", "40", "50", "60", "70", "80", "90", "100"}},
      {3.2, 7.9, false, 3, 8, {"3", "3.5", "4", "4.5", "5", "5.5", "6", "6.5", "7", "7.5", "8"}},
      {-0.3, 0.3, false, -0.3, 0.3, {"-0.3", "-0.2", "-0.1", "0", "0.1", "0.2", "0.3"}},
      {3, 4500, true, 1, 10000, {"1", "10", "100", "1000", "10000"}},
      {0.02, 0.05, true, 0.01, 0.1, {"0.01", "0.1"}},
      {100, 100, true, 10, 100, {"10", "100"}},  // one value on a whole decade
      {NAN_, NAN_, false, 0, 1, {}},             // no data
      {NAN_, NAN_, true, 1, 10, {"1", "10"}},
      {1e-30, 1e30, true, 1e18, 1e30, {}},       // the upper twelve decades
      // One style per axis: where %g would write one label with an exponent, all have one.
      {3, 4.5e6, true, 1, 1e7, {"1e+00", "1e+01", "1e+02", "1e+03", "1e+04", "1e+05", "1e+06", "1e+07"}},
      {0, 9.5e5, false, 0, 1e6, {"0", "1e+05", "2e+05", "3e+05", "4e+05", "5e+05", "6e+05", "7e+05", "8e+05",
                                 "9e+05", "1e+06"}},
      {0, 2.5e6, false, 0, 2.5e6, {"0", "5.0e+05", "1.0e+06", "1.5e+06", "2.0e+06", "2.5e+06"}},
  };
  for (const auto& f : faelle) {
    const Diagrammachse a = AchseBerechnen(f.lo, f.hi, f.log);
    SCOPED_TRACE(testing::Message() << f.lo << " ... " << f.hi << (f.log ? " log" : ""));
    EXPECT_NEAR(a.min, f.min, 1e-12 * std::fabs(f.min) + 1e-15);
    EXPECT_NEAR(a.max, f.max, 1e-12 * std::fabs(f.max) + 1e-15);
    if (!f.texte.empty()) {
      EXPECT_EQ(a.texte, f.texte);
    }
    EXPECT_EQ(a.nebenmarken.size(), f.log ? 8 * (a.marken.size() - 1) : 0u);
  }
}

TEST(Diagrammachse, PlacesOnlyWhatTheAxisCanHold) {
  const Diagrammachse log = AchseBerechnen(1, 1000, true);
  double anteil = -1;
  EXPECT_TRUE(log.Anteil(10, anteil));
  EXPECT_NEAR(anteil, 1.0 / 3, 1e-12);
  EXPECT_FALSE(log.Anteil(0, anteil));
  EXPECT_FALSE(log.Anteil(-5, anteil));
  EXPECT_FALSE(AchseBerechnen(0, 10, false).Anteil(NAN_, anteil));
}

// A diagram with nothing to place is not drawn: no series, empty ones, or values the axes cannot hold.
TEST(Diagramm, EmptyWhenNoValueCanBePlaced) {
  Diagramm d;
  d.xLogarithmisch = true;
  EXPECT_TRUE(DiagrammLeer(d));
  d.reihen.push_back({"leer", {}, {}, {}, Linienart::Durchgezogen, Markierung::Keine});
  d.reihen.push_back({"nicht darstellbar", {0, -1, NAN_, 5}, {1, 2, 3, NAN_}, {}, Linienart::Durchgezogen,
                      Markierung::Keine});
  EXPECT_TRUE(DiagrammLeer(d));
  d.reihen.push_back({"ein Punkt", {5}, {0}, {}, Linienart::Keine, Markierung::Kreis});
  EXPECT_FALSE(DiagrammLeer(d));
}

TEST(Diagrammlayout, SeriesBecomeRunsAndMarkersInsideTheFrame) {
  Diagramm d;
  d.xLogarithmisch = d.yLogarithmisch = true;
  // The zero cannot go on a logarithmic axis: it splits the line and leaves the ranges alone.
  d.reihen.push_back({"Punkte", {1, 10, 0, 100, 1000}, {10, 100, 0, 1000, 10000}, {}, Linienart::Durchgezogen,
                      Markierung::Kreis});
  const Diagrammlayout g = DiagrammlayoutBerechnen(d, {1200, 900});
  ASSERT_EQ(g.reihen.size(), 1u);
  const std::vector<std::vector<Punkt>> erwartet = {{{0, -900}, {400, -600}}, {{800, -300}, {1200, 0}}};
  ASSERT_EQ(g.reihen[0].zuege.size(), erwartet.size());
  for (size_t z = 0; z < erwartet.size(); ++z) {
    ASSERT_EQ(g.reihen[0].zuege[z].size(), erwartet[z].size());
    for (size_t i = 0; i < erwartet[z].size(); ++i) {
      EXPECT_NEAR(g.reihen[0].zuege[z][i].x, erwartet[z][i].x, 1);
      EXPECT_NEAR(g.reihen[0].zuege[z][i].y, erwartet[z][i].y, 1);
    }
  }
  EXPECT_EQ(g.reihen[0].punkte.size(), 4u);
  EXPECT_EQ(g.xMarken.size(), 4u);
  EXPECT_EQ(g.yMarken.front().ort, -900);
  EXPECT_EQ(g.yMarken.back().text, "10000");
}

}  // namespace
}  // namespace zelvor
