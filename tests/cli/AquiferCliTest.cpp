#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/Befehle.h"

namespace zelvor::cli {
namespace {

namespace fs = std::filesystem;

struct Ergebnis {
  int status = -1;
  std::string out, err;
};

Ergebnis Aufrufen(std::vector<std::string> args) {
  args.insert(args.begin(), "zelvor-cli");
  std::vector<const char*> argv;
  for (const std::string& a : args) argv.push_back(a.c_str());
  std::ostringstream out, err;
  Ergebnis r;
  r.status = Ausfuehren(static_cast<int>(argv.size()), argv.data(), out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

std::string Inhalt(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// A model entered one value after another, a refused value, and the model removed again: the file is
// the one it was.
TEST(AquiferCli, SettingsAreEnteredStepByStepAndLeaveNoTraceWhenRemoved) {
  const fs::path ordner = fs::temp_directory_path() / ("zelvor-aquifer-" + std::to_string(::getpid()));
  fs::create_directories(ordner);
  const std::string well = (ordner / "suessgas.zlv").string();
  fs::copy_file(std::string(ZELVOR_EXAMPLES_DIR) + "/suessgas.zlv", well, fs::copy_options::overwrite_existing);
  const std::string ohneModell = Aufrufen({"show", well}).out;
  // The well as set writes it without a model (an unchanged value).
  const std::size_t t = ohneModell.find("Temperatur=");
  ASSERT_EQ(Aufrufen({"set", well, ohneModell.substr(t, ohneModell.find('\n', t) - t)}).status, ERFOLG);
  const std::string original = Inhalt(well);
  EXPECT_EQ(ohneModell.find("Aquifer"), std::string::npos);

  Ergebnis r = Aufrufen({"set", well, "Aquifer=hurst", "AquiferRadius=2804.16", "AquiferRadienverhaeltnis=unendlich"});
  ASSERT_EQ(r.status, ERFOLG) << r.err;
  EXPECT_NE(r.err.find("Warnung: Das Aquifermodell hurst braucht eine Mächtigkeit größer als 0 (AquiferMaechtigkeit)."),
            std::string::npos)
      << r.err;
  // One value that makes no sense refuses the whole call.
  const std::string vorher = Inhalt(well);
  r = Aufrufen({"set", well, "AquiferMaechtigkeit=30", "AquiferPorositaet=1.5"});
  EXPECT_EQ(r.status, FEHLER);
  EXPECT_NE(r.err.find("AquiferPorositaet: Die Porosität muss zwischen 0 und 1 liegen."), std::string::npos) << r.err;
  EXPECT_EQ(Inhalt(well), vorher);
  r = Aufrufen({"set", well, "AquiferMaechtigkeit=30", "AquiferPorositaet=0.25", "AquiferPermeabilitaet=200",
                "AquiferKompressibilitaet=1e-4", "AquiferViskositaet=0.55", "Foerderbeginn=01.03.1998"});
  ASSERT_EQ(r.status, ERFOLG) << r.err;
  EXPECT_EQ(r.err.find("Warnung"), std::string::npos) << r.err;

  // show lists them once a model is set.
  const std::string gezeigt = Aufrufen({"show", well}).out;
  EXPECT_NE(gezeigt.find("Aquifer=hurst\nAquiferForm=radial\nAquiferWinkel=360\nAquiferRadius=2804.16\n"
                         "AquiferRadienverhaeltnis=unendlich\n"),
            std::string::npos)
      << gezeigt;
  EXPECT_NE(gezeigt.find("AquiferKompressibilitaet=0.0001\n"), std::string::npos);
  EXPECT_NE(gezeigt.find("Foerderbeginn=01.03.1998\n"), std::string::npos);
  r = Aufrufen({"set", well, "Aquifer=keiner"});
  ASSERT_EQ(r.status, ERFOLG);
  EXPECT_NE(r.err.find("Ohne Aquifermodell (Aquifer) werden die übrigen Aquifereinstellungen nicht gespeichert."),
            std::string::npos);
  EXPECT_EQ(Inhalt(well), original);
  EXPECT_EQ(Aufrufen({"show", well}).out, ohneModell);
  fs::remove_all(ordner);
}

}  // namespace
}  // namespace zelvor::cli
