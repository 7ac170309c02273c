#pragma once
// The forecast of a well, whichever kind it is: a production well's or a storage well's.
#include "calc/Prognosemodell.h"

namespace zelvor {

// From a run (Laufdaten of a complete run), with the entered gas in place or the one the settings name.
// Never leaves NaN or infinity in its numbers.
Foerderprognose PrognoseBerechnen(const Laufdaten& lauf, const PrognoseEingaben& e);

}  // namespace zelvor
