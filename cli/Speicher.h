#pragma once
// zelvor-cli kennlinien and speicherjahr: a storage well's capacity by fill level and its storage year.
#include <ostream>

#include "cli/Argumente.h"

namespace zelvor::cli {

int Kennlinien(const Argumente& a, std::ostream& out, std::ostream& err);
// Exit 1 when a fill target is missed or there is no storage year.
int SpeicherjahrBefehl(const Argumente& a, std::ostream& out, std::ostream& err);

}  // namespace zelvor::cli
