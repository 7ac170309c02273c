#pragma once
// Paints an XY diagram (report/Diagramm.h) on any painter, in the drawing style of the graph view: black
// frame, dotted grid at the labelled ticks, fixed-pitch bold labels, the series clipped to the frame,
// the legend in rows under the x caption.
#include "report/Diagramm.h"
#include "views/Lometric.h"

namespace zelvor {

// The frame's top-left corner lies at the logical point (links, oben) of l. The decorations take the
// room given in report/Diagramm.h (DIAGRAMM_RAND_OBEN, ..._LINKS, ..._RECHTS, DiagrammRandUnten).
void DiagrammZeichnen(Lometric& l, const Diagramm& d, const Diagrammlayout& g, double links, double oben);

// The graph view's fonts: a fixed-pitch face of the "modern" family in the given weight.
QFont Diagrammschrift(int gewicht);

}  // namespace zelvor
