#include "import/Ratendatei.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace zelvor {
namespace {

const std::string NICHT_DREI = "Die Zeile enh\xC3\xA4lt keine 3 Werte\n ";

using Zeilen = CStringArray;

TEST(Ratendatei, HeadingAndThreeLines) {
  const auto r = RatendateiAusText("Gp Rate Druck\n1.25 1000.06 85.26\n2 2000 80\n3.5 1500 75.5\n");
  EXPECT_TRUE(r.geoeffnet);
  EXPECT_EQ(r.zeilen, (Zeilen{"     1.250      1000.1            85.3", "     2.000      2000.0            80.0",
                              "     3.500      1500.0            75.5"}));
  for (const auto& z : r.zeilen) EXPECT_EQ(z.size(), 38u);
  EXPECT_TRUE(r.meldungen.empty());
  EXPECT_FALSE(r.leerzeileAbbruch);
  EXPECT_EQ(r.status, "3 Zeilen wurden eingelesen");
  EXPECT_TRUE(r.geaendert);
}

TEST(Ratendatei, HeadingIsNeverTaken) {
  // Data in the first line are lost without a word, and a heading of any text passes.
  const auto r = RatendateiAusText("1 100 50\n2 200 60\n");
  EXPECT_EQ(r.zeilen, (Zeilen{"     2.000       200.0            60.0"}));
  EXPECT_TRUE(r.meldungen.empty());
  EXPECT_EQ(RatendateiAusText("Gp % %s %n\n2 200 60").zeilen.size(), 1u);  // last line without line end
}

TEST(Ratendatei, OnlyHeadingOrNothing) {
  for (const char* inhalt : {"Gp Rate Druck\n", "Gp Rate Druck", ""}) {
    const auto r = RatendateiAusText(inhalt);
    EXPECT_TRUE(r.zeilen.empty());
    EXPECT_TRUE(r.meldungen.empty());
    EXPECT_EQ(r.status, "0 Zeilen wurden eingelesen");
    EXPECT_FALSE(r.geaendert);
    EXPECT_FALSE(r.leerzeileAbbruch);
  }
}

TEST(Ratendatei, EmptyLineAbortsAtOnce) {
  const auto amEnde = RatendateiAusText("H\n1 2 3\n4 5 6\n\n");
  EXPECT_EQ(amEnde.zeilen.size(), 2u);
  EXPECT_EQ(amEnde.meldungen, (Zeilen{"ABBRUCH bei Leerzeile!"}));
  EXPECT_TRUE(amEnde.leerzeileAbbruch);
  EXPECT_EQ(amEnde.status, "");
  EXPECT_TRUE(amEnde.geaendert);

  const auto mitten = RatendateiAusText("H\r\n1 2 3\r\n\r\n4 5 6\r\n");  // a CR LF alone is empty too
  EXPECT_EQ(mitten.zeilen.size(), 1u);
  EXPECT_TRUE(mitten.leerzeileAbbruch);

  const auto leererKopf = RatendateiAusText("\n1 2 3\n");
  EXPECT_TRUE(leererKopf.zeilen.empty());
  EXPECT_EQ(leererKopf.meldungen, (Zeilen{"ABBRUCH bei Leerzeile!"}));
  EXPECT_EQ(leererKopf.status, "");
  EXPECT_FALSE(leererKopf.geaendert);

  // A line that starts with NUL is empty as a C string.
  EXPECT_TRUE(RatendateiAusText(std::string_view("H\n\0 1 2 3\n", 11)).leerzeileAbbruch);
}

TEST(Ratendatei, LineWithoutThreeValuesEndsImport) {
  for (const char* zeile : {"4 5 6 Messung", "4 5", "   ", "\t", "12,5 2000 85", "nan 1 2", "1 inf 2", "1 2 1e39",
                            "1 2 3 4", "1 2 %s%n%d"}) {
    const auto r = RatendateiAusText(std::string("H\n1 2 3\n") + zeile + "\n7 8 9\n");
    EXPECT_EQ(r.zeilen, (Zeilen{"     1.000         2.0             3.0"})) << zeile;
    EXPECT_EQ(r.meldungen, (Zeilen{NICHT_DREI + zeile})) << zeile;  // quoted verbatim, % and all
    EXPECT_EQ(r.status, "1 Zeilen wurden eingelesen") << zeile;
    EXPECT_FALSE(r.leerzeileAbbruch);
    EXPECT_TRUE(r.geaendert);
  }
  // Stopping at the first data line leaves nothing taken.
  const auto sofort = RatendateiAusText("H\nx\n1 2 3\n");
  EXPECT_TRUE(sofort.zeilen.empty());
  EXPECT_EQ(sofort.status, "0 Zeilen wurden eingelesen");
  EXPECT_FALSE(sofort.geaendert);
}

TEST(Ratendatei, QuotedLineIsUtf8WithoutLineEnd) {
  const auto r = RatendateiAusText("H\r\n1 2 3 Gr\xFC\xDF \x80\r\n");
  EXPECT_EQ(r.meldungen, (Zeilen{NICHT_DREI + "1 2 3 Gr\xC3\xBC\xC3\x9F \xE2\x82\xAC"}));
  // A lone CR ends a line too (old Mac files); other control characters show as escapes.
  const auto cr = RatendateiAusText("H\n1 2\rx\r\x1B[2J\r\n");
  EXPECT_EQ(cr.meldungen, (Zeilen{NICHT_DREI + "1 2"}));
  const auto esc = RatendateiAusText("H\n1 2 3 \x1B[2J\r\n");
  EXPECT_EQ(esc.meldungen, (Zeilen{NICHT_DREI + "1 2 3 \\x1B[2J"}));
}

TEST(Ratendatei, ValuesAreTakenAsTheyAre) {
  const auto r = RatendateiAusText("H\n-1.5 -100 -0.04\n1.5e1\t2E3\t8.5e+1\r\n  0x10 1e-50 123456789\n");
  EXPECT_EQ(r.zeilen, (Zeilen{"    -1.500      -100.0            -0.0", "    15.000      2000.0            85.0",
                              "    16.000         0.0     123456792.0"}));
  EXPECT_TRUE(r.meldungen.empty());
}

TEST(Ratendatei, TextEndsAtNul) {
  const auto r = RatendateiAusText(std::string_view("H\n1 2 3\0 junk\n4 5\0 6\n", 22));
  EXPECT_EQ(r.zeilen.size(), 1u);
  EXPECT_EQ(r.meldungen, (Zeilen{NICHT_DREI + "4 5"}));
}

std::string Zeile(std::size_t laenge) {
  std::string z = "1 2 3";
  z.resize(laenge, ' ');
  return z;
}

TEST(Ratendatei, LinesOf99CharactersAreRefused) {
  for (const char* ende : {"\n", "\r\n"}) {
    const auto passt = RatendateiAusText("H\n" + Zeile(98) + ende + Zeile(5) + ende);
    EXPECT_EQ(passt.zeilen.size(), 2u);
    EXPECT_TRUE(passt.meldungen.empty());
    for (std::size_t laenge : {99u, 100u, 101u, 250u}) {
      const auto r = RatendateiAusText("H\n1 2 3\n" + Zeile(laenge) + ende + "4 5 6\n");
      EXPECT_EQ(r.zeilen.size(), 1u) << laenge;
      EXPECT_EQ(r.meldungen, (Zeilen{"In der 3.Zeile 200 Zeichen gelesen"})) << laenge;
      EXPECT_EQ(r.status, "1 Zeilen wurden eingelesen");
      EXPECT_FALSE(r.leerzeileAbbruch);
    }
  }
  // The heading too, and the last line without a line end.
  const auto kopf = RatendateiAusText(std::string(99, 'H') + "\n1 2 3\n");
  EXPECT_TRUE(kopf.zeilen.empty());
  EXPECT_EQ(kopf.meldungen, (Zeilen{"In der 1.Zeile 200 Zeichen gelesen"}));
  EXPECT_EQ(kopf.status, "0 Zeilen wurden eingelesen");
  EXPECT_EQ(RatendateiAusText("H\n" + Zeile(99)).meldungen, (Zeilen{"In der 2.Zeile 200 Zeichen gelesen"}));
  EXPECT_EQ(RatendateiAusText("H\n" + Zeile(98)).zeilen.size(), 1u);
  // Bytes after a NUL still count toward the length.
  EXPECT_EQ(RatendateiAusText("H\n1 2 3" + std::string(1, '\0') + std::string(120, 'x') + "\n").meldungen,
            (Zeilen{"In der 2.Zeile 200 Zeichen gelesen"}));
}

TEST(Ratendatei, OpeningMessage) {
  EXPECT_EQ(RatendateiOeffnenMeldung("C:\\Daten\\raten.txt"), "C:\\Daten\\raten.txt wird ge\xC3\xB6" "ffnet");
}

class RatendateiDatei : public ::testing::Test {
 protected:
  void SetUp() override {
    // Unique per run: several builds may run these tests at the same time.
    m_pfad = std::filesystem::temp_directory_path() /
             ("zelvor_raten_" + std::to_string(std::random_device{}()) + "_" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".txt");
  }
  void TearDown() override { std::filesystem::remove(m_pfad); }

