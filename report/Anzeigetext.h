#pragma once
// Texts cut for display. A well's name or a path can be megabytes long in a damaged or foreign file;
// a table column, a caption or a diagram shows one line of it, and no drawing or output may grow with
// such a text times the number of wells. The well file keeps the whole text.
#include <cstddef>
#include <string>
#include <vector>

namespace zelvor {

// A name or a path in a column or a caption: wider than any window or page shows.
inline constexpr std::size_t ANZEIGE_ZEICHEN = 100;
// A line of the result table as drawn: far beyond a landscape page or a screen's width.
inline constexpr std::size_t ANZEIGE_ZEILE_ZEICHEN = 400;

// The text when it has at most zeichen characters (UTF-8), else its first zeichen - 1 and "…".
std::string FuerAnzeige(const std::string& text, std::size_t zeichen = ANZEIGE_ZEICHEN);
// A path the same way, but keeping its end, where the file's name is: "…" and the last zeichen - 1.
std::string PfadFuerAnzeige(const std::string& pfad, std::size_t zeichen = ANZEIGE_ZEICHEN);

// A picture's text block (an analysis page as PNG or SVG): at most this many lines of at most this many
// characters. A page with thousands of surveys would otherwise make a picture metres high.
inline constexpr std::size_t BILD_TEXTZEILEN = 120;
inline constexpr std::size_t BILD_ZEILE_ZEICHEN = 200;

// The lines as a picture shows them: each cut as FuerAnzeige cuts, and beyond BILD_TEXTZEILEN the rest
// replaced by one line that says how many lines the picture leaves out.
std::vector<std::string> TextFuerBild(const std::vector<std::string>& zeilen);

}  // namespace zelvor
