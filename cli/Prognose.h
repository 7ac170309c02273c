#pragma once
// zelvor-cli forecast: the deliverability forecast of an evaluated production well, as text or JSON.
#include <ostream>

namespace zelvor::cli {

struct Argumente;

// The well's stored settings, each option given overriding its own. Exit 0, 1 (ABGEBROCHEN) when no
// forecast could be made, 2 for a wrong value or an unreadable file.
int Forecast(const Argumente& a, std::ostream& out, std::ostream& err);

}  // namespace zelvor::cli
