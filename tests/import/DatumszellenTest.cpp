#include <gtest/gtest.h>

#include "import/Arbeitsmappe.h"
#include "import/Messungsimport.h"
#include "import/Xmlteile.h"
#include "tests/import/Zipbau.h"

namespace zelvor {
namespace {

const std::string NS = "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"";
const std::string REL = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
const std::string PKG = "http://schemas.openxmlformats.org/package/2006/relationships";
const std::string KEIN_DATUM = "Die Zeile enth\xC3\xA4lt kein g\xC3\xBCltiges Datum (TT.MM.JJJJ)\n ";

// A workbook of one sheet as Excel writes it: cell format 1 is the built-in date format 14; `mappePr`
// stands in the workbook part (date1904).
std::string Xlsx(const std::string& zeilen, const std::string& mappePr = "") {
  const std::string typen =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Types "
      "xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
      "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
      "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
      "<Override PartName=\"/xl/workbook.xml\" "
      "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
      "<Override PartName=\"/xl/worksheets/sheet1.xml\" "
      "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
      "<Override PartName=\"/xl/styles.xml\" "
      "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/></Types>";
  const std::string wurzel = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships xmlns=\"" + PKG +
                             "\"><Relationship Id=\"rId1\" Type=\"" + REL +
                             "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>";
  const std::string mappe = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><workbook " + NS + " xmlns:r=\"" + REL + "\">" +
                            mappePr + "<sheets><sheet name=\"Messungen\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
  const std::string beziehungen = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships xmlns=\"" + PKG +
                                  "\"><Relationship Id=\"rId1\" Type=\"" + REL +
                                  "/worksheet\" Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"rId2\" Type=\"" +
                                  REL + "/styles\" Target=\"styles.xml\"/></Relationships>";
  const std::string stile = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><styleSheet " + NS +
                            "><cellXfs count=\"2\"><xf numFmtId=\"0\"/><xf numFmtId=\"14\" "
                            "applyNumberFormat=\"1\"/></cellXfs></styleSheet>";
  const std::string blatt = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><worksheet " + NS + "><sheetData>" + zeilen +
                            "</sheetData></worksheet>";
  return test::Zipbau({{"[Content_Types].xml", typen},
                       {"_rels/.rels", wurzel},
                       {"xl/workbook.xml", mappe},
                       {"xl/_rels/workbook.xml.rels", beziehungen},
                       {"xl/styles.xml", stile},
                       {"xl/worksheets/sheet1.xml", blatt}})
      .Archiv();
}

// A survey row: the date cell as given, then Gp and pressure.
std::string Zeile(int nr, const std::string& datumszelle, double gp, double druck) {
  const std::string r = std::to_string(nr);
  std::string z = "<row r=\"" + r + "\">";
  if (!datumszelle.empty()) z += datumszelle;
  char zahlen[160];
  std::snprintf(zahlen, sizeof zahlen, "<c r=\"B%d\"><v>%g</v></c><c r=\"C%d\"><v>%g</v></c>", nr, gp, nr, druck);
  return z + zahlen + "</row>";
}
std::string Tageszelle(int nr, const std::string& wert) {  // a number in the date format
  return "<c r=\"A" + std::to_string(nr) + "\" s=\"1\"><v>" + wert + "</v></c>";
}
std::string IsoZelle(int nr, const std::string& wert) {
  return "<c r=\"A" + std::to_string(nr) + "\" t=\"d\"><v>" + wert + "</v></c>";
}

// Date cells of every kind a workbook writes come in as the days they are; a date cell that names no
// day of the range refuses the import with its row, the first row too, showing what the cell held.
TEST(Datumszellen, ArbeitsmappenDatenUndIhreFehler) {
#ifdef ZELVOR_OHNE_ARBEITSMAPPEN
  GTEST_SKIP() << "this build reads no workbooks";
#endif
  const std::optional<Tag> nov = TagAusDatum(2023, 11, 1), dez = TagAusDatum(2023, 12, 1);
  struct Fall {
    const char* name;
    std::string mappe;
    std::vector<std::optional<Tag>> daten;  // expected when taken
    std::string meldung;                    // expected when refused
  };
  const std::string zweite = Zeile(2, Tageszelle(2, "45261"), 10, 240);  // 01.12.2023
  const Fall faelle[] = {
      {"Tageszahl", Xlsx(Zeile(1, Tageszelle(1, "45231"), 0, 250) + zweite), {nov, dez}, ""},
      {"ISO t=d", Xlsx(Zeile(1, IsoZelle(1, "2023-11-01T00:00:00"), 0, 250) + Zeile(2, IsoZelle(2, "2023-12-01"), 10, 240)),
       {nov, dez}, ""},
      {"date1904", Xlsx(Zeile(1, Tageszelle(1, "43769"), 0, 250) + Zeile(2, Tageszelle(2, "43799"), 10, 240),
                        "<workbookPr date1904=\"1\"/>"),
       {nov, dez}, ""},
      {"ISO unmoeglich", Xlsx(Zeile(1, IsoZelle(1, "2023-02-30T00:00:00"), 0, 250) + zweite), {},
       KEIN_DATUM + "2023-02-30;0;250"},
      {"Tageszahl 0", Xlsx(Zeile(1, Tageszelle(1, "0"), 0, 250) + zweite), {}, KEIN_DATUM + "0;0;250"},
      {"Tageszahl 1e308", Xlsx(Zeile(1, Tageszelle(1, "1e308"), 0, 250) + zweite), {}, KEIN_DATUM + "1e+308;0;250"},
      {"INF", Xlsx(Zeile(1, Tageszelle(1, "INF"), 0, 250) + zweite), {}, KEIN_DATUM + "INF;0;250"},
      {"NaN", Xlsx(Zeile(1, Tageszelle(1, "NaN"), 0, 250) + zweite), {}, KEIN_DATUM + "NaN;0;250"},
      {"1e400", Xlsx(Zeile(1, Tageszelle(1, "1e400"), 0, 250) + zweite), {}, KEIN_DATUM + "1e400;0;250"},
  };
  for (const Fall& f : faelle) {
    const Messungsimport m = MessungenAusInhalt(f.mappe, false);
    EXPECT_EQ(m.meldung, f.meldung) << f.name;
    if (!f.meldung.empty()) continue;
    ASSERT_EQ(m.messungen.size(), f.daten.size()) << f.name;
    for (std::size_t i = 0; i < f.daten.size(); ++i) EXPECT_EQ(m.messungen[i].datum, f.daten[i]) << f.name << " " << i;
  }
}

// The two rewrites of a workbook's parts, on their own.
TEST(Datumszellen, XmlteileFuerDaten) {
  EXPECT_TRUE(Datum1904("<workbook><x:workbookPr date1904=\"true\"/></workbook>"));
  EXPECT_TRUE(Datum1904("<workbook><workbookPr defaultThemeVersion=\"1\" date1904=\"1\"/></workbook>"));
  EXPECT_FALSE(Datum1904("<workbook><workbookPr date1904=\"0\"/></workbook>"));
  EXPECT_FALSE(Datum1904("<workbook><sheet date1904=\"1\"/></workbook>"));
  std::string xml = "<row><c r=\"A1\" t=\"d\"><v>2023-11-01T12:30:00</v></c><c r=\"B1\" t=\"d\"><v>T12:00</v></c>"
                    "<c r=\"C1\" t=\"n\"><v>5</v></c><c r=\"D1\" t=\"d\"/><c r=\"E1\" s=\"1\"><v>INF</v></c>"
                    "<c r=\"F1\" t=\"n\"><v>-1.5E+3</v></c><c r=\"G1\" t=\"s\"><v>0</v></c></row>";
  EXPECT_TRUE(XlsxWerteAlsText(xml));
  EXPECT_EQ(xml, "<row><c r=\"A1\" t=\"str\"><f>0</f><v>2023-11-01</v></c><c r=\"B1\" t=\"str\"><f>0</f><v>T12:00</v>"
                 "</c><c r=\"C1\" t=\"n\"><v>5</v></c><c r=\"D1\" t=\"d\"/><c r=\"E1\" s=\"1\" t=\"str\"><f>0</f>"
                 "<v>INF</v></c><c r=\"F1\" t=\"n\"><v>-1.5E+3</v></c><c r=\"G1\" t=\"s\"><v>0</v></c></row>");
  std::string ohne = "<row><c r=\"A1\"><v>1</v></c><c r=\"B1\" t=\"s\"><v>x</v></c></row>";
  EXPECT_FALSE(XlsxWerteAlsText(ohne));
}

}  // namespace
}  // namespace zelvor
