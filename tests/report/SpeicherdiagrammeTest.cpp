// A storage well's diagrams: the capacity curves over the fill level, the storage year's fill level with
// its targets and its signed rate over the calendar.
#include <gtest/gtest.h>

#include <cmath>

#include "report/Speichertext.h"

namespace zelvor {
namespace {

TEST(Speicherdiagramme, TheCapacityCurvesRunOverTheFillLevelInPercent) {
  Speicherkennlinien k;
  k.punkte = {{0.0, 500, 0, 0, 0, 9000, 30000, ""}, {0.5, 550, 0, 0, 0, 12000, 20000, ""},
              {1.0, 600, 0, 0, 0, 15000, 0, "voll"}};
  const Diagramm d = KennlinienDiagramm(k);
  ASSERT_EQ(d.reihen.size(), 2u);
  EXPECT_EQ(d.reihen[0].legende, "Q_aus bei p_min");
  EXPECT_EQ(d.reihen[1].legende, "Q_ein bei p_max");
  for (const Diagrammreihe& r : d.reihen) EXPECT_EQ(r.x, (std::vector<double>{0, 50, 100}));
  EXPECT_EQ(d.reihen[0].y, (std::vector<double>{9000, 12000, 15000}));
  EXPECT_EQ(d.reihen[1].y, (std::vector<double>{30000, 20000, 0}));
  EXPECT_EQ(d.xMin, 0.0);
  EXPECT_EQ(d.xMax, 100.0);

  k.meldung = "Keine Kennlinien.";
  EXPECT_TRUE(DiagrammLeer(KennlinienDiagramm(k)));
}

TEST(Speicherdiagramme, TheStorageYearShowsTheFillLevelTheTargetsAndTheSignedRate) {
  const Tag t0 = *TagAusDatum(2027, 9, 30);
  Speicherjahr s;
  s.tage = {{t0, Speicherphase::Einspeisen, 0.79, 0, 0, 0, 1000, 4000},
            {t0 + 1, Speicherphase::Ruhe, 0.81, 0, 0, 0, 0, 0},
            {t0 + 2, Speicherphase::Ausspeisen, 0.81, 0, 0, 0, -2000, 5000}};
  Zielergebnis erreicht, verfehlt;
  erreicht.ziel = {{10, 1}, 0.8};
  erreicht.datum = t0 + 1;
  erreicht.erfuellt = true;
  verfehlt.ziel = {{10, 2}, 0.9};
  verfehlt.datum = t0 + 2;
  s.ziele = {erreicht, verfehlt};

  const Diagramm stand = SpeicherjahrDiagramm(s);
  ASSERT_EQ(stand.reihen.size(), 3u);
  const std::vector<double> x{Jahreszahl(t0), Jahreszahl(t0 + 1), Jahreszahl(t0 + 2)};
  EXPECT_EQ(stand.reihen[0].x, x);
  EXPECT_NEAR(stand.reihen[0].y[0], 79, 1e-9);
  EXPECT_NEAR(stand.reihen[0].y[2], 81, 1e-9);
  // Each target at its day and its own level, met and missed apart.
  EXPECT_EQ(stand.reihen[1].legende, "Füllziel erreicht");
  EXPECT_EQ(stand.reihen[1].x, std::vector<double>{x[1]});
  EXPECT_NEAR(stand.reihen[1].y.at(0), 80, 1e-9);
  EXPECT_EQ(stand.reihen[2].legende, "Füllziel verfehlt");
  EXPECT_EQ(stand.reihen[2].x, std::vector<double>{x[2]});
  EXPECT_NEAR(stand.reihen[2].y.at(0), 90, 1e-9);

  const Diagramm rate = SpeicherjahrRatenDiagramm(s);
  ASSERT_EQ(rate.reihen.size(), 2u);
  EXPECT_EQ(rate.reihen[0].y, (std::vector<double>{1000, 0, -2000}));
  // The capacity takes the sign of its season and leaves a gap on a day at rest.
  const std::vector<double>& moeglich = rate.reihen[1].y;
  ASSERT_EQ(moeglich.size(), 3u);
  EXPECT_EQ(moeglich[0], 4000);
  EXPECT_TRUE(std::isnan(moeglich[1]));
  EXPECT_EQ(moeglich[2], -5000);

  s.meldung = "Kein Speicherjahr.";
  EXPECT_TRUE(DiagrammLeer(SpeicherjahrDiagramm(s)));
  EXPECT_TRUE(DiagrammLeer(SpeicherjahrRatenDiagramm(s)));
}

}  // namespace
}  // namespace zelvor
