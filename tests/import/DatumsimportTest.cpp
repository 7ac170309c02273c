#include <gtest/gtest.h>
#include <xlsxwriter.h>

#include "doc/ZlvArchiv.h"
#include "export/Export.h"
#include "export/Exporttabellen.h"
#include "import/Messungsimport.h"
#include "import/Ratenimport.h"
#include "tests/doc/DateiTestHilfen.h"

namespace zelvor {
namespace {

const std::string Z1 = "    12.000      8849.0           228.0";
const std::string Z2 = "    13.500      9000.5           225.3";
const std::optional<Tag> M1 = TagAusDatum(2024, 3, 1), A1 = TagAusDatum(2024, 4, 1);

// Every date form in the column before or after the numbers: never a number, always the line's date.
TEST(Datumsimport, DatumsspalteInTexten) {
  struct Fall {
    const char* text;
    bool leerraum;
    Zeilendaten daten;  // expected; empty when refused
    const char* meldung;
  };
  const Fall faelle[] = {
      {"Datum;Gp;Q;p\n01.03.2024;12,0;8849;228,0\n1.4.2024;13,5;9000,5;225,26\n", false, {M1, A1}, ""},
      {"Gp,Q,p,Datum\n12.0,8849,228.0,2024-03-01\n13.5,9000.5,225.26,2024-04-01\n", false, {M1, A1}, ""},
      {"03/2024\t12,0\t8849\t228,0\n04/2024\t13,5\t9000,5\t225,26\n", false, {M1, A1}, ""},
      {"01.03.2024 12.0 8849 228.0\n01.04.2024 13.5 9000.5 225.26\n", true, {M1, A1}, ""},  // pasted
      {"01.03.2024;12,0;8849;228,0\n;13,5;9000,5;225,26\n", false, {M1, std::nullopt}, ""},  // an undated row
      {"31.02.2024;12,0;8849;228,0\n", false, {}, ""},  // no date, so no date column: the numbers alone
      {"01.03.2024;12,0;8849;228,0\n31.04.2024;13,5;9000,5;225,26\n", false, {},
       "Die Zeile enth\xC3\xA4lt kein g\xC3\xBCltiges Datum (TT.MM.JJJJ)\n 31.04.2024;13,5;9000,5;225,26"},
  };
  for (const Fall& f : faelle) {
    const Tabellenimport t = TabelleUebernehmen(TextAlsTabelle(f.text, f.leerraum));
    EXPECT_EQ(t.meldung, f.meldung) << f.text;
    EXPECT_EQ(t.daten, f.daten) << f.text;
    if (*f.meldung) continue;
    ASSERT_GE(t.zeilen.size(), 1u) << f.text;
    EXPECT_EQ(t.zeilen[0], Z1) << f.text;
  }
  // Dates that are not there: the forms' edges.
  for (const char* kein : {"2024-3-1", "1.3.24", "13/2024", "29.02.2023", "01.03.2024x", "1.1.1899", "45352"})
    EXPECT_FALSE(DatumLesen(kein)) << kein;
  EXPECT_EQ(DatumLesen(" 29.02.2024 "), TagAusDatum(2024, 2, 29));
  EXPECT_EQ(DatumText(*TagAusDatum(2024, 2, 29)), "29.02.2024");
  EXPECT_EQ(DatumIso(*TagAusDatum(1999, 12, 31)), "1999-12-31");
}

// A date in the first data row is judged as every other date of its column (the column's other cells or
// its heading make it one): an impossible one refuses the import with that row, whatever it looks like.
TEST(Datumsimport, UnmoeglichesDatumInDerErstenZeile) {
  const std::string spaeter = "\n01.04.2024;13,5;9000,5;225,26\n01.05.2024;15;9100;224\n";
  for (const char* datum : {"31.02.2024", "00.00.0000", "1.1.99999", "2024-13-45", "31.12.1899", "01.01.2200",
                            "29.02.2023", "01.03.2024 12:00", "2024-03-01T00:00:00", "unendlich", "keine Zahl", "0",
                            "1e+308", "45352"}) {
    const std::string erste = std::string(datum) + ";12,0;8849;228,0";
    for (const std::string& kopf : {std::string(), std::string("Datum;Gp;Q;p\n")}) {
      const Tabellenimport t = TabelleUebernehmen(TextAlsTabelle(kopf + erste + spaeter, false));
      EXPECT_EQ(t.meldung, "Die Zeile enth\xC3\xA4lt kein g\xC3\xBCltiges Datum (TT.MM.JJJJ)\n " + erste) << kopf << datum;
      EXPECT_TRUE(t.zeilen.empty()) << datum;
    }
    // The surveys: the same rule, the same sentence.
    const Messungsimport m = MessungenAusInhalt(std::string(datum) + ";0;250\n01.04.2024;10;240\n", false);
    EXPECT_FALSE(m.uebernommen) << datum;
    EXPECT_EQ(m.meldung, "Die Zeile enth\xC3\xA4lt kein g\xC3\xBCltiges Datum (TT.MM.JJJJ)\n " + std::string(datum) +
                             ";0;250") << datum;
  }
  // An empty date is an undated row, in the first row as in any other; the others keep their dates.
  const Tabellenimport leer = TabelleUebernehmen(TextAlsTabelle(";12,0;8849;228,0" + spaeter, false));
  EXPECT_EQ(leer.meldung, "");
  EXPECT_EQ(leer.daten, (Zeilendaten{std::nullopt, A1, TagAusDatum(2024, 5, 1)}));
  // Under a heading "Datum", a column of impossible dates is one too; without it, a lone impossible
  // date in a column of no dates is text beside the numbers, as before.
  EXPECT_NE(TabelleUebernehmen(TextAlsTabelle("Messdatum;Gp;Q;p\n0000-00-00;12,0;8849;228,0\n", false)).meldung, "");
  EXPECT_EQ(TabelleUebernehmen(TextAlsTabelle("Bemerkung;Gp;Q;p\n0000-00-00;12,0;8849;228,0\n", false)).meldung, "");
  // A heading "Datum" over a column of numbers does not make them dates.
  EXPECT_EQ(TabelleUebernehmen(TextAlsTabelle("Datum der Messung;;\n12,0;8849;228,0\n", false)).zeilen.size(), 1u);
}

// A workbook's date cells are day numbers in cells of a date format: they are the date column, not Gp.
TEST(Datumsimport, DatumszellenEinerArbeitsmappe) {
#ifdef ZELVOR_OHNE_ARBEITSMAPPEN
  GTEST_SKIP() << "this build reads no workbooks";
#endif
  test::TempVerzeichnis dir;
  const std::string pfad = dir / "daten.xlsx";
  lxw_workbook* mappe = workbook_new(pfad.c_str());
  lxw_worksheet* blatt = workbook_add_worksheet(mappe, nullptr);
  lxw_format* eigenes = workbook_add_format(mappe);
  format_set_num_format(eigenes, "dd.mm.yyyy");
  lxw_format* eingebaut = workbook_add_format(mappe);
  format_set_num_format_index(eingebaut, 14);
  worksheet_write_string(blatt, 0, 0, "Datum", nullptr);
  worksheet_write_string(blatt, 0, 1, "Gp", nullptr);
  worksheet_write_string(blatt, 0, 2, "Rate", nullptr);
  worksheet_write_string(blatt, 0, 3, "Kopfdruck", nullptr);
  lxw_datetime d1 = {2024, 3, 1, 0, 0, 0}, d2 = {2024, 4, 1, 0, 0, 0};
  worksheet_write_datetime(blatt, 1, 0, &d1, eigenes);
  worksheet_write_datetime(blatt, 2, 0, &d2, eingebaut);
  const double werte[2][3] = {{12.0, 8849, 228.0}, {13.5, 9000.5, 225.26}};
  for (lxw_row_t z = 0; z < 2; ++z)
    for (lxw_col_t s = 0; s < 3; ++s) worksheet_write_number(blatt, z + 1, s + 1, werte[z][s], nullptr);
  ASSERT_EQ(workbook_close(mappe), LXW_NO_ERROR);

  const RatendateiImport r = RatenImportLesen(pfad);
  EXPECT_FALSE(r.abgelehnt) << (r.meldungen.empty() ? "" : r.meldungen[0]);
  EXPECT_EQ(r.zeilen, (CStringArray{Z1, Z2}));
  EXPECT_EQ(r.daten, (Zeilendaten{M1, A1}));

  // The export of the dated lines reads back with its dates, in every format.
  CZelvorDoc doc;
  ASSERT_EQ(ZlvDateiLaden(ZELVOR_EXAMPLES_DIR "/suessgas.zlv", doc).status, ZlvStatus::Ok);
  doc.m_RatenDatum = {M1, std::nullopt, A1};
  ASSERT_TRUE(doc.Auswertung());
  for (const auto& [name, format] : {std::pair{"raten.csv", Exportformat::Csv},
                                     std::pair{"raten_de.csv", Exportformat::CsvExcelDeutsch},
                                     std::pair{"raten.xlsx", Exportformat::Xlsx}}) {
    ASSERT_EQ(ExportSchreiben(dir / name, ExporttabellenDesDokuments(doc), format), "") << name;
    const RatendateiImport e = RatenImportLesen(dir / name);
    EXPECT_EQ(e.zeilen, doc.m_Ratenzeilen) << name;
    EXPECT_TRUE(ZeilendatenGleich(e.daten, doc.m_RatenDatum)) << name;
  }
}

// Surveys take the rate lines' row rules with two values a row; one bad row refuses them all.
TEST(Datumsimport, Schliessdruckmessungen) {
  const Messungsimport gut = MessungenAusInhalt("Datum;Gp;p\n;Mio m3;bar\n01.03.2024;0;250,5\n;120,5;231\n", true);
  ASSERT_TRUE(gut.uebernommen) << gut.meldung;
  EXPECT_EQ(gut.messungen, (std::vector<Schliessdruckmessung>{{M1, 0.0f, 250.5f, Messart::Kopf},
                                                                {std::nullopt, 120.5f, 231.0f, Messart::Kopf}}));
  EXPECT_EQ(gut.status, "2 Messungen wurden eingelesen");
  EXPECT_EQ(MessungenAusInhalt("Gp Druck\n0 250\n100 240\n", false).messungen.size(), 2u);
  const std::pair<const char*, const char*> abgelehnt[] = {
      {"0;250\n100;x\n", "Die Zeile enth\xC3\xA4lt keine 2 Werte\n 100;x"},
      {"0;250\n-1;240\n", "Die 2. Messung hat keinen g\xC3\xBCltigen Wert: Gp muss zwischen 0 und 90000 Mio m3 liegen, "
                          "der Druck \xC3\xBC" "ber 0 und unter 3000 bar."},
      // Gp beyond any gas in place a well takes, as its rate lines' Gp.
      {"0;250\n1e30;240\n", "Die 2. Messung hat keinen g\xC3\xBCltigen Wert: Gp muss zwischen 0 und 90000 Mio m3 liegen, "
                            "der Druck \xC3\xBC" "ber 0 und unter 3000 bar."},
      {"Gp;p\n", "Die Tabelle enth\xC3\xA4lt keine Zeile mit 2 Werten."},
  };
  for (const auto& [text, meldung] : abgelehnt) {
    const Messungsimport m = MessungenAusInhalt(text, false);
    EXPECT_FALSE(m.uebernommen) << text;
    EXPECT_TRUE(m.messungen.empty()) << text;
    EXPECT_EQ(m.meldung, meldung) << text;
  }
}

}  // namespace
}  // namespace zelvor
