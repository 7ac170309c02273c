#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/Auswertung.h"
#include "tests/calc/PrognoseBeispiel.h"
#include "calc/Prognose.h"

namespace zelvor {
namespace {

using beispiel::Speicher;

PrognoseEingaben Einstellungen() {
  PrognoseEingaben e;
  e.pMax = 165;
  e.pResMax = 178;
  e.qEnde = 5000;
  e.schritte = 20;
  return e;
}

// A planned rate the well takes all the way: the storage fills on the plateau, in 10^6 ΔGp / Q hours.
TEST(Einspeicherprognose, FillingOnAPlateauTakesTheVolumeOverTheRate) {
  PrognoseEingaben e = Einstellungen();
  e.qPlan = 6000;
  const Foerderprognose p = PrognoseBerechnen(Speicher(), e);
  ASSERT_TRUE(p.Gemacht()) << p.meldung;
  EXPECT_TRUE(p.injektion && p.voll);
  EXPECT_LT(p.gpEnde, p.gpStart);
  EXPECT_NEAR(p.zeilen.back().pws, 178.0, 1e-3);
  EXPECT_NEAR(p.jahre, 1e6 * p.Einspeicherbar() / 6000.0 / 8760.0, 1e-9);
  EXPECT_NEAR(p.plateauJahre, p.jahre, 1e-6);
  for (const Prognosezeile& z : p.zeilen) EXPECT_EQ(z.q, 6000.0);
}

TEST(Einspeicherprognose, RefusalsAreOneGermanSentence) {
  const struct {
    const char* fall;
    double pMax, pResMax, qPlan, qEnde;
    const char* meldung;  // its start
  } faelle[] = {
      {"ohne p_max", 0, 178, 0, 5000, "Die Einstellungen der Einspeicherprognose sind ungültig."},
      {"schon voll", 165, 130, 0, 5000, "Der Speicher ist bei Gp = 500.000 Mio m3 schon voll"},
      {"nimmt zu wenig", 165, 178, 0, 1e6, "Die Bohrung nimmt bei Gp = 500.000 Mio m3 höchstens"},
      {"Plan unter Mindestrate", 165, 178, 4000, 5000, "Die geplante Injektionsrate muss 0 oder größer"},
  };
  for (const auto& f : faelle) {
    PrognoseEingaben e = Einstellungen();
    e.pMax = f.pMax;
    e.pResMax = f.pResMax;
    e.qPlan = f.qPlan;
    e.qEnde = f.qEnde;
    const Foerderprognose p = PrognoseBerechnen(Speicher(), e);
    EXPECT_EQ(p.meldung.rfind(f.meldung, 0), 0u) << f.fall << ": " << p.meldung;
    EXPECT_TRUE(p.zeilen.empty()) << f.fall;
  }
  Laufdaten nichts;
  nichts.injektion = true;
  EXPECT_EQ(PrognoseBerechnen(nichts, Einstellungen()).meldung, KEINE_AUSWERTUNG);
}

}  // namespace
}  // namespace zelvor
