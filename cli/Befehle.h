#pragma once
// The commands of zelvor-cli. Exit status: 0 success; 1 an evaluation that ended early or a refused
// proposal; 2 a usage error or a file that cannot be read or written.
#include <chrono>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace zelvor {
class CZelvorDoc;
}

namespace zelvor::cli {

struct Argumente;

inline constexpr int ERFOLG = 0;
inline constexpr int ABGEBROCHEN = 1;
inline constexpr int FEHLER = 2;

// Runs every command but graph and print, which the caller hands to zelvor-cli-zeichnen (see
// Weiterleitung.h); here they are only checked.
int Ausfuehren(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

// What zelvor-cli-zeichnen shares with the other commands.
enum class Lauf { Fehler, Vollstaendig, Abgebrochen };
// Loads the well, imports --rates as the input dialog does, sets --variable-c and --rate-graph, evaluates.
Lauf Auswerten(const Argumente& a, CZelvorDoc& doc, std::ostream& err);
// How long a command that changes a well waits for another one changing it (then FEHLER).
inline constexpr std::chrono::milliseconds SPERRE_WARTEN{5000};

// The refusal when the output file is one of the input files (the same file, also through a link), which
// writing would destroy; nothing when it is none of them.
std::optional<std::string> AusgabeUeberschreibtEingabe(const std::string& ausgabe, const std::vector<std::string>& eingaben);
// The same for a command's well and rate file.
std::optional<std::string> AusgabeUeberschreibtEingabe(const std::string& ausgabe, const Argumente& a);

// One line "zelvor-cli: <meldung>" on err; returns FEHLER.
int Fehler(std::ostream& err, const std::string& meldung);
// The same for a wrong call, with the pointer to the usage text.
int Aufruffehler(std::ostream& err, const std::string& meldung);

}  // namespace zelvor::cli
