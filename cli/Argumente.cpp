#include "cli/Argumente.h"

#include <set>

namespace zelvor::cli {
namespace {

// Which options each command takes.
const std::set<std::string>& Erlaubt(const std::string& befehl) {
  static const std::set<std::string> evaluate = {"--rates", "--variable-c", "--rate-graph", "--json"};
  static const std::set<std::string> propose = {"--wgv", "--apply"};
  static const std::set<std::string> results = {"--rates", "--variable-c", "--rate-graph", "-o"};
  static const std::set<std::string> show = {};
  static const std::set<std::string> set = {"--rates"};
  if (befehl == "evaluate") return evaluate;
  if (befehl == "propose") return propose;
  if (befehl == "results") return results;
  if (befehl == "set") return set;
  return show;
}

}  // namespace

std::string Gebrauch() {
  return "Aufruf:\n"
         "  zelvor-cli evaluate BOHRUNG.zlv [--rates RATENDATEI] [--variable-c] [--rate-graph] [--json]\n"
         "  zelvor-cli propose BOHRUNG.zlv [--wgv X] [--apply]\n"
         "  zelvor-cli results BOHRUNG.zlv [--rates RATENDATEI] [--variable-c] [--rate-graph] [-o DATEI]\n"
         "  zelvor-cli show BOHRUNG.zlv\n"
         "  zelvor-cli set BOHRUNG.zlv NAME=WERT... [--rates RATENDATEI]\n";
}

std::optional<std::string> ArgumenteLesen(int argc, const char* const* argv, Argumente& a) {
  if (argc < 2) return std::string("Kein Befehl angegeben.");
  a.befehl = argv[1];
  static const std::set<std::string> befehle = {"evaluate", "propose", "results", "show", "set"};
  if (!befehle.count(a.befehl)) return "Unbekannter Befehl \"" + a.befehl + "\".";
  const std::set<std::string>& erlaubt = Erlaubt(a.befehl);
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.size() > 1 && arg[0] == '-') {
      if (!erlaubt.count(arg)) return "Unbekannte Option \"" + arg + "\" für " + a.befehl + ".";
      const bool mitWert = arg == "--rates" || arg == "-o" || arg == "--wgv";
      if (mitWert) {
        if (i + 1 >= argc) return "Die Option " + arg + " verlangt einen Wert.";
        const std::string wert = argv[++i];
        if (arg == "--rates") a.raten = wert;
        if (arg == "-o") a.ausgabe = wert;
        if (arg == "--wgv") a.wgv = wert;
      } else if (arg == "--variable-c") {
        a.variablerC = true;
      } else if (arg == "--rate-graph") {
        a.grafikRaten = true;
      } else if (arg == "--json") {
        a.json = true;
      } else if (arg == "--apply") {
        a.uebernehmen = true;
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
  return std::nullopt;
}

}  // namespace zelvor::cli
