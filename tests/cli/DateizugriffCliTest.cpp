// zelvor-cli run as a program on the crafted files of the robustness test: pipes, outputs onto their
// own input, dangling links, two changes of one well at once, names with control characters or of
// megabytes. Each case ends quickly with a German sentence and leaves the user's files as they were.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "doc/CZelvorDoc.h"
#include "doc/Dateizugriff.h"
#include "doc/ZlvArchiv.h"

namespace {

namespace fs = std::filesystem;
using Uhr = std::chrono::steady_clock;

const std::string BEISPIEL = std::string(ZELVOR_EXAMPLES_DIR) + "/suessgas.zlv";

struct Ergebnis {
  int status = -1;
  std::string out, err;
  double sekunden = 0;
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

class Dateizugriff : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() / ("zelvor-dateizugriff-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
  }
  void TearDown() override { fs::remove_all(m_dir); }

  std::string Pfad(const std::string& name) const { return (m_dir / name).string(); }

  // zelvor-cli in the scratch folder; a hang is cut off after 20 s (status 124), far beyond any case.
  Ergebnis Starten(const std::vector<std::string>& args) const {
    std::string befehl = "cd " + Quote(m_dir.string()) + " && env -u DISPLAY timeout 20 " + Quote(ZELVOR_CLI);
    for (const std::string& a : args) befehl.append(" ").append(Quote(a));
    befehl.append(" >").append(Quote(Pfad("out.txt"))).append(" 2>").append(Quote(Pfad("err.txt")));
    const auto start = Uhr::now();
    const int roh = std::system(befehl.c_str());
    Ergebnis r;
    r.sekunden = std::chrono::duration<double>(Uhr::now() - start).count();
    r.status = WIFEXITED(roh) ? WEXITSTATUS(roh) : -1;
    r.out = Lesen(Pfad("out.txt"));
    r.err = Lesen(Pfad("err.txt"));
    return r;
  }

  // The sweet gas well under another name.
  std::string Bohrung(const std::string& datei, const std::string& name = "") const {
    zelvor::CZelvorDoc doc;
    EXPECT_EQ(zelvor::ZlvDateiLaden(BEISPIEL, doc).status, zelvor::ZlvStatus::Ok);
    if (!name.empty()) doc.m_Gasbohrung = name;
    EXPECT_EQ(zelvor::ZlvDateiSpeichern(Pfad(datei), doc), "");
    return Pfad(datei);
  }

