#pragma once
// The two diagrams of the deliverability view: the back-pressure plot (log-log, Δ over Q, the points
// and the fitted line) and the inflow curves (pwf over Q, three models at both reservoir pressures).
#include "calc/Lieferfaehigkeit.h"
#include "report/Diagramm.h"

namespace zelvor {

Diagramm GegendruckDiagramm(const Lieferfaehigkeit& l);
Diagramm ZuflussDiagramm(const Lieferfaehigkeit& l);

}  // namespace zelvor
