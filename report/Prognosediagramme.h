#pragma once
// The two diagrams of the forecast view: the rates over the cumulative production (with the measured
// rates as points) and over the time from the start of the forecast.
#include "calc/Foerderprognose.h"
#include "calc/Laufdaten.h"
#include "report/Diagramm.h"

namespace zelvor {

Diagramm PrognoseDiagrammGp(const Foerderprognose& p, const Laufdaten& lauf);
Diagramm PrognoseDiagrammZeit(const Foerderprognose& p);

}  // namespace zelvor
