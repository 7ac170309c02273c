#pragma once
// The field window's status sentences, with the count's noun in the right number.
#include <cstddef>
#include <string>

#include "feld/Feld.h"

namespace zelvor {

// While the wells are read: "Berechne 3 Bohrungen...".
std::string FeldBerechneText(std::size_t bohrungen);
// After the computation: "2 Bohrungen berechnet, 1 nicht auswertbar.", after a cancel "Abgebrochen: ...".
std::string FeldBerechnetText(const Feldergebnis& f);
// After wells were taken out of the field.
std::string FeldEntferntText(std::size_t bohrungen);

}  // namespace zelvor
