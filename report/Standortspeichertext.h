#pragma once
// The site's storage year as text lines and as a diagram: the field window, its printout, the clipboard
// and "zelvor-cli feld" show these.
#include <string>
#include <vector>

#include "feld/Feld.h"
#include "report/Diagramm.h"

namespace zelvor {

enum class Standorttabelle { Keine, Woechentlich, Taeglich };

// A heading with the storage wells summed (and those left out, with why), the site's days (weekly with
// the target days, every day, or none), the wells' fill targets checked for the site and the EU
// indicator. Nothing for a field without a storage well.
std::vector<std::string> StandortspeicherjahrText(const Feldergebnis& f,
                                                  Standorttabelle tabelle = Standorttabelle::Woechentlich);

// The site's days as a table: a heading line, then a row weekly and on each target day and the last
// (or every day). Nothing without days.
std::vector<std::string> StandorttageText(const Standortspeicherjahr& s, bool taeglich = false);

// Whether day i stands in the weekly table: every seventh, each target day and the last.
bool StandorttagWoechentlich(const Standortspeicherjahr& s, std::size_t i);

// One sentence per target day and per EU window: the site's level, the target, met or missed.
std::vector<std::string> StandortzielText(const Standortspeicherjahr& s);

// The site's fill level over the calendar (calendar years) with the fill targets as markers at their
// day and level, met and missed apart, and the EU indicator's threshold over its window.
Diagramm StandortspeicherjahrDiagramm(const Standortspeicherjahr& s);

}  // namespace zelvor
