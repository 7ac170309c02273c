#include "cli/Argumente.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "cli/Maskierung.h"
#include "export/Export.h"
#include "export/Transparenzexport.h"

namespace zelvor::cli {
namespace {

// Which options each command takes.
const std::set<std::string>& Erlaubt(const std::string& befehl) {
  static const std::set<std::string> evaluate = {"--rates", "--variable-c", "--rate-graph", "--json"};
  static const std::set<std::string> propose = {"--wgv", "--apply"};
  static const std::set<std::string> results = {"--rates", "--variable-c", "--rate-graph", "-o"};
  static const std::set<std::string> show = {};
  static const std::set<std::string> set = {"--rates", "--messungen", "--kopfdruck"};
  static const std::set<std::string> graph = {"--rates", "--variable-c", "--rate-graph", "--zoom", "--landscape", "-o",
                                              "--view"};
  static const std::set<std::string> analyze = {"--rates", "--variable-c", "--json"};
  static const std::set<std::string> ogip = {"--rates", "--gegendruck", "--json", "--apply", "--apply-messungen",
                                             "--apply-aquifer"};
  if (befehl == "ogip") return ogip;
  static const std::set<std::string> aquifer = {"--rates", "--json"};
  if (befehl == "aquifer") return aquifer;
  static const std::set<std::string> print = {"--rates", "--variable-c", "--landscape", "-o"};
  static const std::set<std::string> exportieren = {"--rates", "--variable-c", "--rate-graph", "--dialekt", "-o"};
  if (befehl == "evaluate") return evaluate;
  if (befehl == "analyze") return analyze;
  static const std::set<std::string> forecast = {"--rates", "--pmin", "--plateau", "--end",     "--model",
                                                 "--steps", "--pmax", "--pres-max", "--json"};
  if (befehl == "forecast") return forecast;
  static const std::set<std::string> rueckgang = {"--rates", "--modell", "--ab", "--bis", "--json"};
  if (befehl == "rueckgang") return rueckgang;
  static const std::set<std::string> kennlinien = {"--rates", "--schritt", "--json"};
  static const std::set<std::string> speicherjahr = {"--rates", "--json", "--transparenz", "-o"};
  if (befehl == "kennlinien") return kennlinien;
  if (befehl == "speicherjahr") return speicherjahr;
  if (befehl == "export") return exportieren;
  if (befehl == "graph") return graph;
  if (befehl == "print") return print;
  if (befehl == "propose") return propose;
  if (befehl == "results") return results;
  if (befehl == "set") return set;
  return show;
}

// The output rules of graph and print.
std::optional<std::string> ZeichenausgabePruefen(const Argumente& a) {
  if (!a.ausgabe) return "Der Befehl " + a.befehl + " verlangt eine Ausgabedatei (-o).";
  const std::optional<Ausgabeformat> format = AusgabeformatAus(*a.ausgabe);
  if (a.befehl == "print" && format != Ausgabeformat::Pdf)
    return "Die Ausgabedatei \"" + NameSichtbar(*a.ausgabe) + "\" muss auf .pdf enden.";
  if (!format) return "Die Ausgabedatei \"" + NameSichtbar(*a.ausgabe) + "\" muss auf .png, .svg oder .pdf enden.";
  if (a.quer && format != Ausgabeformat::Pdf) return std::string("--landscape gilt nur für eine PDF-Ausgabe.");
  if (a.grafiklupe && a.ansicht != Zeichenansichten().front())
    return "--zoom gilt nur für --view " + Zeichenansichten().front() + ".";
  return std::nullopt;
}

// The output rules of export.
std::optional<std::string> ExportausgabePruefen(const Argumente& a) {
  if (!a.ausgabe) return std::string("Der Befehl export verlangt eine Ausgabedatei (-o).");
  if (a.dialekt && *a.dialekt != "de") return "Unbekannter Dialekt \"" + *a.dialekt + "\" (bekannt: de).";
  const std::optional<Exportformat> format = ExportformatAus(*a.ausgabe, a.dialekt.has_value());
  if (!format) return "Die Ausgabedatei \"" + NameSichtbar(*a.ausgabe) + "\" muss auf .csv oder .xlsx enden.";
  if (a.dialekt && format == Exportformat::Xlsx) return std::string("--dialekt gilt nur für eine CSV-Ausgabe.");
  return std::nullopt;
}

}  // namespace

std::optional<Ausgabeformat> AusgabeformatAus(const std::string& pfad) {
  const size_t punkt = pfad.find_last_of("./");
  if (punkt == std::string::npos || pfad[punkt] != '.') return std::nullopt;
  std::string endung = pfad.substr(punkt + 1);
  std::transform(endung.begin(), endung.end(), endung.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (endung == "png") return Ausgabeformat::Png;
  if (endung == "svg") return Ausgabeformat::Svg;
  if (endung == "pdf") return Ausgabeformat::Pdf;
  return std::nullopt;
}

const std::vector<std::string>& Zeichenansichten() {
  static const std::vector<std::string> ansichten = {"grafik", "lieferfaehigkeit", "prognose", "materialbilanz",
                                                    "speicherkennlinien", "rueckgang"};
  return ansichten;
}

bool IstZeichenbefehl(const std::string& befehl) { return befehl == "graph" || befehl == "print"; }

std::string Gebrauch() {
  std::string ansichten;
  for (const std::string& n : Zeichenansichten()) ansichten += (ansichten.empty() ? "" : "|") + n;
  return "Aufruf:\n"
         "  zelvor-cli --version\n"
         "  zelvor-cli evaluate BOHRUNG.zlv [--rates RATENDATEI] [--variable-c] [--rate-graph] [--json]\n"
         "  zelvor-cli analyze BOHRUNG.zlv [--rates RATENDATEI] [--variable-c] [--json]\n"
         "  zelvor-cli forecast BOHRUNG.zlv [--pmin P] [--plateau Q] [--end Q] [--model mittel|variabel|gegendruck]\n"
         "             [--steps K] [--pmax P] [--pres-max P] [--rates RATENDATEI] [--json]\n"
         "  zelvor-cli ogip BOHRUNG.zlv [--rates RATENDATEI] [--gegendruck] [--json]\n"
         "             [--apply|--apply-messungen|--apply-aquifer]\n"
         "  zelvor-cli aquifer BOHRUNG.zlv [--rates RATENDATEI] [--json]\n"
         "  zelvor-cli rueckgang BOHRUNG.zlv [--modell exponentiell|harmonisch|hyperbolisch|modifiziert]\n"
         "             [--ab TT.MM.JJJJ] [--bis Q] [--rates RATENDATEI] [--json]\n"
         "  zelvor-cli kennlinien BOHRUNG.zlv [--schritt PROZENT] [--rates RATENDATEI] [--json]\n"
         "  zelvor-cli speicherjahr BOHRUNG.zlv [--rates RATENDATEI] [--json | --transparenz -o DATEI.csv|DATEI.json]\n"
         "  zelvor-cli propose BOHRUNG.zlv [--wgv X] [--apply]\n"
         "  zelvor-cli results BOHRUNG.zlv [--rates RATENDATEI] [--variable-c] [--rate-graph] [-o DATEI]\n"
         "  zelvor-cli export BOHRUNG.zlv -o TABELLEN.csv|TABELLEN.xlsx [--dialekt de] [--rates RATENDATEI]\n"
         "             [--variable-c] [--rate-graph]\n"
         "  zelvor-cli show BOHRUNG.zlv\n"
         "  zelvor-cli set BOHRUNG.zlv NAME=WERT... [--rates RATENDATEI] [--messungen DATEI [--kopfdruck]]\n"
         "  zelvor-cli graph BOHRUNG.zlv -o BILD.png|BILD.svg|BILD.pdf [--rates RATENDATEI] [--variable-c]\n"
         "             [--rate-graph] [--zoom] [--landscape] [--view " + ansichten + "]\n"
         "  zelvor-cli print BOHRUNG.zlv -o TABELLE.pdf [--rates RATENDATEI] [--variable-c] [--landscape]\n"
         "  zelvor-cli feld BOHRUNG.zlv|ORDNER|FELD.zlf... [--jobs N] [--abgleich] [--eu-abweichung P] [--json]\n"
         "             [-o TABELLEN.csv|TABELLEN.xlsx|BILD.png|BILD.svg|BILD.pdf]\n"
         "RATENDATEI: eine Ratendatei (Überschrift, dann \"Gp Rate Druck\" je Zeile), CSV mit Semikolon und\n"
         "  Dezimalkomma oder mit Komma und Dezimalpunkt, Text mit Tabulatoren, oder eine Arbeitsmappe (.xlsx, .ods).\n";
}

std::optional<std::string> ArgumenteLesen(int argc, const char* const* argv, Argumente& a) {
  if (argc < 2) return std::string("Kein Befehl angegeben.");
  a.befehl = argv[1];
  static const std::set<std::string> befehle = {"evaluate", "analyze", "forecast", "propose", "results", "show",
                                                  "set",      "graph",   "print",   "export",  "ogip",
                                                  "kennlinien", "speicherjahr", "aquifer", "rueckgang"};
  if (!befehle.count(a.befehl)) return "Unbekannter Befehl \"" + a.befehl + "\".";
  const std::set<std::string>& erlaubt = Erlaubt(a.befehl);
  std::set<std::string> gegeben;
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.size() > 1 && arg[0] == '-') {
      if (!erlaubt.count(arg)) return "Unbekannte Option \"" + NameSichtbar(arg) + "\" für " + a.befehl + ".";
      // A second value would silently replace the first: which one was meant is the user's to say.
      if (!gegeben.insert(arg).second) return "Die Option " + arg + " ist mehrfach angegeben.";
      const bool prognosewert = arg == "--pmin" || arg == "--plateau" || arg == "--end" || arg == "--model" ||
                                arg == "--steps" || arg == "--pmax" || arg == "--pres-max";
      const bool rueckgangswert = arg == "--modell" || arg == "--ab" || arg == "--bis";
      const bool mitWert = prognosewert || rueckgangswert || arg == "--rates" || arg == "--messungen" || arg == "-o" || arg == "--wgv" || arg == "--view" ||
                           arg == "--dialekt" || arg == "--schritt";
      if (mitWert) {
        if (i + 1 >= argc) return "Die Option " + arg + " verlangt einen Wert.";
        const std::string wert = argv[++i];
        if (arg == "--rates") a.raten = wert;
        if (arg == "--messungen") a.messungen = wert;
        if (arg == "-o") a.ausgabe = wert;
        if (arg == "--wgv") a.wgv = wert;
        if (arg == "--view") {
          const std::vector<std::string>& erlaubteAnsichten = Zeichenansichten();
          if (std::find(erlaubteAnsichten.begin(), erlaubteAnsichten.end(), wert) == erlaubteAnsichten.end())
            return "Unbekannte Ansicht \"" + wert + "\" für --view.";
          a.ansicht = wert;
        }
        if (arg == "--dialekt") a.dialekt = wert;
        if (arg == "--schritt") a.schritt = wert;
        if (prognosewert) a.prognose.emplace_back(arg, wert);
        if (rueckgangswert) a.rueckgang.emplace_back(arg, wert);
      } else if (arg == "--variable-c") {
        a.variablerC = true;
      } else if (arg == "--rate-graph") {
        a.grafikRaten = true;
      } else if (arg == "--json") {
        a.json = true;
      } else if (arg == "--transparenz") {
        a.transparenz = true;
      } else if (arg == "--apply") {
        a.uebernehmen = true;
      } else if (arg == "--kopfdruck") {
        a.kopfdruck = true;
      } else if (arg == "--apply-messungen") {
        a.messungenUebernehmen = true;
      } else if (arg == "--apply-aquifer") {
        a.aquiferUebernehmen = true;
      } else if (arg == "--gegendruck") {
        a.gegendruck = true;
      } else if (arg == "--zoom") {
        a.grafiklupe = true;
      } else if (arg == "--landscape") {
        a.quer = true;
      }
    } else if (a.datei.empty()) {
      a.datei = arg;
    } else if (a.befehl == "set" && arg.find('=') != std::string::npos) {
      a.zuweisungen.push_back(arg);
    } else {
      return "Überzähliges Argument \"" + arg + "\".";
    }
  }
  if (a.datei.empty()) return std::string("Keine Bohrungsdatei angegeben.");
  if (a.kopfdruck && !a.messungen) return std::string("--kopfdruck gilt nur mit --messungen.");
  if (a.uebernehmen + a.messungenUebernehmen + a.aquiferUebernehmen > 1)
    return std::string("--apply, --apply-messungen und --apply-aquifer schließen einander aus.");
  if (IstZeichenbefehl(a.befehl)) return ZeichenausgabePruefen(a);
  if (a.befehl == "export") return ExportausgabePruefen(a);
  if (a.befehl == "speicherjahr" && (a.transparenz || a.ausgabe)) {
    if (!a.transparenz || !a.ausgabe) return std::string("--transparenz und -o gelten nur zusammen.");
    if (a.json) return std::string("--transparenz schreibt in die Datei -o; --json gilt dafür nicht.");
    if (!TransparenzformatAus(*a.ausgabe))
      return "Die Ausgabedatei \"" + *a.ausgabe + "\" muss auf .csv oder .json enden.";
  }
  return std::nullopt;
}

}  // namespace zelvor::cli
