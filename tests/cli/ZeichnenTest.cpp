// graph and print run as the user runs them: zelvor-cli started as a program, handing over to
// zelvor-cli-zeichnen beside it, with no display.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace {

namespace fs = std::filesystem;

const std::string WELL = std::string(ZELVOR_EXAMPLES_DIR) + "/suessgas.zlv";

struct Ergebnis {
  int status = -1;
  std::string err;
};

std::string Quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

std::string Lesen(const fs::path& pfad) {
  std::ifstream f(pfad, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

int Seiten(const std::string& pdf) {
  static const std::regex seite(R"(/Type\s*/Page[^s])");
  return static_cast<int>(std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), seite), std::sregex_iterator()));
}

class Zeichnen : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() / ("zelvor-zeichnen-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
  }
  void TearDown() override { fs::remove_all(m_dir); }

  std::string Pfad(const std::string& name) const { return (m_dir / name).string(); }

  // Runs a program with a clean display setting; the environment prefix is for the locale.
  Ergebnis Starten(const std::vector<std::string>& args, const std::string& programm = ZELVOR_CLI,
                   const std::string& umgebung = "") const {
    std::string befehl = "env -u DISPLAY -u QT_QPA_PLATFORM " + umgebung + " " + Quote(programm);
    for (const std::string& a : args) befehl.append(" ").append(Quote(a));  // no " " + temporary: g++ 12 -O3 -Wrestrict
    befehl += " >/dev/null 2>" + Quote(Pfad("stderr.txt"));
    const int roh = std::system(befehl.c_str());
    Ergebnis r;
    r.status = WIFEXITED(roh) ? WEXITSTATUS(roh) : -1;
    r.err = Lesen(Pfad("stderr.txt"));
    return r;
  }

  fs::path m_dir;
};

TEST_F(Zeichnen, GraphInEveryFormat) {
  struct Fall {
    const char* datei;
    std::string kopf;
    const char* enthaelt;
  };
  for (const Fall& f : {Fall{"grafik.png", "\x89PNG\r\n\x1a\n", "IEND"}, Fall{"grafik.svg", "", "<svg"},
                        Fall{"grafik.pdf", "%PDF-", "%%EOF"}, Fall{"GROSS.PNG", "\x89PNG", "IEND"}}) {
    const Ergebnis r = Starten({"graph", WELL, "-o", Pfad(f.datei)});
    EXPECT_EQ(r.status, 0) << f.datei << r.err;
    EXPECT_EQ(r.err, "") << f.datei;
    const std::string inhalt = Lesen(Pfad(f.datei));
    EXPECT_EQ(inhalt.rfind(f.kopf, 0), 0u) << f.datei;
    EXPECT_NE(inhalt.find(f.enthaelt), std::string::npos) << f.datei;
  }
  EXPECT_EQ(Seiten(Lesen(Pfad("grafik.pdf"))), 1);
}

// The options reach the drawing: each one changes the picture.
TEST_F(Zeichnen, GraphOptionsChangeThePicture) {
  ASSERT_EQ(Starten({"graph", WELL, "-o", Pfad("normal.png")}).status, 0);
  ASSERT_EQ(Starten({"graph", WELL, "-o", Pfad("lupe.png"), "--zoom"}).status, 0);
  ASSERT_EQ(Starten({"graph", WELL, "-o", Pfad("raten.png"), "--rate-graph"}).status, 0);
  const std::string normal = Lesen(Pfad("normal.png"));
  EXPECT_NE(Lesen(Pfad("lupe.png")), normal);
  EXPECT_NE(Lesen(Pfad("raten.png")), normal);
  ASSERT_EQ(Starten({"graph", WELL, "-o", Pfad("quer.pdf"), "--landscape"}).status, 0);
  EXPECT_NE(Lesen(Pfad("quer.pdf")).find("/MediaBox [0 0 842"), std::string::npos);
}

