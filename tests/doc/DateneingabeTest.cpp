#include "doc/Dateneingabe.h"

#include <gtest/gtest.h>

namespace zelvor {
namespace {

CZelvorDoc Brunnen() {
  CZelvorDoc d;
  d.StandardwerteSetzen();
  d.m_Gasbohrung = "Test 7";
  d.m_OGIP = 5000.0f;
  d.m_Initialdruck = 250.0f;
  d.m_Temperatur = 90.0f;
  d.m_A1 = 100.0;
  d.m_B1 = 1.2;
  d.m_Ratenzeilen = {"  1.000        10000.00            180.00", "  2.000        12000.00            175.00"};
  return d;
}

TEST(Dateneingabe, OkWithoutEditsStillEvaluatesAndMarksModified) {
  CZelvorDoc d = Brunnen();
  const Eingabewerte w = EingabewerteAusDokument(d);
  EXPECT_EQ(w.m_bGeaendert, 0);
  EXPECT_TRUE(EingabewerteUebernehmen(d, w));
  EXPECT_FALSE(d.m_Ergebnis.empty());
  EXPECT_EQ(d.m_MaxWerte, 2);
}

TEST(Dateneingabe, ValuesComeBackIncludingTheUncomparedWaterGasRatio) {
  CZelvorDoc d = Brunnen();
  Eingabewerte w = EingabewerteAusDokument(d);
  w.m_Gasbohrung = "test 7";  // case counts
  w.m_WGV = 12.5f;
  w.m_Komponenten[0] = 1.0f;
  w.m_Komponenten[3] = 99.0f;
  w.m_Bohrungsanzahl = 3;
  EingabewerteUebernehmen(d, w);
  EXPECT_EQ(d.m_Gasbohrung, "test 7");
  EXPECT_EQ(d.m_WGV, 12.5f);
  EXPECT_EQ(d.m_Komponenten[0], 1.0f);
  EXPECT_EQ(d.m_Bohrungsanzahl, 3);
}

TEST(Dateneingabe, AnEmptiedRateListLeavesTheWellItsLines) {
  CZelvorDoc d = Brunnen();
  Eingabewerte w = EingabewerteAusDokument(d);
  w.m_Ratenzeilen.clear();
  w.m_bGeaendert = 1;
  EingabewerteUebernehmen(d, w);
  EXPECT_EQ(d.m_Ratenzeilen.size(), 2u);
  EXPECT_EQ(d.m_MaxWerte, 2);

  w.m_Ratenzeilen = {"  1.500        11000.00            178.00"};
  EingabewerteUebernehmen(d, w);
  ASSERT_EQ(d.m_Ratenzeilen.size(), 1u);
  EXPECT_EQ(d.m_MaxWerte, 1);
}

}  // namespace
}  // namespace zelvor
