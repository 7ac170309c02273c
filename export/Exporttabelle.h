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

// A key/value table ("Größe", "Wert", "Einheit"): its values have nothing in common, so each shows the
// digits it has. Every such sheet starts here.
Exporttabelle Wertetabelle(std::string name);

// A single-precision input as the user typed it (100.1f gives 100.1, not 100.09999847...).
double AusFloat(float wert);

// The number a writer puts into a cell: a value that is exactly a single-precision number (an input
// widened on its way, such as OGIP 2334.9f) as the shortest decimal that reads back to that float, not
// its binary expansion 2334.89990234375; any other value as it is.
double Ausgabewert(double wert);

}  // namespace zelvor
