#include "doc/ErgebnisDatei.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "tests/doc/DateiTestHilfen.h"

namespace zelvor {
namespace {

CStringArray Lesen(const std::string& pfad, const std::string& inhalt) {
  test::RohSchreiben(pfad, inhalt);
  const ErgebnisseGelesen g = ErgebnisseLesen(pfad);
  EXPECT_TRUE(g.geoeffnet);
  return g.zeilen;
}

TEST(ErgebnisDateiTest, PathOfTheResultsFile) {
  EXPECT_EQ(ErgebnisDateiPfad(""), "aus.txt");
  EXPECT_EQ(ErgebnisDateiPfad("/tmp/x"), "/tmp/x/aus.txt");
  EXPECT_EQ(ErgebnisDateiPfad("/tmp/x/"), "/tmp/x/aus.txt");
  EXPECT_EQ(ErgebnisseEingelesenMeldung(0), "0 Zeilen wurden eingelesen");
  EXPECT_EQ(ErgebnisseEingelesenMeldung(1000), "1000 Zeilen wurden eingelesen");
}

TEST(ErgebnisDateiTest, WritesTitleAndEntriesVerbatimWithCrLf) {
  test::TempVerzeichnis dir;
  const std::string pfad = ErgebnisDateiPfad(dir.pfad().string());
  ASSERT_EQ(ErgebnisseSchreiben(pfad, "100% Müller.zlv", {"C = 5 %d %s %%", "", "Süd € α"}), "");
  EXPECT_EQ(test::RohLesen(pfad), "100% M\xFCller.zlv\r\nC = 5 %d %s %%\r\n\r\nS\xFC" "d \x80 ?\r\n");

  ASSERT_EQ(ErgebnisseSchreiben(pfad, "Titel", {}), "");
  EXPECT_EQ(test::RohLesen(pfad), "");  // not even the title
  EXPECT_EQ(dir.Eintraege(), std::vector<std::string>{"aus.txt"});
}

TEST(ErgebnisDateiTest, WriteThenReadPutsTheTitleOnTop) {
  test::TempVerzeichnis dir;
  const std::string pfad = dir / "aus.txt";
  const CStringArray tabelle = {"  Gp    C-Wert", "  1.0   0.25 €", "ABBRUCH! 100%"};
  ASSERT_EQ(ErgebnisseSchreiben(pfad, "Unbenannt", tabelle), "");
  const ErgebnisseGelesen erst = ErgebnisseLesen(pfad);
  ASSERT_TRUE(erst.geoeffnet);
  EXPECT_EQ(erst.zeilen, (CStringArray{"Unbenannt", "  Gp    C-Wert", "  1.0   0.25 €", "ABBRUCH! 100%"}));

  ASSERT_EQ(ErgebnisseSchreiben(pfad, "Unbenannt", erst.zeilen), "");
  const ErgebnisseGelesen zweit = ErgebnisseLesen(pfad);
  ASSERT_EQ(zweit.zeilen.size(), 5u);
  EXPECT_EQ(zweit.zeilen[0], "Unbenannt");
  EXPECT_EQ(zweit.zeilen[1], "Unbenannt");
}

// Reads take at most 99 characters; CR LF is one character; the line end is split off; a text of
// at most one character becomes that many blanks.
TEST(ErgebnisDateiTest, ReadsInPiecesOfAtMost99Characters) {
  test::TempVerzeichnis dir;
  const std::string pfad = dir / "aus.txt";
  const std::string a98(98, 'a'), b99(99, 'b'), c100(100, 'c');
  EXPECT_EQ(Lesen(pfad, c100 + "\r\n"), (CStringArray{std::string(99, 'c'), " "}));
  EXPECT_EQ(Lesen(pfad, b99 + "\r\nnext\r\n"), (CStringArray{b99, "", "next"}));
  EXPECT_EQ(Lesen(pfad, a98 + "\r\nnext\r\n"), (CStringArray{a98, "next"}));
  EXPECT_EQ(Lesen(pfad, a98 + "\nnext"), (CStringArray{a98, "next"}));
  EXPECT_EQ(Lesen(pfad, std::string(250, 'd')), (CStringArray{std::string(99, 'd'), std::string(99, 'd'),
                                                              std::string(52, 'd')}));
  EXPECT_EQ(Lesen(pfad, "erste\r\n\r\nx\r\n\nletzte ohne Ende"),
            (CStringArray{"erste", "", " ", "", "letzte ohne Ende"}));
  EXPECT_EQ(Lesen(pfad, "x"), CStringArray{" "});
  EXPECT_EQ(Lesen(pfad, ""), CStringArray{});
  EXPECT_EQ(Lesen(pfad, "a\rb\r\rc\r"), CStringArray{"a\rb\r\rc\r"});  // only CR LF ends a line
  EXPECT_EQ(Lesen(pfad, "M\xFCller \x80\r\n"), CStringArray{"Müller €"});
  EXPECT_EQ(Lesen(pfad, std::string("ab\0cd\r\nef", 9)), (CStringArray{"ab", "ef"}));
}

TEST(ErgebnisDateiTest, ReadsAtMost1000Entries) {
  test::TempVerzeichnis dir;
  const std::string pfad = dir / "aus.txt";
  std::string inhalt;
  for (int i = 0; i < 1500; ++i) inhalt += "Zeile " + std::to_string(i) + "\r\n";
  const CStringArray zeilen = Lesen(pfad, inhalt);
  ASSERT_EQ(zeilen.size(), 1000u);
  EXPECT_EQ(zeilen.front(), "Zeile 0");
  EXPECT_EQ(zeilen.back(), "Zeile 999");

  // Pieces of long lines count as well.
  EXPECT_EQ(Lesen(pfad, std::string(99 * 1000 + 50, 'z')).size(), 1000u);
}

TEST(ErgebnisDateiTest, AHugeFileIsReadOnlyAsFarAsNeeded) {
  test::TempVerzeichnis dir;
  const std::string pfad = dir / "aus.txt";
  test::RohSchreiben(pfad, "");
  std::error_code fehler;
  std::filesystem::resize_file(pfad, std::uintmax_t{8} << 30, fehler);  // 8 GiB of zero bytes, sparse
  ASSERT_FALSE(fehler) << fehler.message();
  // Reading all of it would take minutes and gigabytes; the test's time limit catches that.
  const ErgebnisseGelesen g = ErgebnisseLesen(pfad);
  ASSERT_TRUE(g.geoeffnet);
  EXPECT_EQ(g.zeilen.size(), 1000u);
  EXPECT_EQ(g.zeilen.front(), "");
}

TEST(ErgebnisDateiTest, FilesThatCannotBeOpenedOrWritten) {
  test::TempVerzeichnis dir;
  const ErgebnisseGelesen fehlt = ErgebnisseLesen(dir / "aus.txt");
  EXPECT_FALSE(fehlt.geoeffnet);
  EXPECT_TRUE(fehlt.zeilen.empty());
  const ErgebnisseGelesen verzeichnis = ErgebnisseLesen(dir.pfad().string());
  EXPECT_FALSE(verzeichnis.geoeffnet);

  // A directory named aus.txt, and a missing directory: a message, and nothing written anywhere.
  std::filesystem::create_directory(dir / "aus.txt");
  const std::string fehler = ErgebnisseSchreiben(dir / "aus.txt", "T", {"a"});
  EXPECT_NE(fehler.find("aus.txt"), std::string::npos) << fehler;
  EXPECT_TRUE(std::filesystem::is_directory(dir / "aus.txt"));
  EXPECT_NE(ErgebnisseSchreiben(dir / "fehlt/aus.txt", "T", {"a"}), "");

  // A read-only results file is kept as it is.
  test::TempVerzeichnis dir2;
  test::RohSchreiben(dir2 / "aus.txt", "alt\r\n");
  ASSERT_EQ(::chmod((dir2 / "aus.txt").c_str(), 0444), 0);
  EXPECT_NE(ErgebnisseSchreiben(dir2 / "aus.txt", "T", {"a"}), "");
  EXPECT_EQ(test::RohLesen(dir2 / "aus.txt"), "alt\r\n");
  EXPECT_EQ(dir.Eintraege(), std::vector<std::string>{"aus.txt"});
  EXPECT_EQ(dir2.Eintraege(), std::vector<std::string>{"aus.txt"});
}

}  // namespace
}  // namespace zelvor
