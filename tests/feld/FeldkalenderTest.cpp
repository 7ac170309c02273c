#include <gtest/gtest.h>

#include "feld/Feld.h"

namespace zelvor {
namespace {

// Two wells measured three years apart: on the calendar the field starts at the later one's date, and
// the earlier one enters three years into its own forecast.
TEST(Feldkalender, ZweiBohrungenDreiJahreAuseinander) {
  const Bohrungsverlauf eigenA = {{0, 100, 9000}, {5, 250, 4000}, {10, 350, 500}};
  const Bohrungsverlauf eigenB = {{0, 50, 6000}, {8, 200, 500}};
  std::vector<Feldbohrung> feld(3);
  feld[0].verlauf = eigenA;
  feld[0].start = TagAusDatum(2021, 1, 1);
  feld[1].verlauf = eigenB;
  feld[1].start = *TagAusDatum(2021, 1, 1) + 3 * 365;
  feld[2].verlauf = eigenB;  // undated: starts on the Stand
  ASSERT_EQ(AufDenStandBringen(feld), feld[1].start);
  EXPECT_EQ(feld[2].bemerkung, "Ohne Datum: die Prognose beginnt am Stand des Feldes 01.01.2024.");
  const std::vector<double> zeiten = {0, 1, 2.5, 6, 7.5};
  const Feldverlauf v = FeldverlaufDer(feld, zeiten);
  for (std::size_t k = 0; k < zeiten.size(); ++k) {
    const double t = zeiten[k];
    EXPECT_NEAR(v.rate[k], RateZurZeit(eigenA, t + 3) + 2 * RateZurZeit(eigenB, t), 1e-9) << t;
    EXPECT_NEAR(v.gpAbJetzt[k], GpZurZeit(eigenA, t + 3) - GpZurZeit(eigenA, 3) + 2 * (GpZurZeit(eigenB, t) - 50), 1e-9)
        << t;
  }
  EXPECT_EQ(v.bohrungen.back(), 2);  // A is abandoned seven years after the Stand

  // A well abandoned before the Stand delivers nothing; a field without dates stays in years.
  std::vector<Feldbohrung> alt(2);
  alt[0].verlauf = eigenB;
  alt[0].start = TagAusDatum(2000, 1, 1);
  alt[1].verlauf = eigenB;
  alt[1].start = TagAusDatum(2020, 1, 1);
  AufDenStandBringen(alt);
  EXPECT_FALSE(alt[0].Liefert());
  std::vector<Feldbohrung> ohne(1);
  ohne[0].verlauf = eigenB;
  EXPECT_FALSE(AufDenStandBringen(ohne));
  EXPECT_EQ(ohne[0].verlauf.size(), eigenB.size());
}

}  // namespace
}  // namespace zelvor
