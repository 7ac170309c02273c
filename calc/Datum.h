#pragma once
// Calendar days as whole numbers: days since 1 January 1970 (proleptic Gregorian), so that the days
// between two dates are a subtraction. Only the years 1900 to 2199 are dates here: nothing a gas well
// measures lies outside, and the bound keeps every sum of days far from overflow.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zelvor {

using Tag = std::int32_t;

inline constexpr int ERSTES_JAHR = 1900;
inline constexpr int LETZTES_JAHR = 2199;

// The day of a date, or nothing when there is no such date (31.02., month 13, a year out of range).
std::optional<Tag> TagAusDatum(int jahr, int monat, int tag);

struct Kalenderdatum {
  int jahr = 1970, monat = 1, tag = 1;
};
Kalenderdatum DatumAusTag(Tag t);
// t is a day of the years above.
bool TagImBereich(Tag t);

// The forms a date is typed or exported in: "01.03.2024", "1.3.2024", "2024-03-01" and "03/2024" (the
// first of the month). Blanks around it are allowed, nothing else.
std::optional<Tag> DatumLesen(std::string_view text);

// Whether a text has the shape of a date, a possible one or not: "31.02.2024", "00.00.0000", "1.1.99999",
// "2024-13-45", "13/2024", also with a time of day ("01.03.2024 12:00", "2024-03-01T12:00:00"). A cell of
// such a shape means a date, even where it names no day of the range of dates.
bool WieEinDatum(std::string_view text);

// "TT.MM.JJJJ", as dates are shown.
std::string DatumText(Tag t);
// "JJJJ-MM-TT", as JSON gives them.
std::string DatumIso(Tag t);

// The day `jahre` years after t, in the forecast's years of 365 days; nothing when that leaves the range
// of dates.
std::optional<Tag> TagNachJahren(Tag t, double jahre);

// The calendar year with its fraction (2024.0 is 1 January 2024), for a time axis.
double Jahreszahl(Tag t);

}  // namespace zelvor
