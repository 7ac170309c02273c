#pragma once
// The field overview's export tables: "Feldbohrungen" (one row per well, the window's columns) and
// "Feldverlauf" (the field's rate and production over time), and with storage wells' curves
// "Feldkennlinien" (the site's capacity by fill level), with storage years "Standortspeicherjahr" (the
// site's days) and "Standortziele" (the wells' targets and the EU indicator checked for the site).
#include <vector>

#include "feld/Feld.h"
#include "export/Exporttabelle.h"

namespace zelvor {

std::vector<Exporttabelle> FeldTabellen(const Feldergebnis& f);

}  // namespace zelvor
