#pragma once
// The two diagrams of the view "Förderrückgang": the rates over the calendar (logarithmic, where an
// exponential decline is a straight line) with the fitted curve, its continuation to the limit and, when
// the forecast is dated, the deliverability forecast's rate; and the rates over Gp (linear, where an
// exponential decline is a straight line too).
#include <optional>

#include "calc/Datum.h"
#include "calc/Prognosemodell.h"
#include "calc/Rueckgang.h"
#include "feld/Feldrueckgang.h"
#include "report/Diagramm.h"

namespace zelvor {

// `prognose` with its start date: drawn beside the fit; nothing: none.
Diagramm RueckgangDiagrammZeit(const Rueckgang& r, const Foerderprognose* prognose = nullptr,
                               std::optional<Tag> prognoseStart = std::nullopt);
Diagramm RueckgangDiagrammGp(const Rueckgang& r);

// The field's summed declines and the same wells' summed forecasts over the calendar from the Stand.
Diagramm FeldrueckgangDiagramm(const Feldrueckgang& r);

// The fitted curve as (years from its start, rate) at `schritte` steps from `von` to `bis` years.
void RueckgangKurve(const Rueckgang& r, double von, double bis, int schritte, std::vector<double>& t, std::vector<double>& q);

}  // namespace zelvor
