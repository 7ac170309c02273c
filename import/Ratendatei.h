#pragma once
// Import of rate lines from a plain text file (Windows-1252): a heading line, then one line per operating
// point with Gp, rate and wellhead flowing pressure. The file dialog and the message boxes are the GUI's.
#include "doc/CZelvorDoc.h"

#include <string>
#include <string_view>
#include <vector>

namespace zelvor {

struct RatendateiImport {
  bool geoeffnet = false;              // the file could be opened
  CStringArray zeilen;                 // the lines taken, formatted "%10.3f  %10.1f %15.1f"
  std::vector<std::string> meldungen;  // message boxes in order, after the one of RatendateiOeffnenMeldung
  bool leerzeileAbbruch = false;       // ended at an empty line: status and line field stay as they were
  std::string status;                  // "%d Zeilen wurden eingelesen"; empty when leerzeileAbbruch
  bool geaendert = false;              // at least one line taken
  bool abgelehnt = false;              // a table or workbook refused as a whole: the list stays as it was
  Zeilendaten daten;                   // the lines' dates (a table's date column), by position
};

// The box the dialog shows before reading: the path followed by " wird geöffnet".
std::string RatendateiOeffnenMeldung(const std::string& pfad);

// Reads the file one line at a time, never holding more than one short line of it. Lines beyond
// MAX_IMPORTZEILEN end the import with a message, as a bad line does.
RatendateiImport RatendateiEinlesen(const std::string& pfad);

// The same rules on a file image in memory.
RatendateiImport RatendateiAusText(std::string_view inhalt);

}  // namespace zelvor
