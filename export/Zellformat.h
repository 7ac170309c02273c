#pragma once
// How a workbook cell shows a number of a key/value table, whose values have nothing in common: each
// one with the digits it has (the cell keeps the full value either way).
#include <string>

namespace zelvor {

// Excel's number format for this value: an integer as an integer ("0"), a value below 0.001 or from
// 1e6 on with an exponent ("0.0E+00", as many mantissa digits as it has), any other with its decimals
// ("0.0000"). The digits are those of the shortest text that reads back to the value (to the float, for
// a single-precision input), at most 10 significant ones.
std::string Zellformat(double wert);

}  // namespace zelvor
