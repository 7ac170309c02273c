#include <gtest/gtest.h>

#include "calc/Auswertung.h"
#include "tests/calc/PrognoseBeispiel.h"
#include "calc/Inventarpruefung.h"

namespace zelvor {
namespace {

using beispiel::Speicher;

// Surveys every 1 November (after injection, Gp 300) and 1 April (after withdrawal, Gp 450) for five
// years, made so that the inventory the balance gives falls short of the booked one by `rate` per year,
// by `hysterese` more after withdrawal, and by a small scatter.
std::vector<Inventarmessung> Messungen(const Laufdaten& lauf, double rate, double hysterese) {
  const double faktor = (1.0 - lauf.wasserinvasion / lauf.ogipReservoir) / lauf.pzi;
  const double streuung[] = {0.3, -0.2, 0.1, -0.3, 0.2, 0.0, -0.1, 0.25, -0.15, 0.05};
  std::vector<Inventarmessung> m;
  const Tag beginn = *TagAusDatum(2020, 11, 1);
  for (int i = 0; i < 10; ++i) {
    const bool nachAus = i % 2 == 1;
    const Tag t = *TagAusDatum(2020 + (i + 1) / 2, nachAus ? 4 : 11, 1);
    const double gp = nachAus ? 450 : 300;
    const double verlust = rate * (t - beginn) / 365.25 + (nachAus ? hysterese : 0.0) + streuung[i];
    m.push_back({t, gp, (lauf.ogip - gp - verlust) / (lauf.ogip * faktor)});
  }
  return m;
}

TEST(Inventarpruefung, AKnownLossRateComesBackWithinItsInterval) {
  const Laufdaten lauf = Speicher();
  const std::vector<std::pair<Tag, double>> verlauf = {{*TagAusDatum(2020, 4, 1), 450}};
  struct Fall {
    double rate, hysterese;
    const char* satzBeginn;
  } faelle[] = {{5.0, 3.0, "Ein Gasverlust von 5.0"}, {0.0, 3.0, "Kein Gasverlust erkennbar"}};
  for (const Fall& f : faelle) {
    const Inventarpruefung p = InventarPruefen(lauf, Messungen(lauf, f.rate, f.hysterese), verlauf);
    ASSERT_TRUE(p.Gemacht()) << p.meldung;
    EXPECT_TRUE(p.getrennt);
    EXPECT_EQ(p.punkte[0].richtung, Speicherrichtung::NachEinspeisung);
    EXPECT_EQ(p.punkte[1].richtung, Speicherrichtung::NachAusspeisung);
    EXPECT_LE(p.unten, f.rate);
    EXPECT_GE(p.oben, f.rate);
    EXPECT_NEAR(p.rate, f.rate, 0.2);
    EXPECT_NEAR(p.hysterese, -f.hysterese, 0.3);
    EXPECT_EQ(p.satz.rfind(f.satzBeginn, 0), 0u) << p.satz;
  }
}

// A survey is made after a shut-in: the line before it often has its Gp, and the direction is what Gp
// did before that line.
TEST(Inventarpruefung, TheDirectionIsWhatGpDidBeforeTheShutIn) {
  const Laufdaten lauf = Speicher();
  const Tag okt = *TagAusDatum(2024, 10, 1), sep = *TagAusDatum(2024, 9, 1), mrz = *TagAusDatum(2025, 3, 25);
  struct Fall {
    std::vector<std::pair<Tag, double>> verlauf;
    double gp;
    Speicherrichtung richtung;
  } faelle[] = {
      {{{sep, 320}, {okt, 300}}, 300, Speicherrichtung::NachEinspeisung},
      {{{okt, 300}, {sep, 280}}, 300, Speicherrichtung::NachAusspeisung},  // any order
      {{{sep, 300}, {okt, 300}}, 300, Speicherrichtung::Unbekannt},
      {{{sep, 320}, {okt, 300}, {mrz, 300}}, 300, Speicherrichtung::NachEinspeisung},  // the later line is after the survey
  };
  for (const Fall& f : faelle) {
    const Inventarpruefung p = InventarPruefen(lauf, {{*TagAusDatum(2024, 10, 15), f.gp, 150}}, f.verlauf);
    ASSERT_EQ(p.punkte.size(), 1u);
    EXPECT_EQ(p.punkte[0].richtung, f.richtung) << f.verlauf.size();
  }
}

TEST(Inventarpruefung, TooFewSurveysGiveThePointsButNoTrend) {
  const Laufdaten lauf = Speicher();
  std::vector<Inventarmessung> m = Messungen(lauf, 5.0, 0.0);
  m.resize(2);
  const Inventarpruefung p = InventarPruefen(lauf, m, {});
  EXPECT_EQ(p.meldung, "Für den Trend des Inventars braucht es mindestens 3 datierte Schließdruckmessungen.");
  EXPECT_EQ(p.punkte.size(), 2u);
  EXPECT_NEAR(p.punkte[0].gebucht - p.punkte[0].verlust, p.punkte[0].bilanz, 1e-9);
}

}  // namespace
}  // namespace zelvor
