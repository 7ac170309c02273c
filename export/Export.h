#pragma once
// Writing the export tables to a CSV file (two dialects) or an Excel workbook (.xlsx, one sheet per
// table). The previous file survives every failed write.
#include <optional>
#include <string>
#include <vector>

#include "export/Exporttabelle.h"

namespace zelvor {

enum class Exportformat {
  Csv,               // comma, decimal point, UTF-8
  CsvExcelDeutsch,   // semicolon, decimal comma, UTF-8 with BOM: a German spreadsheet reads numbers
  Xlsx,
};

// Told by the file's extension (.csv or .xlsx, any case); deutsch picks the German CSV dialect.
std::optional<Exportformat> ExportformatAus(const std::string& pfad, bool deutsch);

// The tables one after the other: the name, the column titles, the rows, an empty line between tables.
// Texts are quoted where they must be; numbers are the shortest text that reads back to the same value.
std::string CsvText(const std::vector<Exporttabelle>& tabellen, Exportformat dialekt);

// "" on success, else a German message naming the file.
std::string ExportSchreiben(const std::string& pfad, const std::vector<Exporttabelle>& tabellen, Exportformat format);

}  // namespace zelvor
