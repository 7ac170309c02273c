// The water-drive example from the command line: the aquifer's history, the fit that finds the gas in
// place it was made with where the P/Z line overestimates it, and the run after adopting the fit.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <sstream>

#include "cli/Befehle.h"

namespace zelvor::cli {
namespace {

namespace fs = std::filesystem;

std::string Starten(std::vector<std::string> args, int erwartet = ERFOLG) {
  args.insert(args.begin(), "zelvor-cli");
  std::vector<const char*> argv;
  for (const std::string& a : args) argv.push_back(a.c_str());
  std::ostringstream out, err;
  EXPECT_EQ(Ausfuehren(static_cast<int>(argv.size()), argv.data(), out, err), erwartet) << args[1] << err.str();
  return out.str();
}

double ZahlNach(const std::string& text, const std::string& marke) {
  const std::size_t p = text.find(marke);
  return p == std::string::npos ? -1 : std::stod(text.substr(p + marke.size()));
}

TEST(Wasserdrive, AnpassungFindetDenGasvorratUndDieUebernahmeMachtDieCWerteGleich) {
  const fs::path ordner = fs::temp_directory_path() / ("zelvor-wasserdrive-" + std::to_string(::getpid()));
  fs::create_directories(ordner);
  const std::string well = (ordner / "w.zlv").string();
  fs::copy_file(std::string(ZELVOR_EXAMPLES_DIR) + "/wasserdrive.zlv", well, fs::copy_options::overwrite_existing);

  const std::string verlauf = Starten({"aquifer", well});
  EXPECT_NE(verlauf.find("Ratenzeile 192"), std::string::npos);
  EXPECT_NE(verlauf.find("Messung 15"), std::string::npos);

  const std::string json = Starten({"ogip", well, "--json"});
  EXPECT_NE(json.find("\"Gestuetzt\": true"), std::string::npos);
  const double g = ZahlNach(json, "\"G\": {\"Wert\": ");
  EXPECT_NEAR(g, 1500, 30);
  EXPECT_GT(ZahlNach(json.substr(json.find("\"Gerade\"")), "\"G\": "), 1.1 * 1500);

  Starten({"ogip", well, "--apply-aquifer"});
  const std::string tabelle = Starten({"evaluate", well});
  EXPECT_NEAR(ZahlNach(tabelle, "Mittlerer C-Wert:"), 1.2, 0.01);
  EXPECT_NE(tabelle.find("    Aquifermodell fetkovich ab 01.01.2005: WE 0.0 bis "), std::string::npos);
  // Its forecast: given up years later than without further influx; the range over the fit's interval.
  const std::string prognose = Starten({"forecast", well});
  const std::string jahre = "Zeit bis zur Aufgabe     (Jahre):";
  EXPECT_GT(ZahlNach(prognose, jahre), ZahlNach(prognose.substr(prognose.find("Ohne weiteren Wasserzufluss")), jahre) + 1);
  EXPECT_NE(prognose.find("Bereich aus der Aquiferanpassung (95 %)"), std::string::npos);
  // Without a model there is no history to list.
  Starten({"set", well, "Aquifer=keiner"});
  EXPECT_NE(Starten({"aquifer", well}, ABGEBROCHEN).find("kein Aquifermodell"), std::string::npos);
  fs::remove_all(ordner);
}

// The storage above an aquifer: its inventory check explains the seasons' swing by the water; the same
// surveys without the model need offsets apart and see a gain of a tenth of the inventory.
TEST(Wasserdrive, DerAquiferspeicherErklaertSeineHystereseMitDemWasser) {
  const fs::path ordner = fs::temp_directory_path() / ("zelvor-aquiferspeicher-" + std::to_string(::getpid()));
  fs::create_directories(ordner);
  const std::string well = (ordner / "s.zlv").string();
  fs::copy_file(std::string(ZELVOR_EXAMPLES_DIR) + "/speicher_aquifer.zlv", well, fs::copy_options::overwrite_existing);

  const std::string text = Starten({"ogip", well});
  EXPECT_NE(text.find("    Erklärung: Aquifermodell fetkovich ("), std::string::npos) << text;
  EXPECT_NE(text.find("    Kein Gasverlust erkennbar"), std::string::npos) << text;
  EXPECT_EQ(text.find("Richtungen getrennt"), std::string::npos);
  const std::string json = Starten({"ogip", well, "--json"});
  const std::string inventar = json.substr(json.find("\"Inventarpruefung\""));
  EXPECT_NE(inventar.find("\"Getrennt\": false"), std::string::npos);
  EXPECT_NE(inventar.find("\"Aquifer\": \"fetkovich\""), std::string::npos);
  EXPECT_LT(std::fabs(ZahlNach(inventar, "\"Rate\": ")), 1.0);

  Starten({"set", well, "Aquifer=keiner"});
  const std::string ohne = Starten({"ogip", well});
  EXPECT_NE(ohne.find("Richtungen getrennt"), std::string::npos) << ohne;
  EXPECT_EQ(ohne.find("Erklärung"), std::string::npos);
  EXPECT_LT(ZahlNach(ohne, "Hysterese (nach Einspeisung minus nach Ausspeisung): "), -10.0);
  fs::remove_all(ordner);
}

}  // namespace
}  // namespace zelvor::cli
