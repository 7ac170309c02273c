#pragma once
// The forecast of an injection (storage) well ("Einspeicherprognose"): from the last rate line's Gp
// downwards, as gas is injected, at the maximum wellhead injection pressure, until the reservoir reaches
// its maximum pressure or the rate the well takes falls to the minimum rate.
#include <optional>
#include <string>

#include "calc/Prognosemodell.h"

namespace zelvor {

// Why these settings and this run give no forecast (one German sentence), or nothing.
std::optional<std::string> EinspeicherprognoseAblehnung(const Laufdaten& lauf, const PrognoseEingaben& e);

// From a complete run of an injection well. Never leaves NaN or infinity in its numbers.
Foerderprognose EinspeicherprognoseBerechnen(const Laufdaten& lauf, const PrognoseEingaben& e);

}  // namespace zelvor
