#include "report/Anzeigetext.h"

#include <gtest/gtest.h>

#include "report/Feldtabelle.h"

namespace zelvor {
namespace {

TEST(Anzeigetext, CutsByCharactersWithAnEllipsis) {
  struct Fall {
    std::string text;
    std::size_t zeichen;
    std::string name, pfad;
  };
  const Fall faelle[] = {
      {"Bohrung 1", 9, "Bohrung 1", "Bohrung 1"},  // fits exactly: unchanged
      {"Bohrung 12", 9, "Bohrung …", "…hrung 12"},
      {"Süßgas Ä", 4, "Süß…", "…s Ä"},  // umlauts count as one character and are never split
      {"", 3, "", ""},
      {"abc", 1, "…", "…"},
  };
  for (const Fall& f : faelle) {
    EXPECT_EQ(FuerAnzeige(f.text, f.zeichen), f.name) << f.text;
    EXPECT_EQ(PfadFuerAnzeige(f.text, f.zeichen), f.pfad) << f.text;
  }
}

// A picture's text block is bounded in lines and line length whatever the page holds (3000 surveys).
TEST(Anzeigetext, APicturesTextIsBounded) {
  const std::vector<std::string> kurz = {"a", "b"};
  EXPECT_EQ(TextFuerBild(kurz), kurz);
  std::vector<std::string> lang(3000, std::string(5000, 'x'));
  const std::vector<std::string> bild = TextFuerBild(lang);
  ASSERT_EQ(bild.size(), BILD_TEXTZEILEN);
  EXPECT_EQ(bild.back(), "… 2881 weitere Zeilen zeigt das Bild nicht.");
  for (const std::string& z : bild) EXPECT_LE(z.size(), BILD_ZEILE_ZEICHEN + 2);
}

// One well with a name of megabytes: every line of the field's table stays short, the cells the export
// and the sorting use keep the whole name.
TEST(Anzeigetext, AHugeNameDoesNotWidenTheFieldTable) {
  std::vector<Feldbohrung> bohrungen(2);
  bohrungen[0].name = std::string(2'000'000, 'N');
  bohrungen[0].datei = "/daten/" + std::string(1'000'000, 'd') + "/lang.zlv";
  bohrungen[1].name = "Bohrung 2";
  const std::vector<std::string> zeilen = FeldtabelleText(bohrungen);
  ASSERT_EQ(zeilen.size(), 3u);
  for (const std::string& z : zeilen) EXPECT_LT(z.size(), 600u);
  EXPECT_NE(zeilen[1].find("…" + std::string(90, 'd') + "/lang.zlv"), std::string::npos);  // the file's end
  EXPECT_EQ(zeilen[2].rfind("Bohrung 2 ", 0), 0u);
  EXPECT_EQ(FeldZelle(bohrungen[0], Feldspalte::Bohrung), bohrungen[0].name);
}

}  // namespace
}  // namespace zelvor
