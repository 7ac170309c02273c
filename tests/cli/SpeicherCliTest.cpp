#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/Befehle.h"
#include "doc/CZelvorDoc.h"
#include "doc/ZlvArchiv.h"

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

class Arbeitsordner {
 public:
  Arbeitsordner() : m_pfad(fs::temp_directory_path() / ("zelvor-speicher2-" + std::to_string(::getpid()))) {
    fs::create_directories(m_pfad);
  }
  ~Arbeitsordner() { fs::remove_all(m_pfad); }
  std::string Kopie(const std::string& beispiel) const {
    const fs::path p = m_pfad / beispiel;
    fs::copy_file(std::string(ZELVOR_EXAMPLES_DIR) + "/" + beispiel, p, fs::copy_options::overwrite_existing);
    return p.string();
  }

 private:
  fs::path m_pfad;
};

// A storage setting given before the working gas is listed by show; volumes the balance does not bear out
// are taken with a warning, volumes out of bounds refused.
TEST(SpeicherCli, StorageSettingsBeforeTheWorkingGasBoundsAndWarnings) {
  const Arbeitsordner o;
  const std::string well = o.Kopie("injektion.zlv");
  ASSERT_EQ(Aufrufen({"set", well, "SpeicherKissengas=1150"}).status, ERFOLG);
  EXPECT_NE(Aufrufen({"show", well}).out.find("SpeicherArbeitsgas=0\nSpeicherKissengas=1150\n"), std::string::npos);
  // Volumes far beyond what the maximum reservoir pressure holds are taken with a warning.
  const Ergebnis gross = Aufrufen({"set", well, "SpeicherArbeitsgas=5000", "SpeicherKissengas=100"});
  EXPECT_EQ(gross.status, ERFOLG);
  EXPECT_NE(gross.err.find("Warnung: Voll (Kissengas plus Arbeitsgas = 5100.0 Mio m3) stünde der Speicher"),
            std::string::npos) << gross.err;
  const Ergebnis klein = Aufrufen({"set", well, "SpeicherArbeitsgas=1e-45"});
  EXPECT_EQ(klein.status, FEHLER);
  EXPECT_NE(klein.err.find("Bitte geben Sie 0 oder eine Zahl zwischen 0.1 und 90000 ein."), std::string::npos) << klein.err;
}

// A block of a newer version survives every command that writes the well, and opening says so.
TEST(SpeicherCli, BlocksOfANewerVersionSurviveEveryWrite) {
  const Arbeitsordner o;
  const std::string well = o.Kopie("speicher.zlv");
  const std::string block("ZNEU\x06\x00\x00\x00\x01\x00neu!", 14);
  std::ofstream(well, std::ios::binary | std::ios::app) << block;
  const std::vector<std::vector<std::string>> befehle = {
      {"set", well, "Gasbohrung=Umbenannt"}, {"propose", well, "--apply"}, {"ogip", well, "--apply"},
      {"set", well, "SpeicherBrennwert=10"}};
  for (const std::vector<std::string>& b : befehle) {
    const Ergebnis r = Aufrufen(b);
    EXPECT_EQ(r.status, ERFOLG) << b[2] << r.err;
    EXPECT_NE(r.err.find("Hinweis: Ein Teil der Datei (ein Block \"ZNEU\" unbekannter Art) stammt aus einer neueren "
                         "Programmversion oder ist beschädigt"),
              std::string::npos)
        << r.err;
    const std::string inhalt = Inhalt(well);
    ASSERT_GE(inhalt.size(), block.size());
    EXPECT_EQ(inhalt.substr(inhalt.size() - block.size()), block) << b[2];
  }
  EXPECT_NE(Aufrufen({"show", well}).out.find("SpeicherBrennwert=10\n"), std::string::npos);
}

// A well whose gas in place already lies below its cushion gas can still be edited (with a warning),
// but no edit brings a well into that state.
TEST(SpeicherCli, AWellBelowItsCushionGasStaysEditable) {
  const Arbeitsordner o;
  const std::string well = o.Kopie("speicher.zlv");
  const std::string vorher = Inhalt(well);
  const Ergebnis tief = Aufrufen({"set", well, "OGIP=1000"});
  EXPECT_EQ(tief.status, FEHLER);
  EXPECT_NE(tief.err.find("ist größer als der Gasvorrat (OGIP 1000.0 Mio m3)"), std::string::npos) << tief.err;
  EXPECT_EQ(Inhalt(well), vorher);

  CZelvorDoc doc;
  ASSERT_EQ(ZlvDateiLaden(well, doc).status, ZlvStatus::Ok);
  doc.m_OGIP = doc.m_Speicher.kissengas - 220.9f;  // as an older version's adoption left it
  ASSERT_EQ(ZlvDateiSpeichern(well, doc), "");
  const Ergebnis name = Aufrufen({"set", well, "Gasbohrung=Neu"});
  EXPECT_EQ(name.status, ERFOLG) << name.err;
  EXPECT_NE(name.err.find("Warnung: Das Kissengas von"), std::string::npos) << name.err;
  EXPECT_NE(Aufrufen({"show", well}).out.find("Gasbohrung=Neu\n"), std::string::npos);
  EXPECT_EQ(Aufrufen({"set", well, "OGIP=1800"}).status, ERFOLG);
  EXPECT_EQ(Aufrufen({"set", well, "Gasbohrung=Wieder"}).err, "");
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
