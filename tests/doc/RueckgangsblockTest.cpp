#include "doc/Rueckgangsblock.h"

#include <gtest/gtest.h>

#include <vector>

#include "doc/CZelvorDoc.h"
#include "doc/DokumentRueckgang.h"
#include "doc/ZlvArchiv.h"

namespace zelvor {
namespace {

CZelvorDoc Bohrung() {
  CZelvorDoc doc;
  doc.NeuesDokument();
  doc.m_Ratenzeilen = {"0 1000 80", "1 900 78", "2 810 76"};
  doc.m_RatenDatum = {TagAusDatum(2020, 1, 1), std::nullopt, TagAusDatum(2020, 3, 1)};
  return doc;
}

// What the user types for each setting, taken or refused with a sentence.
TEST(Rueckgangseinstellungen, EingabenWerdenGelesenOderAbgelehnt) {
  struct Fall {
    const char* name;
    const char* text;
    bool gut;
    const char* gezeigt;  // the text "show" gives back after it
  } faelle[] = {
      {"rueckgang.modell", "modifiziert", true, "modifiziert"},
      {"rueckgang.modell", "linear", false, "hyperbolisch"},
      {"rueckgang.ab", "01.03.2021", true, "01.03.2021"},
      {"rueckgang.ab", "31.02.2021", false, "auto"},
      {"rueckgang.ab", "", true, "auto"},
      {"rueckgang.grenze", "0", true, "0"},
      {"rueckgang.grenze", "0.01", false, "0"},
      {"rueckgang.grenze", "12,5", false, "0"},
      {"rueckgang.endabfall", "8.5", true, "8.5"},
      {"rueckgang.endabfall", "0", false, "6"},
      {"rueckgang.ausreisser", "12, 3;7 3", true, "3, 7, 12"},
      {"rueckgang.ausreisser", "3, -7", false, ""},
      {"rueckgang.ausreisser", "3x", false, ""},
      {"rueckgang.ausreisser", "99999999999999999999", false, ""},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(std::string(f.name) + " = " + f.text);
    Rueckgangseinstellungen e;
    const Rueckgangsangabe* a = RueckgangsangabeSuchen(f.name);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(!a->setzen(e, f.text).has_value(), f.gut);
    EXPECT_EQ(a->text(e), f.gezeigt);
  }
}

TEST(Rueckgangsblock, NurGeschriebenWennGesetztUndZurueckGelesen) {
  CZelvorDoc doc = Bohrung();
  std::vector<unsigned char> alt, neu;
  ASSERT_EQ(ZlvSchreiben(doc, alt), "");
  EXPECT_EQ(RueckgangsblockBytes(doc.m_Rueckgang), 0u);

  doc.m_Rueckgang.modell = Rueckgangsmodell::Modifiziert;
  doc.m_Rueckgang.ab = TagAusDatum(2020, 2, 1);
  doc.m_Rueckgang.qGrenze = 120;
  doc.m_Rueckgang.endabfall = 8;
  doc.m_Rueckgang.ausreisser = {2, 17};
  ASSERT_EQ(ZlvSchreiben(doc, neu), "");
  ASSERT_EQ(neu.size(), alt.size() + RueckgangsblockBytes(doc.m_Rueckgang));
  EXPECT_TRUE(std::equal(alt.begin(), alt.end(), neu.begin()));
  CZelvorDoc gelesen;
  gelesen.NeuesDokument();
  const ZlvErgebnis r = ZlvLesen(neu, gelesen);
  ASSERT_EQ(r.status, ZlvStatus::Ok);
  EXPECT_EQ(r.hinweis, "");
  EXPECT_EQ(gelesen.m_Rueckgang, doc.m_Rueckgang);

  // Damaged (an unknown model, a count past the bytes): the well opens with the defaults, the block is
  // kept as it was and named.
  for (const std::size_t stelle : {alt.size() + 10, alt.size() + 24}) {
    std::vector<unsigned char> kaputt = neu;
    kaputt[stelle] = 9;
    CZelvorDoc d;
    d.NeuesDokument();
    const ZlvErgebnis k = ZlvLesen(kaputt, d);
    ASSERT_EQ(k.status, ZlvStatus::Ok);
    EXPECT_TRUE(d.m_Rueckgang.Standard());
    EXPECT_NE(k.hinweis.find("Förderrückgangs"), std::string::npos) << k.hinweis;
    std::vector<unsigned char> wieder;
    ASSERT_EQ(ZlvSchreiben(d, wieder), "");
    EXPECT_EQ(wieder, kaputt);
  }
}

// Only dated lines with a readable rate reach the fit, numbered as the list numbers them; the limit of 0
// is the forecast's abandonment rate, and an injection well says so.
TEST(DokumentRueckgang, PunkteUndGrenzeAusDemDokument) {
  CZelvorDoc doc = Bohrung();
  const auto p = Rueckgangspunkte(doc);
  ASSERT_EQ(p.size(), 2u);
  EXPECT_EQ(p[1].zeile, 3);
  EXPECT_DOUBLE_EQ(p[1].q, 810);
  EXPECT_DOUBLE_EQ(RueckgangEingabenAus(doc, doc.m_Rueckgang).qGrenze, doc.m_Prognose.qEnde);
  doc.m_Rueckgang.qGrenze = 42;
  EXPECT_DOUBLE_EQ(RueckgangEingabenAus(doc, doc.m_Rueckgang).qGrenze, 42);
  doc.m_bInjektion = 1;
  EXPECT_NE(DokumentRueckgang(doc).meldung.find("Injektionsbohrung"), std::string::npos);
}

}  // namespace
}  // namespace zelvor
