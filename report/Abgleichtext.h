#pragma once
// The gas-in-place match as text lines, printf-style with a decimal point: the view "Materialbilanz",
// its printout, the clipboard and "zelvor-cli ogip" all use these.
#include <string>
#include <vector>

#include "calc/Gasvorratsabgleich.h"
#include "calc/Messbilanz.h"

namespace zelvor {

std::vector<std::string> AbgleichText(const Gasvorratsabgleich& a);

// A sentence broken into indented lines of the width these texts share.
void SatzUmbrechen(std::vector<std::string>& t, const std::string& satz);

// One sentence: what the engineer may conclude from the match.
std::string AbgleichFolgerung(const Gasvorratsabgleich& a);

// The block of the shut-in pressure surveys, to follow the match's: each survey with its P/Z, both fits,
// the entered OGIP, the flowing match and the fits side by side, and what they say together. Empty for a
// well without surveys.
std::vector<std::string> MessbilanzText(const Messbilanz& m, const Gasvorratsabgleich& a);

// One sentence: whether the made estimates agree within their intervals; empty with fewer than two.
std::string MessbilanzFolgerung(const Messbilanz& m, const Gasvorratsabgleich& a);
// One sentence when fit (a) starts clearly above the initial P/Z or the points bend upward; else empty.
std::string MessbilanzHinweis(const Messbilanz& m);

}  // namespace zelvor
