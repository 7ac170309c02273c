#pragma once
// The forecast as text lines, printf-style with a decimal point: the forecast view's table and summary,
// its printed table pages, the clipboard and "zelvor-cli forecast" all use these.
#include <optional>
#include <string>
#include <vector>

#include "calc/Datum.h"
#include "calc/Prognose.h"
#include "calc/Speicherkennlinien.h"

namespace zelvor {

// What the forecast was made with: the settings and the equation. A refused forecast adds its reason.
std::vector<std::string> PrognoseKopf(const Foerderprognose& p);
// The calendar: with a start date (the date of the forecast's first rate line) the rows, the summary and
// the range give dates ("TT.MM.JJJJ") besides the years; without one they are as they always were.
//
// A storage well's injection forecast also gives each row's fill level: % of the working gas (100 % when
// the working gas is in, which comes before the maximum reservoir pressure when the volumes say so) and,
// with a calorific value (kWh/m3), the working gas in store in GWh.
struct Fuellstandsspalte {
  Speichervolumen volumen;
  double ogip = 0;       // Mio m3
  double brennwert = 0;  // kWh/m3; 0: no GWh column
};

class CZelvorDoc;
// The well's fill-level column: for an injection well whose working gas and cushion gas are set and fit
// its gas in place; nothing for any other well.
std::optional<Fuellstandsspalte> DokumentFuellstandsspalte(const CZelvorDoc& doc);

// What "full" means on a storage well's page: the injection forecast fills up to the maximum reservoir
// pressure, the fill level (its column and the storage year) counts the working gas, 100 % being cushion
// gas plus working gas in store. Both ends with what is left to them, and the fill level the forecast
// ends at when that is not 100 %.
std::vector<std::string> FuellbezugText(const Foerderprognose& p, const Fuellstandsspalte& f);

// The two heading lines of the table's columns, repeated on every printed table page.
std::vector<std::string> PrognoseSpaltenkopf(bool injektion = false, bool datiert = false,
                                             const Fuellstandsspalte* fuellstand = nullptr);
std::string PrognoseZeilentext(const Prognosezeile& z, std::optional<Tag> start = std::nullopt,
                               const Fuellstandsspalte* fuellstand = nullptr);
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
                                      std::optional<Tag> start = std::nullopt,
                                      const Fuellstandsspalte* fuellstand = nullptr);

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
