#pragma once
// The aquifer's diagrams in the view "Materialbilanz": its model's P/Z curve in the P/Z diagram, Cole's
// plot (the apparent gas in place F/Eg over Gp: flat for a closed tank, rising with an aquifer) and
// Havlena-Odeh's (F/Eg over We/Eg: a straight line of slope 1 through G when the model is right).
#include "calc/Aquiferanpassung.h"
#include "report/Diagramm.h"

namespace zelvor {

// Adds the fitted model's P/Z along its history.
void AquiferPZKurve(Diagramm& d, const Aquiferanpassung& a);

Diagramm ColeDiagramm(const Aquiferanpassung& a);
Diagramm HavlenaOdehDiagramm(const Aquiferanpassung& a);

}  // namespace zelvor
