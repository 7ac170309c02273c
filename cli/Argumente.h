#pragma once
// The command line of zelvor-cli: a command, one well file, options and NAME=VALUE pairs.
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zelvor::cli {

struct Argumente {
  std::string befehl;
  std::string datei;
  std::optional<std::string> raten;    // --rates
  std::optional<std::string> messungen;  // --messungen (set)
  bool kopfdruck = false;              // --kopfdruck (set): the surveys' pressures are at the wellhead
  bool messungenUebernehmen = false;   // --apply-messungen (ogip)
  bool aquiferUebernehmen = false;     // --apply-aquifer (ogip)
  std::optional<std::string> ausgabe;  // -o
  std::optional<std::string> wgv;      // --wgv
  // forecast: --pmin, --plateau, --end, --model, --steps with their texts, in the order given
  std::vector<std::pair<std::string, std::string>> prognose;
  // rueckgang: --modell, --ab, --bis with their texts, in the order given
  std::vector<std::pair<std::string, std::string>> rueckgang;
  std::optional<std::string> dialekt;  // --dialekt (export: "de")
  std::optional<std::string> schritt;  // --schritt (kennlinien: the fill level's step in %)
  bool variablerC = false;             // --variable-c
  bool grafikRaten = false;            // --rate-graph
  bool json = false;
  bool transparenz = false;            // --transparenz (speicherjahr: the transparency data to -o)
  bool uebernehmen = false;            // --apply
  bool gegendruck = false;             // --gegendruck (ogip)
  bool grafiklupe = false;             // --zoom
  bool quer = false;                   // --landscape
  std::string ansicht = "grafik";      // --view, of graph
  std::vector<std::string> zuweisungen;  // NAME=VALUE
};

// Parses argv; returns the German message of a usage error, or nothing.
std::optional<std::string> ArgumenteLesen(int argc, const char* const* argv, Argumente& a);

std::string Gebrauch();

// What graph and print write, told by the output file's extension (any case).
enum class Ausgabeformat { Png, Svg, Pdf };
std::optional<Ausgabeformat> AusgabeformatAus(const std::string& pfad);

// The views graph draws (--view), the first by default.
const std::vector<std::string>& Zeichenansichten();

// graph and print draw with Qt and run in the companion program zelvor-cli-zeichnen.
bool IstZeichenbefehl(const std::string& befehl);

}  // namespace zelvor::cli
