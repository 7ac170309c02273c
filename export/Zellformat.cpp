#include "export/Zellformat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace zelvor {
namespace {

// More digits than a reader of a key/value sheet looks at; the cell keeps them all.
constexpr int MAX_STELLEN = 10;

// The fewest significant digits whose text reads back to the value, at most MAX_STELLEN. A value that
// was a single-precision input (a setting, a Gp) reads back as that float: 212.74f shows as 212.74.
int SignifikanteStellen(double wert) {
  const bool einfach = static_cast<double>(static_cast<float>(wert)) == wert;
  char text[40];
  for (int stellen = 1; stellen < MAX_STELLEN; ++stellen) {
    std::snprintf(text, sizeof text, "%.*e", stellen - 1, wert);
    const double gelesen = std::strtod(text, nullptr);
    if (einfach ? static_cast<float>(gelesen) == static_cast<float>(wert) : gelesen == wert) return stellen;
  }
  return MAX_STELLEN;
}

std::string Nullen(int anzahl) { return anzahl > 0 ? "." + std::string(static_cast<std::size_t>(anzahl), '0') : ""; }

}  // namespace

std::string Zellformat(double wert) {
  if (!std::isfinite(wert) || wert == 0) return "0";
  const double betrag = std::fabs(wert);
  if (betrag < 1e15 && wert == std::trunc(wert)) return "0";
  const int stellen = SignifikanteStellen(wert);
  if (betrag < 1e-3 || betrag >= 1e6) return "0" + Nullen(stellen - 1) + "E+00";
  // Digits before the point take their share of the significant ones.
  const int vorKomma = static_cast<int>(std::floor(std::log10(betrag))) + 1;
  return "0" + Nullen(stellen - vorKomma);
}

}  // namespace zelvor
