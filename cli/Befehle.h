#pragma once
// The commands of zelvor-cli. Exit status: 0 success; 1 an evaluation that ended early or a refused
// proposal; 2 a usage error or a file that cannot be read or written.
#include <ostream>

namespace zelvor::cli {

inline constexpr int ERFOLG = 0;
inline constexpr int ABGEBROCHEN = 1;
inline constexpr int FEHLER = 2;

int Ausfuehren(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace zelvor::cli
