#pragma once
// The forecast settings in the well file: a block after the last rate line, which readers that know
// only the rate lines skip. Layout, little-endian: the tag "ZFPG", a 32-bit length of what follows,
// a 16-bit version, then p_min, Q_plan, Q_end as floats and the C model and step count as 32-bit
// integers. Version 2 adds the injection settings as floats: p_max, the planned and the minimum
// injection rate, the maximum reservoir pressure. Version 1 is written while those are at their
// defaults, so a file stays readable by a program that knows version 1 only, which ignores a block of
// another version and opens the well with the default settings.
#include <optional>
#include <span>
#include <vector>

#include "doc/Prognoseeinstellungen.h"

namespace zelvor {

inline constexpr std::size_t PROGNOSEBLOCK_BYTES = 4 + 4 + 2 + 3 * 4 + 2 * 4;
inline constexpr std::size_t PROGNOSEBLOCK_V2_BYTES = PROGNOSEBLOCK_BYTES + 4 * 4;

// Appends the block, but only when a setting differs from its default: a well without settings keeps
// the bytes it always had.
void PrognoseblockAnhaengen(const Prognoseeinstellungen& e, std::vector<unsigned char>& bytes);

// The settings of a block at the start of rest (the bytes after the last rate line). Nothing when
// there is no block or its tag, length, version or values are not sound; what follows it is ignored.
std::optional<Prognoseeinstellungen> PrognoseblockLesen(std::span<const unsigned char> rest);

}  // namespace zelvor
