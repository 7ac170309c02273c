#pragma once
// A plain table for the export (CSV, Excel): a name, headed columns and rows of numbers or texts.
// Every analysis that has numbers to give out describes them this way; the writers know nothing else.
#include <string>
#include <variant>
#include <vector>

namespace zelvor {

// An empty cell, a number or a text (UTF-8).
using Exportwert = std::variant<std::monostate, double, std::string>;

struct Exportspalte {
  std::string titel;  // with the unit, e.g. "Gp (Mio m3)"
  int stellen = 3;    // decimals the spreadsheet shows; the cell keeps the full value
};

// For a column whose values have nothing in common (the value of a key/value table): each shows the
// digits it has (export/Zellformat.h).
inline constexpr int STELLEN_JE_WERT = -1;

struct Exporttabelle {
  std::string name;  // the sheet's name (at most 31 characters, none of []:*?/\)
  std::vector<Exportspalte> spalten;
  std::vector<std::vector<Exportwert>> zeilen;
};

// A single-precision input as the user typed it (100.1f gives 100.1, not 100.09999847...).
double AusFloat(float wert);

}  // namespace zelvor
