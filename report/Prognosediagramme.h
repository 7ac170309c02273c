#pragma once
// The two diagrams of the forecast view: the rates over the cumulative production (with the measured
// rates as points) and over the time from the start of the forecast. With a range from the gas-in-place
// match, the produced rates at the interval's ends as dashed curves.
#include <optional>

#include "calc/Datum.h"
#include "calc/Prognose.h"
#include "calc/Laufdaten.h"
#include "report/Diagramm.h"

namespace zelvor {

Diagramm PrognoseDiagrammGp(const Foerderprognose& p, const Laufdaten& lauf, const Prognosebereich* bereich = nullptr);
// With a start date the time axis is the calendar, in months and years.
Diagramm PrognoseDiagrammZeit(const Foerderprognose& p, const Prognosebereich* bereich = nullptr,
                              std::optional<Tag> start = std::nullopt);

}  // namespace zelvor
