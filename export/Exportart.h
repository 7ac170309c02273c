#pragma once
// What "Exportieren..." can write, in the order the file dialog offers it, and which file a chosen kind and
// a typed name give.
#include <string>

namespace zelvor {

// The dialog's filters, in this order. The last two: a storage well's storage year as the published
// storage transparency data.
enum class Exportart { Png, Svg, Pdf, Csv, CsvExcelDeutsch, Xlsx, TransparenzCsv, TransparenzJson };

// "png", "svg", "pdf", "csv", "csv", "xlsx", "csv", "json".
const char* ExportartEndung(Exportart art);

struct Exportdatei {
  std::string pfad;
  Exportart art = Exportart::Png;
};

// The file written for the name typed under the chosen kind: an extension typed that names a kind the
// export writes (any case) decides the kind, so "export.xlsx" typed under the PNG filter is a workbook (a
// CSV name keeps the chosen CSV dialect); any other name gets the chosen kind's extension added.
Exportdatei ExportdateiBestimmen(const std::string& pfad, Exportart gewaehlt);

}  // namespace zelvor
