#include "calc/Format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstring>

namespace zelvor {
namespace {

// A GUI switches LC_NUMERIC to the user's locale; numbers must still use the decimal point.
TEST(Format, DecimalPointUnderGermanLocale) {
  const char* vorher = std::setlocale(LC_NUMERIC, nullptr);
  const std::string gesichert = vorher ? vorher : "C";
  // The German locale's name on Linux, and on Windows (the regional settings of a German desktop).
  if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "German_Germany.1252"))
    GTEST_SKIP() << "no German locale here";
  char roh[32];
  std::snprintf(roh, sizeof roh, "%.2f", 3.25);
  EXPECT_STREQ(roh, "3,25");  // the trap itself
  EXPECT_EQ(Formatiere("%7.3f %+f", 12.5, -0.002), " 12.500 -0.002000");
  float a = 0, b = 0;
  EXPECT_EQ(Scanne("3.25 4.5", "%f %f", &a, &b), 2);
  EXPECT_FLOAT_EQ(a, 3.25f);
  EXPECT_FLOAT_EQ(b, 4.5f);
  std::setlocale(LC_NUMERIC, gesichert.c_str());
}

TEST(Format, LongOutputIsNotCut) {
  const std::string lang(1000, 'x');
  EXPECT_EQ(Formatiere("%s|%d", lang.c_str(), 7), lang + "|7");
}

TEST(Format, EmptyInputScansAsEof) {
  float a = 0;
  EXPECT_EQ(Scanne("", "%f", &a), EOF);
  EXPECT_EQ(Scanne("   ", "%f", &a), EOF);
}

}  // namespace
}  // namespace zelvor

#include <random>

namespace zelvor {
namespace {

// The quick formatting of the result table must give printf's digits exactly, ties included.
TEST(Format, FixedDigitsAsPrintf) {
  std::mt19937_64 zufall(42);
  std::uniform_real_distribution<double> gleich(-1.0, 1.0);
  const int breiten[][2] = {{13, 3}, {9, 1}, {8, 2}, {11, 2}, {9, 3}, {0, 6}};
  std::vector<double> werte = {0.0,     -0.0,  0.125, 0.375,  2.5,   0.005,  1.005, 1e-320, 123456789.125, 1e300,
                               -0.0004, 0.05,  0.15,  0.25,   -2.5,  0.0625, 4503599627370495.5,
                               9007199254740991.0, 9007199254740993.0, 1e15 + 0.5, -1e-5};
  // Exact ties at every precision used.
  for (int k = 0; k < 2000; ++k) werte.push_back((k + 0.5) / 1000.0 * 8.0 / 8.0);
  for (int k = 0; k < 2000; ++k) werte.push_back(k * 0.125 + 1000.0);
  for (int i = 0; i < 20000; ++i) werte.push_back(gleich(zufall) * std::pow(10.0, i % 12 - 3));
  for (int i = 0; i < 2000; ++i) werte.push_back(static_cast<float>(gleich(zufall) * 1000.0));
  for (double w : werte) {
    for (const auto& [breite, stellen] : breiten) {
      std::string schnell;
      FestAnhaengen(schnell, w, breite, stellen);
      ASSERT_EQ(schnell, Formatiere("%*.*f", breite, stellen, w)) << w;
    }
  }
  std::string nichtEndlich;
  FestAnhaengen(nichtEndlich, INFINITY, 6, 1);
  EXPECT_EQ(nichtEndlich, "   inf");
}

TEST(Format, PlainNumbersReadAsScanf) {
  for (const char* text : {"12.5", "-3", "0.1", ".5", "5.", "16777217", "3.4028235e38", "1e39", "0x10", "nan",
                           "+1", "1,5", "12.5x", "00012.50000", "0.00000000000000000000000000000000000000000000001",
                           "340282356779733661637539395458142568448"}) {
    float erwartet = 0;
    const int n = Scanne(text, "%f", &erwartet);
    const char* p = text;
    float schnell = 0;
    if (EinfacheZahlLesen(p, schnell)) {
      EXPECT_EQ(n, 1) << text;
      EXPECT_EQ(std::memcmp(&schnell, &erwartet, sizeof schnell), 0) << text;
    }
  }
  const char* p = "  1.5  -2 x";
  float a = 0, b = 0, c = 0;
  EXPECT_TRUE(EinfacheZahlLesen(p, a));
  EXPECT_TRUE(EinfacheZahlLesen(p, b));
  EXPECT_FALSE(EinfacheZahlLesen(p, c));
  EXPECT_EQ(a, 1.5f);
  EXPECT_EQ(b, -2.0f);
}

// Limits and counts in German sentences: never an exponent, the noun in the count's number.
TEST(Format, ZahlenUndAnzahlenFuerSaetze) {
  const struct {
    double wert;
    const char* text;
  } zahlen[] = {{1e6, "1000000"}, {500000, "500000"}, {0.1, "0.1"}, {0, "0"}, {-2.5, "-2.5"}, {1e-5, "0.00001"},
                {90000, "90000"}, {1.0 / 3.0, "0.3333333333333333"}};
  for (const auto& z : zahlen) EXPECT_EQ(ZahlOhneExponent(z.wert), z.text) << z.wert;
  EXPECT_EQ(Anzahltext(0, "Bohrung", "Bohrungen"), "0 Bohrungen");
  EXPECT_EQ(Anzahltext(1, "Bohrung", "Bohrungen"), "1 Bohrung");
  EXPECT_EQ(Anzahltext(2, "Bohrung", "Bohrungen"), "2 Bohrungen");
}

}  // namespace
}  // namespace zelvor
