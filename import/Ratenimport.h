#pragma once
// Rate lines from a file of any kind the program understands, told by the file's content, not its name:
// a rate file (a heading, then "Gp rate pressure" lines), CSV or tab-separated text from a spreadsheet,
// or an .xlsx/.ods workbook. A file the rate-file rules read stays a rate file with all its rules. The
// bounds of Importgrenzen.h hold before the reader is chosen; a file that is none of these (nothing of
// it reads as rate lines) is refused with a sentence saying what was expected. A refused import takes
// nothing: the list it was meant for stays as it was.
// Text in UTF-16 with a byte order mark (Excel's "Unicode text") is read as its UTF-8.
#include <optional>
#include <string>
#include <string_view>

#include "import/Importgrenzen.h"
#include "import/Ratendatei.h"
#include "import/Tabellenimport.h"

namespace zelvor {

enum class Ratenquelle { Ratendatei, Tabellentext, Arbeitsmappe };

Ratenquelle RatenquelleErkennen(std::string_view inhalt);

// Excel's "Unicode text" is tab-separated UTF-16 with a byte order mark; the readers take UTF-8. Nothing
// when the text has no such mark.
std::optional<std::string> Utf16NachUtf8(std::string_view s);

// The file at `pfad`; `geoeffnet` false when it cannot be read.
RatendateiImport RatenImportLesen(const std::string& pfad);

// The same on a file's content in memory.
RatendateiImport RatenImportAusInhalt(std::string_view inhalt);

// Text from the clipboard: rows of cells separated by tabs, semicolons or blanks.
Tabellenimport EinfuegetextLesen(std::string_view text);

// What the status adds when an empty row ended the data while rows follow it (leerzeile, counted from
// 1, as Tabellenimport gives it); empty for 0.
std::string LeerzeilenHinweis(std::size_t leerzeile);

}  // namespace zelvor
