#pragma once
// The field's rate over time as a stacked diagram: one band per production well (the wells with the
// largest remaining reserves, the rest as one band "Weitere (k)"), the top edge the field's rate (in
// 1000 m3/h once it reaches a million m3/h).
#include <cstddef>
#include <string>

#include "feld/Feld.h"
#include "report/Diagramm.h"

namespace zelvor {

inline constexpr std::size_t FELDDIAGRAMM_BAENDER = 12;  // at most, the last one then holds the rest
inline constexpr std::size_t FELDDIAGRAMM_ZEITEN = 200;  // times along the axis
// A legend entry's text fits its column (half the frame's width) in this many characters; a longer
// name is shortened in its middle.
inline constexpr std::size_t FELDDIAGRAMM_LEGENDE_ZEICHEN = 17;

Diagramm FeldDiagramm(const Feldergebnis& f, std::size_t hoechstensBaender = FELDDIAGRAMM_BAENDER);

// For the window's tooltip: a line per band of its own, its legend text, the well's whole name where
// the legend shortens it, and the well's file.
std::string FeldLegendenhinweis(const Feldergebnis& f, std::size_t hoechstensBaender = FELDDIAGRAMM_BAENDER);

}  // namespace zelvor
