#pragma once
// The gas-in-place match as text lines, printf-style with a decimal point: the view "Materialbilanz",
// its printout, the clipboard and "zelvor-cli ogip" all use these.
#include <string>
#include <vector>

#include "calc/Gasvorratsabgleich.h"

namespace zelvor {

std::vector<std::string> AbgleichText(const Gasvorratsabgleich& a);

// One sentence: what the engineer may conclude from the match.
std::string AbgleichFolgerung(const Gasvorratsabgleich& a);

}  // namespace zelvor
