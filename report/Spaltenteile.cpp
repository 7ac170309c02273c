#include "report/Spaltenteile.h"

#include <algorithm>

namespace zelvor {
namespace {

// The byte offsets of a UTF-8 line's characters, and its length as the last entry.
std::vector<std::size_t> Zeichenanfaenge(const std::string& zeile) {
  std::vector<std::size_t> a;
  for (std::size_t i = 0; i < zeile.size(); ++i)
    if ((static_cast<unsigned char>(zeile[i]) & 0xC0) != 0x80) a.push_back(i);
  a.push_back(zeile.size());
  return a;
}

// Characters [von, bis) of a line, as far as it reaches.
std::string Ausschnitt(const std::string& zeile, const std::vector<std::size_t>& anfaenge, std::size_t von, std::size_t bis) {
  const std::size_t n = anfaenge.size() - 1;
  if (von >= n) return {};
  std::string s = zeile.substr(anfaenge[von], anfaenge[std::min(bis, n)] - anfaenge[von]);
  s.erase(s.find_last_not_of(' ') + 1);
  return s;
}

}  // namespace

std::vector<std::vector<std::string>> Spaltenteile(const std::vector<std::string>& zeilen, std::size_t zeichen) {
  std::vector<std::vector<std::size_t>> anfaenge;
  std::size_t breite = 0;
  for (const std::string& z : zeilen) {
    anfaenge.push_back(Zeichenanfaenge(z));
    breite = std::max(breite, anfaenge.back().size() - 1);
  }
  if (breite <= zeichen || zeilen.empty()) return {zeilen};
  const auto leer = [&](std::size_t spalte) {
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
      const std::vector<std::size_t>& a = anfaenge[i];
      if (spalte < a.size() - 1 && zeilen[i][a[spalte]] != ' ') return false;
    }
    return true;
  };
  // Where the columns start: after a run of two or more blank positions.
  std::vector<std::size_t> spalten{0};
  for (std::size_t s = 2; s < breite; ++s)
    if (!leer(s) && leer(s - 1) && leer(s - 2)) spalten.push_back(s);
  spalten.push_back(breite + 2);  // the end, as if a column followed after two blanks

  std::vector<std::vector<std::string>> teile;
  const std::size_t kopf = spalten.size() > 2 ? spalten[1] : 0;  // the first column and its gap
  std::size_t von = 0;  // index into spalten of the part's first column
  while (von + 1 < spalten.size()) {
    // As many columns as fit beside the first column (the first part has it anyway).
    const std::size_t vorsatz = von == 0 ? 0 : kopf;
    // The first part holds the first column and at least one more, as every other part does.
    std::size_t bis = von == 0 && spalten.size() > 3 ? 2 : von + 1;
    while (bis + 1 < spalten.size() && vorsatz + spalten[bis + 1] - 2 - spalten[von] <= zeichen) ++bis;
    std::vector<std::string> teil;
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
      std::string z = vorsatz ? Ausschnitt(zeilen[i], anfaenge[i], 0, kopf) : std::string();
      const std::string rest = Ausschnitt(zeilen[i], anfaenge[i], spalten[von], spalten[bis]);
      if (!rest.empty()) {
        // The first column padded to its width keeps the part's columns under each other.
        std::size_t n = 0;
        for (unsigned char c : z) n += (c & 0xC0) != 0x80 ? 1 : 0;
        z += std::string(vorsatz - std::min(vorsatz, n), ' ') + rest;
      }
      teil.push_back(std::move(z));
    }
    teile.push_back(std::move(teil));
    von = bis;
  }
  return teile;
}

}  // namespace zelvor
