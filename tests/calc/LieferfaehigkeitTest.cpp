#include "calc/Lieferfaehigkeit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace zelvor {
namespace {

constexpr double PWS = 300;

// A complete production run whose lines have these rates and drawdowns at one static pressure.
Laufdaten Lauf(const std::vector<std::pair<double, double>>& qDelta) {
  Laufdaten l;
  l.vollstaendig = true;
  l.initialdruck = 320;
  double summe = 0;
  for (const auto& [q, delta] : qDelta) {
    AusgewerteterPunkt p;
    p.gp = 100;
    p.q = static_cast<float>(q);
    p.pws = PWS;
    p.pwf = std::sqrt(PWS * PWS - delta);
    p.c = q / delta;
    summe += p.c;
    l.punkte.push_back(p);
  }
  l.mittlererC = summe / static_cast<double>(qDelta.size());
  return l;
}

Laufdaten AufKurve(const std::function<double(double)>& deltaAusQ) {
  std::vector<std::pair<double, double>> punkte;
  for (double q : {1000.0, 2500.0, 4000.0, 8000.0}) punkte.emplace_back(q, deltaAusQ(q));
  return Lauf(punkte);
}

TEST(Lieferfaehigkeit, PointsOnAKnownCurveGiveItsCoefficientsBack) {
  const Lieferfaehigkeit g = LieferfaehigkeitBerechnen(AufKurve([](double q) { return std::pow(q / 0.35, 1 / 0.8); }));
  ASSERT_TRUE(g.gegendruck.gueltig) << g.gegendruck.meldung;
  EXPECT_NEAR(g.gegendruck.n, 0.8, 0.8e-6);
  EXPECT_NEAR(g.gegendruck.cn, 0.35, 0.35e-6);
  EXPECT_NEAR(g.gegendruck.r2, 1.0, 1e-9);

  const Lieferfaehigkeit lit = LieferfaehigkeitBerechnen(AufKurve([](double q) { return 2.5 * q + 1e-4 * q * q; }));
  ASSERT_TRUE(lit.lit.gueltig) << lit.lit.meldung;
  EXPECT_NEAR(lit.lit.a, 2.5, 2.5e-6);
  EXPECT_NEAR(lit.lit.b, 1e-4, 1e-10);
  // Open flow at both pressures: the initial one and pws of the last line.
  EXPECT_NEAR(lit.aof[MODELL_LIT][DRUCK_AKTUELL], 19999.842049529638, 1e-6);
  EXPECT_DOUBLE_EQ(lit.ipr[MODELL_LIT][DRUCK_INITIAL].pwf.front(), 320);
  EXPECT_DOUBLE_EQ(lit.ipr[MODELL_LIT][DRUCK_INITIAL].pwf.back(), ATMOSPHAERENDRUCK);
  EXPECT_DOUBLE_EQ(lit.ipr[MODELL_LIT][DRUCK_INITIAL].q.back(), lit.aof[MODELL_LIT][DRUCK_INITIAL]);
}

TEST(Lieferfaehigkeit, OpenFlowFormulas) {
  const double delta = PWS * PWS - ATMOSPHAERENDRUCK * ATMOSPHAERENDRUCK;  // 89998.9733244375
  EXPECT_NEAR(RateCWert(0.05, delta), 4499.948666221875, 1e-9);
  EXPECT_NEAR(RateGegendruck(0.35, 0.8, delta), 3217.0520568058478, 1e-9);
  EXPECT_NEAR(RateLit(2.5, 1e-4, delta), 19999.842049529638, 1e-9);
  EXPECT_NEAR(RateLit(2.5, 0, delta), delta / 2.5, 1e-9);  // no turbulence: Darcy flow
}

TEST(Lieferfaehigkeit, ModelsThatCannotBeMadeSaySoAndTheRestGoesOn) {
  const auto pfad = [](double q) { return 2.5 * q + 1e-4 * q * q; };
  const struct {
    const char* fall;
    Laufdaten lauf;
    bool cWert, gegendruck, lit;
    const char* meldung;  // part of a message
  } faelle[] = {
      {"nicht ausgewertet", Laufdaten{}, false, false, false, "keine Auswertung"},
      {"abgebrochen", [&] { Laufdaten l = AufKurve(pfad); l.vollstaendig = false; return l; }(), false, false, false,
       "ABBRUCH"},
      {"Injektion mit pwf < pws", [&] { Laufdaten l = AufKurve(pfad); l.injektion = true; return l; }(), false, false,
       false, "Keine Ratenzeile hat eine positive Rate"},
      {"kein C", [&] { Laufdaten l = AufKurve(pfad); for (auto& p : l.punkte) p.c = 0; return l; }(), false, false,
       false, "positiven C-Wert"},
      {"ein Punkt", Lauf({{1000, 2600}}), true, false, false, "mindestens 2"},
      {"n zu groß", Lauf({{1000, 1000}, {4000, 2000}}), true, false, false, "außerhalb von 0.5 bis 1.0"},
      {"gestreut", Lauf({{1000, 3000}, {2000, 4500}, {3000, 4000}, {4000, 9000}}), true, false, false, "ist negativ"},
      {"a negativ", Lauf({{1000, 500}, {2000, 3000}}), true, false, false, "a = -5.0000e-01"},
      {"b negativ", Lauf({{1000, 3000}, {2000, 4000}}), true, false, false, "b = -1.0000e-03"},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.fall);
    const Lieferfaehigkeit l = LieferfaehigkeitBerechnen(f.lauf);
    EXPECT_EQ(l.cWert.gueltig, f.cWert);
    EXPECT_EQ(l.gegendruck.gueltig, f.gegendruck);
    EXPECT_EQ(l.lit.gueltig, f.lit);
    std::string text;
    for (const std::string& z : l.meldungen) text += z + "\n";
    for (int m = 0; m < MODELL_ANZAHL; ++m) text += l.ModellNr(m).meldung + "\n";
    EXPECT_NE(text.find(f.meldung), std::string::npos) << text;
    for (int m = 0; m < MODELL_ANZAHL; ++m)
      EXPECT_EQ(l.aofGueltig[m][DRUCK_INITIAL], l.ModellNr(m).gueltig);
  }
}

}  // namespace
}  // namespace zelvor

