#include "calc/Format.h"

#include <gtest/gtest.h>

#include <clocale>

namespace zelvor {
namespace {

// A GUI switches LC_NUMERIC to the user's locale; numbers must still use the decimal point.
TEST(Format, DecimalPointUnderGermanLocale) {
  const char* vorher = std::setlocale(LC_NUMERIC, nullptr);
  const std::string gesichert = vorher ? vorher : "C";
  if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 not generated";
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
