// The number format of a key/value cell shows the value's own digits: integers as integers, very small
// and very large values with an exponent, the rest with their decimals.
#include "export/Zellformat.h"

#include <gtest/gtest.h>

#include <limits>

namespace zelvor {
namespace {

TEST(Zellformat, EachValueShowsItsSignificantDigits) {
  const struct {
    double wert;
    const char* format;
  } faelle[] = {
      {50.0, "0"},
      {-3.0, "0"},
      {0.0, "0"},
      {1e15, "0E+00"},                 // too large to show as an integer
      {0.000026, "0.0E+00"},           // 2.6E-05
      {1.5e-3, "0.0000"},              // 0.0015
      {0.9, "0.0"},
      {1234.5, "0.0"},
      {0.048125, "0.000000"},
      {2.5e7, "0"},
      {2500000.123, "0.000000000E+00"},
      {0.7785405267866442, "0.0000000000"},
      {1.0 / 3.0, "0.0000000000"},     // at most 10 significant digits
      {static_cast<double>(212.74f), "0.00"},  // a float input shows as typed
      {std::numeric_limits<double>::quiet_NaN(), "0"},
  };
  for (const auto& f : faelle) EXPECT_EQ(Zellformat(f.wert), f.format) << f.wert;
}

}  // namespace
}  // namespace zelvor
