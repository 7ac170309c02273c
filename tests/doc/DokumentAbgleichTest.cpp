#include "doc/DokumentAbgleich.h"

#include <gtest/gtest.h>

#include "doc/CZelvorDoc.h"
#include "doc/ZlvArchiv.h"

namespace zelvor {
namespace {

CZelvorDoc Ausgewertet(const char* datei) {
  CZelvorDoc doc;
  EXPECT_EQ(ZlvDateiLaden(datei, doc).status, ZlvStatus::Ok);
  EXPECT_TRUE(doc.Auswertung());
  return doc;
}

// The sweet gas well's C-values fall over Gp at its entered OGIP; the match levels them with less gas.
TEST(DokumentAbgleich, SweetGasMatchesBelowItsEnteredOgip) {
  CZelvorDoc doc = Ausgewertet(ZELVOR_EXAMPLES_DIR "/suessgas.zlv");
  const Gasvorratsabgleich a = DokumentAbgleich(doc);
  ASSERT_TRUE(a.Gemacht()) << a.meldung;
  EXPECT_NEAR(a.g, 2330, 60);
  EXPECT_LT(a.gOben, a.ogip);
  EXPECT_LT(a.stern.rms, 0.5 * a.eingabe.rms);
  EXPECT_LT(std::abs(a.stern.trend), std::abs(a.eingabe.trend));

  // The forecast's range: less gas, less to produce.
  const std::optional<Prognosebereich> b = DokumentPrognosebereich(doc);
  ASSERT_TRUE(b && b->Gemacht());
  EXPECT_LT(b->unten.Restreserven(), b->oben.Restreserven());
  EXPECT_EQ(b->unten.ogip, a.gUnten);

  // Adopting it: OGIP rounded as the table shows it, and the well evaluated with it.
  ASSERT_FALSE(GasvorratUebernehmen(doc, a.g));
  EXPECT_FLOAT_EQ(doc.m_OGIP, static_cast<float>(UebernommenerGasvorrat(a.g)));
  EXPECT_EQ(doc.m_Lauf.ogip, static_cast<double>(doc.m_OGIP));
  EXPECT_TRUE(doc.m_Lauf.vollstaendig);
  EXPECT_TRUE(GasvorratUebernehmen(doc, 1e6).has_value());  // beyond the input's range: nothing changes
  EXPECT_FLOAT_EQ(doc.m_OGIP, static_cast<float>(UebernommenerGasvorrat(a.g)));
}

TEST(DokumentAbgleich, WellsWithoutDepletionOrProductionAreRefused) {
  for (const char* datei : {ZELVOR_EXAMPLES_DIR "/mehrraten.zlv", ZELVOR_EXAMPLES_DIR "/injektion.zlv"}) {
    const CZelvorDoc doc = Ausgewertet(datei);
    EXPECT_FALSE(DokumentAbgleich(doc).Gemacht()) << datei;
    EXPECT_FALSE(DokumentPrognosebereich(doc).has_value()) << datei;
  }
}

}  // namespace
}  // namespace zelvor
