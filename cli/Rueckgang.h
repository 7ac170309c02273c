#pragma once
// zelvor-cli rueckgang: the decline analysis of a production well's dated rate lines, as text or JSON,
// beside its deliverability forecast.
#include <ostream>

namespace zelvor::cli {

struct Argumente;

// The well's stored decline settings, each option given (--modell, --ab, --bis) overriding its own.
// Exit 0, 1 (ABGEBROCHEN) when no fit could be made, 2 for a wrong value or an unreadable file.
int RueckgangBefehl(const Argumente& a, std::ostream& out, std::ostream& err);

}  // namespace zelvor::cli
