#include "calc/Prognose.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/Auswertung.h"
#include "tests/calc/PrognoseBeispiel.h"

namespace zelvor {
namespace {

using beispiel::Lauf;
using beispiel::Plateau;

TEST(Foerderprognose, DeliverableRateIsTheRootOfTheDeliverabilityEquation) {
  // Q = 100 with N·A1 = 100: (Q/(N·A1))² = 1. n = 1: D = 100/0.05 + 1; n = 0.8: (D − 1)^0.8 = 256.
  EXPECT_NEAR(LieferbareRate(0.05, 1.0, 2001.0, 100.0), 100.0, 1e-9);
  EXPECT_NEAR(LieferbareRate(0.390625, 0.8, 1025.0, 100.0), 100.0, 1e-6);
  EXPECT_EQ(LieferbareRate(0.05, 1.0, -1.0, 100.0), 0.0);
  EXPECT_EQ(LieferbareRate(-0.05, 1.0, 2001.0, 100.0), 0.0);
}

TEST(Foerderprognose, PlateauTimeIsTheProducedVolumeOverTheRate) {
  PrognoseEingaben e = Plateau();
  const Foerderprognose p = PrognoseBerechnen(Lauf(), e);
  ASSERT_TRUE(p.Gemacht()) << p.meldung;
  EXPECT_DOUBLE_EQ(p.gpStart, 100.0);
  EXPECT_NEAR(p.zeilen.back().qMax, 200.0, 1e-3);
  ASSERT_EQ(p.zeilen.size(), 12u);  // K + 1 rows and the plateau end
  const Prognosezeile* ende = nullptr;
  for (const Prognosezeile& z : p.zeilen)
    if (z.plateauEnde) ende = &z;
  ASSERT_NE(ende, nullptr);
  EXPECT_NEAR(ende->qMax, 1000.0, 1e-3);
  // 10^6 m3 per Mio m3 at a constant 1000 m3/h, 8760 hours a year.
  EXPECT_NEAR(p.plateauJahre, 1e6 * (ende->gp - 100.0) / 1000.0 / 8760.0, 1e-9);
  EXPECT_GT(p.jahre, p.plateauJahre);
}

TEST(Foerderprognose, RefusalsAreOneGermanSentence) {
  PrognoseEingaben e;
  e.pMin = 20;
  e.qEnde = 200;
  EXPECT_EQ(PrognoseBerechnen(Lauf(true), e).meldung, "Die Einstellungen der Einspeicherprognose sind ungültig.");
  // Nothing evaluated is not blamed on an aborted run; a run that ended before its first line is.
  EXPECT_EQ(PrognoseBerechnen(Laufdaten{}, e).meldung, KEINE_AUSWERTUNG);
  AuswertungsErgebnis ohneZeilen;
  Auswerten(AuswertungsEingaben{}, ohneZeilen);
  EXPECT_NE(PrognoseBerechnen(ohneZeilen.lauf, e).meldung.find("ABBRUCH"), std::string::npos);
  e.modell = Prognosemodell::Variabel;
  EXPECT_NE(PrognoseBerechnen(Lauf(), e).meldung.find("Variabler C-Wert"), std::string::npos);
  e.modell = Prognosemodell::Mittel;
  e.qEnde = 1e6;
  EXPECT_EQ(PrognoseBerechnen(Lauf(), e).meldung.rfind("Die Bohrung liefert bei Gp = 100.000 Mio m3", 0), 0u);
}

}  // namespace
}  // namespace zelvor
