#include "doc/Eingabepruefung.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zelvor {
namespace {

CZelvorDoc Gueltig() {
  CZelvorDoc doc;
  doc.StandardwerteSetzen();
  doc.m_OGIP = 1000;
  doc.m_A1 = 100;
  return doc;
}

TEST(Eingabepruefung, AcceptanceChecksInTheirOrder) {
  CZelvorDoc doc = Gueltig();
  EXPECT_FALSE(EingabenPruefen(doc));
  doc.m_Teufe = 3000;
  doc.m_Bohrlochlaenge = 3000;
  EXPECT_FALSE(EingabenPruefen(doc));  // equal depth and length pass
  doc.m_Teufe = 3000.5f;
  EXPECT_EQ(EingabenPruefen(doc), "ERROR!!Die Lagerstättenteufe ist größer als die Bohrlochlänge!");
  doc.m_A1 = 0;
  EXPECT_EQ(EingabenPruefen(doc), "Der A1-Wert muß größer Null sein!");
  doc.m_OGIP = 0;
  EXPECT_EQ(EingabenPruefen(doc), "Original Gas in Place muß größer Null sein!");
  doc.m_Komponenten.fill(0);
  EXPECT_EQ(EingabenPruefen(doc), "Bitte gaskomponenten korrigieren!");
}

TEST(Eingabepruefung, CompositionSumLimits) {
  CZelvorDoc doc = Gueltig();
  doc.m_Komponenten[3] = 50;
  EXPECT_FALSE(EingabenPruefen(doc));  // a sum of 50 passes
  doc.m_Komponenten[3] = 101.99f;
  EXPECT_FALSE(EingabenPruefen(doc));
  doc.m_Komponenten[3] = 100;
  doc.m_Komponenten[4] = 2;
  EXPECT_TRUE(EingabenPruefen(doc));  // 102 is refused
  // The sum is formed in single precision, in composition order.
  Zusammensetzung z{};
  z.fill(0.1f);
  float erwartet = 0;
  for (int i = 0; i < 15; ++i) erwartet += 0.1f;
  EXPECT_EQ(KomponentenSumme(z), erwartet);
}

TEST(Eingabepruefung, ValuesAreReadAsTheDialogReadsThem) {
  CZelvorDoc doc = Gueltig();
  const auto setzen = [&](const char* name, const std::string& text) {
    return EingabeSetzen(doc, *EingabefeldSuchen(name), text);
  };
  EXPECT_FALSE(setzen("OGIP", " 90000 "));
  EXPECT_EQ(doc.m_OGIP, 90000.0f);
  EXPECT_EQ(setzen("OGIP", "90000.01"), "Bitte geben Sie eine Zahl zwischen 0 und 90000 ein.");
  EXPECT_EQ(doc.m_OGIP, 90000.0f);  // a refused value changes nothing
  EXPECT_FALSE(setzen("Temperatur", "-1.5e2"));
  EXPECT_EQ(doc.m_Temperatur, -150.0f);
  for (const char* keineZahl : {"", " ", "nan", "inf", "-inf", "0x10", "12,5", "1e", "e5", ".", "1.2.3", "1 2", "+-1"})
    EXPECT_EQ(setzen("Temperatur", keineZahl), "Bitte geben Sie eine Zahl ein.") << keineZahl;
  EXPECT_EQ(setzen("Temperatur", "1e39"), "Bitte geben Sie eine Zahl ein.");  // no finite value
  EXPECT_EQ(setzen("Bohrungsanzahl", "0"), "Bitte geben Sie eine ganze Zahl zwischen 1 und 20 ein.");
  EXPECT_EQ(setzen("Bohrungsanzahl", "2.0"), "Bitte geben Sie eine ganze Zahl ein.");
  EXPECT_EQ(setzen("Bohrungsanzahl", "99999999999999999999"), "Bitte geben Sie eine ganze Zahl zwischen 1 und 20 ein.");
  EXPECT_FALSE(setzen("Bohrungsanzahl", "20"));
  EXPECT_FALSE(setzen("B1", "10"));
  EXPECT_TRUE(setzen("B1", "10.0000001"));
  EXPECT_FALSE(setzen("C10H22", "100"));
  EXPECT_EQ(doc.m_Komponenten[14], 100.0f);
  EXPECT_EQ(EingabefeldSuchen("WGV"), nullptr);  // not kept in the file
  // A typed -0 is 0 (shown "0", not "-0" or "-0.000") in every kind of number field.
  for (const char* name : {"OGIP", "A1", "Temperatur"}) {
    ASSERT_FALSE(setzen(name, "-0")) << name;
    EXPECT_EQ(EingabeAlsText(doc, *EingabefeldSuchen(name)), "0") << name;
  }
}

TEST(Eingabepruefung, ShownValuesReadBackToTheSameBits) {
  CZelvorDoc doc = Gueltig();
  const float werte[] = {6.2f, 0.1f, 1e-7f, 123456.79f, 3.4028235e38f, -0.0f, 16777217.0f};
  for (float w : werte) {
    doc.m_Temperatur = w;
    const Eingabefeld& f = *EingabefeldSuchen("Temperatur");
    const std::string text = EingabeAlsText(doc, f);
    CZelvorDoc zurueck = Gueltig();
    ASSERT_FALSE(EingabeSetzen(zurueck, f, text)) << text;
    // Every bit but the sign of a zero: a -0 read is 0, never shown as "-0.000".
    EXPECT_EQ(std::signbit(zurueck.m_Temperatur), std::signbit(w) && w != 0.0f) << text;
    EXPECT_EQ(zurueck.m_Temperatur, w) << text;
  }
  doc.m_Temperatur = 6.2f;
  EXPECT_EQ(EingabeAlsText(doc, *EingabefeldSuchen("Temperatur")), "6.2");
  doc.m_A1 = 0.1;
  EXPECT_EQ(EingabeAlsText(doc, *EingabefeldSuchen("A1")), "0.1");
}

}  // namespace
}  // namespace zelvor
