#pragma once
// zelvor-cli aquifer: the water influx of the well's aquifer model under its current settings, at every
// dated rate line and survey (text or JSON); and the aquifer fit's JSON for zelvor-cli ogip.
#include <ostream>
#include <string>

#include "calc/Aquiferanpassung.h"

namespace zelvor::cli {

struct Argumente;

// Exit 0, 1 (ABGEBROCHEN) with the reason when the history cannot be computed, 2 for a bad call or file.
int AquiferBefehl(const Argumente& a, std::ostream& out, std::ostream& err);

// Every number of a fit, its intervals and the diagnostic plots' points.
std::string AquiferanpassungJson(const Aquiferanpassung& a);

}  // namespace zelvor::cli
