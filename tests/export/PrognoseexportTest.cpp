#include <gtest/gtest.h>

#include "doc/CZelvorDoc.h"
#include "doc/DokumentPrognose.h"
#include "doc/ZlvArchiv.h"
#include "export/Exporttabellen.h"

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

}  // namespace
}  // namespace zelvor
