#pragma once
// The rows both forecasts share: K equal steps of Gp from the start to the end (up for production, down
// as a storage fills), the plateau's end a row of its own, and the time by the trapezoid rule.
#include <functional>
#include <optional>
#include <string>

#include "calc/Prognosemodell.h"

namespace zelvor {

// A refused forecast: what was asked and why, none of the rows half made.
Foerderprognose Abgelehnt(const Foerderprognose& p, std::string meldung);

// Fills p.zeilen from p.gpStart to p.gpEnde with zeile(gp), the row at gpPlateau marked when p.plateau
// (a step within naehe of it is that row), then each row's years, p.plateauJahre and p.jahre. The
// German reason when a rate falls to 0 before the end. With zeitAusZeilen the rows bring their years
// (a forecast on the calendar) instead of the trapezoid's.
std::optional<std::string> PrognosezeilenFuellen(Foerderprognose& p, double gpPlateau, double naehe,
                                                 const std::function<Prognosezeile(double)>& zeile,
                                                 bool zeitAusZeilen = false);

}  // namespace zelvor
