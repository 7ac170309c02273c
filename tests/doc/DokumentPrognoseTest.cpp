#include "doc/DokumentPrognose.h"

#include <gtest/gtest.h>

#include "calc/Lieferfaehigkeit.h"
#include "doc/CZelvorDoc.h"
#include "doc/ZlvArchiv.h"

namespace zelvor {
namespace {

// Each C model of the settings takes its equation from the run it forecasts: the mean C, the variable
// line (once the option is on), the back-pressure fit of the deliverability analysis.
TEST(DokumentPrognose, EachModelTakesItsEquationFromTheRun) {
  CZelvorDoc doc;
  ASSERT_EQ(ZlvDateiLaden(ZELVOR_EXAMPLES_DIR "/mehrraten.zlv", doc).status, ZlvStatus::Ok);
  ASSERT_TRUE(doc.Auswertung());
  const Lieferfaehigkeit l = LieferfaehigkeitBerechnen(doc.m_Lauf);
  ASSERT_TRUE(l.gegendruck.gueltig);

  doc.m_Prognose.modell = Prognosemodell::Gegendruck;
  Foerderprognose p = DokumentPrognose(doc);
  ASSERT_TRUE(p.Gemacht()) << p.meldung;
  EXPECT_EQ(p.ansatz.n, l.gegendruck.n);
  EXPECT_EQ(p.ansatz.c0, l.gegendruck.cn);

  doc.m_Prognose.modell = Prognosemodell::Variabel;
  EXPECT_NE(DokumentPrognose(doc).meldung.find("Variabler C-Wert"), std::string::npos);
  VariablenCFuerPrognoseEinschalten(doc, doc.m_Prognose.modell);
  p = DokumentPrognose(doc);
  ASSERT_TRUE(p.Gemacht()) << p.meldung;
  EXPECT_EQ(p.ansatz.steigung, doc.m_Lauf.steigung);
}

}  // namespace
}  // namespace zelvor
