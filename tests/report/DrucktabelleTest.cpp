#include "report/Drucktabelle.h"

#include <gtest/gtest.h>

#include "report/Felddruck.h"

namespace zelvor {
namespace {

std::size_t Zeichen(const std::string& s) {
  std::size_t n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80 ? 1 : 0;
  return n;
}

// Columns of a small table: a key, numbers with units, and a free text.
std::vector<Druckspalte> Spalten() {
  return {{"Bohrung", {"Süd 1", "Nord 22"}, false},
          {"OGIP (Mio m3)", {"1800.0", "950.5"}},
          {"Q jetzt bei p_min (m3/h)", {"52000", "900"}},
          {"Jahre bis Aufgabe", {"12.5", "3.0"}},
          {"Bemerkung", {"", "Vor dem Stand des Feldes 01.01.2024 aufgegeben."}, false, true},
          {"Datei", {"-", "-"}, false, true}};
}

// The parts fit the line, each row led by its key; a heading takes as many lines as its column's width
// needs, its unit at the bottom; a free text is wrapped beside the keys, an empty one left out.
TEST(Drucktabelle, TeileFuellenDieZeileUndFuehrenDenSchluessel) {
  const struct {
    std::size_t zeichen, teile;
  } faelle[] = {{80, 2}, {30, 3}, {20, 4}};
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.zeichen);
    const std::vector<Druckteil> teile = DrucktabelleTeilen(Spalten(), 1, f.zeichen);
    ASSERT_EQ(teile.size(), f.teile);
    for (const Druckteil& t : teile) {
      for (const std::vector<std::string>* z : {&t.kopf, &t.zeilen})
        for (const std::string& s : *z) EXPECT_LE(Zeichen(s), f.zeichen) << s;
      ASSERT_GE(t.zeilen.size(), 2u);
      EXPECT_EQ(t.zeilen.front().rfind("Süd 1", 0), 0u) << t.zeilen.front();
      EXPECT_EQ(t.kopf.back().rfind("Bohrung", 0), 0u) << t.kopf.back();
    }
    // The numbers' part: "(Mio m3)" beneath "OGIP", on the heading's last line.
    EXPECT_NE(teile.front().kopf.back().find("(Mio m3)"), std::string::npos);
    // The remark: wrapped, its first line beside the key, the rest beneath with the key left blank.
    const Druckteil& bemerkung = teile.back();
    EXPECT_NE(bemerkung.kopf.back().find("Bemerkung"), std::string::npos);
    EXPECT_EQ(bemerkung.zeilen.front(), "Süd 1");
    ASSERT_GE(bemerkung.zeilen.size(), 2u);
    EXPECT_EQ(bemerkung.zeilen[1].rfind("Nord 22  Vor dem", 0), 0u) << bemerkung.zeilen[1];
  }
}

// On pages: a part continues under its heading repeated; a part whose heading and first row do not fit
// starts on the next page; no page holds more lines than it may.
TEST(Drucktabelle, SeitenWiederholenDenKopf) {
  Druckteil a{{"A-Kopf"}, {}}, b{{"B-Kopf 1", "B-Kopf 2"}, {}};
  for (int i = 0; i < 7; ++i) a.zeilen.push_back("a" + std::to_string(i));
  for (int i = 0; i < 3; ++i) b.zeilen.push_back("b" + std::to_string(i));
  const auto seiten = Druckseiten({a, b}, 5);
  const std::vector<std::vector<std::string>> erwartet = {
      {"A-Kopf", "a0", "a1", "a2", "a3"},
      {"A-Kopf", "a4", "a5", "a6"},
      {"B-Kopf 1", "B-Kopf 2", "b0", "b1", "b2"},
  };
  EXPECT_EQ(seiten, erwartet);
  const auto zusammen = Druckseiten({b, b}, 20);
  ASSERT_EQ(zusammen.size(), 1u);
  EXPECT_EQ(zusammen[0].size(), 5u + 1u + 5u);
}

// Three wells and their course on an A4 portrait page's line of 78 characters: every wells' part and the
// course with its dates on one page, years and date leading every course line.
TEST(Drucktabelle, DasFeldAufWenigenSeiten) {
  Feldergebnis f;
  for (const char* name : {"Süd 1", "Nord 22", "Speicher Eggersen S1 (Einspeicherung)"}) {
    Feldbohrung b;
    b.name = name;
    b.datei = std::string("/daten/feld/") + name + ".zlv";
    b.ogip = 1800, b.gp = 400, b.anteil = 0.22, b.cMittel = 0.0523, b.n = 0.85, b.aof = 120000, b.qJetzt = 52000;
    b.restreserven = 1100, b.jahre = 12.5, b.start = TagAusDatum(2023, 6, 30);
    b.verlauf = {{0, 400, 50000, 52000}, {12.5, 1500, 500, 500}};
    f.bohrungen.push_back(b);
  }
  f.stand = AufDenStandBringen(f.bohrungen);
  f = OhneBohrungen(f, {});
  const std::vector<Druckteil> teile = FeldDruckteile(f, 78);
  ASSERT_GE(teile.size(), 3u);
  for (const Druckteil& t : teile)
    for (const std::string& z : t.zeilen) EXPECT_LE(Zeichen(z), 78u) << z;
  // The long name over two lines, the other cells on the first.
  const std::vector<std::string>& erste = teile.front().zeilen;
  ASSERT_EQ(erste.size(), 4u);
  EXPECT_EQ(erste[2].rfind("Speicher Eggersen S1  Förderung", 0), 0u) << erste[2];
  EXPECT_EQ(erste[3], "(Einspeicherung)");
  const Druckteil& verlauf = teile.back();
  EXPECT_NE(verlauf.kopf.back().find("Datum"), std::string::npos) << verlauf.kopf.back();
  EXPECT_EQ(verlauf.zeilen.front().rfind(" 0.00  30.06.2023", 0), 0u) << verlauf.zeilen.front();
  const auto seiten = Druckseiten(teile, 56);
  EXPECT_LE(seiten.size(), 2u);
}

}  // namespace
}  // namespace zelvor
