#pragma once
// The dates block of the well file: the rate lines' dates and the shut-in pressure surveys, after the
// forecast settings block (or, without one, after the last rate line). Readers that know only the
// forecast block take that block and ignore what follows; a well without dates and surveys writes no
// dates block, so its file keeps the bytes it always had. Layout, little-endian: the tag "ZDAT", a
// 32-bit length of what follows, a 16-bit version (1), a 32-bit count of line dates and as many 32-bit
// days (doc/Schliessdruckmessung.h; KEIN_TAG for an undated line), a 32-bit count of surveys and for
// each its day, Gp and pressure as floats and its kind as one byte.
#include <optional>
#include <span>
#include <vector>

#include "doc/Schliessdruckmessung.h"

namespace zelvor {

inline constexpr std::int32_t KEIN_TAG = INT32_MIN;

struct Messdaten {
  Zeilendaten daten;
  std::vector<Schliessdruckmessung> messungen;
};

// Appends the block for a well of `zeilen` rate lines (dates beyond them are not written), unless it
// has neither a dated line nor a survey.
void MessdatenblockAnhaengen(const Messdaten& m, std::size_t zeilen, std::vector<unsigned char>& bytes);

// The block at the start of `rest`, for a well of `zeilen` rate lines. Nothing when there is none or it
// is not sound (a tag, length, version, count or value no well can hold); what follows is ignored.
std::optional<Messdaten> MessdatenblockLesen(std::span<const unsigned char> rest, std::size_t zeilen);

// Where a survey may lie: Gp from 0 up to the largest gas in place a well takes (as its rate lines' Gp),
// a pressure above 0 and below MAX_MESSDRUCK, both finite.
inline constexpr float MAX_MESSDRUCK = 3000.0f;
inline constexpr float MAX_MESS_GP = 90000.0f;
bool MessungSinnvoll(const Schliessdruckmessung& m);
// Those bounds for a message: "Gp muss zwischen 0 und 90000 Mio m3 liegen, der Druck über 0 und unter 3000 bar".
std::string MessungsgrenzenText();

}  // namespace zelvor
