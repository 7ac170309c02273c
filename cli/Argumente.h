#pragma once
// The command line of zelvor-cli: a command, one well file, options and NAME=VALUE pairs.
#include <optional>
#include <string>
#include <vector>

namespace zelvor::cli {

struct Argumente {
  std::string befehl;
  std::string datei;
  std::optional<std::string> raten;    // --rates
  std::optional<std::string> ausgabe;  // -o
  std::optional<std::string> wgv;      // --wgv
  bool variablerC = false;             // --variable-c
  bool grafikRaten = false;            // --rate-graph
  bool json = false;
  bool uebernehmen = false;            // --apply
  std::vector<std::string> zuweisungen;  // NAME=VALUE
};

// Parses argv; returns the German message of a usage error, or nothing.
std::optional<std::string> ArgumenteLesen(int argc, const char* const* argv, Argumente& a);

std::string Gebrauch();

}  // namespace zelvor::cli
