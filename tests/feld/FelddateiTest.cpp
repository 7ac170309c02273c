#include "feld/Felddatei.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/doc/DateiTestHilfen.h"

namespace zelvor {
namespace {

namespace fs = std::filesystem;

TEST(Felddatei, RundreiseMitPfadenRelativZurFelddatei) {
  test::TempVerzeichnis tmp;
  fs::create_directories(tmp.pfad() / "feld");
  fs::create_directories(tmp.pfad() / "bohrungen" / "süd");
  const std::string felddatei = tmp / "feld/Nordheide.zlf";
  const std::vector<std::string> bohrungen = {tmp / "bohrungen/süd/B 1.zlv", tmp / "feld/b2.zlv", "/abs/b3.zlv"};
  ASSERT_EQ(FelddateiSchreiben(felddatei, bohrungen), "");
  const std::string text = test::RohLesen(felddatei);
  EXPECT_EQ(text.substr(0, text.find('\n')), "../bohrungen/süd/B 1.zlv");
  EXPECT_NE(text.find("\nb2.zlv\n"), std::string::npos) << text;
  const Felddatei f = FelddateiLesen(felddatei);
  EXPECT_EQ(f.meldung, "");
  ASSERT_EQ(f.bohrungen.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i)
    EXPECT_EQ(fs::weakly_canonical(f.bohrungen[i]), fs::weakly_canonical(bohrungen[i])) << f.bohrungen[i];
}

TEST(Felddatei, LeerzeilenKommentareCrLfUndBom) {
#ifdef _WIN32
  GTEST_SKIP() << "POSIX path texts: '/' only, names that end in a blank";
#endif
  const Felddatei f = FelddateiAusText("/daten/feld.zlf", "\xEF\xBB\xBF# Feld Nordheide\r\n \t\r\n a.zlv \r\nsub/b.zlv\n/x/c.zlv");
  EXPECT_EQ(f.meldung, "");
  EXPECT_EQ(f.bohrungen, (std::vector<std::string>{"/daten/ a.zlv ", "/daten/sub/b.zlv", "/x/c.zlv"}));
}

// Names that would read back as a comment or a blank line are kept; a line break cannot be written.
TEST(Felddatei, JederPfadKommtSoZurueckWieErGeschriebenWurde) {
#ifdef _WIN32
  GTEST_SKIP() << "POSIX path texts: '/' only, names that end in a blank";
#endif
  const std::vector<std::string> bohrungen = {"/daten/#1.zlv", "/daten/ ", "/daten/ a.zlv ", "/daten/x#.zlv"};
  std::string meldung;
  const std::string text = FelddateiText("/daten/feld.zlf", bohrungen, meldung);
  EXPECT_EQ(meldung, "");
  EXPECT_EQ(FelddateiAusText("/daten/feld.zlf", text).bohrungen, bohrungen) << text;
  for (const std::string& falsch : {std::string("/daten/a\nb.zlv"), std::string("/daten/a.zlv\r"), std::string()}) {
    EXPECT_EQ(FelddateiText("/daten/feld.zlf", {falsch}, meldung), "");
    EXPECT_NE(meldung.find("kann nicht in einer Felddatei stehen"), std::string::npos);
  }
  test::TempVerzeichnis tmp;
  EXPECT_NE(FelddateiSchreiben(tmp / "f.zlf", {"a\nb.zlv"}), "");
  EXPECT_FALSE(std::filesystem::exists(tmp / "f.zlf"));
}

TEST(Felddatei, FeindseligeDateienMitDeutscherMeldung) {
  struct Fall {
    std::string name, text, teil;
  };
  std::string vieleZeilen;
  for (std::size_t i = 0; i <= FELDDATEI_MAX_BOHRUNGEN; ++i) vieleZeilen += "b.zlv\n";
  for (const Fall& f : {Fall{"NUL", std::string("a.zlv\n\0b", 8), "keine Textdatei"},
                        Fall{"Windows-1252", "B\xFCro.zlv\n", "keine Textdatei"},
                        Fall{"Überlang", std::string(FELDDATEI_MAX_ZEILENLAENGE + 1, 'a'), "Zeile 1 ist zu lang"},
                        Fall{"Viele", vieleZeilen, "mehr als"},
                        Fall{"Riesig", std::string(FELDDATEI_MAX_BYTES + 1, '\n'), "zu groß"}}) {
    SCOPED_TRACE(f.name);
    const Felddatei d = FelddateiAusText("feld.zlf", f.text);
    EXPECT_NE(d.meldung.find(f.teil), std::string::npos) << d.meldung;
    EXPECT_NE(d.meldung.find("Die Felddatei \"feld.zlf\""), std::string::npos) << d.meldung;
    EXPECT_TRUE(d.bohrungen.empty());
  }
  test::TempVerzeichnis tmp;
  EXPECT_NE(FelddateiLesen(tmp / "fehlt.zlf").meldung, "");
}

TEST(Felddatei, OrdnerUndFelddateiAlsBohrungsliste) {
  test::TempVerzeichnis tmp;
  for (const char* name : {"c.zlv", "a.ZLV", "b.zlv", "notiz.txt"}) test::RohSchreiben(tmp / name, "x");
  fs::create_directories(tmp.pfad() / "unter.zlv");
  ASSERT_EQ(FelddateiSchreiben(tmp / "feld.zlf", {tmp / "b.zlv", tmp / "fehlt.zlv"}), "");
  fs::create_directories(tmp.pfad() / "leer");
#ifdef _WIN32
  const std::size_t verweise = 0;  // a link takes privileges on Windows
#else
  fs::create_symlink(tmp.pfad() / "c.zlv", tmp.pfad() / "verweis.zlv");
  const std::size_t verweise = 1;
#endif
  // b.zlv through the folder and the field file, c.zlv through a link and a detour: each once, where it
  // is first named; a missing file named twice too.
  const Bohrungsliste l = BohrungslisteAus({tmp.pfad().string(), tmp / "feld.zlf", tmp / "einzeln.zlv", tmp / "leer",
                                            tmp / "leer/../c.zlv", tmp / "fehlt.zlv"});
  EXPECT_EQ(l.pfade, (std::vector<std::string>{tmp / "a.ZLV", tmp / "b.zlv", tmp / "c.zlv", tmp / "fehlt.zlv",
                                                tmp / "einzeln.zlv"}));
  EXPECT_EQ(l.doppelt, 3u + verweise);  // verweis.zlv, b.zlv, ../c.zlv, fehlt.zlv
  EXPECT_EQ(DoppeltHinweis(4), "4 Bohrungen sind mehrfach genannt und nur einmal aufgenommen.");
  EXPECT_EQ(DoppeltHinweis(0), "");
  ASSERT_EQ(l.meldungen.size(), 1u);
  EXPECT_NE(l.meldungen[0].find("enthält keine Bohrung"), std::string::npos);
  EXPECT_EQ(Feldname({tmp / "feld.zlf"}), "feld");
  EXPECT_EQ(Feldname({tmp.pfad().string() + "/leer/"}), "leer");
  EXPECT_EQ(Feldname({"a.zlv", "b.zlv"}), "Feld");
}

}  // namespace
}  // namespace zelvor
