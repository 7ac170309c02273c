#pragma once
// The forecast as text lines, printf-style with a decimal point: the forecast view's table and summary,
// its printed table pages, the clipboard and "zelvor-cli forecast" all use these.
#include <optional>
#include <string>
#include <vector>

#include "calc/Datum.h"
#include "calc/Prognose.h"

namespace zelvor {

// What the forecast was made with: the settings and the equation. A refused forecast adds its reason.
std::vector<std::string> PrognoseKopf(const Foerderprognose& p);
// The calendar: with a start date (the date of the forecast's first rate line) the rows, the summary and
// the range give dates ("TT.MM.JJJJ") besides the years; without one they are as they always were.
//
// The two heading lines of the table's columns, repeated on every printed table page.
std::vector<std::string> PrognoseSpaltenkopf(bool injektion = false, bool datiert = false);
std::string PrognoseZeilentext(const Prognosezeile& z, std::optional<Tag> start = std::nullopt);
// The date `jahre` after the start, "TT.MM.JJJJ"; beyond the calendar's years "nach 2199" (or
// "vor 1900"); "" for no number of years.
std::string PrognoseDatum(Tag start, double jahre);
// Gp at abandonment, remaining reserves, recovery factor, plateau duration, time, Q_max at the start;
// an injection well's: Gp at the end, the volume still to inject, plateau duration, time to the end, the
// rate at the start and why it ends.
std::vector<std::string> PrognoseZusammenfassung(const Foerderprognose& p, std::optional<Tag> start = std::nullopt);

// The range of the remaining reserves and of the years to abandonment at the ends of the gas in place's
// interval, or why an end has none.
std::vector<std::string> PrognosebereichText(const Prognosebereich& b, std::optional<Tag> start = std::nullopt);

// All of it: the head, and when the forecast was made, a blank line, the table and the summary, with
// the range when there is one.
std::vector<std::string> PrognoseText(const Foerderprognose& p, const Prognosebereich* bereich = nullptr,
                                      std::optional<Tag> start = std::nullopt);

// The printed table: zeilen rows at zeilenJeSeite lines a page, the summary of summe lines kept whole
// beneath the last rows, or on a page of its own when it does not fit there. How many pages (at least
// one), and which rows [von, bis) page seite (from 1) holds and whether the summary follows them.
int PrognoseTabellenseiten(int zeilen, int summe, int zeilenJeSeite);
struct PrognoseSeitenzeilen {
  int von = 0, bis = 0;
  bool summe = false;
};
PrognoseSeitenzeilen PrognoseTabellenseite(int seite, int zeilen, int summe, int zeilenJeSeite);

}  // namespace zelvor