  void Schreiben(const std::string& inhalt) {
    std::ofstream f(m_pfad, std::ios::binary);
    f << inhalt;
  }

  std::filesystem::path m_pfad;
};

TEST_F(RatendateiDatei, ReadsLikeTheImage) {
  const std::string inhalt = "Kopf\r\n1 2 3\r\n4 5 6\n" + Zeile(120) + "\n7 8 9\n";
  Schreiben(inhalt);
  const auto datei = RatendateiEinlesen(m_pfad.string());
  const auto bild = RatendateiAusText(inhalt);
  EXPECT_TRUE(datei.geoeffnet);
  EXPECT_EQ(datei.zeilen, bild.zeilen);
  EXPECT_EQ(datei.meldungen, bild.meldungen);
  EXPECT_EQ(datei.status, bild.status);
  EXPECT_EQ(datei.zeilen.size(), 2u);
}

TEST_F(RatendateiDatei, MissingFileGivesNoLines) {
  const auto r = RatendateiEinlesen(m_pfad.string());
  EXPECT_FALSE(r.geoeffnet);
  EXPECT_TRUE(r.zeilen.empty());
  EXPECT_TRUE(r.meldungen.empty());
  EXPECT_EQ(r.status, "0 Zeilen wurden eingelesen");
  EXPECT_FALSE(r.geaendert);
  // A folder of that name is no rate file either.
  std::filesystem::create_directory(m_pfad);
  EXPECT_FALSE(RatendateiEinlesen(m_pfad.string()).geoeffnet);
  std::filesystem::remove(m_pfad);
}

TEST_F(RatendateiDatei, HugeFilesAreReadLineByLine) {
  Schreiben("H\n1 2 3\n" + std::string(10'000'000, '7') + "\n4 5 6\n");
  const auto lang = RatendateiEinlesen(m_pfad.string());
  EXPECT_EQ(lang.zeilen.size(), 1u);
  EXPECT_EQ(lang.meldungen, (Zeilen{"In der 3.Zeile 200 Zeichen gelesen"}));

  // Lines beyond the row limit end the import with the rate file's own message.
  std::string viele = "H\n";
  for (int i = 0; i < 100'000; ++i) viele += "1.5 1000 80\n";
  Schreiben(viele);
  const auto r = RatendateiEinlesen(m_pfad.string());
  EXPECT_EQ(r.zeilen.size(), 3000u);
  EXPECT_EQ(r.meldungen, (Zeilen{"Die Ratendatei hat mehr als 3000 Ratenzeilen; ab der 3002.Zeile wurde nichts eingelesen"}));
  EXPECT_EQ(r.status, "3000 Zeilen wurden eingelesen");
  EXPECT_EQ(RatendateiAusText(viele.substr(0, 2 + 3000 * 12)).meldungen, Zeilen{});
}

}  // namespace
}  // namespace zelvor
