// zelvor-cli run as a program on the crafted files of the robustness test. Each case ends quickly with
// a German sentence, or does its work, and leaves the user's files as they were.
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
#include "doc/ZlvArchiv.h"

namespace {

namespace fs = std::filesystem;

struct Ergebnis {
  int status = -1;
  std::string out, err;
  double sekunden = 0;
};

std::string Lesen(const fs::path& pfad) {
  std::ifstream f(pfad, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

class Dateizugriff : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(m_dir);
    fs::current_path(m_dir);  // aus.txt lands here
  }
  void TearDown() override {
    fs::current_path(m_vorher);
    fs::remove_all(m_dir);
  }

  std::string Pfad(const std::string& name) const { return (m_dir / name).string(); }

  // A command line run in the scratch folder; a hang is cut off after 20 s (status 124).
  Ergebnis Shell(const std::string& befehl) const {
    const auto start = std::chrono::steady_clock::now();
    const int roh = std::system(("timeout 20 " + befehl + " >out.txt 2>err.txt").c_str());
    Ergebnis r{WIFEXITED(roh) ? WEXITSTATUS(roh) : -1, Lesen(Pfad("out.txt")), Lesen(Pfad("err.txt")),
               std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count()};
    return r;
  }
  Ergebnis Starten(const std::vector<std::string>& args) const {
    std::string befehl = "env -u DISPLAY " ZELVOR_CLI;
    for (const std::string& a : args) befehl.append(" '").append(a).append("'");  // no quote in these
    return Shell(befehl);
  }

  // The sweet gas well under another file name and well name.
  std::string Bohrung(const std::string& datei, const std::string& name = "Süßgas") const {
    zelvor::CZelvorDoc doc;
    EXPECT_EQ(zelvor::ZlvDateiLaden(ZELVOR_EXAMPLES_DIR "/suessgas.zlv", doc).status, zelvor::ZlvStatus::Ok);
    doc.m_Gasbohrung = name;
    EXPECT_EQ(zelvor::ZlvDateiSpeichern(Pfad(datei), doc), "");
    return Pfad(datei);
  }

  fs::path m_vorher = fs::current_path();
  fs::path m_dir = fs::temp_directory_path() / ("zelvor-dateizugriff-" + std::to_string(::getpid()));
};

// Every path read must be a regular file: a pipe with no writer is refused at once, not waited on.
TEST_F(Dateizugriff, PipesAreRefusedAtOnce) {
  const std::string well = Bohrung("w.zlv");
  for (const char* name : {"raten.txt", "feld.zlf", "pipe.zlv"}) ASSERT_EQ(::mkfifo(name, 0600), 0);
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"evaluate", well, "--rates", "raten.txt"}, {"set", well, "--rates", "raten.txt"},
           {"feld", "feld.zlf"}, {"evaluate", "pipe.zlv"}, {"feld", "pipe.zlv"}}) {
    const Ergebnis r = Starten(args);
    EXPECT_TRUE(r.status == 1 || r.status == 2) << args[0] << " " << args.back() << ": " << r.status;
    EXPECT_NE((r.out + r.err).find("ist keine gewöhnliche Datei."), std::string::npos) << r.out << r.err;
  }
}

// An output that is one of the inputs (also through a link) is refused with 2; the input survives. A
// dangling link as the output is written through.
TEST_F(Dateizugriff, AnOutputOntoItsOwnInputIsRefused) {
  const std::string well = Bohrung("w.zlv");
  Bohrung("aus.txt");
  fs::create_symlink("w.zlv", "bild.png");
  fs::create_symlink("w.zlv", "tabelle.csv");
  std::ofstream("feld.zlf") << "w.zlv\n";
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"results", well, "-o", well}, {"results", "aus.txt"}, {"export", well, "-o", "tabelle.csv"},
           {"graph", well, "-o", "bild.png"}, {"print", well, "--rates", "x.pdf", "-o", "x.pdf"},
           {"feld", "feld.zlf", "-o", "tabelle.csv"}, {"feld", "feld.zlf", "-o", "bild.png"}}) {
    if (args.back() == "x.pdf") std::ofstream("x.pdf") << "Gp Rate Druck\n100 1000 100\n";
    const Ergebnis r = Starten(args);
    EXPECT_EQ(r.status, 2) << args[0] << " " << args.back();
    EXPECT_NE(r.err.find("ist die Eingabedatei"), std::string::npos) << r.err;
  }
  EXPECT_EQ(Lesen(well), Lesen(Pfad("aus.txt")));
  EXPECT_EQ(Lesen(Pfad("x.pdf")), "Gp Rate Druck\n100 1000 100\n");
  fs::create_symlink("ziel.zlv", "neu.zlv");
  EXPECT_EQ(Starten({"set", "neu.zlv", "A1=1"}).status, 0);
  EXPECT_TRUE(fs::is_symlink("neu.zlv") && fs::is_regular_file("ziel.zlv"));
}

