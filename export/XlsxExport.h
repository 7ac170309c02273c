#pragma once
// The Excel workbook through libxlsxwriter: one sheet per table, bold column titles, numbers as numbers
// shown with their column's decimals, dates (the program's TT.MM.JJJJ texts) as date cells.
#include <string>
#include <vector>

#include "export/Exporttabelle.h"

namespace zelvor {

// Writes the workbook to pfad (a new file); "" on success, else the reason as a German clause (the
// library's own messages are not shown).
std::string XlsxErzeugen(const std::string& pfad, const std::vector<Exporttabelle>& tabellen);

}  // namespace zelvor
