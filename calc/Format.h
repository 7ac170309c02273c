#pragma once
// printf/scanf-style formatting and scanning that always use the decimal point, whatever locale the
// process runs under (a GUI switches LC_NUMERIC to the user's locale; the results must not change).
#include <string>

namespace zelvor {

// snprintf into a std::string, under the "C" locale.
// On Windows MinGW's C99 printf does the work (__USE_MINGW_ANSI_STDIO), not the system's.
#ifdef __MINGW32__
#define ZELVOR_PRINTF gnu_printf
#else
#define ZELVOR_PRINTF printf
#endif
std::string Formatiere(const char* format, ...) __attribute__((format(ZELVOR_PRINTF, 1, 2)));

// sscanf under the "C" locale; returns what sscanf returns (EOF for an input that is empty or all blanks).
int Scanne(const char* text, const char* format, ...) __attribute__((format(scanf, 2, 3)));

// A number for a German sentence: plain decimals, never an exponent ("1000000", "0.1"), with as few
// decimals as read back to the same double. Infinity and NaN as printf writes them.
std::string ZahlOhneExponent(double wert);

// A count with its noun in the right number: "1 Bohrung", "0 Bohrungen", "3 Bohrungen".
std::string Anzahltext(long long anzahl, const char* einzahl, const char* mehrzahl);

}  // namespace zelvor

namespace zelvor {

// Appends what printf's "%<breite>.<stellen>f" gives for `wert`, without going through printf: the
// result table's lines are formatted by the thousand and printf's exact digit generation is slow.
// Same digits, same rounding, same padding.
void FestAnhaengen(std::string& ziel, double wert, int breite, int stellen);

// Reads a number as scanf's "%f" does, for the plain decimal forms that rate lines hold; answers
// false (nothing consumed) for anything else, which the caller then hands to Scanne.
bool EinfacheZahlLesen(const char*& text, float& wert);

}  // namespace zelvor
