#pragma once
// zelvor-cli itself links no Qt and starts in a millisecond; the commands that draw (graph, print) live in
// the companion program zelvor-cli-zeichnen beside it, which zelvor-cli replaces itself with.
#include <ostream>
#include <string>

namespace zelvor::cli {

inline constexpr const char* ZEICHENPROGRAMM = "zelvor-cli-zeichnen";

// The companion's path: the directory of the running program, then ZEICHENPROGRAMM. "" when the running
// program cannot be located.
std::string Zeichenprogramm();

// Runs the companion with the same arguments in place of this process. Returns only when that fails,
// with one message on err and FEHLER.
int AnZeichenprogrammUebergeben(char** argv, std::ostream& err);

}  // namespace zelvor::cli
