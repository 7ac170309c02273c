#pragma once
// The site's capacity by fill level as text lines and as a diagram: the field window, its printout, the
// clipboard and "zelvor-cli feld" show these.
#include <string>
#include <vector>

#include "feld/Feldkennlinien.h"
#include "report/Diagramm.h"

namespace zelvor {

// A heading with the storage wells' count and volumes, the table by fill level (the inventory also in
// GWh when every well has its calorific value) and a note for every level where wells deliver or take
// nothing. Nothing for a field without storage wells' curves.
std::vector<std::string> FeldkennlinienText(const Feldkennlinien& k);

// The summed withdrawal and injection rate over the fill level (in 1000 m3/h once it reaches a million
// m3/h). No series for a field without storage wells' curves.
Diagramm FeldkennlinienDiagramm(const Feldkennlinien& k);
// What the field's page shows: that diagram, or once a well has an aquifer model one per season.
std::vector<Diagramm> FeldkennlinienDiagramme(const Feldkennlinien& k);

}  // namespace zelvor
