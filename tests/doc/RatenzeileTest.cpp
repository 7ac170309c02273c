#include "doc/Ratenzeile.h"

#include <gtest/gtest.h>

namespace zelvor {
namespace {

int Anzahl(const std::string& text) {
  float a = 0, b = 0, c = 0;
  return RatenzeileScannen(text, a, b, c);
}

TEST(Ratenzeile, CountsItemsLikeScanf) {
  EXPECT_EQ(Anzahl(""), 0);
  EXPECT_EQ(Anzahl(" "), 0);
  EXPECT_EQ(Anzahl("\t \r\n"), 0);
  EXPECT_EQ(Anzahl("abc"), 0);
  EXPECT_EQ(Anzahl("1"), 1);
  EXPECT_EQ(Anzahl("1 2"), 2);
  EXPECT_EQ(Anzahl("1 2 3"), 3);
  EXPECT_EQ(Anzahl("  1\t2  3 \t\r\n"), 3);
  EXPECT_EQ(Anzahl("1 2 3 4"), 4);
  EXPECT_EQ(Anzahl("12.5 2000 85 Messung"), 4);
  EXPECT_EQ(Anzahl("1 2 3x"), 4);  // a number ends where it cannot go on; the rest is a fourth item
  EXPECT_EQ(Anzahl("1 2 3 nan"), 4);  // the fourth item may be anything
  EXPECT_EQ(Anzahl("12,5 2000 85"), 1);  // decimal comma
  EXPECT_EQ(Anzahl("1;2;3"), 1);
  EXPECT_EQ(Anzahl(std::string("1 2\0 3", 6)), 2);  // the text ends at a NUL
}

TEST(Ratenzeile, StoresTheConvertedNumbers) {
  float gp = -7, rate = -7, druck = -7;
  EXPECT_EQ(RatenzeileScannen("1.5e1 -2E3 +8.5e-1", gp, rate, druck), 3);
  EXPECT_EQ(gp, 15.0f);
  EXPECT_EQ(rate, -2000.0f);
  EXPECT_EQ(druck, 0.85f);
  gp = rate = druck = -7;
  EXPECT_EQ(RatenzeileScannen(".5 abc", gp, rate, druck), 1);
  EXPECT_EQ(gp, 0.5f);
  EXPECT_EQ(rate, -7);
  EXPECT_EQ(druck, -7);
}

// NaN and infinity are no numbers to the user; the count stops before them and nothing is stored.
TEST(Ratenzeile, NonFiniteNumbersAreNotConverted) {
  float gp = -7, rate = -7, druck = -7;
  EXPECT_EQ(RatenzeileScannen("1 nan 3", gp, rate, druck), 1);
  EXPECT_EQ(rate, -7);
  EXPECT_EQ(Anzahl("nan 1 2"), 0);
  EXPECT_EQ(Anzahl("1 inf 2"), 1);
  EXPECT_EQ(Anzahl("1 2 -infinity"), 2);
  EXPECT_EQ(Anzahl("1 2 1e39"), 2);  // overflows a float
  EXPECT_EQ(RatenzeileScannen("1 2 1e-50", gp, rate, druck), 3);  // underflow is a plain zero
  EXPECT_EQ(druck, 0.0f);
}

TEST(Ratenzeile, ValidLineIsReformatted) {
  const auto p = RatenzeilePruefen("12.5 20000 85.3");
  ASSERT_TRUE(p.gueltig);
  EXPECT_EQ(p.meldung, "");
  EXPECT_EQ(p.zeile, " 12.500          20000.00             85.30");
  EXPECT_EQ(p.zeile.size(), 43u);
  EXPECT_EQ(p.gp, 12.5f);
  // Zeros pass; wide values widen the line.
  EXPECT_EQ(RatenzeilePruefen("0 0 0").zeile, "  0.000              0.00              0.00");
  EXPECT_EQ(RatenzeilePruefen("-0 -0.0 -0").zeile, "  0.000              0.00              0.00");  // not "-0.000"
  EXPECT_EQ(RatenzeilePruefen("1234.5678 1e12 1").zeile,
            "1234.568   999999995904.00              1.00");
}

TEST(Ratenzeile, RefusalsInOrder) {
  const std::string nichtDrei = "Die Zeile nicht 3  Werte";
  for (const char* text : {"", " ", "1 2", "12,5 2000 85", "12.5 2000 85 Messung", "1 2 inf", "-1 -1 -1 x"}) {
    const auto p = RatenzeilePruefen(text);
    EXPECT_FALSE(p.gueltig) << text;
    EXPECT_EQ(p.meldung, nichtDrei) << text;
    EXPECT_EQ(p.zeile, "") << text;
  }
  EXPECT_EQ(RatenzeilePruefen("-1 100 50").meldung, "Gp ist kleiner als Null");
  EXPECT_EQ(RatenzeilePruefen("-1 -100 -50").meldung, "Gp ist kleiner als Null");
  EXPECT_EQ(RatenzeilePruefen("1 -100 50").meldung, "Die Rate ist kleiner als Null");
  EXPECT_EQ(RatenzeilePruefen("1 -100 -5").meldung, "Die Rate ist kleiner als Null");
  EXPECT_EQ(RatenzeilePruefen("1 100 -5").meldung, "Der Druck ist kleiner als Null");
  EXPECT_EQ(RatenzeilePruefen("1 100 -0.0001").meldung, "Der Druck ist kleiner als Null");
  EXPECT_FALSE(RatenzeilePruefen("1 100 -5").gueltig);
}

}  // namespace
}  // namespace zelvor
