#pragma once
// zelvor-cli ogip: the gas in place matched to the flowing data of an evaluated production well, as the
// view's text block or one JSON object; --apply stores the matched value as the well's OGIP.
#include <ostream>

namespace zelvor::cli {

struct Argumente;

// Exit 0, 1 (ABGEBROCHEN) with the reason when no match could be made, 2 for an unreadable or
// unwritable file or a matched value outside the OGIP's range.
int Ogip(const Argumente& a, std::ostream& out, std::ostream& err);

}  // namespace zelvor::cli
