#pragma once
// The forecast of a production well's deliverability over the rest of its reservoir's life: from the
// last evaluated rate line down to the abandonment rate, at a minimum wellhead flowing pressure, with
// the run's own material balance and pressures.
#include <optional>
#include <string>

#include "calc/Prognosemodell.h"

namespace zelvor {

// Why these settings and this run give no forecast (one German sentence), or nothing.
std::optional<std::string> FoerderprognoseAblehnung(const Laufdaten& lauf, const PrognoseEingaben& e);

// From a complete run of a production well. Never leaves NaN or infinity in its numbers.
Foerderprognose FoerderprognoseBerechnen(const Laufdaten& lauf, const PrognoseEingaben& e);

}  // namespace zelvor
