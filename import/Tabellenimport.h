#pragma once
// Rate lines from spreadsheet data: CSV in both dialects (semicolon with decimal comma, comma with
// decimal point), tab-separated text, text pasted from a spreadsheet, and the rows of a workbook's
// first sheet. Leading rows with fewer than three numbers (title, headings, units) are skipped; the
// first row with three numbers fixes the three columns Gp, rate and wellhead flowing pressure; an empty
// row ends the data (and the result tells when further rows follow it). One bad row refuses the whole
// import, so nothing half-read reaches the well.
// A cell that holds a date ("01.03.2024", "1.3.2024", "2024-03-01", "03/2024", a workbook's date cell)
// is never a number. The date column is the one whose data cells are dates (or whose heading says
// "Datum" over cells that are no numbers); its dates go with the rows' lines, and every row's date,
// the first's too, must be a possible one.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "doc/CZelvorDoc.h"
#include "import/Importgrenzen.h"

namespace zelvor {

inline constexpr std::size_t MAX_TABELLENZEILEN = MAX_IMPORTZEILEN;
// Cells of a row beyond this many are not kept: the three columns the import needs come long before.
inline constexpr std::size_t MAX_TABELLENSPALTEN = 256;
// A cell longer than this is kept cut: no number is that long, and a message shows only its start.
inline constexpr std::size_t MAX_ZELLENLAENGE = 256;

// Which decimal separator a number cell may carry.
enum class Dezimalzeichen { Punkt, Komma, Beide };

struct Tabelle {
  std::vector<std::vector<std::string>> zeilen;  // cell texts (UTF-8), at most MAX_TABELLENZEILEN rows
  std::vector<std::string> texte;                // each row as the user sees it, for messages
  Dezimalzeichen dezimal = Dezimalzeichen::Beide;
  bool abgeschnitten = false;  // the source held more rows than were kept
};

struct Tabellenimport {
  bool uebernommen = false;  // false: refused, `meldung` says why and `zeilen` is empty
  CStringArray zeilen;       // the lines taken, formatted "%10.3f  %10.1f %15.1f" as by a rate file
  std::string meldung;
  std::size_t leerzeile = 0;  // the empty row (counted from 1) that ended the data while rows follow it; else 0
  Zeilendaten daten{};        // the lines' dates from the table's date column, by position
};

// A cell's number, when the whole cell (blanks around it aside) is one finite number with at most one
// decimal separator of the allowed kind and an optional exponent. Text, "nan", "inf" and numbers beyond
// single precision are no numbers.
bool ZelleAlsZahl(std::string_view zelle, Dezimalzeichen dezimal, float& wert);

// Splits a text into rows and cells. The field separator is the one that gives the most rows with three
// numbers: tab, semicolon, comma, or (with `leerraum`, for pasted text) runs of blanks. Double quotes
// enclose a cell as in CSV. A semicolon, tab or blank text takes the decimal separator most of its
// numbers use, a comma-separated text the point; a leading UTF-8 byte order mark is dropped, and a text
// that is no UTF-8 is read as Windows-1252.
// `zahlen`: the numbers a data row holds (the surveys have 2).
Tabelle TextAlsTabelle(std::string_view text, bool leerraum, int zahlen = 3);

// The row rules above on a split table.
Tabellenimport TabelleUebernehmen(const Tabelle& tabelle);

// The same rules for rows of `anzahl` values (1 to 3; the shut-in surveys take 2), read as numbers;
// `was` names the rows in the message about too many ("Ratenzeilen").
struct Tabellenwerte {
  bool uebernommen = false;
  std::vector<std::array<float, 3>> werte;
  Zeilendaten daten{};
  std::string meldung;
  std::size_t leerzeile = 0;  // as Tabellenimport's
};
Tabellenwerte TabellenwerteLesen(const Tabelle& tabelle, std::size_t anzahl, const char* was);

}  // namespace zelvor
