#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/Befehle.h"
#include "cli/Feld.h"

namespace zelvor::cli {
namespace {

namespace fs = std::filesystem;

const std::string BEISPIELE = ZELVOR_EXAMPLES_DIR;

struct Aufruf {
  int status = -1;
  std::string out, err;
};

Aufruf Feldaufruf(std::vector<std::string> args) {
  args.insert(args.begin(), {"zelvor-cli", "feld"});
  std::vector<const char*> argv;
  for (const std::string& a : args) argv.push_back(a.c_str());
  std::ostringstream out, err;
  Aufruf r;
  r.status = Ausfuehren(static_cast<int>(argv.size()), argv.data(), out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

TEST(FeldCli, BeispielordnerAlsTextJsonUndTabellen) {
  Aufruf r = Feldaufruf({BEISPIELE, "--jobs", "2"});
  EXPECT_EQ(r.status, ERFOLG) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_NE(r.out.find("Bohrung Hemmelte Z3"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Injektion"), std::string::npos);
  EXPECT_NE(r.out.find("Bohrungen: 8 (Förderung 5, Injektion 3, nicht auswertbar 0)"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Feldrate (m3/h)"), std::string::npos);
  // The dated production example's decline beside its forecast, its EUR in its row.
  EXPECT_NE(r.out.find("Förderrückgang des Feldes ab "), std::string::npos);
  EXPECT_NE(r.out.find("Rate Rückgang (m3/h)  Rate Prognose (m3/h)"), std::string::npos);
  EXPECT_NE(r.out.find("\nSpeicherkennlinien des Feldes (2 Speicherbohrungen)\nArbeitsgas 450.0 Mio m3"), std::string::npos);

  r = Feldaufruf({BEISPIELE + "/suessgas.zlv", "--json"});
  EXPECT_EQ(r.status, ERFOLG);
  EXPECT_EQ(r.out.rfind("{\n  \"Bohrungen\": [", 0), 0u) << r.out;
  EXPECT_NE(r.out.find("\"Fehlgeschlagen\": 0"), std::string::npos);
  EXPECT_NE(r.out.find("\"GStern\": null"), std::string::npos);
  EXPECT_EQ(r.out.find("Speicherkennlinien"), std::string::npos);  // only a field with storage wells has it
  EXPECT_EQ(r.out.find("Speicherjahr"), std::string::npos);
  EXPECT_EQ(r.out.find("Fuellgrad"), std::string::npos);
  r = Feldaufruf({BEISPIELE + "/suessgas.zlv", "--json", "--abgleich"});
  EXPECT_NE(r.out.find("\"GStern\": 2334."), std::string::npos) << r.out;

  const fs::path csv = fs::temp_directory_path() / ("zelvor-feld-" + std::to_string(::getpid()) + ".csv");
  r = Feldaufruf({BEISPIELE + "/suessgas.zlv", BEISPIELE + "/speicher.zlv", "-o", csv.string()});
  EXPECT_EQ(r.status, ERFOLG) << r.err;
  std::string text;
  {  // binary: the file's CR LF as written; closed before it is removed (Windows refuses otherwise)
    std::ifstream f(csv, std::ios::binary);
    text.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
  }
  EXPECT_EQ(text.rfind("Feldbohrungen\r\n", 0), 0u) << text;
  EXPECT_NE(text.find("\nFeldverlauf\r\n"), std::string::npos);
  EXPECT_NE(text.find("\nFeldkennlinien\r\n"), std::string::npos);
  fs::remove(csv);
}

// Two storage wells of their own plans: the site's storage year in the text and the JSON, the EU
// indicator's threshold from the deviation given.
TEST(FeldCli, SpeicherjahrDesStandorts) {
  const fs::path zweite = fs::temp_directory_path() / ("zelvor-speicher-" + std::to_string(::getpid()) + ".zlv");
  fs::copy_file(BEISPIELE + "/speicher.zlv", zweite, fs::copy_options::overwrite_existing);
  const std::string pfad = zweite.string();
  {
    const char* argv[] = {"zelvor-cli", "set", pfad.c_str(), "SpeicherStart=15.04.2027", "SpeicherAusspeicherrate=20000"};
    std::ostringstream out, err;
    ASSERT_EQ(Ausfuehren(5, argv, out, err), ERFOLG) << err.str();
  }
  Aufruf r = Feldaufruf({BEISPIELE + "/speicher.zlv", pfad});
  EXPECT_EQ(r.status, ERFOLG) << r.err;
  EXPECT_NE(r.out.find("\nSpeicherjahr des Standorts (2 Speicherbohrungen, jede nach ihrem eigenen Plan)\n"), std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("nur als Indikator"), std::string::npos);
  r = Feldaufruf({BEISPIELE + "/speicher.zlv", pfad, "--json", "--eu-abweichung", "10"});
  EXPECT_EQ(r.status, ERFOLG) << r.err;
  EXPECT_NE(r.out.find("\"Speicherjahr\": {\"Bohrungen\": 2"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"Indikator\": true, \"Ziel\": 90, \"Abweichung\": 10, \"Schwelle\": 80"), std::string::npos);
  EXPECT_NE(r.out.find("\"Fuellgrad\": "), std::string::npos);  // the storage rows' state
  fs::remove(zweite);
}

TEST(FeldCli, FehlendeBohrungGibtStatusEinsUndIhreZeile) {
  const Aufruf r = Feldaufruf({BEISPIELE + "/suessgas.zlv", BEISPIELE + "/gibtsnicht.zlv"});
  EXPECT_EQ(r.status, ABGEBROCHEN);
  EXPECT_NE(r.out.find("gibtsnicht.zlv"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("nicht auswertbar 1"), std::string::npos) << r.out;
}

// A field file that cannot be read: 2 when nothing is left to compute, as any unreadable file; 1 when
// other wells were computed. A well named twice is summed once, with a note.
TEST(FeldCli, UnlesbareFelddateiUndDoppelteBohrung) {
  const std::string fehlt = BEISPIELE + "/fehlt.zlf";
  Aufruf r = Feldaufruf({fehlt});
  EXPECT_EQ(r.status, FEHLER);
  EXPECT_NE(r.err.find("fehlt.zlf"), std::string::npos) << r.err;
  r = Feldaufruf({fehlt, BEISPIELE + "/suessgas.zlv"});
  EXPECT_EQ(r.status, ABGEBROCHEN);
  r = Feldaufruf({BEISPIELE + "/suessgas.zlv", BEISPIELE + "/../examples/suessgas.zlv"});
  EXPECT_EQ(r.status, ERFOLG);
  EXPECT_NE(r.out.find("Bohrungen: 1 "), std::string::npos) << r.out;
  EXPECT_NE(r.err.find("Eine Bohrung ist mehrfach genannt"), std::string::npos) << r.err;
}

TEST(FeldCli, FalscheAufrufeGebenStatusZwei) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {},
           {BEISPIELE, "--jobs", "0"},
           {BEISPIELE, "--jobs", "2x"},
           {BEISPIELE, "--jobs"},
           {BEISPIELE, "-o", "feld.txt"},
           {BEISPIELE, "--json", "-o", "feld.csv"},
           {BEISPIELE, "--rates", "r.txt"},
           {BEISPIELE, "--eu-abweichung"},
           {BEISPIELE, "--eu-abweichung", "15.5"},
           {BEISPIELE, "--eu-abweichung", "-1"},
           {BEISPIELE, "--eu-abweichung", "10x"}}) {
    const Aufruf r = Feldaufruf(args);
    EXPECT_EQ(r.status, FEHLER) << (args.empty() ? "" : args.back());
    EXPECT_NE(r.err.find("zelvor-cli --help"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
  }
  const char* bild[] = {"zelvor-cli", "feld", "x", "-o", "F.PDF"};
  const char* tabelle[] = {"zelvor-cli", "feld", "x", "-o", "f.xlsx"};
  EXPECT_TRUE(IstFeldbild(5, bild));
  EXPECT_FALSE(IstFeldbild(5, tabelle));
}

}  // namespace
}  // namespace zelvor::cli

namespace zelvor::cli {
namespace {

// A repeated option is refused with one line, whichever command; names with control characters are
// escaped in the field's table (the tab too, which would shift its columns) and in an output's
// confirmation (the line break too).
TEST(FeldCli, WiederholteOptionenUndMaskierteNamen) {
  const fs::path dir = fs::temp_directory_path() / ("zelvor-maske-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
#ifdef _WIN32
  // Windows refuses control characters in file names; the masking is checked where they can occur.
  const std::string well = (dir / "a b.zlv").string();
#else
  const std::string well = (dir / "a\tb.zlv").string();
#endif
  fs::copy_file(BEISPIELE + "/suessgas.zlv", well);
  const std::vector<std::vector<std::string>> doppelt = {
      {"set", well, "--messungen", "a.csv", "--messungen", "b.csv"},
      {"evaluate", well, "--json", "--json"},
      {"graph", well, "-o", "a.png", "-o", "b.png"},
      {"feld", well, "-o", "a.csv", "-o", "b.csv"},
      {"feld", well, "--jobs", "1", "--jobs", "2"},
  };
  const std::string vorher = [&] {
    std::ifstream f(well, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
  }();
  for (std::vector<std::string> args : doppelt) {
    args.insert(args.begin(), "zelvor-cli");
    std::vector<const char*> argv;
    for (const std::string& a : args) argv.push_back(a.c_str());
    std::ostringstream out, err;
    EXPECT_EQ(Ausfuehren(static_cast<int>(argv.size()), argv.data(), out, err), FEHLER) << args[1];
    const std::string meldung = err.str();
    EXPECT_NE(meldung.find("ist mehrfach angegeben."), std::string::npos) << meldung;
    EXPECT_EQ(std::count(meldung.begin(), meldung.end(), '\n'), 1) << meldung;
  }
  {
    std::ifstream f(well, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(f), {}), vorher);
  }  // closed before the folder goes: Windows keeps an open file from being removed

#ifdef _WIN32
  fs::remove_all(dir);
  GTEST_SKIP() << "Steuerzeichen in Dateinamen gibt es unter Windows nicht.";
#endif
  const Aufruf tabelle = Feldaufruf({well});
  EXPECT_EQ(tabelle.out.find('\t'), std::string::npos) << tabelle.out;
  EXPECT_NE(tabelle.out.find("a\\x09b.zlv"), std::string::npos) << tabelle.out;
  const std::string ausgabe = (dir / "x\ny.csv").string();
  const Aufruf export_ = Feldaufruf({well, "-o", ausgabe});
  EXPECT_EQ(export_.out, "Die Tabellen sind in die Datei " + (dir / "x\\x0Ay.csv").string() + " exportiert.\n");
  fs::remove_all(dir);
}

}  // namespace
}  // namespace zelvor::cli