namespace zelvor {
namespace {

// The maximum injection rate solves Q = C·(D - (Q/(N·A1))²)^n with D = B1·p_max² - pws²; with
// N·A1 = 100 and Q = 100 the friction term is 1.
TEST(Lieferfaehigkeit, MaximumInjectionRateByHand) {
  EXPECT_NEAR(InjektionsrateCWert(0.05, 2001.0, 100.0), 100.0, 1e-9);             // 0.05 · 2000
  EXPECT_NEAR(InjektionsrateGegendruck(0.390625, 0.8, 1025.0, 100.0), 100.0, 1e-6);  // 1024^0.8 = 256
  EXPECT_NEAR(InjektionsrateLit(2.5, 1e-4, 252.0, 100.0), 100.0, 1e-9);            // 2.5·100 + 1e-4·100² + 1
  // p_max does not lift pwf above pws: nothing goes in.
  EXPECT_EQ(InjektionsrateCWert(0.05, -1.0, 100.0), 0.0);
  EXPECT_EQ(InjektionsrateLit(2.5, 1e-4, -1.0, 100.0), 0.0);
}

// An injection run: the maximum rate at p_max at both pressures and the injection curves from pws up
// to the pwf of p_max at Q = 0.
TEST(Lieferfaehigkeit, InjectionWellAtItsMaximumWellheadPressure) {
  Laufdaten lauf = Lauf({{1000, 1000}, {4000, 2000}});
  lauf.injektion = true;
  lauf.b1 = 1.2;
  lauf.nA1 = 300;
  for (AusgewerteterPunkt& p : lauf.punkte) p.pwf = std::sqrt(PWS * PWS + (PWS * PWS - p.pwf * p.pwf));
  const Lieferfaehigkeit l = LieferfaehigkeitBerechnen(lauf, 310);
  ASSERT_TRUE(l.injektion && l.cWert.gueltig);
  const double d = 1.2 * 310 * 310 - PWS * PWS;
  EXPECT_DOUBLE_EQ(l.aof[MODELL_C_WERT][DRUCK_AKTUELL], InjektionsrateCWert(l.cWert.c, d, 300));
  const Zuflusskurve& k = l.ipr[MODELL_C_WERT][DRUCK_AKTUELL];
  EXPECT_DOUBLE_EQ(k.pwf.front(), PWS);
  EXPECT_DOUBLE_EQ(k.pwf.back(), std::sqrt(1.2) * 310);
  EXPECT_DOUBLE_EQ(k.q.back(), RateCWert(l.cWert.c, d));
  // p_max below the reservoir: the well takes nothing, and says so.
  const Lieferfaehigkeit tief = LieferfaehigkeitBerechnen(lauf, 200);
  EXPECT_EQ(tief.aof[MODELL_C_WERT][DRUCK_AKTUELL], 0.0);
  EXPECT_NE(tief.meldungen.back().find("nimmt dort kein Gas auf"), std::string::npos);
}

}  // namespace
}  // namespace zelvor
