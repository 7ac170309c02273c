#pragma once
// The aquifer as text lines, printf-style with a decimal point: its fit to the surveys (the view
// "Materialbilanz", its printout, "zelvor-cli ogip") and its history under the current settings
// ("zelvor-cli aquifer").
#include <string>
#include <vector>

#include "calc/Aquiferanpassung.h"

namespace zelvor {

std::vector<std::string> AquiferanpassungText(const Aquiferanpassung& a);

// One line of the history: a dated rate line or a survey.
struct Aquiferzeile {
  std::string art;  // "Ratenzeile 3", "Messung 2"
  Aquiferzustand zustand;
};

// The lines and surveys of a history in time order (undated ones last, as given).
std::vector<Aquiferzeile> AquiferzeilenAus(const Aquiferdatenlage& lage, const Aquiferverlauf& v);

std::vector<std::string> AquiferverlaufText(const Aquiferdaten& a, const Aquiferverlauf& v,
                                            const std::vector<Aquiferzeile>& zeilen);

}  // namespace zelvor
