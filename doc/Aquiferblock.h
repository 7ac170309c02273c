#pragma once
// The well's aquifer settings in a block of their own after the rate lines, found by its tag, so that
// older readers skip it; written only when a model is set, so that every other well keeps its bytes.
// Layout, little-endian: the tag "ZAQU", a 32-bit length of what follows, a 16-bit version (1), the
// model (1 to 3), the form (0 radial, 1 linear), a flags byte (bit 0: a start of production is given),
// the start of production as a signed 32-bit day (0 when none), then 14 doubles: angle, radius, ratio
// (+inf: unbounded), width, length, thickness, porosity, permeability, compressibility, viscosity, pot
// volume, the gas zone's formation compressibility and connate water saturation, water-gas ratio.
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "calc/Aquiferdaten.h"

namespace zelvor {

void AquiferblockAnhaengen(const Aquiferdaten& a, std::vector<unsigned char>& bytes);
std::size_t AquiferblockBytes(const Aquiferdaten& a);  // 0 when none is written

// The settings of the "ZAQU" block that `block` starts with; nothing when it is none, of another
// version, or holds a value AquiferwerteZulaessig refuses.
std::optional<Aquiferdaten> AquiferblockLesen(std::span<const unsigned char> block);

}  // namespace zelvor
