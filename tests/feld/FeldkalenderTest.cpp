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

// Each row tells its well at the Stand, from its own forecast at that date: Gp, the deliverable rate,
// the reserves and years left; a well abandoned before it says so, delivers nothing and keeps its Gp in
// the field's Gp.
TEST(Feldkalender, JedeZeileGiltAmStand) {
  const Bohrungsverlauf eigenA = {{0, 100, 9000, 12000}, {5, 250, 4000, 4000}, {10, 350, 500, 500}};
  const Bohrungsverlauf eigenB = {{0, 50, 6000, 6000}, {8, 200, 500, 500}};
  std::vector<Feldbohrung> feld(3);
  const Tag stand = *TagAusDatum(2024, 1, 1);
  const struct {
    Bohrungsverlauf verlauf;
    Tag start;
    double gp, qJetzt, restreserven, jahre;
    bool aufgegeben;
  } faelle[] = {
      {eigenA, stand - 3 * 365, 190, 12000 - 0.6 * 8000, 160, 7, false},
      {eigenB, stand, 50, 6000, 150, 8, false},
      {eigenB, stand - 9 * 365, 200, 0, 0, 0, true},
  };
  for (std::size_t i = 0; i < feld.size(); ++i) {
    feld[i].verlauf = faelle[i].verlauf;
    feld[i].start = faelle[i].start;
    feld[i].ogip = 1000;
    feld[i].gp = faelle[i].verlauf.front().gp;  // at its own last line, as read
    feld[i].anteil = *feld[i].gp / 1000;
    feld[i].qJetzt = faelle[i].verlauf.front().qMax;
    feld[i].restreserven = faelle[i].verlauf.back().gp - faelle[i].verlauf.front().gp;
    feld[i].jahre = faelle[i].verlauf.back().jahre;
  }
  ASSERT_EQ(AufDenStandBringen(feld), stand);
  for (std::size_t i = 0; i < feld.size(); ++i) {
    SCOPED_TRACE(i);
    const Feldbohrung& b = feld[i];
    EXPECT_NEAR(*b.gp, faelle[i].gp, 1e-9);
    EXPECT_NEAR(*b.anteil, faelle[i].gp / 1000, 1e-12);
    EXPECT_NEAR(*b.qJetzt, faelle[i].qJetzt, 1e-9);
    EXPECT_NEAR(*b.restreserven, faelle[i].restreserven, 1e-9);
    EXPECT_NEAR(*b.jahre, faelle[i].jahre, 1e-9);
    EXPECT_EQ(b.vorDemStandAufgegeben, faelle[i].aufgegeben);
    EXPECT_EQ(b.bemerkung, faelle[i].aufgegeben ? "Vor dem Stand des Feldes 01.01.2024 aufgegeben." : "");
  }
  const Feldverlauf v = FeldverlaufDer(feld, {0, 1});
  EXPECT_NEAR(v.gp[0], 190 + 50 + 200, 1e-9);
  EXPECT_NEAR(v.rate[0], RateZurZeit(eigenA, 3) + 6000, 1e-9);
}

}  // namespace
}  // namespace zelvor
