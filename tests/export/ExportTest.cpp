#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "doc/ZlvArchiv.h"
#include "export/Export.h"
#include "export/XlsxExport.h"
#include "export/Exporttabellen.h"
#include "tests/doc/DateiTestHilfen.h"

namespace zelvor {
namespace {

Exporttabelle EineZelle(Exportwert w) {
  Exporttabelle t;
  t.name = "T";
  t.spalten = {{"Spalte", 3}};
  t.zeilen = {{std::move(w)}};
  return t;
}

// The data line of a one-cell table, without its CR LF.
std::string Zelle(Exportwert w, Exportformat dialekt) {
  std::string csv = CsvText({EineZelle(std::move(w))}, dialekt);
  if (dialekt == Exportformat::CsvExcelDeutsch) csv.erase(0, 3);
  return csv.substr(std::string("T\r\nSpalte\r\n").size(), csv.size() - std::string("T\r\nSpalte\r\n\r\n").size());
}

TEST(CsvExport, CellsInBothDialects) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Fall {
    Exportwert wert;
    const char* einfach;
    const char* deutsch;
  } faelle[] = {
      {0.5, "0.5", "0,5"},
      {-1234.25, "-1234.25", "-1234,25"},
      {AusFloat(100.1f), "100.1", "100,1"},
      // A float widened on its way (an OGIP, a setting) is written as typed, a computed value in full.
      {static_cast<double>(2334.9f), "2334.9", "2334,9"},
      {static_cast<double>(212.74f), "212.74", "212,74"},
      {1.0 / 3.0, "0.3333333333333333", "0,3333333333333333"},
      {1e300, "1e+300", "1e+300"},
      {nan, "", ""},
      {std::monostate{}, "", ""},
      {std::string("Bohrung Z3"), "Bohrung Z3", "Bohrung Z3"},
      {std::string("A, B"), "\"A, B\"", "A, B"},
      {std::string("A; B"), "A; B", "\"A; B\""},
      {std::string("sagt \"ja\""), "\"sagt \"\"ja\"\"\"", "\"sagt \"\"ja\"\"\""},
      {std::string("zwei\nZeilen"), "\"zwei\nZeilen\"", "\"zwei\nZeilen\""},
      {std::string(" Rand"), "\" Rand\"", "\" Rand\""},
      {std::string("=1+2"), "'=1+2", "'=1+2"},
      {std::string("-"), "-", "-"},
  };
  for (const Fall& f : faelle) {
    EXPECT_EQ(Zelle(f.wert, Exportformat::Csv), f.einfach);
    EXPECT_EQ(Zelle(f.wert, Exportformat::CsvExcelDeutsch), f.deutsch);
  }
}

TEST(CsvExport, GermanDialectStartsWithTheByteOrderMark) {
  EXPECT_EQ(CsvText({}, Exportformat::CsvExcelDeutsch), "\xEF\xBB\xBF");
  EXPECT_EQ(CsvText({EineZelle(1.0), EineZelle(2.0)}, Exportformat::Csv), "T\r\nSpalte\r\n1\r\n\r\nT\r\nSpalte\r\n2\r\n");
}

TEST(Export, FormatFromTheExtension) {
  EXPECT_EQ(ExportformatAus("a.CSV", false), Exportformat::Csv);
  EXPECT_EQ(ExportformatAus("a.csv", true), Exportformat::CsvExcelDeutsch);
  EXPECT_EQ(ExportformatAus("x/b.Xlsx", true), Exportformat::Xlsx);
  EXPECT_EQ(ExportformatAus("a.txt", false), std::nullopt);
  EXPECT_EQ(ExportformatAus("dir/.csv", false), std::nullopt);
}

TEST(Exporttabellen, TheEvaluatedWellAtFullPrecision) {
  CZelvorDoc doc;
  ASSERT_EQ(ZlvDateiLaden(ZELVOR_EXAMPLES_DIR "/sauergas.zlv", doc).status, ZlvStatus::Ok);
  doc.m_bVariablerC = 1;
  ASSERT_TRUE(doc.Auswertung());
  const std::vector<Exporttabelle> t = ExporttabellenDesDokuments(doc);
  ASSERT_EQ(t.size(), 8u);

  ASSERT_EQ(t[0].zeilen.size(), doc.m_Lauf.punkte.size());
  const AusgewerteterPunkt& p = doc.m_Lauf.punkte.back();
  const std::vector<Exportwert> letzte = {AusFloat(p.gp), AusFloat(p.q), AusFloat(p.pwh), p.pwf, p.pws, p.pz, p.c};
  EXPECT_EQ(t[0].zeilen.back(), letzte);

  EXPECT_EQ(t[1].zeilen.front()[1], Exportwert(doc.m_Gasbohrung));
  EXPECT_EQ(t[1].zeilen.size(), 6u);  // name, Zi, Bgi, mean C, the line's two coefficients
  EXPECT_EQ(t[1].zeilen.back()[1], Exportwert(doc.m_Lauf.steigung));

  ASSERT_EQ(t[2].zeilen.size(), static_cast<std::size_t>(doc.m_MaxWerte));
  EXPECT_EQ(t[2].spalten[1].titel, doc.m_TextKurve1);
  EXPECT_EQ(t[2].zeilen[0][2], Exportwert(AusFloat(doc.m_Kurve2Y[0])));

  EXPECT_EQ(t[3].name, "Lieferfähigkeit");
  EXPECT_EQ(t[3].zeilen[2][1], Exportwert(doc.m_Lauf.mittlererC));  // the run's own model
  EXPECT_EQ(t[6].name, "Gasvorratsabgleich");
  EXPECT_EQ(t[7].name, "Abgleichprofil");
}

// Every key/value sheet of every export shows each value with its own digits, whichever well and
// whether its analyses were made or refused: a new sheet cannot slip past the rule.
TEST(Exporttabellen, EveryKeyValueSheetShowsEachValuesOwnDigits) {
  int wertetabellen = 0;
  for (const char* datei : {"suessgas.zlv", "speicher.zlv", "mehrraten.zlv", "injektion.zlv"}) {
    CZelvorDoc doc;
    ASSERT_EQ(ZlvDateiLaden(std::string(ZELVOR_EXAMPLES_DIR "/") + datei, doc).status, ZlvStatus::Ok);
    ASSERT_TRUE(doc.Auswertung());
    for (const Exporttabelle& t : ExporttabellenDesDokuments(doc)) {
      if (t.spalten.empty() || t.spalten[0].titel != "Größe") continue;
      ++wertetabellen;
      ASSERT_GE(t.spalten.size(), 2u) << t.name;
      EXPECT_EQ(t.spalten[1].stellen, STELLEN_JE_WERT) << datei << ": " << t.name;
    }
  }
  // Kennwerte, Lieferfähigkeit, Prognoseergebnis, Gasvorratsabgleich; the storage example's surveys add
  // Schließdruckanpassung.
  EXPECT_EQ(wertetabellen, 4 * 4 + 1);
}

// The dated production example exports its decline fit as a key/value sheet of its own; a well without
// dated lines exports no such sheet.
TEST(Exporttabellen, TheDeclineSheetOnlyForADatedProductionWell) {
  const auto blatt = [](const char* datei) -> std::optional<Exporttabelle> {
    CZelvorDoc doc;
    EXPECT_EQ(ZlvDateiLaden(std::string(ZELVOR_EXAMPLES_DIR "/") + datei, doc).status, ZlvStatus::Ok);
    doc.Auswertung();
    for (const Exporttabelle& t : ExporttabellenDesDokuments(doc))
      if (t.name == "Förderrückgang") return t;
    return std::nullopt;
  };
  EXPECT_FALSE(blatt("sauergas.zlv"));
  EXPECT_FALSE(blatt("speicher.zlv"));
  const std::optional<Exporttabelle> t = blatt("rueckgang.zlv");
  ASSERT_TRUE(t);
  EXPECT_EQ(t->spalten[1].stellen, STELLEN_JE_WERT);
  bool eur = false;
  for (const std::vector<Exportwert>& z : t->zeilen)
    if (z[0] == Exportwert(std::string("EUR"))) {
      eur = true;
      EXPECT_NEAR(std::get<double>(z[1]), 201.33, 0.01);
    }
  EXPECT_TRUE(eur);
}

TEST(Exporttabellen, AnUnevaluatedWellGivesOnlyItsName) {
  CZelvorDoc doc;
  doc.StandardwerteSetzen();
  const std::vector<Exporttabelle> t = ExporttabellenDesDokuments(doc);
  EXPECT_TRUE(t[0].zeilen.empty());
  EXPECT_EQ(t[1].zeilen.size(), 1u);
  EXPECT_TRUE(t[2].zeilen.empty());
}

TEST(Export, AFailedWriteKeepsThePreviousFile) {
  test::TempVerzeichnis dir;
  const std::string pfad = dir / "fehlt/a.xlsx";
  const std::string meldung = ExportSchreiben(pfad, {EineZelle(1.0)}, Exportformat::Xlsx);
  EXPECT_NE(meldung.find("a.xlsx"), std::string::npos) << meldung;
  EXPECT_TRUE(ExportSchreiben(dir / "b.xlsx", {EineZelle(1.0)}, Exportformat::Xlsx).empty());
  EXPECT_EQ(dir.Eintraege(), std::vector<std::string>{"b.xlsx"});
}

// A full disk under the workbook: one German reason, none of the library's English lines on stderr.
TEST(Export, EineVolleFestplatteGibtEinenDeutschenSatz) {
  ::testing::internal::CaptureStderr();
  const std::string meldung = XlsxErzeugen("/dev/full", {EineZelle(1.0)});
  const std::string stderrText = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(meldung, "die Arbeitsmappe kann nicht gepackt und geschrieben werden (ist der Datentr\xC3\xA4ger voll?).");
  EXPECT_EQ(stderrText, "");
}

}  // namespace
}  // namespace zelvor
