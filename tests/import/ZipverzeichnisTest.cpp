#include "import/Zipverzeichnis.h"

#include <gtest/gtest.h>

#include "tests/import/Zipbau.h"

namespace zelvor {
namespace {

using test::Zipbau;
using test::Zipteil;

const std::string BESCHAEDIGT = "Die Arbeitsmappe ist besch\xC3\xA4" "digt (kein lesbares Zip-Archiv).";

const std::vector<Zipteil> TEILE = {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
                                    {"content.xml", "<a>" + std::string(1000, 'x') + "</a>"},
                                    {"styles.xml", "<s/>", true}};

TEST(Zipverzeichnis, EinGanzesArchivWirdBeschrieben) {
  const std::string archiv = Zipbau(TEILE).Archiv();
  std::vector<Zipeintrag> eintraege;
  ASSERT_EQ(ZipverzeichnisLesen(archiv, eintraege), "");
  ASSERT_EQ(eintraege.size(), TEILE.size());
  for (std::size_t i = 0; i < TEILE.size(); ++i) {
    EXPECT_EQ(eintraege[i].name, TEILE[i].name);
    EXPECT_EQ(ZipeintragEntpacken(archiv, eintraege[i]), TEILE[i].daten);
  }
  // A comment after the end record belongs to it.
  EXPECT_EQ(ZipverzeichnisPruefen(Zipbau(TEILE).Archiv(-1, "von Hand")), "");
}

// Every way the directory and the local entries could tell two stories is refused before anything is read.
TEST(Zipverzeichnis, ZweiBeschreibungenWerdenAbgelehnt) {
  const std::string gut = Zipbau(TEILE).Archiv();
  const std::string ende = gut.substr(gut.size() - 22);
  Zipbau ueberlappend(TEILE);
  ueberlappend.Verweisen(2, ueberlappend.offsets[1]);  // two records, one local entry
  Zipbau luecke(TEILE);
  luecke.lokal += "versteckt";
  Zipbau anderer(TEILE);
  anderer.lokal[anderer.offsets[1] + 30] = 'C';  // the local header names another part
  Zipbau beschreiber(TEILE);
  beschreiber.lokal[beschreiber.lokal.size() - 12] ^= 1;  // the data descriptor's checksum
  Zipbau verschluesselt(TEILE);
  verschluesselt.lokal[6] = 1;
  verschluesselt.eintraege[0][8] = 1;
  struct Fall {
    const char* name;
    std::string archiv;
    std::string meldung;
  };
  const Fall faelle[] = {
      {"ungezählter Eintrag", Zipbau(TEILE).Archiv(2), BESCHAEDIGT},
      {"zweites Endstück", gut + ende, BESCHAEDIGT},
      {"Endstück im Kommentar", Zipbau(TEILE).Archiv(-1, ende), BESCHAEDIGT},
      {"überlappende Einträge", ueberlappend.Archiv(), BESCHAEDIGT},
      {"Lücke vor dem Verzeichnis", luecke.Archiv(), BESCHAEDIGT},
      {"Name doppelt", Zipbau({{"a.xml", "<a/>"}, {"a.xml", "<b/>"}}).Archiv(), BESCHAEDIGT},
      {"Ortskopf mit anderem Namen", anderer.Archiv(), BESCHAEDIGT},
      {"Datenbeschreiber falsch", beschreiber.Archiv(), BESCHAEDIGT},
      {"verschlüsselt", verschluesselt.Archiv(), "Die Arbeitsmappe ist verschl\xC3\xBCsselt; sie wird nicht gelesen."},
  };
  for (const Fall& f : faelle) EXPECT_EQ(ZipverzeichnisPruefen(f.archiv), f.meldung) << f.name;
}

TEST(Zipverzeichnis, EntpacktWirdNurWasDemVerzeichnisEntspricht) {
  Zipbau falsch(TEILE);
  falsch.lokal[falsch.offsets[1] + 30 + 11 + 5] = 'y';  // data that no longer match their checksum
  const std::string archiv = falsch.Archiv();
  std::vector<Zipeintrag> eintraege;
  ASSERT_EQ(ZipverzeichnisLesen(archiv, eintraege), "");
  EXPECT_FALSE(ZipeintragEntpacken(archiv, eintraege[1]));
}

TEST(Zipverzeichnis, NeuGeschriebenIstBegrenzt) {
  const std::string archiv = Zipbau(TEILE).Archiv();
  std::vector<Zipeintrag> eintraege;
  ASSERT_EQ(ZipverzeichnisLesen(archiv, eintraege), "");
  std::vector<std::optional<std::string>> ersetzt(eintraege.size());
  ersetzt[1] = "<b/>";
  const std::optional<std::string> neu = ZipNeuSchreiben(archiv, eintraege, ersetzt, 1024);
  ASSERT_TRUE(neu);
  std::vector<Zipeintrag> wieder;
  ASSERT_EQ(ZipverzeichnisLesen(*neu, wieder), "");
  ASSERT_EQ(wieder.size(), 3u);
  EXPECT_EQ(ZipeintragEntpacken(*neu, wieder[0]), TEILE[0].daten);
  EXPECT_EQ(ZipeintragEntpacken(*neu, wieder[1]), "<b/>");
  ersetzt[1] = std::string(2000, 'z');
  EXPECT_FALSE(ZipNeuSchreiben(archiv, eintraege, ersetzt, 1024));
}

TEST(Zipverzeichnis, BeziehungszieleRelativ) {
  std::string text = "<Relationship Target=\"/xl/worksheets/sheet1.xml\"/><Relationship Target='/xl/styles.xml'/>";
  EXPECT_TRUE(BeziehungszieleRelativ(text, "xl/_rels/workbook.xml.rels"));
  EXPECT_EQ(text, "<Relationship Target=\"worksheets/sheet1.xml\"/><Relationship Target='styles.xml'/>");
  EXPECT_FALSE(BeziehungszieleRelativ(text, "xl/_rels/workbook.xml.rels"));
}

}  // namespace
}  // namespace zelvor