  fs::path m_dir;
};

// Every path the program reads is a regular file: a pipe with no writer is refused, not waited on.
TEST_F(Dateizugriff, PipesAreRefusedAtOnce) {
  const std::string well = Bohrung("w.zlv");
  for (const char* name : {"raten.txt", "feld.zlf", "pipe.zlv"}) ASSERT_EQ(::mkfifo(Pfad(name).c_str(), 0600), 0);
  const std::vector<std::vector<std::string>> faelle = {
      {"evaluate", well, "--rates", Pfad("raten.txt")},
      {"set", well, "--rates", Pfad("raten.txt")},
      {"feld", Pfad("feld.zlf")},
      {"evaluate", Pfad("pipe.zlv")},
      {"feld", Pfad("pipe.zlv")},
  };
  const std::string vorher = Lesen(well);
  for (const auto& args : faelle) {
    const Ergebnis r = Starten(args);
    EXPECT_LT(r.sekunden, 10) << args[0] << " " << args[1];
    EXPECT_NE(r.status, 0) << args[0] << " " << args.back();
    EXPECT_NE(r.status, 124) << args[0] << " " << args.back();
    // feld tells a well it cannot read in the well's row, the rest on stderr.
    EXPECT_NE((r.out + r.err).find("ist keine gewöhnliche Datei."), std::string::npos) << r.out << r.err;
  }
  EXPECT_EQ(Lesen(well), vorher);
}

// An output that is one of the inputs (also through a link) is refused, and the input survives.
TEST_F(Dateizugriff, AnOutputOntoItsOwnInputIsRefused) {
  const std::string well = Bohrung("w.zlv");
  Bohrung("x.csv");  // a well named so
  fs::create_symlink("w.zlv", Pfad("bild.png"));
  fs::create_symlink("w.zlv", Pfad("tabelle.csv"));
  std::ofstream(Pfad("raten.pdf")) << "Gp Rate Druck\n100 1000 100\n";
  std::ofstream(Pfad("feld.zlf")) << "w.zlv\n";
  const std::vector<std::vector<std::string>> faelle = {
      {"results", well, "-o", well},
      {"results", Pfad("aus.txt")},  // no -o: aus.txt in the working directory
      {"export", Pfad("x.csv"), "-o", Pfad("x.csv")},
      {"export", well, "-o", Pfad("tabelle.csv")},
      {"graph", well, "-o", Pfad("bild.png")},
      {"print", well, "-o", Pfad("raten.pdf"), "--rates", Pfad("raten.pdf")},
      {"feld", Pfad("feld.zlf"), "-o", Pfad("tabelle.csv")},
      {"feld", Pfad("feld.zlf"), "-o", Pfad("bild.png")},
  };
  fs::copy_file(well, Pfad("aus.txt"));
  const std::string vorher = Lesen(well);
  for (const auto& args : faelle) {
    const Ergebnis r = Starten(args);
    EXPECT_EQ(r.status, 2) << args[0] << " " << args.back() << r.err;
    EXPECT_NE(r.err.find("ist die Eingabedatei"), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  }
  EXPECT_EQ(Lesen(well), vorher);
  EXPECT_EQ(Lesen(Pfad("aus.txt")), vorher);
  EXPECT_EQ(Lesen(Pfad("raten.pdf")), "Gp Rate Druck\n100 1000 100\n");
  EXPECT_EQ(Starten({"export", well, "-o", Pfad("anders.csv")}).status, 0);
}

// A dangling link as the target of set or an export: the link stays, its target is created.
TEST_F(Dateizugriff, ADanglingLinkIsWrittenThrough) {
  fs::create_directory(Pfad("ziel"));
  fs::create_symlink("ziel/neu.zlv", Pfad("neu.zlv"));
  fs::create_symlink("ziel/neu.csv", Pfad("neu.csv"));
  EXPECT_EQ(Starten({"set", Pfad("neu.zlv"), "OGIP=100", "A1=1"}).status, 0);
  EXPECT_EQ(Starten({"export", Bohrung("w.zlv"), "-o", Pfad("neu.csv")}).status, 0);
  for (const char* name : {"neu.zlv", "neu.csv"}) {
    EXPECT_TRUE(fs::is_symlink(Pfad(name))) << name;
    EXPECT_TRUE(fs::is_regular_file(Pfad(std::string("ziel/") + name))) << name;
  }
  EXPECT_NE(Starten({"show", Pfad("neu.zlv")}).out.find("OGIP=100\n"), std::string::npos);
}

// Two changes of one well at the same time: both end up in the file.
TEST_F(Dateizugriff, TwoChangesAtOnceAreBothKept) {
  const std::string well = Bohrung("w.zlv");
  for (int i = 1; i <= 10; ++i) {
    const std::string befehl = "cd " + Quote(m_dir.string()) + " && (" + Quote(ZELVOR_CLI) + " set w.zlv Temperatur=" +
                               std::to_string(50 + i) + " & " + Quote(ZELVOR_CLI) + " set w.zlv Wasserinvasion=" +
                               std::to_string(i) + " & " + Quote(ZELVOR_CLI) + " ogip w.zlv --apply >/dev/null & wait)";
    ASSERT_EQ(std::system(befehl.c_str()), 0);
    const std::string gezeigt = Starten({"show", well}).out;
    EXPECT_NE(gezeigt.find("\nTemperatur=" + std::to_string(50 + i) + "\n"), std::string::npos) << i << gezeigt;
    EXPECT_NE(gezeigt.find("\nWasserinvasion=" + std::to_string(i) + "\n"), std::string::npos) << i << gezeigt;
  }
}

// A change that cannot get the lock in time says so, with exit 2, and leaves the well as it was.
TEST_F(Dateizugriff, AChangeWaitsForTheLockThenGivesUp) {
  const std::string well = Bohrung("w.zlv");
  const std::string vorher = Lesen(well);
  zelvor::Dateisperre sperre;
  ASSERT_EQ(zelvor::DateiSperren(well, sperre, std::chrono::milliseconds(0)), "");
  const Ergebnis r = Starten({"set", well, "OGIP=100"});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "zelvor-cli: Die Datei \"" + well +
                       "\" wird gerade von einem anderen Aufruf geändert; bitte warten und noch einmal versuchen.\n");
  EXPECT_LT(r.sekunden, 10);
  EXPECT_EQ(Lesen(well), vorher);
  EXPECT_EQ(Starten({"show", well}).status, 0);  // reading is never stopped
}

// A name with a line break and an escape sequence: show prints it on its own line, escaped, nothing raw
// reaches the terminal, and set of show's lines gives the same well back.
TEST_F(Dateizugriff, ShowEscapesAndSetTakesItBack) {
  const std::string well = Bohrung("w.zlv", "A\nRatenzeile=1 2 3\x1b[31m\\n");
  const Ergebnis gezeigt = Starten({"show", well});
  ASSERT_EQ(gezeigt.status, 0) << gezeigt.err;
  EXPECT_NE(gezeigt.out.find("Gasbohrung=A\\nRatenzeile=1 2 3\\x1B[31m\\\\n\n"), std::string::npos) << gezeigt.out;
  EXPECT_EQ(gezeigt.out.find('\x1b'), std::string::npos);
  for (const char* befehl : {"evaluate", "analyze"}) {
    const Ergebnis r = Starten({befehl, well});
    EXPECT_EQ(r.out.find('\x1b'), std::string::npos) << befehl;
    EXPECT_EQ(r.out.find("\nRatenzeile"), std::string::npos) << befehl;
  }
  std::vector<std::string> args = {"set", Pfad("kopie.zlv")};
  std::istringstream zeilen(gezeigt.out);
  for (std::string z; std::getline(zeilen, z);)
    if (z.rfind("Ratenzeile=", 0) != 0) args.push_back(z);
  ASSERT_EQ(Starten(args).status, 0);
  zelvor::CZelvorDoc original, kopie;
  ASSERT_EQ(zelvor::ZlvDateiLaden(well, original).status, zelvor::ZlvStatus::Ok);
  ASSERT_EQ(zelvor::ZlvDateiLaden(Pfad("kopie.zlv"), kopie).status, zelvor::ZlvStatus::Ok);
  kopie.m_Ratenzeilen = original.m_Ratenzeilen;  // set takes the rate lines from a rate file
  EXPECT_TRUE(zelvor::ZlvGleich(original, kopie));
}

// A name of megabytes: the field's table, the graph and the printout stay small and quick; the file
// keeps the whole name.
TEST_F(Dateizugriff, AHugeNameIsCutForDisplay) {
  const std::string name(4'000'000, 'N');
  for (int i = 0; i < 5; ++i) Bohrung("w" + std::to_string(i) + ".zlv", name);
  const Ergebnis feld = Starten({"feld", m_dir.string()});
  EXPECT_EQ(feld.status, 0) << feld.err;
  std::istringstream zeilen(feld.out);
  for (std::string z; std::getline(zeilen, z);) EXPECT_LT(z.size(), 1000u);
  EXPECT_NE(feld.out.find(std::string(99, 'N') + "…"), std::string::npos);
  for (const char* datei : {"grafik.png", "grafik.pdf", "grafik.svg"}) {
    const Ergebnis r = Starten({"graph", Pfad("w0.zlv"), "-o", Pfad(datei)});
    EXPECT_EQ(r.status, 0) << datei << r.err;
    EXPECT_LT(r.sekunden, 10) << datei;
    EXPECT_LT(fs::file_size(Pfad(datei)), 1'000'000u) << datei;
  }
  const Ergebnis druck = Starten({"print", Pfad("w0.zlv"), "-o", Pfad("tabelle.pdf")});
  EXPECT_EQ(druck.status, 0) << druck.err;
  EXPECT_LT(druck.sekunden, 10);
  EXPECT_NE(Starten({"show", Pfad("w0.zlv")}).out.find("Gasbohrung=" + name + "\n"), std::string::npos);
}

}  // namespace
