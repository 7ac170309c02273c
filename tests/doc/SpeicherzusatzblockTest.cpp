#include "doc/Speicherzusatzblock.h"

#include <gtest/gtest.h>

#include <vector>

#include "doc/CZelvorDoc.h"
#include "doc/Speicherblock.h"
#include "doc/ZlvArchiv.h"

namespace zelvor {
namespace {

CZelvorDoc Speicherbohrung() {
  CZelvorDoc doc;
  doc.NeuesDokument();
  doc.m_bInjektion = 1;
  EXPECT_FALSE(ArbeitsgasSetzen(doc.m_Speicher, "1000"));
  EXPECT_FALSE(KissengasSetzen(doc.m_Speicher, "900"));
  return doc;
}

// "gesetzlich", the list that stood for it, an own list equal to it and other lists.
TEST(Speichereinstellungen, TheListThatWasBuiltInStandsForTheLegalTargets) {
  struct Fall {
    const char* text;
    bool gesetzlich;
    const char* gezeigt;
  };
  const Fall faelle[] = {
      {"gesetzlich", true, "gesetzlich"},
      {" gesetzlich ", true, "gesetzlich"},
      {"01.10.:80 01.11.:90 01.02.:30", false, "01.10.:80 01.11.:90 01.02.:30"},  // typed: the operator's own
      {"01.11.:80 01.02.:30", false, "01.11.:80 01.02.:30"},
      {"", false, ""},
  };
  for (const Fall& f : faelle) {
    Speichereinstellungen s;
    s.eigeneStandardziele = true;
    ASSERT_FALSE(ZieleSetzen(s, f.text)) << f.text;
    EXPECT_EQ(s.ZieleGesetzlich(), f.gesetzlich) << f.text;
    EXPECT_EQ(ZieleText(s), f.gezeigt);
  }
  // Settings as a file of an older version stores them: the built-in list, no flag.
  EXPECT_TRUE(Speichereinstellungen{}.ZieleGesetzlich());
}

TEST(Speichereinstellungen, TheFacilityIsNamedAsTheLawSpellsItAndItsLimitsAreRates) {
  Speichereinstellungen s;
  EXPECT_FALSE(AnlageSetzen(s, " rehden "));
  EXPECT_EQ(s.anlage, "Rehden");
  EXPECT_FALSE(AnlageSetzen(s, "Etzel"));  // named in no exception: kept as typed
  EXPECT_EQ(s.anlage, "Etzel");
  EXPECT_TRUE(AnlageSetzen(s, std::string(61, 'x')));
  EXPECT_TRUE(AnlageSetzen(s, "Speicher\x01"));
  EXPECT_TRUE(AnlageSetzen(s, "Speicher \xe2\x82\xac\xe2\x98\x83"));  // a snowman has no Windows-1252 byte
  EXPECT_EQ(s.anlage, "Etzel");
  EXPECT_FALSE(AnlageEinspeisungSetzen(s, "25000"));
  EXPECT_TRUE(AnlageAusspeisungSetzen(s, "-1"));
  EXPECT_TRUE(AnlageAusspeisungSetzen(s, "inf"));
  EXPECT_EQ(s.Grenzen(), (Anlagengrenzen{25000, 0}));
  EXPECT_NE(SpeicherangabeSuchen("SpeicherAnlageAusspeisung"), nullptr);
}

TEST(Speicherzusatzblock, RoundTripsAfterTheStorageBlockWhichOlderReadersStillFind) {
  CZelvorDoc doc = Speicherbohrung();
  std::vector<unsigned char> alt;
  ASSERT_EQ(ZlvSchreiben(doc, alt), "");
  // Nothing of it set: no block, the bytes of before.
  EXPECT_EQ(SpeicherzusatzblockBytes(doc.m_Speicher), 0u);

  Speichereinstellungen& s = doc.m_Speicher;
  ASSERT_FALSE(AnlageSetzen(s, "Bad Lauchstädt"));
  ASSERT_FALSE(AnlageEinspeisungSetzen(s, "40000"));
  ASSERT_FALSE(AnlageAusspeisungSetzen(s, "80000.5"));
  ASSERT_FALSE(ZieleSetzen(s, "01.10.:80 01.11.:90 01.02.:30"));
  std::vector<unsigned char> bytes;
  ASSERT_EQ(ZlvSchreiben(doc, bytes), "");
  ASSERT_EQ(bytes.size(), alt.size() + SpeicherzusatzblockBytes(s));
  EXPECT_TRUE(std::equal(alt.begin(), alt.end(), bytes.begin()));
  CZelvorDoc gelesen;
  ASSERT_EQ(ZlvLesen(bytes, gelesen).status, ZlvStatus::Ok);
  EXPECT_EQ(gelesen.m_Speicher, s);
  EXPECT_FALSE(gelesen.m_Speicher.ZieleGesetzlich());
  // The name in Windows-1252: "ä" one byte.
  EXPECT_EQ(bytes[alt.size() + 8 + 11], 14u);
  EXPECT_EQ(bytes[alt.size() + 8 + 12 + 11], 0xE4u);

  // An older reader finds the storage block as before: the settings without the new fields.
  const std::size_t zspe = alt.size() - SpeicherblockBytes(s);
  const std::optional<Speichereinstellungen> aelter = SpeicherblockLesen(std::span(bytes).subspan(zspe));
  ASSERT_TRUE(aelter);
  EXPECT_EQ(aelter->arbeitsgas, 1000.0f);
  EXPECT_TRUE(aelter->ZieleGesetzlich());

  // A damaged block (a limit turned NaN, a name's length beyond the block) costs only its fields.
  for (const std::size_t stelle : {alt.size() + 8 + 6, alt.size() + 8 + 11}) {
    std::vector<unsigned char> kaputt = bytes;
    kaputt[stelle] = 0xFF;
    if (stelle == alt.size() + 8 + 6) kaputt[stelle - 1] = 0xFF;
    CZelvorDoc beschaedigt;
    ASSERT_EQ(ZlvLesen(kaputt, beschaedigt).status, ZlvStatus::Ok);
    EXPECT_EQ(beschaedigt.m_Speicher.arbeitsgas, 1000.0f);
    EXPECT_TRUE(beschaedigt.m_Speicher.anlage.empty());
    EXPECT_EQ(beschaedigt.m_Speicher.Grenzen(), Anlagengrenzen{});
  }
}

}  // namespace
}  // namespace zelvor
