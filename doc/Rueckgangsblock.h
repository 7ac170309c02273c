#pragma once
// The decline analysis's settings in the well file: a block of its own after the others, found by its
// tag, so that older readers skip it; written only when a setting differs from its default, so that every
// other well keeps its bytes. Layout, little-endian: the tag "ZRUE", a 32-bit length of what follows, a
// 16-bit version (1), the model (8 bits), a flags byte (bit 0: a start is set), the start's day (32 bits,
// 0 without one), the economic limit (float, m3/h), the terminal decline (float, % a year), a 32-bit count
// and that many 32-bit line numbers.
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "doc/Rueckgangseinstellungen.h"

namespace zelvor {

std::size_t RueckgangsblockBytes(const Rueckgangseinstellungen& e);  // 0 when none is written
void RueckgangsblockAnhaengen(const Rueckgangseinstellungen& e, std::vector<unsigned char>& bytes);

// The settings of the "ZRUE" block that `block` starts with; nothing when it is none or not sound.
std::optional<Rueckgangseinstellungen> RueckgangsblockLesen(std::span<const unsigned char> block);

}  // namespace zelvor
