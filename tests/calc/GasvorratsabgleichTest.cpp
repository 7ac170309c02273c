#include "calc/Gasvorratsabgleich.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "calc/Auswertung.h"
#include "calc/Prognose.h"
#include "calc/Format.h"
#include "calc/StudentT.h"

namespace zelvor {
namespace {

constexpr double C_WAHR = 0.5;

AuswertungsEingaben Bohrung(double ogip, const std::vector<std::string>& zeilen) {
  AuswertungsEingaben e;
  e.komponenten[3] = 90.0f;
  e.komponenten[4] = 10.0f;
  e.temperatur = 100.0f;
  e.ogip = static_cast<float>(ogip);
  e.initialdruck = 250.0f;
  e.a1 = 100.0;
  e.b1 = 1.2;
  e.bohrungsanzahl = 1;
  e.ratenzeilen = &zeilen;
  return e;
}

// Rate lines made from a known gas in place and a constant C (each rate times 1 + rauschen·(±1)), then
// evaluated with the OGIP the user entered.
Laufdaten Synthetisch(double gWahr, double ogipEingabe, const std::vector<double>& gps, double rauschen = 0) {
  std::vector<std::string> zeilen;
  for (double gp : gps) zeilen.push_back(Formatiere("%.3f 1000 80", gp));
  AuswertungsErgebnis wahr;
  Auswerten(Bohrung(gWahr, zeilen), wahr);
  zeilen.clear();
  for (size_t i = 0; i < gps.size(); ++i) {
    const AusgewerteterPunkt& p = wahr.lauf.punkte.at(i);
    const double pwh = i % 2 ? 80.0 : 60.0;
    const double q = LieferbareRate(C_WAHR, 1.0, p.pws * p.pws - 1.2 * pwh * pwh, 100.0);
    const double storung = 1.0 + rauschen * (static_cast<int>(i * 7 % 5) - 2) / 2.0;
    zeilen.push_back(Formatiere("%.3f %.4f %.1f", gps[i], q * storung, pwh));
  }
  AuswertungsErgebnis r;
  Auswerten(Bohrung(ogipEingabe, zeilen), r);
  return r.lauf;
}

std::vector<double> Gp(double von, double bis, int anzahl) {
  std::vector<double> v;
  for (int i = 0; i < anzahl; ++i) v.push_back(von + (bis - von) * i / (anzahl - 1));
  return v;
}

TEST(Gasvorratsabgleich, RateLinesOfAKnownGasInPlaceGiveItBack) {
  const Laufdaten lauf = Synthetisch(2000, 2600, Gp(50, 1000, 15));
  ASSERT_TRUE(lauf.vollstaendig);
  const Gasvorratsabgleich a = GasvorratAbgleichen(lauf);
  ASSERT_TRUE(a.Gemacht()) << a.meldung;
  EXPECT_NEAR(a.g, 2000, 2000 * 1e-4);
  EXPECT_NEAR(a.stern.c, C_WAHR, C_WAHR * 1e-4);
  EXPECT_LT(a.stern.rms, 1e-4);
  EXPECT_GT(a.eingabe.rms, 10 * a.stern.rms);
  EXPECT_LT(a.eingabe.trend, 0.0);  // too much gas entered: C drifts down over Gp
  EXPECT_LE(a.gUnten, a.g);
  EXPECT_GE(a.gOben, a.g);
}

TEST(Gasvorratsabgleich, NoisyRatesKeepTheTrueValueInsideTheInterval) {
  for (const double rauschen : {0.02, 0.04}) {
    SCOPED_TRACE(rauschen);
    const Gasvorratsabgleich a = GasvorratAbgleichen(Synthetisch(2000, 1500, Gp(50, 1000, 12), rauschen));
    ASSERT_TRUE(a.Gemacht()) << a.meldung;
    EXPECT_LT(a.gUnten, 2000);
    EXPECT_GT(a.gOben, 2000);
    // The interval's ends bound S at the limit the t quantile of m - 2 = 10 degrees sets.
    EXPECT_NEAR(a.t, 2.2281, 1e-4);
    EXPECT_NEAR(AbgleichBei(Synthetisch(2000, 1500, Gp(50, 1000, 12), rauschen), 1, a.gOben).s, a.sGrenze,
                a.sGrenze * 1e-3);
  }
}

// The dense profile for the diagram: even small steps over the interval and beyond it, through G* (its
// lowest point) and the interval's ends (at the limit of S).
TEST(Gasvorratsabgleich, TheDenseProfileIsSmoothAroundTheMatch) {
  const Laufdaten lauf = Synthetisch(2000, 1500, Gp(50, 1000, 12), 0.03);
  const Gasvorratsabgleich a = GasvorratAbgleichen(lauf);
  ASSERT_TRUE(a.Gemacht()) << a.meldung;
  const std::vector<Profilpunkt> f = Feinprofil(lauf, a);
  ASSERT_GE(f.size(), static_cast<std::size_t>(ABGLEICH_FEINPUNKTE));
  const double breite = a.gOben - a.gUnten;
  EXPECT_LE(f.front().g, a.gUnten - 0.4 * breite);
  EXPECT_GE(f.back().g, a.gOben + 0.4 * breite);
  for (std::size_t i = 1; i < f.size(); ++i) {
    EXPECT_GT(f[i].g, f[i - 1].g);
    EXPECT_LE(f[i].g - f[i - 1].g, 2 * breite / ABGLEICH_FEINPUNKTE + 1e-9);
    EXPECT_GE(f[i].s, a.stern.s * (1 - 1e-9));
  }
  for (const auto& [g, s] : {std::pair{a.g, a.stern.s}, std::pair{a.gUnten, a.sGrenze}, std::pair{a.gOben, a.sGrenze}}) {
    const auto p = std::find_if(f.begin(), f.end(), [g = g](const Profilpunkt& q) { return q.g == g; });
    ASSERT_NE(p, f.end());
    EXPECT_NEAR(p->s, s, s * 1e-3);
  }
  Gasvorratsabgleich abgelehnt = a;
  abgelehnt.meldung = "abgelehnt";
  EXPECT_TRUE(Feinprofil(lauf, abgelehnt).empty());
}

// At the entered OGIP the match's balance and C-values are the run's own, bit for bit.
TEST(Gasvorratsabgleich, TheEnteredGasInPlaceIsTheRunsOwnBalance) {
  const Laufdaten lauf = Synthetisch(2000, 2600, Gp(50, 1000, 5));
  for (const AusgewerteterPunkt& p : lauf.punkte) EXPECT_EQ(lauf.PZBei(p.gp, lauf.ogip), p.pz);
  EXPECT_NEAR(AbgleichBei(lauf, 1, lauf.ogip).cMittel, lauf.mittlererC, 1e-12);
}

TEST(Gasvorratsabgleich, RefusalsAreOneGermanSentence) {
  const auto mit = [](Laufdaten l, auto aendern) {
    aendern(l);
    return l;
  };
  const Laufdaten gut = Synthetisch(2000, 2600, Gp(50, 1000, 6));
  const struct {
    const char* fall;
    Laufdaten lauf;
    const char* meldung;  // part of it
  } faelle[] = {
      {"Injektion mit pwf < pws", mit(gut, [](Laufdaten& l) { l.injektion = true; }), "Schließdruck unter dem"},
      {"abgebrochen", mit(gut, [](Laufdaten& l) { l.vollstaendig = false; }), "ABBRUCH"},
      {"nichts gerechnet", Laufdaten{}, "Es liegt keine Auswertung vor"},
      {"zwei Zeilen", Synthetisch(2000, 2600, Gp(50, 1000, 2)), "mindestens 3"},
      {"wenig Förderung", Synthetisch(2000, 2600, Gp(500, 510, 5)), "zu wenig Förderung"},
      {"Suchgrenze", Synthetisch(2000, 15, Gp(1, 10, 5)), "nicht bestimmbar"},
      {"pwf zu hoch", mit(gut, [](Laufdaten& l) { for (auto& p : l.punkte) p.pwf = 1e4; }), "Kein Gasvorrat"},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.fall);
    const Gasvorratsabgleich a = GasvorratAbgleichen(f.lauf);
    EXPECT_NE(a.meldung.find(f.meldung), std::string::npos) << a.meldung;
    EXPECT_EQ(a.meldung.find('\n'), std::string::npos);
  }
  AbgleichEingaben ohneGegendruck;
  ohneGegendruck.gegendruck = true;
  ohneGegendruck.gegendruckMeldung = "Die Gegendruckgleichung fehlt.";
  EXPECT_EQ(GasvorratAbgleichen(gut, ohneGegendruck).meldung, "Die Gegendruckgleichung fehlt.");
}

TEST(Gasvorratsabgleich, StudentQuantiles) {
  const struct {
    int freiheitsgrade;
    double t;
  } faelle[] = {{1, 12.706}, {10, 2.228}, {30, 2.042}, {31, 2.040}, {60, 2.000}, {120, 1.980}, {1000000, 1.960}};
  for (const auto& f : faelle) EXPECT_NEAR(StudentT95(f.freiheitsgrade), f.t, 1e-3) << f.freiheitsgrade;
}

// The forecast at another gas in place uses that balance and the equation given.
TEST(Gasvorratsabgleich, ForecastAtAnotherGasInPlace) {
  const Laufdaten lauf = Synthetisch(2000, 2600, Gp(50, 1000, 6));
  PrognoseEingaben e;
  e.pMin = 20;
  e.qEnde = 500;
  e.festerAnsatz = Lieferansatz{C_WAHR, 0, 1};
  const Foerderprognose eingegeben = PrognoseBerechnen(lauf, e);
  e.gasvorrat = 2000;
  const Foerderprognose wahr = PrognoseBerechnen(lauf, e);
  ASSERT_TRUE(eingegeben.Gemacht() && wahr.Gemacht()) << eingegeben.meldung << wahr.meldung;
  EXPECT_EQ(wahr.ogip, 2000);
  EXPECT_LT(wahr.Restreserven(), eingegeben.Restreserven());
}

}  // namespace
}  // namespace zelvor
