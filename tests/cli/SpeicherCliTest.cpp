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

// The configured storage example, then with other volumes and targets.
TEST(SpeicherCli, CurvesAndStorageYearOfTheStorageExample) {
  const fs::path ordner = fs::temp_directory_path() / ("zelvor-speicher-" + std::to_string(::getpid()));
  fs::create_directories(ordner);
  const std::string well = (ordner / "speicher.zlv").string();
  fs::copy_file(std::string(ZELVOR_EXAMPLES_DIR) + "/speicher.zlv", well, fs::copy_options::overwrite_existing);

  const Ergebnis beispiel = Aufrufen({"speicherjahr", well});
  EXPECT_EQ(beispiel.status, ERFOLG) << beispiel.out;  // from 1 April 2027 no legal target to miss
  EXPECT_NE(beispiel.out.find("Vom 01.04.2027 bis 31.03.2028 ist keine deutsche Füllstandsvorgabe in Kraft"),
            std::string::npos)
      << beispiel.out;
  EXPECT_NE(Aufrufen({"kennlinien", well}).out.find("(GWh)"), std::string::npos);
  EXPECT_NE(Aufrufen({"ogip", well}).out.find("Kein Gasverlust erkennbar"), std::string::npos);
  // A cushion gas above the gas in place is refused whole, the file untouched.
  const std::string vorher = Inhalt(well);
  const Ergebnis falsch = Aufrufen({"set", well, "SpeicherArbeitsgas=1000", "SpeicherKissengas=5000"});
  EXPECT_EQ(falsch.status, FEHLER);
  EXPECT_NE(falsch.err.find("ist größer als der Gasvorrat"), std::string::npos) << falsch.err;
  EXPECT_EQ(Inhalt(well), vorher);

  ASSERT_EQ(Aufrufen({"set", well, "SpeicherArbeitsgas=400", "SpeicherKissengas=1100", "SpeicherStart=01.04.2027",
                      "SpeicherAusspeicherrate=30000", "SpeicherZiele=01.10.:80 01.02.:30"})
                .status,
            ERFOLG);
  const Ergebnis k = Aufrufen({"kennlinien", well, "--schritt", "25"});
  EXPECT_EQ(k.status, ERFOLG) << k.out;
  EXPECT_NE(k.out.find("        100.0      1500.0"), std::string::npos) << k.out;

  const Ergebnis j = Aufrufen({"speicherjahr", well, "--json"});
  EXPECT_NE(j.out.find("\"Start\": \"2027-04-01\""), std::string::npos);
  const Ergebnis t = Aufrufen({"speicherjahr", well});
  EXPECT_EQ(t.status, t.out.find("VERFEHLT") == std::string::npos ? ERFOLG : ABGEBROCHEN) << t.out;
  EXPECT_NE(t.out.find("Am 01.10.2027: Füllstand"), std::string::npos) << t.out;

  // show lists the settings so that set takes them back.
  const Ergebnis s = Aufrufen({"show", well});
  EXPECT_NE(s.out.find("SpeicherZiele=01.10.:80 01.02.:30\n"), std::string::npos) << s.out;
  EXPECT_NE(s.out.find("SpeicherEinspeisung=01.04.-31.10.\n"), std::string::npos);
  fs::remove_all(ordner);
}

// The storage year moved to 1 April 2026: the ordinance of 2025 with its source, no 1 October target,
// a named facility's exception, the 1 August proof; the transparency data with and without a calorific
// value.
TEST(SpeicherCli, TheLegalTargetsInForceAndTheTransparencyData) {
  const fs::path ordner = fs::temp_directory_path() / ("zelvor-ziele-" + std::to_string(::getpid()));
  fs::create_directories(ordner);
  const std::string well = (ordner / "speicher.zlv").string();
  fs::copy_file(std::string(ZELVOR_EXAMPLES_DIR) + "/speicher.zlv", well, fs::copy_options::overwrite_existing);
  EXPECT_NE(Aufrufen({"show", well}).out.find("SpeicherZiele=gesetzlich\n"), std::string::npos);

  ASSERT_EQ(Aufrufen({"set", well, "SpeicherStart=01.04.2026"}).status, ERFOLG);
  const Ergebnis t = Aufrufen({"speicherjahr", well});
  EXPECT_NE(t.out.find("allgemeine Vorgaben (keine Speicheranlage eingestellt"), std::string::npos) << t.out;
  EXPECT_NE(t.out.find("Am 01.11.2026: Füllstand"), std::string::npos) << t.out;
  EXPECT_NE(t.out.find("Ziel 80.0 % (GasSpFüllstV 2025)"), std::string::npos) << t.out;
  EXPECT_NE(t.out.find("Ziel 30.0 % (GasSpFüllstV 2025)"), std::string::npos) << t.out;
  EXPECT_EQ(t.out.find("Am 01.10.2026"), std::string::npos) << t.out;
  EXPECT_NE(t.out.find("Nachweis am 01.08.2026 (§ 35b Abs. 2 EnWG)"), std::string::npos) << t.out;

  ASSERT_EQ(Aufrufen({"set", well, "SpeicherAnlage=rehden", "SpeicherAnlageEinspeisung=20000"}).status, ERFOLG);
  const Ergebnis r = Aufrufen({"speicherjahr", well, "--json"});
  EXPECT_NE(r.out.find("\"Ziel\": 45, \"Erreicht\""), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"Quelle\": \"GasSpFüllstV 2025\", \"Anlage\": \"Rehden\""), std::string::npos);
  EXPECT_NE(Aufrufen({"kennlinien", well}).out.find("Anlage (ein)"), std::string::npos);
  const Ergebnis s = Aufrufen({"show", well});
  EXPECT_NE(s.out.find("SpeicherAnlage=Rehden\n"), std::string::npos) << s.out;

  const std::string csv = (ordner / "plan.csv").string();
  const Ergebnis x = Aufrufen({"speicherjahr", well, "--transparenz", "-o", csv});
  EXPECT_EQ(x.status, ERFOLG) << x.err;
  EXPECT_EQ(Inhalt(csv).rfind("gasDayStart,gasInStorage,full,injection,withdrawal,workingGasVolume,", 0), 0u);
  EXPECT_NE(Inhalt(csv).find("\n2026-04-01,"), std::string::npos);
  EXPECT_EQ(Aufrufen({"speicherjahr", well, "--transparenz", "-o", (ordner / "a.txt").string()}).status, FEHLER);
  EXPECT_EQ(Aufrufen({"speicherjahr", well, "--transparenz"}).status, FEHLER);
  ASSERT_EQ(Aufrufen({"set", well, "SpeicherBrennwert=0"}).status, ERFOLG);
  const Ergebnis ohne = Aufrufen({"speicherjahr", well, "--transparenz", "-o", (ordner / "b.json").string()});
  EXPECT_EQ(ohne.status, FEHLER);
  EXPECT_NE(ohne.err.find("braucht der Speicher seinen Brennwert"), std::string::npos) << ohne.err;
  EXPECT_FALSE(fs::exists(ordner / "b.json"));
  fs::remove_all(ordner);
}

}  // namespace
}  // namespace zelvor::cli
