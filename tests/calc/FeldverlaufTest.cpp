#include "calc/Feldverlauf.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zelvor {
namespace {

// Three rows: 1000 m3/h falling to 500 over 10 years, Gp from 100 to 160.
const Bohrungsverlauf A{{0, 100, 1000}, {4, 130, 800}, {10, 160, 500}};
const Bohrungsverlauf B{{0, 50, 300}, {2, 55, 200}};

TEST(Feldverlauf, EineBohrungZwischenIhrenZeilenUndDanach) {
  struct Fall {
    double t, rate, gp;
  };
  for (const Fall& f : {Fall{0, 1000, 100}, Fall{2, 900, 115}, Fall{4, 800, 130}, Fall{7, 650, 145},
                        Fall{10, 500, 160}, Fall{10.5, 0, 160}, Fall{-1, 0, 100}}) {
    SCOPED_TRACE(f.t);
    EXPECT_DOUBLE_EQ(RateZurZeit(A, f.t), f.rate);
    EXPECT_DOUBLE_EQ(GpZurZeit(A, f.t), f.gp);
  }
  EXPECT_EQ(RateZurZeit({}, 1), 0);
  EXPECT_EQ(GpZurZeit({}, 1), 0);
}

TEST(Feldverlauf, ZeitrasterRundeSchritteBisZurLetztenAufgabe) {
  struct Fall {
    double ende;
    std::size_t hoechstens;
    double schritt;  // 0: only the start
  };
  for (const Fall& f : {Fall{25, 100, 1}, Fall{25.5, 100, 1}, Fall{3, 100, 0.25}, Fall{250, 100, 2.5},
                        Fall{1000, 100, 10}, Fall{40, 10, 5}, Fall{0, 100, 0}, Fall{NAN, 100, 0}, Fall{-3, 100, 0}}) {
    SCOPED_TRACE(f.ende);
    const std::vector<double> z = Zeitraster(f.ende, f.hoechstens);
    ASSERT_FALSE(z.empty());
    EXPECT_EQ(z.front(), 0);
    if (f.schritt == 0) {
      EXPECT_EQ(z.size(), 1u);
      continue;
    }
    EXPECT_DOUBLE_EQ(z[1], f.schritt);
    EXPECT_DOUBLE_EQ(z.back(), f.ende);
    EXPECT_LE(z.size() - 1, f.hoechstens + 1);
    for (std::size_t k = 1; k < z.size(); ++k) EXPECT_GT(z[k], z[k - 1]);
  }
}

TEST(Feldverlauf, FeldrateIstDieSummeBisZurLetztenAufgabe) {
  const std::vector<double> zeiten{0, 1, 2, 3, 10, 11};
  const Feldverlauf f = FeldverlaufBerechnen({&A, &B, nullptr}, zeiten);
  ASSERT_EQ(f.raten.size(), 3u);
  const std::vector<double> rate{1300, 950 + 250, 900 + 200, 850, 500, 0};
  const std::vector<int> bohrungen{2, 2, 2, 1, 1, 0};
  for (std::size_t k = 0; k < zeiten.size(); ++k) {
    SCOPED_TRACE(zeiten[k]);
    EXPECT_DOUBLE_EQ(f.rate[k], rate[k]);
    EXPECT_DOUBLE_EQ(f.rate[k], f.raten[0][k] + f.raten[1][k] + f.raten[2][k]);
    EXPECT_EQ(f.bohrungen[k], bohrungen[k]);
    EXPECT_DOUBLE_EQ(f.gp[k], GpZurZeit(A, zeiten[k]) + GpZurZeit(B, zeiten[k]));
    EXPECT_DOUBLE_EQ(f.gpAbJetzt[k], f.gp[k] - 150);
  }
  EXPECT_DOUBLE_EQ(LetzteAufgabe({&A, &B, nullptr}), 10);
}

}  // namespace
}  // namespace zelvor
