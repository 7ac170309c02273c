#pragma once
// The aquifer of a document's well: the points its history runs along (the dated rate lines and the
// surveys with their measured P/Z), the history of the current settings, the fit to the surveys, and
// adopting the fit.
#include <optional>
#include <string>

#include "calc/Aquiferanpassung.h"
#include "calc/Aquiferfortschreibung.h"
#include "calc/Messbilanz.h"

namespace zelvor {

class CZelvorDoc;

// The evaluated rate lines (with their dates) and the surveys (P/Z from the survey balance's points).
Aquiferdatenlage AquiferdatenlageAus(const CZelvorDoc& doc, const Messbilanz& messungen);

// The history of the well's settings at its OGIP: why there is none, or every line's and survey's state.
Aquiferverlauf DokumentAquiferverlauf(const CZelvorDoc& doc);

// The well's model carried to the day start with Gp gpStart (its history over the lines and surveys
// dated before it), for what runs on from there: the forecasts and the storage operations. Nothing when
// the well has no model or no evaluation; a reason in the result when it cannot be computed.
std::optional<Aquiferstart> DokumentAquiferstart(const CZelvorDoc& doc, std::optional<Tag> start, double gpStart);

// The fit of the well's model to its surveys. The same inputs give the same fit without computing it
// again (views ask on every paint).
Aquiferanpassung DokumentAquiferanpassung(const CZelvorDoc& doc);

// Adopts a made fit: OGIP becomes its G (rounded as "Gasvorrat übernehmen" rounds), the aquifer settings
// its values, and the well is evaluated again. The German message when it cannot (the well unchanged).
std::optional<std::string> AquiferUebernehmen(CZelvorDoc& doc, const Aquiferanpassung& a);

}  // namespace zelvor
