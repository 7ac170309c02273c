#pragma once
// The page of the view "Materialbilanz": the gas-in-place match of the document's last run, its text
// block, the P/Z plot and the misfit over the gas in place. Computed afresh from the document on every
// call (the match itself is kept while the run stays the same).
#include "doc/CZelvorDoc.h"
#include "views/AnalyseseiteZeichnen.h"

namespace zelvor {

Analyseseite MaterialbilanzSeite(const CZelvorDoc& doc);

}  // namespace zelvor
