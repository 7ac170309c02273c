#pragma once
// The storage settings that came after the storage block: the facility (its name for the legal targets'
// exceptions, its injection and withdrawal limits) and whether a target list equal to the one that
// stands for the legal targets is the operator's own. A block of its own after the storage block, found
// by its tag, so that older readers skip it; written only when one of these is set, so that every other
// well keeps its bytes. Layout, little-endian: the tag "ZSPA", a 32-bit length of what follows, a 16-bit
// version (1), a flags byte (bit 0: own target list), the facility's injection and withdrawal limits in
// m3/h as floats, an 8-bit length and the facility's name in Windows-1252.
#include <span>
#include <vector>

#include "doc/Speichereinstellungen.h"

namespace zelvor {

void SpeicherzusatzblockAnhaengen(const Speichereinstellungen& s, std::vector<unsigned char>& bytes);
std::size_t SpeicherzusatzblockBytes(const Speichereinstellungen& s);  // 0 when none is written

// Takes the fields of the "ZSPA" block that `block` starts with into s; false (s unchanged) when it is
// none or not sound.
bool SpeicherzusatzblockLesen(std::span<const unsigned char> block, Speichereinstellungen& s);

}  // namespace zelvor
