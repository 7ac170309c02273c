#pragma once
// Rules for one rate line typed into the input dialog: Gp (Mio m3), rate (m3/h) and wellhead flowing
// pressure (bar). The dialog shows only what these return.
#include <string>

namespace zelvor {

// Scans like "%f %f %f %s" and returns the number of converted items, 0 to 4 (an empty or blank text
// gives 0). A number that comes out NaN or infinite ("nan", "inf", "1e39") is no number to the user: the
// count stops before it. Only converted numbers are stored.
int RatenzeileScannen(const std::string& text, float& gp, float& rate, float& druck);

struct RatenzeilePruefung {
  bool gueltig = false;
  std::string meldung;  // message box text when not gueltig
  std::string zeile;    // the line as stored, when gueltig
  float gp = 0, rate = 0, druck = 0;
};

// Exactly three numbers, none below zero (zero passes); the first failure names the problem.
RatenzeilePruefung RatenzeilePruefen(const std::string& text);

}  // namespace zelvor
