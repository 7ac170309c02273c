#pragma once
// The storage's volumes judged by the run's material balance: whether the inventory at 100 % (cushion
// gas plus working gas) is the one at the maximum reservoir pressure, and whether the inventory now lies
// below the cushion gas. The settings dialog, the capacity curves, the storage year and their texts all
// say what this finds.
#include <optional>
#include <string>
#include <vector>

#include "calc/Laufdaten.h"
#include "calc/Speicherkennlinien.h"

namespace zelvor {

// How far the balance's pressure at 100 % may lie from the maximum reservoir pressure before one of the
// two inputs counts as likely wrong, and from how far above it no storage is run like this.
inline constexpr double SPEICHER_DRUCK_TOLERANZ = 0.1;
inline constexpr double SPEICHER_DRUCK_WEIT = 1.5;

// One German sentence per finding, none when the volumes agree with the balance. pResMax: the maximum
// reservoir pressure (bar); gpJetzt: Gp now, when known. A run without a balance finds nothing.
std::vector<std::string> SpeicherHinweise(const Laufdaten& lauf, const Speichervolumen& v, double pResMax,
                                          std::optional<double> gpJetzt);

}  // namespace zelvor
