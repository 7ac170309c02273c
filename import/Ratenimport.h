#pragma once
// Rate lines from a file of any kind the program understands, told by the file's content, not its name:
// a rate file (a heading, then "Gp rate pressure" lines), CSV or tab-separated text from a spreadsheet,
// or an .xlsx/.ods workbook. A file the rate-file rules read stays a rate file with all its rules.
// Text in UTF-16 with a byte order mark (Excel's "Unicode text") is read as its UTF-8.
#include <string>
#include <string_view>

#include "import/Ratendatei.h"
#include "import/Tabellenimport.h"

namespace zelvor {

// Files above this size are not read into memory: a workbook is refused, text goes to the rate-file
// reader, which reads one short line at a time.
inline constexpr std::size_t MAX_IMPORTDATEI = 16u * 1024 * 1024;

enum class Ratenquelle { Ratendatei, Tabellentext, Arbeitsmappe };

Ratenquelle RatenquelleErkennen(std::string_view inhalt);

// The file at `pfad`; `geoeffnet` false when it cannot be read.
RatendateiImport RatenImportLesen(const std::string& pfad);

// The same on a file's content in memory.
RatendateiImport RatenImportAusInhalt(std::string_view inhalt);

// Text from the clipboard: rows of cells separated by tabs, semicolons or blanks.
Tabellenimport EinfuegetextLesen(std::string_view text);

}  // namespace zelvor
