#include "report/Tabellenseiten.h"

#include <gtest/gtest.h>

#include <vector>

namespace zelvor {
namespace {

// A4 printable areas as the PDF printer reports them, and a square one.
constexpr double A4_BREITE = 2029, A4_HOEHE = 2899;

// How often each line lands on some page when all pages of the table are printed.
std::vector<int> Abdeckung(int zeilen, int jeSeite) {
  std::vector<int> gedruckt(zeilen, 0);
  for (int s = 1; s <= Seitenanzahl(zeilen, jeSeite); ++s) {
    const Zeilenbereich b = SeitenZeilen(s, jeSeite, zeilen);
    for (int i = b.von; i < b.bis; ++i) ++gedruckt[i];
  }
  return gedruckt;
}

TEST(Tabellenseiten, OnlyAPageTallerThanWideIsPortrait) {
  EXPECT_EQ(ZeilenJeSeite(A4_BREITE, A4_HOEHE), 61);
  EXPECT_EQ(ZeilenJeSeite(A4_HOEHE, A4_BREITE), 40);
  EXPECT_EQ(ZeilenJeSeite(2000, 2000), 40);
  EXPECT_EQ(ZeilenJeSeite(2000, 2000.5), 61);
}

TEST(Tabellenseiten, PageCountIsTheQuotientPlusOne) {
  EXPECT_EQ(Seitenanzahl(0, 61), 1);
  EXPECT_EQ(Seitenanzahl(60, 61), 1);
  EXPECT_EQ(Seitenanzahl(61, 61), 2);
  EXPECT_EQ(Seitenanzahl(62, 61), 2);
  EXPECT_EQ(Seitenanzahl(100, 40), 3);
  EXPECT_EQ(Seitenanzahl(100, 61), 2);  // what the print dialog is told before a landscape print needs 3
}

TEST(Tabellenseiten, EmptyTableGivesOneHeaderOnlyPage) {
  ASSERT_EQ(Seitenanzahl(0, 61), 1);
  const Zeilenbereich b = SeitenZeilen(1, 61, 0);
  EXPECT_EQ(b.von, b.bis);
}

TEST(Tabellenseiten, SixtyOneLinesPortraitLeaveAnEmptySecondPage) {
  const Zeilenbereich erste = SeitenZeilen(1, 61, 61);
  EXPECT_EQ(erste.von, 0);
  EXPECT_EQ(erste.bis, 61);
  const Zeilenbereich zweite = SeitenZeilen(2, 61, 61);
  EXPECT_EQ(zweite.von, zweite.bis);
}

TEST(Tabellenseiten, SixtySecondLineOpensPageTwo) {
  const Zeilenbereich erste = SeitenZeilen(1, 61, 62);
  EXPECT_EQ(erste.von, 0);
  EXPECT_EQ(erste.bis, 61);
  const Zeilenbereich zweite = SeitenZeilen(2, 61, 62);
  EXPECT_EQ(zweite.von, 61);
  EXPECT_EQ(zweite.bis, 62);
}

TEST(Tabellenseiten, EveryLinePrintedExactlyOnce) {
  for (int zeilen : {1, 39, 40, 41, 100, 330, 1000}) {
    for (int jeSeite : {ZeilenJeSeite(A4_BREITE, A4_HOEHE), ZeilenJeSeite(A4_HOEHE, A4_BREITE)}) {
      const std::vector<int> gedruckt = Abdeckung(zeilen, jeSeite);
      for (int i = 0; i < zeilen; ++i) EXPECT_EQ(gedruckt[i], 1) << zeilen << " Zeilen, " << jeSeite << ", Zeile " << i;
    }
  }
  const Zeilenbereich letzte = SeitenZeilen(3, 40, 100);
  EXPECT_EQ(letzte.von, 80);
  EXPECT_EQ(letzte.bis, 100);
}

TEST(Tabellenseiten, PagesOutsideTheTableAreEmpty) {
  for (int seite : {-1, 0, 4, 1 << 30}) {
    const Zeilenbereich b = SeitenZeilen(seite, 40, 100);
    EXPECT_EQ(b.von, b.bis) << seite;
    EXPECT_GE(b.von, 0) << seite;
  }
}

TEST(Tabellenseiten, HeaderHasNoBlankAfterTheColon) {
  EXPECT_EQ(Seitenkopf("suessgas.zlv"), "Dokument:suessgas.zlv");
  EXPECT_EQ(Seitenkopf("Unbenannt"), "Dokument:Unbenannt");
  EXPECT_EQ(Seitenkopf("100%s.zlv"), "Dokument:100%s.zlv");  // a title is text, never a format
}

// The surface ends one empty line beneath the last line: a short table scrolls no further than that, a
// long one reaches every line.
TEST(Tabellenseiten, ScrollSurfaceEndsBeneathTheLastLine) {
  EXPECT_EQ(TabellenFlaechenhoehe(0, 55), 55);
  EXPECT_EQ(TabellenFlaechenhoehe(33, 55), 34 * 55);
  const int hoehe = TabellenFlaechenhoehe(330, 55.4);
  EXPECT_GE(hoehe, 331 * 55.4);
  EXPECT_LT(hoehe, 333 * 55.4);
  EXPECT_GT(TabellenFlaechenhoehe(331, 55.4), hoehe);
  EXPECT_EQ(TabellenFlaechenhoehe(-5, 55), 55);
  EXPECT_EQ(TabellenFlaechenhoehe(10, -1), 0);
  EXPECT_GT(TabellenFlaechenhoehe(1000000000, 55), 0);
}

// The table's lines run to about 80 characters, wider than the historic 2000 units at the screen font's
// 29 units per character: the surface must reach the last column.
TEST(Tabellenseiten, ScrollSurfaceIsAsWideAsTheLongestLine) {
  EXPECT_EQ(TabellenFlaechenbreite(0, 29.1), 2000);
  EXPECT_EQ(TabellenFlaechenbreite(66, 29.1), 2000);
  const int breit = TabellenFlaechenbreite(80, 29.1);
  EXPECT_GE(breit, 81 * 29.1);
  EXPECT_LE(breit, 83 * 29.1);
}

TEST(Tabellenseiten, LongestLineCountsCharactersNotBytes) {
  EXPECT_EQ(LaengsteZeile({}), 0);
  EXPECT_EQ(LaengsteZeile({"", "abc", "ab"}), 3);
  EXPECT_EQ(LaengsteZeile({"Lagerstättentemperatur (°C):", "1234567890123456789012345678"}), 28);
  EXPECT_EQ(LaengsteZeile({"ÄÖÜäöüß"}), 7);
}

}  // namespace
}  // namespace zelvor
