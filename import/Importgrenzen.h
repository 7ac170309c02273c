#pragma once
// The bounds every reader of rate data keeps, whatever the file turns out to be: checked before the
// reader is chosen, so a rate file is held to them as a spreadsheet is.
#include <cstddef>

namespace zelvor {

// Larger files are refused unread.
inline constexpr std::size_t MAX_IMPORTDATEI = 16u * 1024 * 1024;
// More rows than a run evaluates lines (300) ten times over are no rate data of a well.
inline constexpr std::size_t MAX_IMPORTZEILEN = 3000;

}  // namespace zelvor
