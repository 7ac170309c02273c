#include <gtest/gtest.h>

#include "doc/CZelvorDoc.h"
#include "doc/DokumentPrognose.h"
#include "doc/ZlvArchiv.h"
#include "export/Exporttabellen.h"
#include "report/Lieferfaehigkeitstext.h"
#include "report/Prognosetext.h"

namespace zelvor {
namespace {

CZelvorDoc Ausgewertet(const char* datei) {
  CZelvorDoc doc;
  EXPECT_EQ(ZlvDateiLaden(datei, doc).status, ZlvStatus::Ok);
  EXPECT_TRUE(doc.Auswertung());
  return doc;
}

// The export gives the document's forecast: its rows, then settings and summary.
TEST(Prognoseexport, TablesHoldTheDocumentsForecast) {
  const CZelvorDoc doc = Ausgewertet(ZELVOR_EXAMPLES_DIR "/mehrraten.zlv");
  const Foerderprognose p = DokumentPrognose(doc);
  const std::vector<Exporttabelle> t = PrognoseTabellen(doc);
  ASSERT_EQ(t.size(), 2u);
  ASSERT_EQ(t[0].zeilen.size(), p.zeilen.size());
  EXPECT_EQ(t[0].zeilen.back()[3], Exportwert(p.zeilen.back().qMax));
  EXPECT_EQ(t[1].zeilen.back()[1], Exportwert(p.qMaxStart));
}

TEST(Prognoseexport, ARefusedForecastExportsItsReason) {
  CZelvorDoc doc = Ausgewertet(ZELVOR_EXAMPLES_DIR "/suessgas.zlv");
  doc.m_Prognose.modell = Prognosemodell::Variabel;  // without the option's line C(Gp)
  const std::vector<Exporttabelle> t = PrognoseTabellen(doc);
  EXPECT_TRUE(t[0].zeilen.empty());
  EXPECT_EQ(t[1].zeilen.back()[1], Exportwert(DokumentPrognose(doc).meldung));
}

// The analyses (their views' texts and their tables) write the C-value's unit one way, m3/h/bar²; only
// the result table keeps its own "m3/h bar2".
TEST(Prognoseexport, AnalysesSpellTheCValuesUnitOneWay) {
  CZelvorDoc doc = Ausgewertet(ZELVOR_EXAMPLES_DIR "/mehrraten.zlv");
  std::string text;
  for (const std::string& z : LieferfaehigkeitText(LieferfaehigkeitBerechnen(doc.m_Lauf))) text += z + "\n";
  for (Prognosemodell m : {Prognosemodell::Mittel, Prognosemodell::Gegendruck}) {
    doc.m_Prognose.modell = m;
    for (const std::string& z : PrognoseText(DokumentPrognose(doc))) text += z + "\n";
    std::vector<Exporttabelle> tabellen = PrognoseTabellen(doc);
    tabellen.push_back(LieferfaehigkeitTabelle(doc.m_Lauf));
    for (const Exporttabelle& t : tabellen)
      for (const auto& zeile : t.zeilen)
        for (const Exportwert& w : zeile)
          if (const auto* s = std::get_if<std::string>(&w)) text += *s + "\n";
  }
  EXPECT_EQ(text.find("bar2"), std::string::npos) << text;
  EXPECT_NE(text.find("m3/h/bar²"), std::string::npos) << text;
}

}  // namespace
}  // namespace zelvor