// Changes of one well at the same time: each ends up in the file.
TEST_F(Dateizugriff, ChangesAtOnceAreAllKept) {
  Bohrung("w.zlv");
  for (int i = 1; i <= 10; ++i) {
    const std::string t = std::to_string(50 + i), w = std::to_string(i);
    ASSERT_EQ(Shell("sh -c '" ZELVOR_CLI " set w.zlv Temperatur=" + t + " & " ZELVOR_CLI " set w.zlv Wasserinvasion=" + w +
                    " & " ZELVOR_CLI " ogip w.zlv --apply & wait'").status, 0);
    const std::string gezeigt = Starten({"show", "w.zlv"}).out;
    EXPECT_NE(gezeigt.find("\nTemperatur=" + t + "\n"), std::string::npos) << gezeigt;
    EXPECT_NE(gezeigt.find("\nWasserinvasion=" + w + "\n"), std::string::npos) << gezeigt;
  }
}

// A name with a line break and an escape sequence: show gives one escaped line and nothing raw, and
// set of show's lines gives the same well back.
TEST_F(Dateizugriff, ShowEscapesAndSetTakesItBack) {
  const std::string well = Bohrung("w.zlv", "A\nRatenzeile=1 2 3\x1b[31m\\n");
  const Ergebnis gezeigt = Starten({"show", well});
  EXPECT_NE(gezeigt.out.find("Gasbohrung=A\\nRatenzeile=1 2 3\\x1B[31m\\\\n\n"), std::string::npos) << gezeigt.out;
  EXPECT_EQ(gezeigt.out.find('\x1b'), std::string::npos);
  EXPECT_EQ(Starten({"evaluate", well}).out.find('\x1b'), std::string::npos);
  std::vector<std::string> args = {"set", "kopie.zlv"};
  std::istringstream zeilen(gezeigt.out);
  for (std::string z; std::getline(zeilen, z);)
    if (z.rfind("Ratenzeile=", 0) != 0) args.push_back(z);
  ASSERT_EQ(Starten(args).status, 0);
  zelvor::CZelvorDoc original, kopie;
  zelvor::ZlvDateiLaden(well, original);
  zelvor::ZlvDateiLaden("kopie.zlv", kopie);
  kopie.m_Ratenzeilen = original.m_Ratenzeilen;  // set takes rate lines from a rate file only
  EXPECT_TRUE(zelvor::ZlvGleich(original, kopie));
}

// A name of megabytes: the field's table, the graph and the printout stay small and quick.
TEST_F(Dateizugriff, AHugeNameIsCutForDisplay) {
  for (int i = 0; i < 5; ++i) Bohrung("w" + std::to_string(i) + ".zlv", std::string(4'000'000, 'N'));
  const Ergebnis feld = Starten({"feld", m_dir.string()});
  EXPECT_EQ(feld.status, 0) << feld.err;
  EXPECT_LT(feld.out.size(), 100'000u);
  EXPECT_NE(feld.out.find(std::string(99, 'N') + "…"), std::string::npos);
  for (const char* befehl : {"graph", "print"}) {
    const Ergebnis r = Starten({befehl, "w0.zlv", "-o", "seite.pdf"});
    EXPECT_EQ(r.status, 0) << befehl << r.err;
    EXPECT_LT(r.sekunden, 10) << befehl;
    EXPECT_LT(fs::file_size("seite.pdf"), 1'000'000u) << befehl;
  }
}

}  // namespace
