#pragma once
// Checks of dated rate lines that no evaluation makes on its own: dates that run backwards while Gp goes
// forwards, and between two dated lines the volume their rates produce over the days between them
// (trapezoid; lines of one date at most one day's volume) against the difference of their Gp. Each
// finding is one German WARNUNG sentence.
#include <optional>
#include <string>
#include <vector>

#include "calc/Datum.h"

namespace zelvor {

struct DatierterPunkt {
  int zeile = 0;  // the line's number, from 1
  std::optional<Tag> datum;
  double gp = 0;  // Mio m3
  double q = 0;   // m3/h
};

// A pair whose volumes differ by more than this share of their Gp difference is named.
inline constexpr double PLAUSIBEL_ANTEIL = 0.2;
// At most this many pairs are named one by one; the rest are counted.
inline constexpr int MAX_PAARWARNUNGEN = 10;

// `injektion`: the lines are an injection well's, whose Gp falls as gas goes in.
std::vector<std::string> DatumsWarnungen(const std::vector<DatierterPunkt>& punkte, bool injektion = false);

}  // namespace zelvor
