#pragma once
// The first sheet of an .xlsx or .ods workbook as rows of cell texts, read with liborcus. Numbers come
// as texts with a decimal point; a formula gives its stored result. The archive's central directory is
// checked before liborcus sees it, and what is kept is bounded (rows, cell length).
#include <string>
#include <string_view>

#include "import/Tabellenimport.h"

namespace zelvor {

// True when the bytes start like a zip archive (a workbook, or a file that claims to be one).
bool IstZipArchiv(std::string_view inhalt);

// "" and the table, or a German message (not a workbook, damaged, too big) and an empty table.
// A build without liborcus (ArbeitsmappeOhneOrcus.cpp; the Windows build) answers KEINE_ARBEITSMAPPEN.
std::string ArbeitsmappeLesen(std::string_view inhalt, Tabelle& tabelle);

inline constexpr const char* KEINE_ARBEITSMAPPEN =
    "Arbeitsmappen (.xlsx, .ods) liest diese Ausgabe von zelvor nicht; bitte die Tabelle als CSV-Datei "
    "speichern und diese w\xC3\xA4hlen.";

}  // namespace zelvor
