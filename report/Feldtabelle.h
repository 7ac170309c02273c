#pragma once
// The field overview as text and as table cells: the wells' table (its columns, their texts and the
// order a column sorts by), the field's summary and its course over time. The window, its printout, the
// clipboard, the export and "zelvor-cli feld" all take their content from here.
#include <optional>
#include <string>
#include <vector>

#include "feld/Feld.h"

namespace zelvor {

enum class Feldspalte {
  Bohrung, Datei, Art, Aquifer, Start, Ogip, Gp, Anteil, CWert, N, Aof, QJetzt, Fuellstand, QEin, Restreserven, Jahre, GStern, RueckgangEur, Bemerkung,
  Anzahl
};

struct Feldspaltenangabe {
  const char* titel;    // the heading, with its unit
  int stellen;          // decimals of a number column; -1 for a text column
};
const Feldspaltenangabe& FeldspalteAngabe(Feldspalte s);
std::vector<Feldspalte> Feldspalten();

// A number column's value in the column's unit (the share in %), as the export gives it; nothing for a
// text column or a value the well does not have.
std::optional<double> FeldWert(const Feldbohrung& b, Feldspalte s);
// The cell as shown: numbers with the column's decimals, "-" where there is no value.
std::string FeldZelle(const Feldbohrung& b, Feldspalte s);
// The same cut for a table on the screen or a page: the name and the file at most ANZEIGE_ZEICHEN
// characters (report/Anzeigetext.h), so one huge name does not widen every row.
std::string FeldAnzeigezelle(const Feldbohrung& b, Feldspalte s);
// The order of a column: numbers by value, texts by their bytes, equal cells keep the wells' order. The
// empty cells of a number column come last in either direction: with absteigend the answer is for a
// caller that reverses it (a table sorting downwards), so they are the smallest there.
bool FeldZeileVor(const Feldbohrung& a, const Feldbohrung& b, Feldspalte s, bool absteigend = false);

// The wells' table as fixed-width lines: a heading line, then one line per well.
std::vector<std::string> FeldtabelleText(const std::vector<Feldbohrung>& bohrungen);
// Counts and totals of the field: wells by kind and failure, OGIP, Gp, rate, reserves, the last
// abandonment. With a Stand every number is the wells' at that date, as the rows and the course's first
// time give them: the Gp is the course's, the deliverable rate at p_min is at least the field's rate.
std::vector<std::string> FeldZusammenfassung(const Feldergebnis& f);
// The field's rate and production over time, a heading then one line per time.
// With the field's Stand, each row's date after the existing columns.
std::vector<std::string> FeldverlaufText(const Feldverlauf& v, std::optional<Tag> stand = std::nullopt);
// The production wells' declines summed beside their forecasts: the wells and EURs, then per time both
// field rates and what each gives from the Stand on; empty without a decline fit.
std::vector<std::string> FeldrueckgangText(const Feldrueckgang& r);
// All three, the decline beside the forecast, the storage wells' capacity by fill level and the site's storage year, separated by blank lines (and a note when
// the computation was cancelled).
std::vector<std::string> FeldText(const Feldergebnis& f);

}  // namespace zelvor
