#include <gtest/gtest.h>

#include <regex>

#include "export/XlsxExport.h"
#include "import/Zipverzeichnis.h"
#include "tests/doc/DateiTestHilfen.h"

namespace zelvor {
namespace {

// A part of the workbook, unpacked.
std::string Teil(const std::string& mappe, const std::string& name) {
  std::vector<Zipeintrag> eintraege;
  EXPECT_EQ(ZipverzeichnisLesen(mappe, eintraege), "");
  for (const Zipeintrag& e : eintraege)
    if (e.name == name) return ZipeintragEntpacken(mappe, e).value_or("");
  ADD_FAILURE() << name << " fehlt";
  return "";
}

// The program's own date texts become date cells (Excel's day number under a date format, as the import
// reads them); any other text stays a text cell.
TEST(XlsxExport, DatenAlsDatumszellen) {
  const struct {
    const char* text;
    const char* tag;  // Excel's day number; nullptr: a text cell
  } faelle[] = {{"01.03.2024", "45352"}, {"31.12.1999", "36525"}, {"1.3.2024", nullptr},
                {"31.02.2024", nullptr}, {"2024-03-01", nullptr}, {"Förderung", nullptr}};
  Exporttabelle t;
  t.name = "Daten";
  t.spalten = {{"Datum", 0}};
  for (const auto& f : faelle) t.zeilen.push_back({std::string(f.text)});
  test::TempVerzeichnis dir;
  ASSERT_EQ(XlsxErzeugen(dir / "d.xlsx", {t}), "");
  const std::string mappe = test::RohLesen(dir / "d.xlsx");
  const std::string blatt = Teil(mappe, "xl/worksheets/sheet1.xml");
  const std::string stile = Teil(mappe, "xl/styles.xml");
  EXPECT_NE(stile.find("formatCode=\"dd.mm.yyyy\""), std::string::npos);
  std::smatch m;
  for (std::size_t i = 0; i < std::size(faelle); ++i) {
    SCOPED_TRACE(faelle[i].text);
    const std::string r = "A" + std::to_string(i + 2);
    ASSERT_TRUE(std::regex_search(blatt, m, std::regex("<c r=\"" + r + "\"([^>]*)>(.*?)</c>")));
    if (faelle[i].tag) {
      EXPECT_EQ(m[1].str().find("t=\"s\""), std::string::npos);
      EXPECT_NE(m[1].str().find(" s=\""), std::string::npos);  // a format of its own
      EXPECT_EQ(m[2].str(), std::string("<v>") + faelle[i].tag + "</v>");
    } else {
      EXPECT_NE(m[1].str().find("t=\"s\""), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace zelvor
