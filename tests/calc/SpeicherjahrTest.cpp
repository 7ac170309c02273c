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

// The legal targets in force by date: the storage year 2026/27 under the ordinance of 2025, the year
// after without any German rule; own targets are checked in either.
TEST(Speicherjahr, LegalTargetsAreThoseInForceOnEachTargetDay) {
  struct Fall {
    int startjahr, tage;
    const char* anlage;
    std::vector<std::pair<std::string, double>> ziele;  // date, level in %
    std::size_t ohneVorgaben, nachweise;
  };
  const Fall faelle[] = {
      {2026, 365, "", {{"01.11.2026", 80}, {"01.02.2027", 30}}, 0, 1},  // 1 April 2027 is only the last morning
      {2026, 365, "Rehden", {{"01.11.2026", 45}, {"01.02.2027", 30}}, 0, 1},
      {2026, 365, "Breitbrunn", {{"01.11.2026", 80}, {"01.02.2027", 40}}, 0, 1},
      {2026, 366, "", {{"01.11.2026", 80}, {"01.02.2027", 30}}, 1, 1},  // a day more: 1 April 2027 without
      {2027, 365, "", {}, 1, 0},
      {2024, 365, "", {{"01.09.2024", 75}, {"01.10.2024", 85}, {"01.11.2024", 95}, {"01.02.2025", 30}}, 0, 1},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(std::to_string(f.startjahr) + " " + f.anlage);
    SpeicherjahrEingaben j = Jahr(30000);
    j.start = *TagAusDatum(f.startjahr, 4, 1);
    j.gesetzlich = true;
    j.anlage = f.anlage;
    j.tage = f.tage;
    const Speicherjahr s = SpeicherjahrBerechnen(Speicher(), Druecke(), VOLUMEN, j);
    ASSERT_TRUE(s.Gemacht()) << s.meldung;
    ASSERT_EQ(s.ziele.size(), f.ziele.size());
    for (std::size_t i = 0; i < f.ziele.size(); ++i) {
      EXPECT_EQ(DatumText(s.ziele[i].datum), f.ziele[i].first);
      EXPECT_NEAR(s.ziele[i].ziel.fuellgrad, f.ziele[i].second / 100.0, 1e-12);
      EXPECT_TRUE(s.ziele[i].gesetzlich);
      EXPECT_FALSE(s.ziele[i].quelle.empty());
    }
    EXPECT_EQ(s.ohneVorgaben.size(), f.ohneVorgaben);
    EXPECT_EQ(s.nachweise.size(), f.nachweise);
  }
  // Own targets in a year without law are still checked, and named as own.
  SpeicherjahrEingaben eigen = Jahr(30000);
  eigen.start = *TagAusDatum(2027, 4, 1);
  const Speicherjahr s = SpeicherjahrBerechnen(Speicher(), Druecke(), VOLUMEN, eigen);
  ASSERT_EQ(s.ziele.size(), 3u);
  EXPECT_EQ(s.ziele[0].quelle, "eigenes Ziel");
  EXPECT_TRUE(s.ohneVorgaben.empty());
}

// § 35b (2): from the level of 1 August, full capacity reaches 1 November's 80 % (the well takes over
// 31 000 m3/h, 0.37 % a day, for 92 days), but not from a storage that stood still until then.
TEST(Speicherjahr, TheFirstOfAugustProofInjectsAtFullCapacityFromThatMorning) {
  SpeicherjahrEingaben j = Jahr(30000);
  j.start = *TagAusDatum(2026, 4, 1);
  j.gesetzlich = true;
  Speicherjahr s = SpeicherjahrBerechnen(Speicher(), Druecke(), VOLUMEN, j);
  ASSERT_EQ(s.nachweise.size(), 1u);
  const Augustnachweis& n = s.nachweise[0];
  EXPECT_EQ(DatumText(n.datum), "01.08.2026");
  EXPECT_NEAR(n.fuellgrad, 0.2 + 122 * 0.0036, 1e-9);
  ASSERT_EQ(n.folgeziele.size(), 1u);  // 1 February is in the next year
  EXPECT_TRUE(n.folgeziele[0].erreicht);
  EXPECT_GT(n.folgeziele[0].erreichbar, s.ziele[0].erreicht);  // full capacity beats the plan

  j.einBeginn = {8, 1};  // nothing in before 1 August: 20 % then
  j.gpStart = VOLUMEN.GpBeiFuellgrad(1800, 0.05);
  s = SpeicherjahrBerechnen(Speicher(), Druecke(), VOLUMEN, j);
  ASSERT_EQ(s.nachweise.size(), 1u);
  EXPECT_NEAR(s.nachweise[0].fuellgrad, 0.05, 1e-9);
  EXPECT_FALSE(s.nachweise[0].folgeziele[0].erreicht);
  EXPECT_LT(s.nachweise[0].folgeziele[0].erreichbar, 0.8);
}

// A facility limit below the well's rate caps every day's capacity; one above it changes nothing.
TEST(Speicherjahr, TheSmallerOfTheWellsAndTheFacilitysRateFlows) {
  const Speicherjahr frei = SpeicherjahrBerechnen(Speicher(), Druecke(), VOLUMEN, Jahr(0));
  SpeicherjahrEingaben j = Jahr(0);
  j.grenzen = {25000, 100000};  // in below the well's 31 000 and more, out above its rate
  const Speicherjahr begrenzt = SpeicherjahrBerechnen(Speicher(), Druecke(), VOLUMEN, j);
  ASSERT_TRUE(begrenzt.Gemacht()) << begrenzt.meldung;
  bool ein = false, aus = false, anlage = false;
  for (const Speichertag& d : begrenzt.tage) {
    EXPECT_LE(d.qEin, 25000.0 + 1e-9);
    if (d.einAnlage) {
      EXPECT_EQ(d.qEin, 25000.0);
    }
    anlage = anlage || d.einAnlage;
    EXPECT_FALSE(d.ausAnlage);
    if (d.phase == Speicherphase::Einspeisen && d.q > 0) {
      EXPECT_LE(d.q, 25000.0 + 1e-6);
      ein = true;
    }
    aus = aus || d.phase == Speicherphase::Ausspeisen;
  }
  EXPECT_TRUE(ein && aus && anlage);
  EXPECT_LT(begrenzt.tage[100].fuellgrad, frei.tage[100].fuellgrad);
  j.grenzen = {-1, 0};
  EXPECT_FALSE(SpeicherjahrBerechnen(Speicher(), Druecke(), VOLUMEN, j).Gemacht());
}

// A year that starts on the day of an injection target has no morning before it to inject from: the
// target is checked on that first morning without reading before the year's days.
TEST(Speicherjahr, AnInjectionTargetOnTheFirstMorning) {
  SpeicherjahrEingaben j = Jahr(0);
  j.start = *TagAusDatum(2027, 10, 1);
  j.ziele = {{{10, 1}, 0.8}};
  for (const double stand : {0.5, 0.9}) {
    j.gpStart = VOLUMEN.GpBeiFuellgrad(1800, stand);
    const Speicherjahr s = SpeicherjahrBerechnen(Speicher(), Druecke(), VOLUMEN, j);
    ASSERT_TRUE(s.Gemacht()) << s.meldung;
    ASSERT_EQ(s.ziele.size(), 1u);
    EXPECT_TRUE(s.ziele[0].einspeicherziel);
    EXPECT_EQ(s.ziele[0].erfuellt, stand > 0.8);
    EXPECT_EQ(s.ziele[0].ohneEinspeisen, stand > 0.8);
    EXPECT_FALSE(s.ziele[0].spaetesterBeginn);
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
