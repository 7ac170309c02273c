#pragma once
// A storage well's capacity curves and storage year as text lines, printf-style with a decimal point:
// the views, their printouts, the clipboard and "zelvor-cli kennlinien/speicherjahr" use these.
#include <string>
#include <vector>

#include "calc/Inventarpruefung.h"
#include "calc/Speicherjahr.h"
#include "calc/Speicherkennlinien.h"
#include "report/Diagramm.h"

namespace zelvor {

// The settings, the table by fill level (inventory also in GWh when brennwert > 0, kWh/m3), and a note
// for every fill level whose rate is 0.
std::vector<std::string> KennlinienText(const Speicherkennlinien& k, double brennwert = 0);

// One sentence per fill target: the level on its day, met or missed, and for an injection target the
// day it was reached and the latest start at full capacity.
std::vector<std::string> FuellzielText(const Speicherjahr& s);

// The settings, the table (weekly rows and the targets' days, or every day), the targets.
std::vector<std::string> SpeicherjahrText(const Speicherjahr& s, bool taeglich = false);

// The inventory check: each survey's booked and balanced inventory and apparent loss, marked after
// injection or withdrawal, the loss rate with its interval and the verdict.
std::vector<std::string> InventarText(const Inventarpruefung& p);
const char* RichtungText(Speicherrichtung r);
// The apparent loss over the survey dates (calendar years): the surveys after injection and after
// withdrawal as points apart, and the trend.
Diagramm InventarDiagramm(const Inventarpruefung& p);

}  // namespace zelvor
