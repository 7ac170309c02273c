#include <gtest/gtest.h>

#include "calc/Fuellvorgaben.h"

namespace zelvor {
namespace {

Tag Am(int jahr, int monat, int tag) { return *TagAusDatum(jahr, monat, tag); }

// Each set on a day before, inside and after its validity: the target in force on that day, its source,
// or none.
TEST(Fuellvorgaben, TheTargetInForceOnEachDayComesFromTheSetValidThen) {
  struct Fall {
    Tag datum;
    const char* anlage;
    double prozent;  // < 0: no target
    const char* quelle;
  };
  const Fall faelle[] = {
      {Am(2021, 11, 1), "", -1, ""},                          // before any German rule
      {Am(2022, 4, 29), "", -1, ""},                          // the day before the statute
      {Am(2022, 8, 1), "", -1, ""},                           // no target on 1 August (only its proof)
      {Am(2022, 9, 1), "", 75, "GasSpFüllstV 2022"},          // the ordinance of 2022 inside its validity
      {Am(2022, 10, 1), "", 85, "GasSpFüllstV 2022"},
      {Am(2022, 11, 1), "Rehden", 95, "GasSpFüllstV 2022"},   // no exceptions in 2022
      {Am(2023, 2, 1), "", 40, "§ 35b EnWG"},                 // the statute as introduced
      {Am(2024, 2, 1), "", 40, "§ 35b EnWG"},                 // its last 1 February before the amendment
      {Am(2024, 11, 1), "", 95, "GasSpFüllstV 2022"},
      {Am(2025, 2, 1), "", 30, "§ 35b EnWG"},                 // amended: 30 %
      {Am(2025, 10, 1), "", -1, ""},                          // the ordinance of 2025: no 1 October target
      {Am(2025, 11, 1), "", 80, "GasSpFüllstV 2025"},
      {Am(2025, 11, 1), "Rehden", 45, "GasSpFüllstV 2025"},   // a named porous storage
      {Am(2025, 11, 1), "  uelsen ", 45, "GasSpFüllstV 2025"},  // case and blanks ignored
      {Am(2025, 11, 1), "Bierwang", 80, "GasSpFüllstV 2025"},  // named for 1 February only
      {Am(2026, 2, 1), "Bierwang", 40, "GasSpFüllstV 2025"},
      {Am(2026, 2, 1), "Rehden", 30, "GasSpFüllstV 2025"},
      {Am(2026, 10, 1), "", -1, ""},
      {Am(2026, 11, 1), "Etzel", 80, "GasSpFüllstV 2025"},    // a facility no set names: the general level
      {Am(2027, 2, 1), "Wolfersberg", 40, "GasSpFüllstV 2025"},
      {Am(2027, 10, 1), "", -1, ""},                          // after 31 March 2027: nothing in force
      {Am(2027, 11, 1), "", -1, ""},
      {Am(2028, 2, 1), "", -1, ""},
  };
  for (const Fall& f : faelle) {
    const std::optional<GesetzlichesZiel> z = GesetzlichesZielAm(f.datum, f.anlage);
    SCOPED_TRACE(DatumText(f.datum) + " " + f.anlage);
    if (f.prozent < 0) {
      EXPECT_FALSE(z.has_value());
      continue;
    }
    ASSERT_TRUE(z.has_value());
    EXPECT_DOUBLE_EQ(z->fuellgrad, f.prozent / 100.0);
    EXPECT_EQ(z->quelle, f.quelle);
  }
}

TEST(Fuellvorgaben, AnExceptionNamesItsFacilityInTheLawsSpelling) {
  EXPECT_EQ(GesetzlichesZielAm(Am(2025, 11, 1), "bad lauchstädt")->anlage, "Bad Lauchstädt");
  EXPECT_EQ(GesetzlichesZielAm(Am(2025, 11, 1), "")->anlage, "");
  EXPECT_EQ(AusnahmeanlageSuchen(" INZENHAM-WEST"), std::optional<std::string>("Inzenham-West"));
  EXPECT_FALSE(AusnahmeanlageSuchen("Etzel"));
  EXPECT_EQ(Ausnahmeanlagen().size(), 10u);
}

TEST(Fuellvorgaben, StorageYearsAcrossTheEndOfTheRules) {
  // 2026/27: 1 November and 1 February, then nothing from 1 April 2027.
  const std::vector<GesetzlichesZiel> z = GesetzlicheZiele(Am(2026, 4, 1), Am(2027, 4, 1), "");
  ASSERT_EQ(z.size(), 2u);
  EXPECT_EQ(z[0].datum, Am(2026, 11, 1));
  EXPECT_EQ(z[1].datum, Am(2027, 2, 1));
  const std::vector<Zeitraum> ohne = OhneDeutscheVorgaben(Am(2026, 4, 1), Am(2027, 4, 1));
  ASSERT_EQ(ohne.size(), 1u);
  EXPECT_EQ(ohne[0].von, Am(2027, 4, 1));
  EXPECT_EQ(ohne[0].bis, Am(2027, 4, 1));
  EXPECT_TRUE(GesetzlicheZiele(Am(2027, 4, 1), Am(2028, 3, 31), "").empty());
  EXPECT_EQ(OhneDeutscheVorgaben(Am(2027, 4, 1), Am(2028, 3, 31)).size(), 1u);
  // The proof of 1 August while the statute is in force.
  EXPECT_EQ(NachweisTage(Am(2021, 1, 1), Am(2027, 12, 31)).size(), 5u);  // 2022 to 2026
  EXPECT_TRUE(NachweisTage(Am(2027, 4, 1), Am(2028, 3, 31)).empty());
}

TEST(Fuellvorgaben, EveryRowOfTheTableHasItsSourceAndCheckDate) {
  for (const Vorgabenquelle& q : Vorgabenquellen()) {
    EXPECT_FALSE(q.quelle.empty());
    EXPECT_FALSE(q.fundstelle.empty());
    EXPECT_TRUE(DatumLesen(q.geprueft).has_value()) << q.geprueft;
    EXPECT_LT(q.von, q.bis);
  }
}

// The EU's target: its window and level by year, the deviation clamped, checked on a course.
TEST(Fuellvorgaben, TheEuTargetIsReachedOnAnyDayOfItsWindow) {
  struct Fall {
    int jahr;
    double abweichung;
    double prozent;  // < 0: none that year
    Tag von, bis;
  };
  const Fall faelle[] = {
      {2021, 0, -1, 0, 0},
      {2022, 0, 80, Am(2022, 11, 1), Am(2022, 11, 1)},
      {2024, 5, 90, Am(2024, 11, 1), Am(2024, 11, 1)},  // no deviation under the rule of 2022
      {2025, 0, 90, Am(2025, 10, 1), Am(2025, 12, 1)},
      {2026, 10, 80, Am(2026, 10, 1), Am(2026, 12, 1)},
      {2027, 40, 75, Am(2027, 10, 1), Am(2027, 12, 1)},  // at most 15 points
      {2028, 0, -1, 0, 0},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.jahr);
    const std::optional<EuFuellziel> z = EuFuellzielImJahr(f.jahr, f.abweichung);
    if (f.prozent < 0) {
      EXPECT_FALSE(z);
      continue;
    }
    ASSERT_TRUE(z);
    EXPECT_NEAR(z->fuellgrad, f.prozent / 100.0, 1e-12);
    EXPECT_EQ(z->von, f.von);
    EXPECT_EQ(z->bis, f.bis);
  }
  const EuFuellziel ziel = *EuFuellzielImJahr(2026);
  // 85 % on 1 October, 91 % on 15 November: reached then; the peak before the window does not count.
  const EuErgebnis e = EuZielPruefen({{Am(2026, 9, 30), 0.95}, {Am(2026, 10, 1), 0.85}, {Am(2026, 11, 15), 0.91}}, ziel);
  EXPECT_TRUE(e.erreicht);
  EXPECT_EQ(*e.erreichtAm, Am(2026, 11, 15));
  EXPECT_DOUBLE_EQ(e.hoechster, 0.91);
  const EuErgebnis nie = EuZielPruefen({{Am(2026, 9, 30), 0.95}, {Am(2026, 12, 2), 0.95}}, ziel);
  EXPECT_FALSE(nie.imZeitraum);
  EXPECT_FALSE(nie.erreicht);
}

}  // namespace
}  // namespace zelvor
