#pragma once
// The storage settings in the well file: a block of its own after the forecast settings and dates
// blocks, found by its tag among the blocks after the last rate line (doc/ZlvArchivBloecke.h), so that
// readers that do not know it skip it. A well without storage settings writes none; a working gas of 0
// stands for one not given yet, beside other settings that are. Layout, little-endian: the tag "ZSPE", a
// 32-bit length of what follows, a 16-bit version (1), the working gas, cushion gas, calorific value
// and planned withdrawal rate as floats, the four season days as month and day bytes, the start day
// as a 32-bit day (INT32_MIN: none), a 16-bit count of fill targets and for each its month and day
// bytes and its fill level in % as a float.
#include <optional>
#include <span>
#include <vector>

#include "doc/Speichereinstellungen.h"

namespace zelvor {

void SpeicherblockAnhaengen(const Speichereinstellungen& s, std::vector<unsigned char>& bytes);
// The block's size for these settings (0 when none is written).
std::size_t SpeicherblockBytes(const Speichereinstellungen& s);

// The settings of a "ZSPE" block at the start of `block`. Nothing when there is none or it is not sound.
std::optional<Speichereinstellungen> SpeicherblockLesen(std::span<const unsigned char> block);

}  // namespace zelvor
