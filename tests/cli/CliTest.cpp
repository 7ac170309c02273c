#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/Befehle.h"

namespace zelvor::cli {
namespace {

namespace fs = std::filesystem;

struct Aufruf {
  int status = -1;
  std::string out;
  std::string err;
};

class Cli : public ::testing::Test {
 protected:
  void SetUp() override {
    m_verzeichnis = fs::temp_directory_path() / ("zelvor-cli-" + std::to_string(::getpid()) + "-" +
                                                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(m_verzeichnis);
    fs::create_directories(m_verzeichnis);
  }
  void TearDown() override { fs::remove_all(m_verzeichnis); }

  std::string Pfad(const std::string& name) const { return (m_verzeichnis / name).string(); }

  static Aufruf Starten(std::vector<std::string> args) {
    args.insert(args.begin(), "zelvor-cli");
    std::vector<const char*> argv;
    for (const std::string& a : args) argv.push_back(a.c_str());
    std::ostringstream out, err;
    Aufruf r;
    r.status = Ausfuehren(static_cast<int>(argv.size()), argv.data(), out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
  }

  void Schreiben(const std::string& name, const std::string& inhalt) const {
    std::ofstream(Pfad(name), std::ios::binary) << inhalt;
  }

  std::string Lesen(const std::string& name) const {
    std::ifstream f(Pfad(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
  }

  // The worked production well, made as a user would make it.
  std::string Bohrung() {
    const std::string well = Pfad("bohrung.zlv");
    Schreiben("raten.txt", "Gp Rate Druck\n100 1000 100\n");
    const Aufruf r = Starten({"set", well, "Temperatur=100", "Kopftemperatur=20", "OGIP=1000", "Initialdruck=200",
                              "A1=100", "B1=1.2", "--rates", Pfad("raten.txt")});
    EXPECT_EQ(r.status, ERFOLG) << r.err;
    return well;
  }

  fs::path m_verzeichnis;
};

TEST_F(Cli, EvaluatePrintsTheResultTable) {
  const Aufruf r = Starten({"evaluate", Bohrung()});
  EXPECT_EQ(r.status, ERFOLG) << r.err;
  EXPECT_NE(r.out.find("\n      100.000    1000.0   100.00      110.00      179.11   192.02     0.050\n"),
            std::string::npos)
      << r.out;
  EXPECT_EQ(r.out.rfind("    Mittlerer C-Wert:   0.050\n"), r.out.size() - 30);
}

TEST_F(Cli, VersionIsTheProjects) {
  const Aufruf r = Starten({"--version"});
  EXPECT_EQ(r.status, ERFOLG);
  EXPECT_EQ(r.out, "zelvor-cli 1.0\n");
}

TEST_F(Cli, ExportChecksItsOutputAndWrites) {
  const std::string well = Bohrung();
  const std::vector<std::vector<std::string>> falsch = {
      {"export", well},
      {"export", well, "-o", Pfad("a.txt")},
      {"export", well, "-o", Pfad("a.csv"), "--dialekt", "fr"},
      {"export", well, "-o", Pfad("a.xlsx"), "--dialekt", "de"},
  };
  for (const auto& args : falsch) EXPECT_EQ(Starten(args).status, FEHLER) << args.back();
  const Aufruf r = Starten({"export", well, "-o", Pfad("a.csv"), "--dialekt", "de"});
  EXPECT_EQ(r.status, ERFOLG) << r.err;
  EXPECT_EQ(Lesen("a.csv").rfind("\xEF\xBB\xBFRatenzeilen\r\n", 0), 0u);
}

TEST_F(Cli, EvaluateAsJson) {
  const Aufruf r = Starten({"evaluate", Bohrung(), "--json", "--rate-graph"});
  EXPECT_EQ(r.status, ERFOLG) << r.err;
  for (const char* schluessel : {"\"Ergebnis\": [", "\"Abgebrochen\": false", "\"MaxWerte\": 1", "\"Kurve1X\": [100]",
                                 "\"Kurve1Y\": [1000]", "\"Kurve2X\": [100]", "\"TextYAchse\": \"Raten\"",
                                 "\"TextY2Achse\": \"\"", "\"TextKurve1\": \"Raten (gemessen)\"",
                                 "\"Skalierung\": {\"xmin\": 100, \"xmax\": 100, "})
    EXPECT_NE(r.out.find(schluessel), std::string::npos) << schluessel << "\n" << r.out;
}

TEST_F(Cli, ForecastTakesItsOptionsOverTheStoredSettings) {
  const std::string well = Bohrung();
  const Aufruf r = Starten({"forecast", well, "--pmin", "20", "--plateau", "1000", "--end", "200", "--steps", "10"});
  EXPECT_EQ(r.status, ERFOLG) << r.err;
  EXPECT_NE(r.out.find("Plateauende"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("    Zeit bis zur Aufgabe     (Jahre):"), std::string::npos) << r.out;
  const Aufruf j = Starten({"forecast", well, "--json", "--end", "400000"});
  EXPECT_EQ(j.status, ABGEBROCHEN);
  EXPECT_NE(j.out.find("\"Meldung\": \"Die Bohrung liefert"), std::string::npos) << j.out;
  EXPECT_EQ(Starten({"forecast", well, "--steps", "9"}).status, FEHLER);
  EXPECT_EQ(Starten({"forecast", well, "--model", "konstant"}).status, FEHLER);
}

TEST_F(Cli, EvaluateWithARateFileAndAnAbort) {
  const std::string well = Bohrung();
  Schreiben("neu.txt", "Kopf\n100 1000 100\n2000 1000 100\n");
  const Aufruf r = Starten({"evaluate", well, "--rates", Pfad("neu.txt")});
  EXPECT_EQ(r.status, ABGEBROCHEN);
  EXPECT_NE(r.out.find("ERROR!!Gp-Wert:2000.000000 ist größer als OGIP:1000.000000\n"), std::string::npos);
  EXPECT_NE(r.err.find("2 Zeilen wurden eingelesen"), std::string::npos);
  // The file itself is not changed by an evaluation.
  EXPECT_EQ(Starten({"evaluate", well}).status, ERFOLG);
}

// An import's messages come one a line, a refusal as one line with the program's name, control
// characters of the file's row escaped.
TEST_F(Cli, ImportMessagesAreOneLineEach) {
  const std::string well = Bohrung();
  Schreiben("schlecht.csv", "Gp;Q;p\n12,0;8849;228,0\n85,0;k.A.\x1B[2J;222,0\n");
  const Aufruf abgelehnt = Starten({"evaluate", well, "--rates", Pfad("schlecht.csv")});
  EXPECT_EQ(abgelehnt.status, FEHLER);
  EXPECT_EQ(abgelehnt.err, "zelvor-cli: Aus \"" + Pfad("schlecht.csv") +
                               "\" wurde keine Ratenzeile eingelesen; die Bohrung bleibt unverändert: Die Zeile enhält "
                               "keine 3 Werte: 85,0;k.A.\\x1B[2J;222,0\n");
  Schreiben("teils.txt", "Kopf\n100 1000 100\nEnde\n");
  const Aufruf teils = Starten({"evaluate", well, "--rates", Pfad("teils.txt")});
  EXPECT_EQ(teils.err, "zelvor-cli: Die Zeile enhält keine 3 Werte: Ende\n1 Zeilen wurden eingelesen\n");
}

TEST_F(Cli, UnreadableInputIsAUsageError) {
  const std::string well = Bohrung();
  EXPECT_EQ(Starten({"evaluate", Pfad("fehlt.zlv")}).status, FEHLER);
  EXPECT_EQ(Starten({"evaluate", well, "--rates", Pfad("fehlt.txt")}).status, FEHLER);
  // A rate file that gives no line is no reason to evaluate the well's own lines in its place.
  Schreiben("kopf.txt", "Gp Rate Druck\n");
  const Aufruf ohneZeile = Starten({"evaluate", well, "--rates", Pfad("kopf.txt")});
  EXPECT_EQ(ohneZeile.status, FEHLER);
  EXPECT_EQ(ohneZeile.out, "");
  EXPECT_NE(ohneZeile.err.find("wurde keine Ratenzeile eingelesen"), std::string::npos) << ohneZeile.err;
  const Aufruf ohneDatei = Starten({"evaluate"});
  EXPECT_EQ(ohneDatei.status, FEHLER);
  EXPECT_EQ(ohneDatei.err, "zelvor-cli: Keine Bohrungsdatei angegeben. Der Aufruf steht in \"zelvor-cli --help\".\n");
  EXPECT_EQ(Starten({"--help"}).out.rfind("Aufruf:\n", 0), 0u);
  EXPECT_EQ(Starten({"evaluate", well, "--unbekannt"}).status, FEHLER);
  EXPECT_EQ(Starten({"tanzen", well}).status, FEHLER);
  EXPECT_EQ(Starten({}).status, FEHLER);
  const std::string ganz = Lesen("bohrung.zlv");
  Schreiben("kurz.zlv", ganz.substr(0, ganz.size() - 3));
  const Aufruf kurz = Starten({"evaluate", Pfad("kurz.zlv")});
  EXPECT_EQ(kurz.status, FEHLER);
  EXPECT_EQ(kurz.out, "");
  EXPECT_EQ(std::count(kurz.err.begin(), kurz.err.end(), '\n'), 1) << kurz.err;
  Schreiben("feindlich.zlv", std::string(24, '\0') + "\xff\xff\xff\xff\xff\xff\x7f");
  EXPECT_EQ(Starten({"show", Pfad("feindlich.zlv")}).status, FEHLER);
}

TEST_F(Cli, ProposeAndApply) {
  const std::string well = Pfad("a1b1.zlv");
  ASSERT_EQ(Starten({"set", well, "Temperatur=100", "Kopftemperatur=20", "Initialdruck=200", "Teufe=3000",
                     "Bohrlochlaenge=3000", "Durchmesser=6.2", "OGIP=1000"})
                .status,
            ERFOLG);
  const Aufruf r = Starten({"propose", well});
  EXPECT_EQ(r.status, ERFOLG) << r.err;
  EXPECT_NE(r.out.find("A1-Wert: 90.85\nB1-Wert: 1.474\n"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("Sollen"), std::string::npos);
  EXPECT_EQ(Starten({"show", well}).out.find("A1=0\n") != std::string::npos, true);
  EXPECT_EQ(Starten({"propose", well, "--wgv", "50", "--apply"}).status, ERFOLG);
  const std::string gezeigt = Starten({"show", well}).out;
  EXPECT_EQ(gezeigt.find("A1=0\n"), std::string::npos) << gezeigt;
  EXPECT_EQ(Starten({"propose", well, "--wgv", "201"}).status, FEHLER);
  EXPECT_EQ(Starten({"propose", well, "--wgv", "nan"}).status, FEHLER);
  ASSERT_EQ(Starten({"set", well, "Teufe=3500"}).status, ERFOLG);
  const Aufruf abgelehnt = Starten({"propose", well});
  EXPECT_EQ(abgelehnt.status, ABGEBROCHEN);
  EXPECT_EQ(abgelehnt.out, "Die Teufe darf nicht größer als die Bohrlochslänge sein!\n");
}

TEST_F(Cli, SetShowRoundTrip) {
  const std::string well = Pfad("runde.zlv");
  const Aufruf neu = Starten({"set", well, "Gasbohrung=Süd 3 %d", "Temperatur=-12.5", "Kopftemperatur=0.1",
                              "OGIP=90000", "Initialdruck=1", "Wasserinvasion=10000", "Teufe=0.001",
                              "Bohrlochlaenge=20000", "Durchmesser=6.2", "A1=0.1", "B1=10", "Bohrungsanzahl=20",
                              "Injektion=1", "H2S=1.5", "CH4=98.5", "PrognosePlateaurate=1200.5",
                              "PrognoseModell=gegendruck"});
  ASSERT_EQ(neu.status, ERFOLG) << neu.err;
  const std::string gezeigt = Starten({"show", well}).out;
  for (const char* z : {"Gasbohrung=Süd 3 %d\n", "Temperatur=-12.5\n", "Kopftemperatur=0.1\n", "Teufe=0.001\n",
                        "Durchmesser=6.2\n", "A1=0.1\n", "B1=10\n", "Bohrungsanzahl=20\n", "Injektion=1\n",
                        "H2S=1.5\n", "CH4=98.5\n", "C10H22=0\n", "PrognosePlateaurate=1200.5\n",
                        "PrognoseModell=gegendruck\n", "PrognoseSchritte=50\n"})
    EXPECT_NE(gezeigt.find(z), std::string::npos) << z << gezeigt;
  // Every shown value set again gives the same file.
  std::vector<std::string> args = {"set", Pfad("kopie.zlv")};
  std::istringstream zeilen(gezeigt);
  for (std::string z; std::getline(zeilen, z);) args.push_back(z);
  ASSERT_EQ(Starten(args).status, ERFOLG);
  EXPECT_EQ(Lesen("kopie.zlv"), Lesen("runde.zlv"));
}

TEST_F(Cli, SetRefusesTheWholeCallOnABadValue) {
  const std::string well = Bohrung();
  const std::string vorher = Lesen("bohrung.zlv");
  for (const char* falsch : {"OGIP=90001", "Initialdruck=0", "Bohrungsanzahl=21", "Bohrungsanzahl=1.5", "CH4=nan",
                             "Temperatur=inf", "Temperatur=1e39", "A1=0x10", "B1=1,2", "Teufe=", "Unbekannt=1",
                             "Injektion=2", "Gasbohrung=Ω", "PrognosePlateaurate=100", "PrognoseModell=x"}) {
    const Aufruf r = Starten({"set", well, "Temperatur=50", falsch});
    EXPECT_EQ(r.status, FEHLER) << falsch;
    EXPECT_FALSE(r.err.empty()) << falsch;
    EXPECT_EQ(Lesen("bohrung.zlv"), vorher) << falsch;
  }
}

TEST_F(Cli, SetWarnsWhereTheDialogWouldRefuse) {
  const Aufruf r = Starten({"set", Pfad("neu.zlv"), "OGIP=100"});
  EXPECT_EQ(r.status, ERFOLG);
  EXPECT_EQ(r.err, "Warnung: Der A1-Wert muß größer Null sein!\n");
  EXPECT_EQ(Lesen("neu.zlv").size(), 128u);
}

TEST_F(Cli, ResultsFileWithTitle) {
  const std::string well = Bohrung();
  const Aufruf r = Starten({"results", well, "-o", Pfad("ergebnis.txt")});
  EXPECT_EQ(r.status, ERFOLG) << r.err;
  const std::string inhalt = Lesen("ergebnis.txt");
  EXPECT_EQ(inhalt.rfind("bohrung.zlv\r\n    Name der Gasbohrung: Bohrung 1\r\n", 0), 0u) << inhalt;
  EXPECT_NE(inhalt.find("Lagerst\xe4ttentemperatur"), std::string::npos);  // Windows-1252 on disk
  fs::create_directory(Pfad("verzeichnis"));
  EXPECT_EQ(Starten({"results", well, "-o", Pfad("verzeichnis")}).status, FEHLER);
}

}  // namespace
}  // namespace zelvor::cli

namespace zelvor::cli {
namespace {

TEST_F(Cli, AnalyzeGivesTheModelsThatCanBeMadeAndRefusesTheRest) {
  const std::string well = Bohrung();  // one rate line: only the run's own model
  const Aufruf text = Starten({"analyze", well});
  EXPECT_EQ(text.status, ERFOLG) << text.err;
  EXPECT_NE(text.out.find("Gegendruckgleichung: es fehlen Messpunkte"), std::string::npos) << text.out;
  const Aufruf json = Starten({"analyze", well, "--json"});
  EXPECT_EQ(json.status, ERFOLG);
  EXPECT_NE(json.out.find("\"LIT\": {\"initial\": null, \"aktuell\": null}"), std::string::npos) << json.out;
  Schreiben("null.txt", "Gp Rate Druck\n100 0 100\n");  // no positive rate: no model at all
  EXPECT_EQ(Starten({"analyze", well, "--rates", Pfad("null.txt")}).status, ABGEBROCHEN);
  EXPECT_EQ(Starten({"graph", well, "-o", Pfad("x.png"), "--view", "tabelle"}).status, FEHLER);
}

// ogip: the text or JSON of the match, 1 with the reason when refused, --apply stores only OGIP.
TEST_F(Cli, OgipMatchesRefusesAndApplies) {
  const std::string well = Pfad("suessgas.zlv");
  fs::copy_file(ZELVOR_EXAMPLES_DIR "/suessgas.zlv", well);
  const Aufruf text = Starten({"ogip", well});
  ASSERT_EQ(text.status, ERFOLG) << text.err;
  EXPECT_NE(text.out.find("Abgeglichenes OGIP G*"), std::string::npos) << text.out;
  const Aufruf json = Starten({"ogip", well, "--json"});
  EXPECT_EQ(json.status, ERFOLG);
  EXPECT_NE(json.out.find("\"Profil\": [{\"G\": "), std::string::npos) << json.out;
  const std::string vorher = Lesen("suessgas.zlv");

  const Aufruf mehrraten = Starten({"ogip", ZELVOR_EXAMPLES_DIR "/mehrraten.zlv"});
  EXPECT_EQ(mehrraten.status, ABGEBROCHEN);
  EXPECT_NE(mehrraten.out.find("zu wenig Förderung"), std::string::npos) << mehrraten.out;

  ASSERT_EQ(Starten({"ogip", well, "--apply"}).status, ERFOLG);
  const Aufruf zeigen = Starten({"show", well});
  EXPECT_EQ(zeigen.out.find("OGIP=2400\n"), std::string::npos) << zeigen.out;
  EXPECT_EQ(Lesen("suessgas.zlv").size(), vorher.size());  // the rest of the well as it was
  EXPECT_EQ(Starten({"ogip", well, "--gegendruck", "--view", "x"}).status, FEHLER);
}

// Dated lines evaluate as their undated file does and show with their dates; surveys are set, matched
// and adopted, and a file without one leaves the well as it was.
TEST_F(Cli, DatenUndSchliessdruckmessungen) {
  const std::string well = Pfad("suessgas.zlv");
  fs::copy_file(ZELVOR_EXAMPLES_DIR "/suessgas.zlv", well);
  Schreiben("datiert.csv", "Datum;Gp;Rate;Kopfdruck\n01.03.1994;12,0;8849;228,0\n2024-03-01;85,0;7315;222,0\n");
  Schreiben("raten.txt", "Gp Rate Druck\n12.0 8849 228.0\n85.0 7315 222.0\n");
  ASSERT_EQ(Starten({"set", well, "--rates", Pfad("datiert.csv")}).status, ERFOLG);
  EXPECT_EQ(Starten({"evaluate", well}).out,
            Starten({"evaluate", ZELVOR_EXAMPLES_DIR "/suessgas.zlv", "--rates", Pfad("raten.txt")}).out);
  EXPECT_NE(Starten({"show", well}).out.find("Ratenzeile=    85.000      7315.0           222.0  01.03.2024\n"),
            std::string::npos);

  Schreiben("leer.csv", "Gp;Druck\n");
  const std::string vorher = Lesen("suessgas.zlv");
  const Aufruf leer = Starten({"set", well, "--messungen", Pfad("leer.csv")});
  EXPECT_EQ(leer.status, ABGEBROCHEN);
  EXPECT_NE(leer.err.find("keine Schließdruckmessung eingelesen"), std::string::npos) << leer.err;
  EXPECT_EQ(Lesen("suessgas.zlv"), vorher);

  Schreiben("messungen.csv", "Gp;p\n0;317,5\n240;276,9\n495;238,1\n745;203\n");
  ASSERT_EQ(Starten({"set", well, "--messungen", Pfad("messungen.csv")}).status, ERFOLG);
  const Aufruf ogip = Starten({"ogip", well});
  EXPECT_NE(ogip.out.find("Materialbilanz durch P/Z initial"), std::string::npos) << ogip.out;
  EXPECT_NE(Starten({"ogip", well, "--json"}).out.find("\"Schliessdruckmessungen\": {"), std::string::npos);
  ASSERT_EQ(Starten({"ogip", well, "--apply-messungen"}).status, ERFOLG);
  EXPECT_NE(Starten({"show", well}).out.find("OGIP=2361.6\n"), std::string::npos);
  EXPECT_EQ(Starten({"set", well, "--kopfdruck"}).status, FEHLER);
}

// The dated example's decline beside its forecast, as text and JSON; the options override the stored
// settings; a wrong value is a usage error, a well without a fit exit 1 with its sentence.
TEST_F(Cli, RueckgangDesDatiertenBeispiels) {
  const std::string well = std::string(ZELVOR_EXAMPLES_DIR) + "/rueckgang.zlv";
  Aufruf r = Starten({"rueckgang", well});
  ASSERT_EQ(r.status, ERFOLG) << r.err;
  for (const char* teil : {"ab 01.10.2017 (Ende des letzten Plateaus), 86 Ratenzeilen, 1 Ausreißer ausgelassen",
                           "Ende, die Grenze erreicht:", "EUR, Gp an der Grenze (Mio m3):", "Die Lieferfähigkeitsprognose ergibt"})
    EXPECT_NE(r.out.find(teil), std::string::npos) << teil << "\n" << r.out;
  r = Starten({"rueckgang", well, "--json", "--modell", "exponentiell", "--bis", "300"});
  ASSERT_EQ(r.status, ERFOLG) << r.err;
  for (const char* teil : {"\"Modell\": \"exponentiell\"", "\"Grenze\": 300", "\"Start\": \"2017-10-01\"",
                           "\"LetztesDatum\": \"2024-12-01\"", "{\"Zeile\": 53, \"Datum\": \"2021-05-01\""})
    EXPECT_NE(r.out.find(teil), std::string::npos) << teil;
  EXPECT_EQ(Starten({"rueckgang", well, "--ab", "31.02.2020"}).status, FEHLER);
  EXPECT_EQ(Starten({"rueckgang", well, "--modell", "linear"}).status, FEHLER);
  r = Starten({"rueckgang", std::string(ZELVOR_EXAMPLES_DIR) + "/injektion.zlv"});
  EXPECT_EQ(r.status, ABGEBROCHEN);
  EXPECT_NE(r.out.find("Injektionsbohrung"), std::string::npos);
}

// The decline settings go into the well through set and come back through show; a well without them keeps
// its bytes and lists none.
TEST_F(Cli, RueckgangseinstellungenUeberSetUndShow) {
  const std::string well = Bohrung();
  const std::string vorher = Lesen("bohrung.zlv");
  EXPECT_EQ(Starten({"show", well}).out.find("rueckgang."), std::string::npos);
  ASSERT_EQ(Starten({"set", well, "rueckgang.modell=modifiziert", "rueckgang.ausreisser=4,2"}).status, ERFOLG);
  const std::string gezeigt = Starten({"show", well}).out;
  EXPECT_NE(gezeigt.find("rueckgang.modell=modifiziert\n"), std::string::npos);
  EXPECT_NE(gezeigt.find("rueckgang.ausreisser=2, 4\n"), std::string::npos);
  ASSERT_EQ(Starten({"set", well, "rueckgang.modell=hyperbolisch", "rueckgang.ausreisser="}).status, ERFOLG);
  EXPECT_EQ(Lesen("bohrung.zlv"), vorher);
}

}  // namespace
}  // namespace zelvor::cli
