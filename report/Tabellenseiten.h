#pragma once
// How the result table falls onto printed pages and how much room it takes on the screen. Sizes are in
// logical units (0.1 mm); a printable area is given by its width and height, both positive.
#include <string>
#include <vector>

namespace zelvor {

inline constexpr int ZEILEN_HOCHFORMAT = 61;  // table lines on a page taller than wide
inline constexpr int ZEILEN_QUERFORMAT = 40;  // on a page as wide as tall or wider

// Lines per page: portrait only when the height exceeds the width, so a square page counts as landscape.
// The drawing layer's rectangle has its top at 0 and a negative bottom: pass its negated height.
int ZeilenJeSeite(double breite, double hoehe);

// Pages for zeilenAnzahl lines: zeilenAnzahl / zeilenJeSeite + 1. A table that fills its last page exactly
// gets one more page with the header only, as the program always printed it.
int Seitenanzahl(int zeilenAnzahl, int zeilenJeSeite);

// The lines [von, bis) of page seite (from 1); empty for a page past the table.
struct Zeilenbereich {
  int von = 0;
  int bis = 0;
};
Zeilenbereich SeitenZeilen(int seite, int zeilenJeSeite, int zeilenAnzahl);

// The header line of every printed page.
std::string Seitenkopf(const std::string& titel);

// The screen table's scrolling surface. It ends one empty line beneath the last line, so that the view
// never scrolls on into blank space; it is at least TABELLE_BREITE wide and reaches the end of the longest
// line. The steps stay those of the historic 2000 x 11000 surface.
inline constexpr int TABELLE_BREITE = 2000;
inline constexpr int TABELLE_HISTORISCHE_HOEHE = 11000;
inline constexpr int TABELLE_SEITE_X = TABELLE_BREITE / 2;
inline constexpr int TABELLE_SEITE_Y = TABELLE_HISTORISCHE_HOEHE / 2;
inline constexpr int TABELLE_ZEILE_X = TABELLE_BREITE / 50;
inline constexpr int TABELLE_ZEILE_Y = TABELLE_HISTORISCHE_HOEHE / 50;

// Height of the surface for zeilenAnzahl lines at a pitch of zeilenabstand units: room for every line and
// one empty line beneath the last.
int TabellenFlaechenhoehe(int zeilenAnzahl, double zeilenabstand);

// Width of the surface for lines of up to zeichen characters of zeichenbreite units: the left margin of
// one character, the text and one character to spare, at least TABELLE_BREITE.
int TabellenFlaechenbreite(int zeichen, double zeichenbreite);

// Characters (code points) in the longest of the UTF-8 lines; the table's font is fixed-pitch.
int LaengsteZeile(const std::vector<std::string>& zeilen);

}  // namespace zelvor
