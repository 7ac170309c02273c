#pragma once
// The field's tables for the printout: the wells' table led by the well's name, the course led by its
// years and date, as parts that fit a line of the page (report/Drucktabelle.h).
#include <cstddef>
#include <vector>

#include "feld/Feld.h"
#include "report/Drucktabelle.h"

namespace zelvor {

// The width of the name column; a longer name is wrapped.
inline constexpr std::size_t FELDDRUCK_NAME_ZEICHEN = 20;

std::vector<Druckteil> FeldDruckteile(const Feldergebnis& f, std::size_t zeichen);

}  // namespace zelvor