// The sweet gas table has 45 lines: one portrait page of 61 lines, two landscape pages of 40.
TEST_F(Zeichnen, PrintGivesTheTablePages) {
  Ergebnis r = Starten({"print", WELL, "-o", Pfad("hoch.pdf")});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(Seiten(Lesen(Pfad("hoch.pdf"))), 1);
  r = Starten({"print", WELL, "-o", Pfad("quer.pdf"), "--landscape"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(Seiten(Lesen(Pfad("quer.pdf"))), 2);
}

TEST_F(Zeichnen, PrintedNumbersKeepTheDecimalPointUnderAGermanLocale) {
  if (std::system("command -v pdftotext >/dev/null 2>&1") != 0) GTEST_SKIP() << "pdftotext fehlt";
  const std::string deutsch = "LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8";
  ASSERT_EQ(Starten({"print", WELL, "-o", Pfad("de.pdf")}, ZELVOR_CLI, deutsch).status, 0);
  ASSERT_EQ(std::system(("pdftotext -layout " + Quote(Pfad("de.pdf")) + " " + Quote(Pfad("de.txt"))).c_str()), 0);
  const std::string text = Lesen(Pfad("de.txt"));
  EXPECT_EQ(text.rfind("Dokument:suessgas.zlv", 0), 0u) << text;
  EXPECT_TRUE(std::regex_search(text, std::regex(R"(Mittlerer C-Wert:\s+0\.531)"))) << text;
  EXPECT_TRUE(std::regex_search(text, std::regex(R"(910\.000\s+2085\.0\s+136\.00)"))) << text;
  EXPECT_NE(text.find("Lagerstättentemperatur"), std::string::npos);
}

// An evaluation that ends early is still drawn, and reported by the exit status.
TEST_F(Zeichnen, AbortedEvaluationIsDrawnWithStatusOne) {
  std::ofstream(Pfad("raten.txt")) << "Kopf\n100 1000 100\n999999 1000 100\n";
  const Ergebnis r = Starten({"print", WELL, "--rates", Pfad("raten.txt"), "-o", Pfad("abbruch.pdf")});
  EXPECT_EQ(r.status, 1) << r.err;
  EXPECT_EQ(Lesen(Pfad("abbruch.pdf")).rfind("%PDF-", 0), 0u);
  EXPECT_EQ(Starten({"graph", WELL, "--rates", Pfad("raten.txt"), "-o", Pfad("abbruch.png")}).status, 1);
}

TEST_F(Zeichnen, WrongCallsAreOneLineAndStatusTwo) {
  const std::vector<std::vector<std::string>> falsch = {
      {"graph", WELL, "-o", Pfad("grafik.jpg")},
      {"graph", WELL, "-o", Pfad("grafik")},
      {"graph", WELL},
      {"graph", WELL, "-o", Pfad("grafik.png"), "--landscape"},
      {"print", WELL, "-o", Pfad("tabelle.png")},
      {"print", WELL, "-o", Pfad("tabelle.pdf"), "--zoom"},
      {"print", Pfad("fehlt.zlv"), "-o", Pfad("tabelle.pdf")},
      {"print", WELL, "-o", Pfad("kein/verzeichnis/tabelle.pdf")},
      {"graph", WELL, "-o", Pfad("kein/verzeichnis/grafik.svg")},
      {"graph", WELL, "-o", Pfad("kein/verzeichnis/grafik.png")},
  };
  for (const auto& args : falsch) {
    const Ergebnis r = Starten(args);
    EXPECT_EQ(r.status, 2) << args.back();
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_EQ(r.err.rfind("zelvor-cli: ", 0), 0u) << r.err;
    // A file that cannot be written is told with its reason, as by every other writer.
    if (args.back().find("kein/verzeichnis") != std::string::npos) {
      EXPECT_NE(r.err.find("kann nicht geschrieben werden: die Datei oder ihr Verzeichnis existiert nicht."),
                std::string::npos)
          << r.err;
    }
  }
  EXPECT_FALSE(fs::exists(Pfad("grafik.jpg")));
  EXPECT_FALSE(fs::exists(Pfad("tabelle.png")));
}

TEST_F(Zeichnen, MissingCompanionIsOneLineAndStatusTwo) {
  const std::string allein = Pfad("zelvor-cli");
  fs::copy_file(ZELVOR_CLI, allein);
  const Ergebnis r = Starten({"graph", WELL, "-o", Pfad("grafik.png")}, allein);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  EXPECT_NE(r.err.find("zelvor-cli-zeichnen"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(Pfad("grafik.png")));
  // The other commands do not need it.
  EXPECT_EQ(Starten({"evaluate", WELL}, allein).status, 0);
}

// zelvor-cli stays free of Qt, so that evaluate starts in about a millisecond.
TEST_F(Zeichnen, CommandLineProgramLinksNoQt) {
  if (std::system("command -v ldd >/dev/null 2>&1") != 0) GTEST_SKIP() << "ldd fehlt";
  ASSERT_EQ(std::system(("ldd " + Quote(ZELVOR_CLI) + " >" + Quote(Pfad("ldd.txt"))).c_str()), 0);
  const std::string bibliotheken = Lesen(Pfad("ldd.txt"));
  EXPECT_EQ(bibliotheken.find("libQt"), std::string::npos) << bibliotheken;
}

}  // namespace

namespace {

// The deliverability page of every example well, on one page of either orientation, with its numbers.
TEST_F(Zeichnen, DeliverabilityViewOfEveryExampleWell) {
  for (const char* bohrung : {"suessgas", "sauergas", "injektion", "mehrraten"}) {
    const std::string well = std::string(ZELVOR_EXAMPLES_DIR) + "/" + bohrung + ".zlv";
    for (const char* datei : {"l.png", "l.svg", "l.pdf", "q.pdf"}) {
      std::vector<std::string> args = {"graph", well, "--view", "lieferfaehigkeit", "-o", Pfad(datei)};
      if (std::string(datei) == "q.pdf") args.push_back("--landscape");
      const Ergebnis r = Starten(args);
      EXPECT_EQ(r.status, 0) << bohrung << " " << datei << r.err;
    }
    EXPECT_EQ(Seiten(Lesen(Pfad("l.pdf"))), 1) << bohrung;
    EXPECT_EQ(Seiten(Lesen(Pfad("q.pdf"))), 1) << bohrung;
  }
  ASSERT_EQ(Starten({"graph", WELL, "-o", Pfad("g.png")}).status, 0);
  EXPECT_NE(Lesen(Pfad("g.png")), Lesen(Pfad("l.png")));
  if (std::system("command -v pdftotext >/dev/null 2>&1") != 0) GTEST_SKIP() << "pdftotext fehlt";
  ASSERT_EQ(std::system(("pdftotext " + Quote(Pfad("l.pdf")) + " " + Quote(Pfad("l.txt"))).c_str()), 0);
  const std::string text = Lesen(Pfad("l.txt"));
  EXPECT_NE(text.find("0.7821"), std::string::npos) << text;  // n of the multi-rate test
  EXPECT_NE(text.find("Zuflusskurven"), std::string::npos);
}

}  // namespace

namespace {

// The forecast of every example well, the injection well's storage forecast too: a diagram page and
// table pages.
TEST_F(Zeichnen, ForecastViewOfEveryExampleWell) {
  const struct {
    const char* bohrung;
    int hoch, quer;
  } faelle[] = {{"suessgas", 3, 4}, {"sauergas", 3, 4}, {"mehrraten", 3, 4}, {"injektion", 3, 4}};
  for (const auto& f : faelle) {
    const std::string well = std::string(ZELVOR_EXAMPLES_DIR) + "/" + f.bohrung + ".zlv";
    for (const char* datei : {"p.png", "p.svg", "p.pdf", "pq.pdf"}) {
      std::vector<std::string> args = {"graph", well, "--view", "prognose", "-o", Pfad(datei)};
      if (std::string(datei) == "pq.pdf") args.push_back("--landscape");
      EXPECT_EQ(Starten(args).status, 0) << f.bohrung << " " << datei;
    }
    EXPECT_EQ(Seiten(Lesen(Pfad("p.pdf"))), f.hoch) << f.bohrung;
    EXPECT_EQ(Seiten(Lesen(Pfad("pq.pdf"))), f.quer) << f.bohrung;
  }
  if (std::system("command -v pdftotext >/dev/null 2>&1") != 0) GTEST_SKIP() << "pdftotext fehlt";
  ASSERT_EQ(std::system(("pdftotext " + Quote(Pfad("p.pdf")) + " " + Quote(Pfad("p.txt"))).c_str()), 0);
  EXPECT_NE(Lesen(Pfad("p.txt")).find("Einspeicherprognose"), std::string::npos);
}

}  // namespace

// feld with a picture or PDF output goes to zelvor-cli-zeichnen too; a missing well still fails (1).
TEST_F(Zeichnen, FeldAlsBildUndSeiten) {
  const std::string beispiele = ZELVOR_EXAMPLES_DIR;
  for (const char* datei : {"feld.png", "feld.svg", "feld.pdf"}) {
    const Ergebnis r = Starten({"feld", beispiele, "--jobs", "2", "-o", Pfad(datei)});
    EXPECT_EQ(r.status, 0) << datei << r.err;
    EXPECT_GT(fs::file_size(Pfad(datei)), 1000u) << datei;
  }
  // The diagram page, then the wells' table cut into parts of columns that fit the page at the result
  // table's print size (how many depends on the length of the example folder's path), then the course,
  // then the storage site's days (two pages).
  const int seiten = Seiten(Lesen(Pfad("feld.pdf")));
  EXPECT_GE(seiten, 6);
  EXPECT_LE(seiten, 13);
  const Ergebnis r = Starten({"feld", WELL, Pfad("fehlt.zlv"), "-o", Pfad("teil.png")});
  EXPECT_EQ(r.status, 1) << r.err;
  EXPECT_TRUE(fs::exists(Pfad("teil.png")));
}

namespace {

// The capacity curves of the storage example on one page with both curves' legend.
TEST_F(Zeichnen, StorageCurvesViewOfTheStorageExample) {
  const std::string well = std::string(ZELVOR_EXAMPLES_DIR) + "/speicher.zlv";
  for (const char* datei : {"k.png", "k.svg", "k.pdf"})
    EXPECT_EQ(Starten({"graph", well, "--view", "speicherkennlinien", "-o", Pfad(datei)}).status, 0) << datei;
  EXPECT_EQ(Seiten(Lesen(Pfad("k.pdf"))), 1);
  if (std::system("command -v pdftotext >/dev/null 2>&1") != 0) GTEST_SKIP() << "pdftotext fehlt";
  ASSERT_EQ(std::system(("pdftotext " + Quote(Pfad("k.pdf")) + " " + Quote(Pfad("k.txt"))).c_str()), 0);
  EXPECT_NE(Lesen(Pfad("k.txt")).find("Q_ein bei p_max"), std::string::npos);
}

}  // namespace

namespace {

// The decline page of the dated example: one page with both diagrams, the forecast beside the fit.
TEST_F(Zeichnen, DeclineViewOfTheDatedExample) {
  const std::string well = std::string(ZELVOR_EXAMPLES_DIR) + "/rueckgang.zlv";
  for (const char* datei : {"r.png", "r.pdf"})
    EXPECT_EQ(Starten({"graph", well, "--view", "rueckgang", "-o", Pfad(datei)}).status, 0) << datei;
  EXPECT_EQ(Seiten(Lesen(Pfad("r.pdf"))), 1);
  if (std::system("command -v pdftotext >/dev/null 2>&1") != 0) GTEST_SKIP() << "pdftotext fehlt";
  ASSERT_EQ(std::system(("pdftotext " + Quote(Pfad("r.pdf")) + " " + Quote(Pfad("r.txt"))).c_str()), 0);
  const std::string text = Lesen(Pfad("r.txt"));
  for (const char* teil : {"Fortsetzung bis zur Grenze", "Förderprognose", "Rate über der kumulativen Förderung"})
    EXPECT_NE(text.find(teil), std::string::npos) << teil;
}

}  // namespace
