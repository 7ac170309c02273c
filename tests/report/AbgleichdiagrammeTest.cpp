// The misfit diagram: S(G) through the dense points around G* and the scan's beyond them, the interval
// as a band under the curve.
#include "report/Abgleichdiagramme.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zelvor {
namespace {

TEST(Abgleichdiagramme, TheProfileIsDrawnFromTheDensePointsWithTheIntervalAsABand) {
  Gasvorratsabgleich a;
  a.ogip = 1000;
  a.g = 900;
  a.gUnten = 850;
  a.gOben = 960;
  a.stern.s = 0.01;
  a.sGrenze = 0.02;
  a.profil = {{500, 0.5}, {800, 0.04}, {900, 0.01}, {1000, 0.03}, {1200, 0.2}};
  for (int i = 0; i <= 100; ++i) a.fein.push_back({800 + 2.0 * i, 0.01 + 1e-6 * (i - 50) * (i - 50)});
  const Diagramm d = AbgleichProfilDiagramm(a);
  ASSERT_GE(d.reihen.size(), 2u);
  const Diagrammreihe& band = d.reihen[0];
  EXPECT_TRUE(band.flaeche);
  EXPECT_EQ(band.legende, "95 %-Bereich");
  EXPECT_EQ(band.x, (std::vector<double>{850, 960}));
  const Diagrammreihe& s = d.reihen[1];
  EXPECT_EQ(s.legende, "S(G)");
  // 101 dense points and the scan's two outside them (500 and 1200).
  ASSERT_EQ(s.x.size(), 101u + 2u);
  EXPECT_TRUE(std::is_sorted(s.x.begin(), s.x.end()));
  EXPECT_EQ(s.x.front(), 500);
  EXPECT_EQ(s.x.back(), 1200);
  EXPECT_GE(band.y.front(), *std::max_element(s.y.begin(), s.y.end()));
  // The band keeps its outline for the fill, though it has no line of its own.
  const Diagrammlayout g = DiagrammlayoutBerechnen(d, {1000, 800});
  ASSERT_FALSE(g.reihen.empty());
  EXPECT_EQ(g.reihen[0].zuege.size(), 1u);
}

}  // namespace
}  // namespace zelvor
