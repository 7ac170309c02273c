#include "import/Ratenimport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>

#include "doc/ZlvArchiv.h"
#include "import/Arbeitsmappe.h"
#include "import/Zipverzeichnis.h"
#include "export/Export.h"
#include "export/Exporttabellen.h"
#include "tests/doc/DateiTestHilfen.h"
#include "tests/import/Zipbau.h"

#include <random>

namespace zelvor {
namespace {

std::string Lesen(const std::string& pfad) {
  std::ifstream f(pfad, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void Schreiben(const std::string& pfad, const std::string& inhalt) { std::ofstream(pfad, std::ios::binary) << inhalt; }

TEST(Ratenimport, DerInhaltEntscheidetDenLeser) {
  struct Fall {
    const char* inhalt;
    Ratenquelle quelle;
  };
  const Fall faelle[] = {
      {"Gp Rate Druck\n12.0 8849 228.0\n", Ratenquelle::Ratendatei},
      {"Gp;Rate;Druck\n12.0\t8849\t228.0\n\n", Ratenquelle::Ratendatei},  // tabs with points: a rate file
      {"Gp Rate Druck\n12.0 8849 228.0\nEnde, fertig\n", Ratenquelle::Ratendatei},  // a bad rate file stays one
      {"Gp;Rate;Druck\n12,0;8849;228,0\n", Ratenquelle::Tabellentext},
      {"Gp\tRate\tDruck\n12,0\t8849\t228,0\n", Ratenquelle::Tabellentext},
      {"Ratenzeilen\nGp (Mio m3),Q (m3/h)\n12,8849,228,1\n", Ratenquelle::Tabellentext},
      {"PK\x03\x04 irgendwas", Ratenquelle::Arbeitsmappe},
  };
  for (const Fall& f : faelle) EXPECT_EQ(RatenquelleErkennen(f.inhalt), f.quelle) << f.inhalt;

  // Excel's "Unicode text": UTF-16 with a byte order mark, tab-separated, decimal commas.
  std::string utf16 = "\xFF\xFE";
  for (char c : std::string("D\xE4ten\tQ\tp\r\n12,0\t8849\t228,0\r\n")) utf16 += {c, '\0'};
  const RatendateiImport u = RatenImportAusInhalt(utf16);
  EXPECT_EQ(u.zeilen, CStringArray{"    12.000      8849.0           228.0"});
  EXPECT_TRUE(u.meldungen.empty());

  // A rate file keeps its own rules and messages.
  const RatendateiImport r = RatenImportAusInhalt("Gp Rate Druck\n12.0 8849 228.0\nEnde, fertig\n");
  EXPECT_EQ(r.zeilen.size(), 1u);
  EXPECT_FALSE(r.abgelehnt);
  EXPECT_EQ(r.meldungen, (CStringArray{"Die Zeile enh\xC3\xA4lt keine 3 Werte\n Ende, fertig"}));
}

// The well's own export, in each of its forms, reads back into the lines its rate file gives.
TEST(Ratenimport, ExportLiestSichZurueck) {
  test::TempVerzeichnis dir;
  CZelvorDoc doc;
  ASSERT_EQ(ZlvDateiLaden(ZELVOR_EXAMPLES_DIR "/suessgas.zlv", doc).status, ZlvStatus::Ok);
  const RatendateiImport txt = RatendateiEinlesen(ZELVOR_EXAMPLES_DIR "/suessgas_raten.txt");
  ASSERT_EQ(txt.zeilen.size(), 12u);
  doc.m_Ratenzeilen = txt.zeilen;
  ASSERT_TRUE(doc.Auswertung());
  const auto tabellen = ExporttabellenDesDokuments(doc);
  for (const auto& [name, format] : {std::pair{"raten.csv", Exportformat::Csv},
                                     std::pair{"raten_de.csv", Exportformat::CsvExcelDeutsch},
                                     std::pair{"raten.xlsx", Exportformat::Xlsx}}) {
    ASSERT_EQ(ExportSchreiben(dir / name, tabellen, format), "") << name;
    const RatendateiImport r = RatenImportLesen(dir / name);
#ifdef ZELVOR_OHNE_ARBEITSMAPPEN
    if (format == Exportformat::Xlsx) {  // written, but not read back: one sentence says so
      EXPECT_TRUE(r.abgelehnt);
      EXPECT_TRUE(r.zeilen.empty());
      EXPECT_EQ(r.meldungen, CStringArray{KEINE_ARBEITSMAPPEN});
      continue;
    }
#endif
    EXPECT_TRUE(r.geoeffnet) << name;
    EXPECT_FALSE(r.abgelehnt) << name << ": " << (r.meldungen.empty() ? "" : r.meldungen[0]);
    EXPECT_EQ(r.zeilen, txt.zeilen) << name;
    // A CSV holds the export's further tables after an empty row; a workbook has them on sheets of their own.
    EXPECT_EQ(r.status, format == Exportformat::Xlsx ? "12 Zeilen wurden eingelesen"
                                                     : "12 Zeilen wurden eingelesen; nach der Leerzeile in Zeile 15 "
                                                       "folgen weitere Zeilen, die nicht eingelesen wurden")
        << name;
    EXPECT_TRUE(r.geaendert) << name;
  }

  // Pasted from a German spreadsheet: tabs and decimal commas, a heading above.
  std::string eingefuegt = "Gp\tQ\tpwh\r\n";
  for (char c : Lesen(ZELVOR_EXAMPLES_DIR "/suessgas_raten.txt").substr(40))
    eingefuegt += c == '.' ? std::string(",") : c == ' ' ? std::string("\t") : c == '\n' ? std::string("\r\n") : std::string(1, c);
  EXPECT_EQ(EinfuegetextLesen(eingefuegt).zeilen, txt.zeilen) << eingefuegt;
}

// Damaged and oversized workbooks are refused with a German message before anything is unpacked.
TEST(Ratenimport, FeindlicheArbeitsmappen) {
  test::TempVerzeichnis dir;
  CZelvorDoc doc;
  ASSERT_EQ(ZlvDateiLaden(ZELVOR_EXAMPLES_DIR "/suessgas.zlv", doc).status, ZlvStatus::Ok);
  ASSERT_EQ(ExportSchreiben(dir / "gut.xlsx", ExporttabellenDesDokuments(doc), Exportformat::Xlsx), "");
  const std::string gut = Lesen(dir / "gut.xlsx");
  ASSERT_EQ(ZipverzeichnisPruefen(gut), "");

  // A central directory that promises 2 GB for one entry, as a zip bomb's does.
  std::string bombe = gut;
  const std::size_t eintrag = bombe.find("PK\x01\x02");
  ASSERT_NE(eintrag, std::string::npos);
  const std::size_t lokal = 0;
  for (std::size_t pos : {eintrag + 24, lokal + 22}) std::memcpy(&bombe[pos], "\x00\x00\x00\x80", 4);
  const std::string zuGross = "Die Arbeitsmappe w\xC3\xBCrde entpackt mehr als 64 MB belegen; sie wird nicht gelesen.";
  EXPECT_EQ(ZipverzeichnisPruefen(bombe), zuGross);

  struct Fall {
    const char* name;
    std::string inhalt;
    std::string meldung;
  };
  const std::string beschaedigt = "Die Arbeitsmappe ist besch\xC3\xA4" "digt (kein lesbares Zip-Archiv).";
  std::string falscheGroesse = gut;  // the local header disagrees with the directory
  std::memcpy(&falscheGroesse[22], "\x01\x02\x03\x04", 4);
  const Fall faelle[] = {
      {"Bombe", bombe, zuGross},
      {"halb", gut.substr(0, gut.size() / 2), beschaedigt},
      {"ohne Verzeichnisende", gut.substr(0, gut.size() - 10), beschaedigt},
      {"Ortskopf falsch", falscheGroesse, beschaedigt},
      {"nur Signatur", std::string("PK\x03\x04", 4), beschaedigt},
  };
  for (const Fall& f : faelle) {
    Schreiben(dir / "x.xlsx", f.inhalt);
    const RatendateiImport r = RatenImportLesen(dir / "x.xlsx");
    EXPECT_TRUE(r.abgelehnt) << f.name;
    EXPECT_TRUE(r.zeilen.empty()) << f.name;
#ifdef ZELVOR_OHNE_ARBEITSMAPPEN
    EXPECT_EQ(r.meldungen, CStringArray{KEINE_ARBEITSMAPPEN}) << f.name;
#else
    EXPECT_EQ(r.meldungen, CStringArray{f.meldung}) << f.name;
#endif
  }

}

// An .ods as LibreOffice writes it: styles, a column template, rows with a style, cells with their value
// in attributes and text; the content with a data descriptor.
std::string Ods(const std::string& zeilen) {
  const std::string inhalt =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<office:document-content "
      "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
      "xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\" "
      "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
      "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
      "xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\" "
      "xmlns:calcext=\"urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0\" office:version=\"1.3\">"
      "<office:scripts/><office:automatic-styles><style:style style:name=\"co1\" style:family=\"table-column\">"
      "<style:table-column-properties fo:break-before=\"auto\" style:column-width=\"0.889in\"/></style:style>"
      "<style:style style:name=\"ro1\" style:family=\"table-row\"><style:table-row-properties "
      "style:row-height=\"0.178in\" fo:break-before=\"auto\" style:use-optimal-row-height=\"true\"/></style:style>"
      "</office:automatic-styles><office:body><office:spreadsheet><table:calculation-settings "
      "table:automatic-find-labels=\"false\"/><table:table table:name=\"Tabelle1\" table:style-name=\"ta1\">"
      "<table:table-column table:style-name=\"co1\" table:number-columns-repeated=\"3\" "
      "table:default-cell-style-name=\"Default\"/>" +
      zeilen + "</table:table><table:named-expressions/></office:spreadsheet></office:body></office:document-content>";
  const std::string manifest =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<manifest:manifest "
      "xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" manifest:version=\"1.3\">"
      "<manifest:file-entry manifest:full-path=\"/\" manifest:version=\"1.3\" "
      "manifest:media-type=\"application/vnd.oasis.opendocument.spreadsheet\"/><manifest:file-entry "
      "manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/></manifest:manifest>";
  return test::Zipbau({{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
                       {"META-INF/manifest.xml", manifest},
                       {"content.xml", inhalt, true}})
      .Archiv();
}

std::string OdsZeile(const std::vector<int>& werte, const std::string& wiederholt = "") {
  std::string z = "<table:table-row table:style-name=\"ro1\"" +
                  (wiederholt.empty() ? "" : " table:number-rows-repeated=\"" + wiederholt + "\"") + ">";
  for (int w : werte) {
    const std::string t = std::to_string(w);
    z += "<table:table-cell office:value-type=\"float\" office:value=\"" + t +
         "\" calcext:value-type=\"float\"><text:p>" + t + "</text:p></table:table-cell>";
  }
  return z + "</table:table-row>";
}

// Sheets as LibreOffice writes them and as a crafted file shapes them: each gives its rows or a German
// sentence, in a moment.
TEST(Ratenimport, OdsWiederholungenUndVerschachtelung) {
#ifdef ZELVOR_OHNE_ARBEITSMAPPEN
  GTEST_SKIP() << "this build reads no workbooks (ExportLiestSichZurueck checks its refusal)";
#endif
  const std::string z1 = "     1.000       100.0            50.0", z2 = "     2.000       200.0            40.0",
                    z3 = "     3.000       300.0            30.0";
  const std::string leereZeilen =
      "<table:table-row table:style-name=\"ro1\" table:number-rows-repeated=\"1048572\"><table:table-cell "
      "table:number-columns-repeated=\"1024\"/></table:table-row>";
  std::string turm;
  for (int i = 0; i < 1000; ++i) turm += "<text:span>";
  const std::string weiter = "; nach der Leerzeile in Zeile 3 folgen weitere Zeilen, die nicht eingelesen wurden";
  // More texts than are kept, while liborcus still parses (on its own thread): refused, not hung.
  std::string texte;
  for (int i = 0; i < 600; ++i)
    texte += "<table:table-row><table:table-cell table:number-columns-repeated=\"256\" office:value-type=\"string\">"
             "<text:p>" + std::string(250, 't') + "</text:p></table:table-cell></table:table-row>";
  struct Fall {
    const char* name;
    std::string zeilen;
    CStringArray erwartet;
    std::string status, meldung;
  };
  const Fall faelle[] = {
      {"zwei gleiche Zeilen", OdsZeile({1, 100, 50}) + OdsZeile({2, 200, 40}, "2") + OdsZeile({3, 300, 30}) + leereZeilen,
       {z1, z2, z2, z3}, "4 Zeilen wurden eingelesen", ""},
      {"Wert über eine Milliarde Spalten",
       OdsZeile({1, 100, 50}) + "<table:table-row><table:table-cell table:number-columns-repeated=\"1000000000\" "
                                "office:value-type=\"float\" office:value=\"2\"/></table:table-row>",
       {z1, "     2.000         2.0             2.0"}, "2 Zeilen wurden eingelesen", ""},
      {"Leerzeile vor weiteren Zeilen",
       OdsZeile({1, 100, 50}) + OdsZeile({2, 200, 40}) + "<table:table-row><table:table-cell/></table:table-row>" +
           OdsZeile({3, 300, 30}),
       {z1, z2}, "2 Zeilen wurden eingelesen" + weiter, ""},
      {"Zeile über die Zeilengrenze wiederholt", OdsZeile({1, 100, 50}, "5000"), {}, "",
       "Die Tabelle hat mehr als 3000 Zeilen; so viele Ratenzeilen werden nicht eingelesen."},
      {"zu viele Texte", OdsZeile({1, 100, 50}) + texte, {}, "",
       "Die Arbeitsmappe enth\xC3\xA4lt zu viele Daten; sie wird nicht gelesen."},
      {"tausend offene Elemente", OdsZeile({1, 100, 50}) + "<table:table-row><table:table-cell><text:p>" + turm, {}, "",
       "Die Arbeitsmappe ist zu tief verschachtelt (mehr als 256 Ebenen); sie wird nicht gelesen."},
  };
  for (const Fall& f : faelle) {
    const RatendateiImport r = RatenImportAusInhalt(Ods(f.zeilen));
    EXPECT_EQ(r.zeilen, f.erwartet) << f.name;
    EXPECT_EQ(r.status, f.status) << f.name;
    EXPECT_EQ(r.abgelehnt, !f.meldung.empty()) << f.name;
    EXPECT_EQ(r.meldungen, f.meldung.empty() ? CStringArray{} : CStringArray{f.meldung}) << f.name;
  }
}

// The size limit holds before the reader is chosen; a file nothing of which reads as rate lines is
// refused with what was expected. Either way nothing is taken.
TEST(Ratenimport, GrenzenUndFremdeDateien) {
  test::TempVerzeichnis dir;
  const std::string zuGross = "Die Datei ist gr\xC3\xB6\xC3\x9F" "er als 16 MB; sie wird nicht gelesen.";
  const std::string wederNoch =
      "Die Datei ist weder eine Ratendatei (eine Kopfzeile, dann je Zeile Gp, Rate und Kopfdruck mit "
      "Dezimalpunkt) noch eine Tabelle (CSV, .xlsx oder .ods) mit diesen drei Zahlen je Zeile; sie wird nicht gelesen.";
  std::string zufall(4096, '\0');
  std::mt19937 zahlen(29);
  for (char& c : zufall) c = static_cast<char>(zahlen());
  zufall[0] = 'x';
  std::string ratendatei = "Gp Rate Druck\n";
  while (ratendatei.size() <= MAX_IMPORTDATEI) ratendatei += "1.5 1000 80\n";
  std::string csv = "Gp;Q;p\n";
  while (csv.size() <= MAX_IMPORTDATEI) csv += "0,0;5000;100,0\n";
  struct Fall {
    const char* name;
    std::string inhalt, meldung;
  };
  const Fall faelle[] = {
      {"zufall.xlsx", zufall, wederNoch},
      {"nur_text.txt", "Kopf\nkeine Zahlen hier\n1 2 3\n", wederNoch},
      {"leer_vorne.txt", "\n1 2 3\n", wederNoch},
      {"gross.txt", ratendatei, zuGross},
      {"gross.csv", csv, zuGross},
      {"gross.xlsx", "PK\x03\x04" + csv, zuGross},
  };
  for (const Fall& f : faelle) {
    Schreiben(dir / f.name, f.inhalt);
    const RatendateiImport r = RatenImportLesen(dir / f.name);
    EXPECT_TRUE(r.geoeffnet) << f.name;
    EXPECT_TRUE(r.abgelehnt) << f.name;
    EXPECT_TRUE(r.zeilen.empty()) << f.name;
    EXPECT_EQ(r.status, "") << f.name;
    EXPECT_EQ(r.meldungen, CStringArray{f.meldung}) << f.name;
  }
  // A file of only a heading is still a rate file without lines.
  Schreiben(dir / "kopf.txt", "Gp Rate Druck\n");
  const RatendateiImport kopf = RatenImportLesen(dir / "kopf.txt");
  EXPECT_FALSE(kopf.abgelehnt);
  EXPECT_EQ(kopf.status, "0 Zeilen wurden eingelesen");
}

}  // namespace
}  // namespace zelvor
