#pragma once
// The dated data of a well besides its rate lines: the date of each rate line and the shut-in pressure
// surveys ("Schließdruckmessungen"). Both are optional; a well without them is stored as before.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/Datum.h"

namespace zelvor {

// What a survey's pressure is: the static bottomhole pressure at the well's depth, or the shut-in
// wellhead pressure, which the well's B1 turns into the bottomhole one as at rate 0.
enum class Messart : std::uint8_t { Sohle = 0, Kopf = 1 };

struct Schliessdruckmessung {
  std::optional<Tag> datum;
  float gp = 0;     // Mio m3
  float druck = 0;  // bar
  Messart art = Messart::Sohle;
  bool operator==(const Schliessdruckmessung&) const = default;
};

// More surveys than any well has; the bound keeps a hostile file or table small.
inline constexpr std::size_t MAX_MESSUNGEN = 3000;

// One date per rate line, by position; a list shorter than the lines leaves the rest undated.
using Zeilendaten = std::vector<std::optional<Tag>>;

// The date of line i, if it has one.
inline std::optional<Tag> ZeilenDatum(const Zeilendaten& d, std::size_t i) {
  return i < d.size() ? d[i] : std::nullopt;
}

// One survey as a line of text: Gp, pressure, "Sohle" or "Kopf", and the date when it has one.
std::string SchliessdruckmessungText(const Schliessdruckmessung& m);

// The same dates for the same lines: trailing undated lines count as absent entries.
bool ZeilendatenGleich(const Zeilendaten& a, const Zeilendaten& b);

// Some line has a date.
bool ZeilendatenVorhanden(const Zeilendaten& d);

}  // namespace zelvor
