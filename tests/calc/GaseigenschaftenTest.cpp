#include "calc/DruckAusPZ.h"
#include "calc/Gaseigenschaften.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zelvor {
namespace {

std::array<float, KOMPONENTEN> Gas(std::initializer_list<std::pair<int, float>> anteile) {
  std::array<float, KOMPONENTEN> c{};
  for (const auto& [i, v] : anteile) c[static_cast<size_t>(i)] = v;
  return c;
}

TEST(Gaseigenschaften, PureMethaneNeedsNoCorrection) {
  double tca = 0, pca = 0;
  const auto methan = Gas({{3, 100.0f}});
  PseudokritischeWerte(methan.data(), tca, pca);
  EXPECT_NEAR(tca, 343.5, 1e-4);
  EXPECT_NEAR(pca, 673.1, 1e-4);
  // Only the proportions count.
  double tca50 = 0, pca50 = 0;
  const auto halb = Gas({{3, 50.0f}});
  PseudokritischeWerte(halb.data(), tca50, pca50);
  EXPECT_EQ(tca, tca50);
  EXPECT_EQ(pca, pca50);
  EXPECT_EQ(ZFaktor(100, 200, tca, pca), ZFaktor(100, 200, tca50, pca50));
}

TEST(Gaseigenschaften, SourGasIsCorrected) {
  const auto sauer = Gas({{0, 5.0f}, {1, 10.0f}, {3, 85.0f}});
  double tca = 0, pca = 0;
  PseudokritischeWerte(sauer.data(), tca, pca);
  EXPECT_NEAR(tca, 361.06, 0.005);
  EXPECT_NEAR(pca, 705.15, 0.005);
  double tcaRoh = 0, pcaRoh = 0;
  KorrekturCO2H2S(380.4, 744.7, sauer.data(), tcaRoh, pcaRoh);
  EXPECT_NEAR(380.4 - tcaRoh, 19.35, 0.005);  // cwa
}

TEST(Gaseigenschaften, ZFactorOfPureMethane) {
  double tca = 0, pca = 0;
  const auto methan = Gas({{3, 100.0f}});
  PseudokritischeWerte(methan.data(), tca, pca);
  EXPECT_NEAR(200 * 14.503 / pca, 4.3093, 5e-5);
  EXPECT_NEAR((100 * 9.0 / 5 + 492) / tca, 1.9563, 5e-5);
  EXPECT_NEAR(ZFaktor(100, 200, tca, pca), 0.9374, 5e-5);
  EXPECT_NEAR(ZFaktor(100, 1, tca, pca), 0.9992, 5e-5);
}

TEST(Gaseigenschaften, FailedIterationGivesZero) {
  double tca = 0, pca = 0;
  const auto methan = Gas({{3, 100.0f}});
  PseudokritischeWerte(methan.data(), tca, pca);
  // Far below the absolute zero of the Rankine scale the iteration has no root to find.
  EXPECT_EQ(ZFaktor(-400, 200, tca, pca), 0.0);
  EXPECT_EQ(ZFaktor(100, NAN, tca, pca), 0.0);
  EXPECT_EQ(ZFaktor(100, INFINITY, tca, pca), 0.0);
  const auto nichts = Gas({});
  PseudokritischeWerte(nichts.data(), tca, pca);
  EXPECT_TRUE(std::isnan(tca));
  EXPECT_EQ(ZFaktor(100, 200, tca, pca), 0.0);
}

TEST(DruckAusPZ, RecoversThePressureOfItsPZ) {
  double tca = 0, pca = 0;
  const auto methan = Gas({{3, 100.0f}});
  PseudokritischeWerte(methan.data(), tca, pca);
  const double pz = 200.0 / ZFaktor(100, 200, tca, pca);
  EXPECT_NEAR(pz, 213.350, 5e-4);
  PZFehler fehler = PZFehler::Division;
  EXPECT_NEAR(DruckAusPZ(100, pz, tca, pca, &fehler), 200.0, 5e-4);
  EXPECT_EQ(fehler, PZFehler::Keiner);
}

TEST(DruckAusPZ, ReportsFailureInsteadOfDividingByZero) {
  double tca = 0, pca = 0;
  const auto methan = Gas({{3, 100.0f}});
  PseudokritischeWerte(methan.data(), tca, pca);
  PZFehler fehler = PZFehler::Keiner;
  EXPECT_TRUE(std::isnan(DruckAusPZ(-400, 100, tca, pca, &fehler)));
  EXPECT_EQ(fehler, PZFehler::ZFaktor);
  EXPECT_TRUE(std::isnan(DruckAusPZ(100, NAN, tca, pca, &fehler)));
}

}  // namespace
}  // namespace zelvor

namespace zelvor {
namespace {

TEST(Gaseigenschaften, PairedZFactorsAreTheSingleOnes) {
  double tca = 0, pca = 0;
  const float sauer[KOMPONENTEN] = {5, 10, 0, 85};
  PseudokritischeWerte(sauer, tca, pca);
  for (double T : {-50.0, 20.0, 100.0, 180.0}) {
    const HallYarborough k = HallYarboroughKoeffizienten(T, tca);
    for (double p = 0.5; p < 1200; p *= 1.37) {
      double z1 = -1, z2 = -1;
      ZFaktorPaar(k, p, p + 1, pca, z1, z2);
      EXPECT_EQ(z1, ZFaktor(T, p, tca, pca)) << T << " " << p;
      EXPECT_EQ(z2, ZFaktor(T, p + 1, tca, pca)) << T << " " << p;
    }
  }
}

}  // namespace
}  // namespace zelvor
