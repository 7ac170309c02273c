#include "doc/Speicherblock.h"

#include <gtest/gtest.h>

#include <vector>

#include "doc/CZelvorDoc.h"
#include "doc/Prognoseblock.h"
#include "doc/ZlvArchiv.h"

namespace zelvor {
namespace {

CZelvorDoc Speicherbohrung() {
  CZelvorDoc doc;
  doc.NeuesDokument();
  doc.m_bInjektion = 1;
  doc.m_Prognose.pMax = 165.0f;  // a forecast block comes first
  Speichereinstellungen& s = doc.m_Speicher;
  EXPECT_FALSE(ArbeitsgasSetzen(s, "1000"));
  EXPECT_FALSE(KissengasSetzen(s, "900.5"));
  EXPECT_FALSE(EinspeisungSetzen(s, "15.4.-30.9."));
  EXPECT_FALSE(SpeicherstartSetzen(s, "01.04.2027"));
  EXPECT_FALSE(ZieleSetzen(s, "01.10.:85 1.2.:25.5"));
  return doc;
}

TEST(Speicherblock, SettingsRoundTripAndTodaysReaderKeepsTheForecastBlock) {
  const CZelvorDoc doc = Speicherbohrung();
  std::vector<unsigned char> bytes;
  ASSERT_EQ(ZlvSchreiben(doc, bytes), "");
  CZelvorDoc gelesen;
  ASSERT_EQ(ZlvLesen(bytes, gelesen).status, ZlvStatus::Ok);
  EXPECT_EQ(gelesen.m_Speicher, doc.m_Speicher);
  EXPECT_EQ(gelesen.m_Prognose, doc.m_Prognose);
  EXPECT_EQ(JahrestagText(gelesen.m_Speicher.einBeginn), "15.04.");
  EXPECT_EQ(ZieleText(gelesen.m_Speicher.ziele), "01.10.:85 01.02.:25.5");

  // Without storage settings the file is the one it always was; the block is only appended.
  CZelvorDoc ohne = doc;
  ohne.m_Speicher = Speichereinstellungen{};
  std::vector<unsigned char> alt;
  ASSERT_EQ(ZlvSchreiben(ohne, alt), "");
  ASSERT_EQ(bytes.size(), alt.size() + SpeicherblockBytes(doc.m_Speicher));
  EXPECT_TRUE(std::equal(alt.begin(), alt.end(), bytes.begin()));
  // A reader that knows only the forecast block finds it where it always was.
  const std::size_t block = alt.size() - PROGNOSEBLOCK_V2_BYTES;
  EXPECT_EQ(PrognoseblockLesen(std::span(bytes).subspan(block))->pMax, 165.0f);

  // A damaged storage block costs its settings only.
  std::vector<unsigned char> kaputt = bytes;
  kaputt[alt.size() + 10] = 0xFF;  // the working gas's float turns into a NaN
  kaputt[alt.size() + 11] = 0xFF;
  kaputt[alt.size() + 12] = 0xFF;
  kaputt[alt.size() + 13] = 0xFF;
  CZelvorDoc beschaedigt;
  ASSERT_EQ(ZlvLesen(kaputt, beschaedigt).status, ZlvStatus::Ok);
  EXPECT_EQ(beschaedigt.m_Speicher, Speichereinstellungen{});
  EXPECT_EQ(beschaedigt.m_Prognose, doc.m_Prognose);
}

TEST(Speichereinstellungen, TextsThatMakeNoSenseAreRefusedAndChangeNothing) {
  struct Fall {
    std::optional<std::string> (*setzen)(Speichereinstellungen&, const std::string&);
    const char* text;
  } faelle[] = {
      {ArbeitsgasSetzen, "0"},          {ArbeitsgasSetzen, "-5"},        {KissengasSetzen, "1,5"},
      {EinspeisungSetzen, "31.02.-1.10."}, {EinspeisungSetzen, "1.4."},  {SpeicherstartSetzen, "31.13.2027"},
      {ZieleSetzen, "01.10.:120"},      {ZieleSetzen, "01.10.80"},       {BrennwertSetzen, "nan"},
  };
  for (const Fall& f : faelle) {
    Speichereinstellungen s;
    EXPECT_TRUE(f.setzen(s, f.text)) << f.text;
    EXPECT_EQ(s, Speichereinstellungen{}) << f.text;
  }
  Speichereinstellungen s;
  s.arbeitsgas = 100;
  s.kissengas = 2000;
  EXPECT_EQ(SpeichereinstellungenPruefen(s, 1800),
            "Das Kissengas von 2000.0 Mio m3 ist größer als der Gasvorrat (OGIP 1800.0 Mio m3).");
}

}  // namespace
}  // namespace zelvor
