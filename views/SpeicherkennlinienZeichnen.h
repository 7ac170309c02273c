#pragma once
// The page of the view "Speicherkennlinien": a storage well's capacity by fill level, its table and both
// curves; for any other well the one sentence that says what is missing. Computed afresh on every call.
#include "doc/CZelvorDoc.h"
#include "views/AnalyseseiteZeichnen.h"

namespace zelvor {

Analyseseite SpeicherkennlinienSeite(const CZelvorDoc& doc);

}  // namespace zelvor
