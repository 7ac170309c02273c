#include "calc/Messbilanz.h"

#include <gtest/gtest.h>

namespace zelvor {
namespace {

const std::vector<double> GP = {0, 100, 200, 300}, PZ = {251, 224, 201, 174};

// Worked by hand: the regression's sums, Fieller's quadratic, and for the balance (no influx) the
// closed-form least squares in 1/G, whose sum of squares is a parabola in 1/G.
TEST(Messbilanz, BeideAnpassungenGegenHandrechnung) {
  const PZGerade g = PZGeradeAnpassen(GP, PZ);
  ASSERT_TRUE(g.Gemacht()) << g.meldung;
  EXPECT_NEAR(g.a, 250.6, 1e-9);
  EXPECT_NEAR(g.b, 0.254, 1e-12);
  EXPECT_NEAR(g.g, 986.61417, 1e-4);
  EXPECT_NEAR(g.aUnten, 246.04645, 1e-4);
  EXPECT_NEAR(g.aOben, 255.15355, 1e-4);
  EXPECT_NEAR(g.gUnten, 912.74273, 1e-4);
  EXPECT_NEAR(g.gOben, 1075.99257, 1e-4);

  Laufdaten lauf;
  lauf.gelaufen = lauf.vollstaendig = true;
  lauf.pzi = 250;
  lauf.bgi = 200;
  const PZBilanz b = PZBilanzAnpassen(lauf, GP, PZ, 100000);
  ASSERT_TRUE(b.Gemacht()) << b.meldung;
  EXPECT_NEAR(b.g, 994.31818, 1e-3);
  EXPECT_NEAR(b.s, 3.7142857, 1e-6);
  EXPECT_NEAR(b.gUnten, 958.24938, 1e-3);
  EXPECT_NEAR(b.gOben, 1033.20846, 1e-3);

  // A shut-in wellhead pressure is converted as at rate 0: pws² = B1·pwh².
  lauf.b1 = 1.21;
  lauf.temperatur = 100;
  lauf.tca = 350;
  lauf.pca = 670;
  const Messbilanz m = MessbilanzBerechnen(lauf, {{std::nullopt, 0, 200, true}, {std::nullopt, 0, 220, false}});
  ASSERT_TRUE(m.Gemacht()) << m.meldung;
  EXPECT_DOUBLE_EQ(m.punkte[0].pws, 220.0);
  EXPECT_DOUBLE_EQ(m.punkte[0].pz, m.punkte[1].pz);
}

// Each refusal one sentence, and never a number that is not finite.
TEST(Messbilanz, Ablehnungen) {
  EXPECT_EQ(PZGeradeAnpassen({0, 100}, {250, 225}).meldung, "Für die P/Z-Gerade sind mindestens 3 Schließdruckmessungen nötig.");
  EXPECT_FALSE(PZGeradeAnpassen({100, 100, 100}, {250, 225, 200}).Gemacht());
  EXPECT_FALSE(PZGeradeAnpassen({0, 100, 200}, {200, 225, 250}).Gemacht());  // rising
  EXPECT_FALSE(PZGeradeAnpassen({0, 100, 200}, {250, 150, 240}).Gemacht());  // the band never leaves 0
  Laufdaten lauf;
  lauf.gelaufen = true;
  lauf.pzi = 250;
  lauf.bgi = 200;
  EXPECT_FALSE(PZBilanzAnpassen(lauf, {100}, {225}, 1e5).Gemacht());
  EXPECT_FALSE(PZBilanzAnpassen(lauf, {100, 200}, {250, 250}, 1e5).Gemacht());  // no depletion: no bound above
  EXPECT_EQ(MessbilanzBerechnen(Laufdaten{}, {{std::nullopt, 0, 250, false}}).meldung, KEINE_AUSWERTUNG);
}

}  // namespace
}  // namespace zelvor
