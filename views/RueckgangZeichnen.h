#pragma once
// The page of the view "Förderrückgang": the decline fit of the document's dated rate lines with its
// values, the comparison with the deliverability forecast, the rates over the calendar and over Gp.
// Computed afresh from the document on every call.
#include "doc/CZelvorDoc.h"
#include "views/AnalyseseiteZeichnen.h"

namespace zelvor {

Analyseseite RueckgangSeite(const CZelvorDoc& doc);

}  // namespace zelvor
