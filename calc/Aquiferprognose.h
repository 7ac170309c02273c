#pragma once
// The forecast of a well with an aquifer model, on the calendar: from the last dated rate line, with the
// model's state there (its influx and the aquifer's pressure carried over, not started again), in steps of
// at most a month, each solving the balance with the influx of its own time; hence the static pressure,
// the deliverability, the plateau's end and the abandonment (an injection well's end) with the water's
// support. Rows and summary are those of the closed tank's forecast, each row's years from the calendar.
#include <optional>
#include <vector>

#include "calc/Aquiferanpassung.h"
#include "calc/Prognosemodell.h"

namespace zelvor {

struct Prognoseaquifer {
  Aquiferdaten daten;
  std::vector<Aquiferereignis> ereignisse;  // the history: the dated rate lines and surveys
  std::optional<Tag> start;                 // the day of the last rate line, where the forecast starts
};

// The forecast ends at the latest this many years after its start, the abandonment rate not reached.
inline constexpr double AQUIFERPROGNOSE_HORIZONT = 100;
// Its longest step, days: a month. A forecast of fewer steps steps finer, so that its rows interpolate
// between close points.
inline constexpr double AQUIFERPROGNOSE_SCHRITT = 365.25 / 12;
inline constexpr int AQUIFERPROGNOSE_MINDESTSCHRITTE = 200;

// For a production or an injection well (lauf.injektion) with e.aquifer set. Never NaN or infinity.
Foerderprognose AquiferprognoseBerechnen(const Laufdaten& lauf, const PrognoseEingaben& e);

// Points of each interval at which the range is made: both ends and the middle.
inline constexpr int AQUIFERBEREICH_STUETZSTELLEN = 3;

// The forecast with e over an aquifer fit's interval: G and the aquifer's size (when the fit found one)
// each at both ends of its interval and between them, every combination, since the result need not be
// monotone in either. The ends are the forecasts at both lower and at both upper ends; the ranges hold
// every forecast made and schaetzung (the well's own). Nothing when the fit was not made.
std::optional<Prognosebereich> AquiferPrognosebereich(const Laufdaten& lauf, const PrognoseEingaben& e,
                                                      const Aquiferanpassung& fit,
                                                      const Foerderprognose* schaetzung = nullptr);

}  // namespace zelvor
