#pragma once
// The tables a well gives to the export: its evaluated rate lines, its characteristic values and the
// graph series. An analysis that adds tables of its own appends them in ExporttabellenDesDokuments.
#include <vector>

#include "doc/CZelvorDoc.h"
#include "export/Exporttabelle.h"

namespace zelvor {

// Every evaluated line at full precision: Gp, Q, the three pressures, P/Z, C; when a line is dated,
// then a column "Datum" ("TT.MM.JJJJ", empty for an undated line), which the import takes back.
Exporttabelle RatenzeilenTabelle(const Laufdaten& lauf, const Zeilendaten& daten = {});
// Name, Zi, Bgi, mean C-value and, when the run made one, the variable C-value's line.
Exporttabelle KennwerteTabelle(const CZelvorDoc& doc);
// The graph's two series over Gp, headed by their captions.
Exporttabelle GrafikTabelle(const CZelvorDoc& doc);
// The deliverability analysis of the run: fits, open flow at both pressures, and why a model is missing.
// An injection well's at the maximum wellhead injection pressure pMax (0: the initial reservoir pressure).
Exporttabelle LieferfaehigkeitTabelle(const Laufdaten& lauf, double pMax = 0);
// The forecast with the document's settings: its rows, and its settings with the summary (or why no
// forecast was made).
std::vector<Exporttabelle> PrognoseTabellen(const CZelvorDoc& doc);
// The gas-in-place match: its values (or why none was made) and the misfit S over the trial gas in place.
std::vector<Exporttabelle> AbgleichTabellen(const CZelvorDoc& doc);

// A storage well with storage settings: its capacity by fill level, its storage year and fill targets.
std::vector<Exporttabelle> SpeicherTabellen(const CZelvorDoc& doc);
// The shut-in pressure surveys with their P/Z ("Schließdruckmessungen") and the two fits over them
// ("Schließdruckanpassung"); nothing for a well without surveys.
std::vector<Exporttabelle> MessbilanzTabellen(const CZelvorDoc& doc);

// A well with an aquifer model: its history under the current settings ("Aquiferverlauf"), the fit to
// the surveys ("Aquiferanpassung") and the fit's diagnostic points ("Aquiferdiagramme").
std::vector<Exporttabelle> AquiferTabellen(const CZelvorDoc& doc);
// A production well's decline fit of its dated rate lines ("Förderrückgang"): its values with their 95 %
// intervals, or why there is none; nothing for a well without dated lines.
std::vector<Exporttabelle> RueckgangTabellen(const CZelvorDoc& doc);

std::vector<Exporttabelle> ExporttabellenDesDokuments(const CZelvorDoc& doc);

}  // namespace zelvor
