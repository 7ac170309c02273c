#include "export/Exportart.h"

#include <gtest/gtest.h>

namespace zelvor {
namespace {

// The extension typed decides where it names a kind; otherwise the chosen kind's extension is added.
TEST(Exportart, DieGetippteEndungEntscheidet) {
  const struct {
    const char* pfad;
    Exportart gewaehlt;
    const char* ergebnis;
    Exportart art;
  } faelle[] = {
      {"export.xlsx", Exportart::Png, "export.xlsx", Exportart::Xlsx},
      {"/tmp/a.b/Export.PDF", Exportart::Svg, "/tmp/a.b/Export.PDF", Exportart::Pdf},
      {"tabelle.csv", Exportart::Png, "tabelle.csv", Exportart::Csv},
      {"tabelle.csv", Exportart::CsvExcelDeutsch, "tabelle.csv", Exportart::CsvExcelDeutsch},
      {"bild.svg", Exportart::CsvExcelDeutsch, "bild.svg", Exportart::Svg},
      {"export", Exportart::Png, "export.png", Exportart::Png},
      {"export.txt", Exportart::Xlsx, "export.txt.xlsx", Exportart::Xlsx},
      {"/tmp/a.b/export", Exportart::Pdf, "/tmp/a.b/export.pdf", Exportart::Pdf},
      {"C:\\a.b\\export", Exportart::Csv, "C:\\a.b\\export.csv", Exportart::Csv},
  };
  for (const auto& f : faelle) {
    const Exportdatei d = ExportdateiBestimmen(f.pfad, f.gewaehlt);
    EXPECT_EQ(d.pfad, f.ergebnis) << f.pfad;
    EXPECT_EQ(d.art, f.art) << f.pfad;
  }
}

}  // namespace
}  // namespace zelvor
