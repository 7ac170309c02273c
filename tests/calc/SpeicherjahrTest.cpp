#include <gtest/gtest.h>

#include <utility>

#include "calc/Auswertung.h"
#include "tests/calc/PrognoseBeispiel.h"
#include "calc/Speicherjahr.h"

namespace zelvor {
namespace {

using beispiel::Speicher;

// 200 Mio m3 working gas over 1300 cushion gas: the storage takes between 31 000 and 47 000 m3/h at 165
// bar and delivers over 40 000 m3/h at 60 bar.
constexpr Speichervolumen VOLUMEN{200, 1300};

PrognoseEingaben Druecke() {
  PrognoseEingaben e;
  e.pMin = 60;
  e.pMax = 165;
  return e;
}

// From 1 April at 20 %, 30 000 m3/h in (0.72 Mio m3 a day, 0.36 % of the working gas) and 20 000 out.
SpeicherjahrEingaben Jahr(double qEin) {
  SpeicherjahrEingaben j;
  j.start = *TagAusDatum(2027, 4, 1);
  j.gpStart = VOLUMEN.GpBeiFuellgrad(1800, 0.2);
  j.qEinPlan = qEin;
  j.qAusPlan = 20000;
  return j;
}

TEST(Speicherjahr, APlannedRateBelowCapacityMeetsTheTargetsOnTheDaysOfPlainArithmetic) {
  const Speicherjahr s = SpeicherjahrBerechnen(Speicher(), Druecke(), VOLUMEN, Jahr(30000));
  ASSERT_TRUE(s.Gemacht()) << s.meldung;
  ASSERT_EQ(s.tage.size(), 366u);
  ASSERT_EQ(s.ziele.size(), 3u);
  // 60 % more by 15 September (167 days of 0.36 %), 70 % more by 13 October (195 days).
  EXPECT_EQ(DatumText(s.ziele[0].datum), "01.10.2027");
  EXPECT_EQ(DatumText(*s.ziele[0].erreichtAm), "15.09.2027");
  EXPECT_EQ(DatumText(*s.ziele[1].erreichtAm), "13.10.2027");
  // 214 days of injection to 31 October: 97.04 % on 1 November, then 92 days of 0.24 % out.
  EXPECT_NEAR(s.ziele[1].erreicht, 0.2 + 214 * 0.0036, 1e-9);
  EXPECT_EQ(DatumText(s.ziele[2].datum), "01.02.2028");
  EXPECT_NEAR(s.ziele[2].erreicht, 0.2 + 214 * 0.0036 - 92 * 0.0024, 1e-9);
  EXPECT_FALSE(s.ziele[2].einspeicherziel);
  EXPECT_TRUE(s.AlleZieleErfuellt());
  // At full capacity (more than the plan) the injection could start later than 1 April, but not later
  // than the plan's 167 days allow.
  const Tag spaetest = *s.ziele[0].spaetesterBeginn;
  EXPECT_GT(spaetest, s.eingaben.start);
  EXPECT_GT(s.ziele[0].datum - spaetest, 120.0 / 0.72 * 30000 / 47000);
  EXPECT_LT(s.ziele[0].datum - spaetest, 167);
  for (const Speichertag& d : s.tage)
    EXPECT_LE(std::abs(d.q), std::min(d.q > 0 ? 30000.0 : 20000.0, d.qMoeglich) + 1e-6);
}

TEST(Speicherjahr, ATargetMissedSaysByHowMuchAndWhenInjectionMustStart) {
  const Speicherjahr s = SpeicherjahrBerechnen(Speicher(), Druecke(), VOLUMEN, Jahr(5000));
  ASSERT_TRUE(s.Gemacht()) << s.meldung;
  EXPECT_FALSE(s.ziele[0].erfuellt);
  EXPECT_NEAR(s.ziele[0].erreicht, 0.2 + 183 * 0.0006, 1e-9);  // 183 days of 0.12 Mio m3
  EXPECT_FALSE(s.ziele[0].erreichtAm);
  EXPECT_TRUE(s.ziele[0].spaetesterBeginn);  // the well itself could still make it
  EXPECT_FALSE(s.AlleZieleErfuellt());
}

// A storage at or above an injection target on the season's first morning needs no injection: no latest
// start is advised for it.
TEST(Speicherjahr, AFullStorageIsNotAdvisedToInject) {
  for (const auto& [fuellgrad, ohne] : {std::pair{1.0, true}, std::pair{1.002, true}, std::pair{0.5, false}}) {
    SCOPED_TRACE(fuellgrad);
    SpeicherjahrEingaben j = Jahr(30000);
    j.gpStart = VOLUMEN.GpBeiFuellgrad(1800, fuellgrad);
    j.ziele = {{{10, 1}, 0.9}};
    const Speicherjahr s = SpeicherjahrBerechnen(Speicher(), Druecke(), VOLUMEN, j);
    ASSERT_TRUE(s.Gemacht()) << s.meldung;
    ASSERT_FALSE(s.ziele.empty());
    ASSERT_TRUE(s.ziele[0].einspeicherziel);
    EXPECT_EQ(s.ziele[0].ohneEinspeisen, ohne);
    EXPECT_EQ(s.ziele[0].spaetesterBeginn.has_value(), !ohne);
    EXPECT_TRUE(s.ziele[0].erfuellt);
  }
}

TEST(Speicherjahr, SeasonsAcrossTheNewYear) {
  const Tag t = *TagAusDatum(2027, 1, 15);
  EXPECT_TRUE(ImZeitraum(t, {11, 1}, {3, 31}));
  EXPECT_FALSE(ImZeitraum(t, {4, 1}, {10, 31}));
  EXPECT_TRUE(ImZeitraum(*TagAusDatum(2027, 10, 31), {4, 1}, {10, 31}));
}

}  // namespace
}  // namespace zelvor
