#include "doc/Speicherblock.h"

#include <gtest/gtest.h>

#include <cmath>
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
      {ArbeitsgasSetzen, "1e-45"},      {ArbeitsgasSetzen, "-5"},        {KissengasSetzen, "1,5"},
      {ArbeitsgasSetzen, "1e-7"},       {ArbeitsgasSetzen, "90001"},     {KissengasSetzen, "0.05"},
      {BrennwertSetzen, "0.5"},         {BrennwertSetzen, "21"},         {AusspeicherrateSetzen, "1e-38"},
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

// 0 stands for "not given"; -0 is 0; the smallest and largest values within the bounds are taken.
TEST(Speichereinstellungen, NumbersAreZeroOrWithinTheirBounds) {
  struct Fall {
    std::optional<std::string> (*setzen)(Speichereinstellungen&, const std::string&);
    float Speichereinstellungen::*feld;
    const char* text;
    float wert;
  } faelle[] = {
      {ArbeitsgasSetzen, &Speichereinstellungen::arbeitsgas, "0", 0.0f},
      {ArbeitsgasSetzen, &Speichereinstellungen::arbeitsgas, "0.1", 0.1f},
      {ArbeitsgasSetzen, &Speichereinstellungen::arbeitsgas, "90000", 90000.0f},
      {KissengasSetzen, &Speichereinstellungen::kissengas, "-0", 0.0f},
      {BrennwertSetzen, &Speichereinstellungen::brennwert, "-0", 0.0f},
      {BrennwertSetzen, &Speichereinstellungen::brennwert, "11.5", 11.5f},
      {AusspeicherrateSetzen, &Speichereinstellungen::qAusspeisung, "-0", 0.0f},
  };
  for (const Fall& f : faelle) {
    Speichereinstellungen s;
    s.*f.feld = 7.0f;
    EXPECT_FALSE(f.setzen(s, f.text)) << f.text;
    EXPECT_EQ(s.*f.feld, f.wert) << f.text;
    EXPECT_FALSE(std::signbit(s.*f.feld)) << f.text;
  }
  Speichereinstellungen s;
  EXPECT_EQ(BrennwertSetzen(s, "0.5"), "Bitte geben Sie 0 oder eine Zahl zwischen 1 und 20 ein.");
}

// Only a change that brings the settings into conflict with the gas in place is refused; a well that
// already was in conflict stays editable with a warning.
TEST(Speichereinstellungen, AChangeIsRefusedOnlyWhenItBringsAboutTheConflict) {
  Speichereinstellungen gut;
  gut.arbeitsgas = 200;
  gut.kissengas = 1500;
  Speichereinstellungen mehr = gut;
  mehr.kissengas = 2000;
  struct Fall {
    Speichereinstellungen vorher;
    double ogipVorher;
    Speichereinstellungen nachher;
    double ogipNachher;
    bool abgelehnt, gewarnt;
  } faelle[] = {
      {gut, 1800, gut, 1800, false, false},
      {gut, 1800, mehr, 1800, true, false},    // the cushion gas set above the gas in place
      {gut, 1800, gut, 1279.1, true, false},   // the gas in place set below the cushion gas
      {gut, 1279.1, gut, 1279.1, false, true},  // already so: a change of the name goes through
      {gut, 1279.1, mehr, 1279.1, false, true},
      {gut, 1279.1, gut, 1800, false, false},   // mended
  };
  for (const Fall& f : faelle) {
    const Speicherurteil u = SpeicheraenderungPruefen(f.vorher, f.ogipVorher, f.nachher, f.ogipNachher);
    EXPECT_EQ(u.ablehnung.has_value(), f.abgelehnt) << f.ogipVorher << " " << f.nachher.kissengas << " " << f.ogipNachher;
    EXPECT_EQ(u.warnung.has_value(), f.gewarnt) << f.ogipVorher << " " << f.nachher.kissengas << " " << f.ogipNachher;
  }
}

// The dialog's fields: an empty working gas keeps the other settings; a well in conflict with its gas in
// place can still be confirmed unchanged.
TEST(Speichereinstellungen, DialogFieldsKeepWhatIsGivenWithoutWorkingGas) {
  Speichereinstellungen s;
  std::vector<std::string> felder = SpeicherfelderAus(s);
  felder[0] = "";
  felder[1] = "1150";
  ASSERT_FALSE(SpeicherfelderLesen(felder, s, 1800));
  EXPECT_EQ(s.kissengas, 1150.0f);
  EXPECT_FALSE(s.Gesetzt());

  Speichereinstellungen gesperrt;
  gesperrt.arbeitsgas = 200;
  gesperrt.kissengas = 1500;
  EXPECT_FALSE(SpeicherfelderLesen(SpeicherfelderAus(gesperrt), gesperrt, 1279.1));
  Speichereinstellungen gut = gesperrt;
  felder = SpeicherfelderAus(gut);
  felder[1] = "1900";
  const std::optional<Speicherfehler> f = SpeicherfelderLesen(felder, gut, 1800);
  ASSERT_TRUE(f);
  EXPECT_EQ(f->feld, 1u);
  EXPECT_EQ(gut.kissengas, 1500.0f);
}

}  // namespace
}  // namespace zelvor
