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
    EXPECT_EQ(r.status, "12 Zeilen wurden eingelesen") << name;
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

}  // namespace
}  // namespace zelvor
