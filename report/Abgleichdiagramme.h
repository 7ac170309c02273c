#pragma once
// The two diagrams of the view "Materialbilanz": P/Z over Gp, a storage well's over its inventory (the
// straight lines of the entered and the matched gas in place, the interval's ends, and P/Z derived from
// the flowing data) and the misfit S over the trial gas in place.
#include "calc/Gasvorratsabgleich.h"
#include "calc/Messbilanz.h"
#include "report/Diagramm.h"

namespace zelvor {

// With shut-in pressure surveys, also their points and the two lines fitted to them with their 95 %
// intervals as bands; then the diagram has something to show even when the flowing match was not made.
Diagramm AbgleichPZDiagramm(const Gasvorratsabgleich& a, const Laufdaten& lauf, const Messbilanz* m = nullptr);
Diagramm AbgleichProfilDiagramm(const Gasvorratsabgleich& a);

// The largest gas in place the diagrams show: the interval's upper end or the entered OGIP.
double AbgleichGrenzeOben(const Gasvorratsabgleich& a);

}  // namespace zelvor
