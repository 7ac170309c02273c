// The well document's own resets.
#include <gtest/gtest.h>

#include "doc/CZelvorDoc.h"

namespace zelvor {
namespace {

TEST(CZelvorDoc, ErgebnisseLoeschenNimmtTabelleKurvenUndBeschriftungen) {
  CZelvorDoc doc;
  doc.StandardwerteSetzen();
  doc.m_Ratenzeilen = {"1 10000 180", "2 12000 175"};
  doc.m_Gasbohrung = "Alt 1";
  doc.m_Ergebnis = {"Zeile 1", "Zeile 2"};
  doc.m_MaxWerte = 2;
  doc.m_Kurve1Y[1] = 5.0f;
  doc.m_TextYAchse = "C-Wert";
  doc.m_TextY2Achse = "rechts";
  doc.m_TextXAchse = "Gp";
  doc.m_TextKurve1 = "C-Werte";
  doc.m_TextKurve2 = "Mittelwert";

  doc.ErgebnisseLoeschen();

  EXPECT_TRUE(doc.m_Ergebnis.empty());
  EXPECT_EQ(doc.m_MaxWerte, 0);
  EXPECT_EQ(doc.m_Kurve1Y[1], 0.0f);
  for (const std::string* text : {&doc.m_TextYAchse, &doc.m_TextY2Achse, &doc.m_TextXAchse, &doc.m_TextKurve1,
                                  &doc.m_TextKurve2})
    EXPECT_EQ(*text, "");
  // The inputs belong to the well, not to its results.
  EXPECT_EQ(doc.m_Gasbohrung, "Alt 1");
  EXPECT_EQ(doc.m_Ratenzeilen.size(), 2u);
}

}  // namespace
}  // namespace zelvor
