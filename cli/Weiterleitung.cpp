#include "cli/Weiterleitung.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <vector>

#include "cli/Befehle.h"

namespace zelvor::cli {

std::string Zeichenprogramm() {
  char pfad[PATH_MAX];
  const ssize_t n = ::readlink("/proc/self/exe", pfad, sizeof pfad - 1);
  if (n <= 0) return "";
  const std::string selbst(pfad, static_cast<size_t>(n));
  const size_t schraegstrich = selbst.find_last_of('/');
  if (schraegstrich == std::string::npos) return "";
  return selbst.substr(0, schraegstrich + 1) + ZEICHENPROGRAMM;
}

int AnZeichenprogrammUebergeben(char** argv, std::ostream& err) {
  const std::string programm = Zeichenprogramm();
  if (programm.empty()) return Fehler(err, std::string("Das Programm ") + ZEICHENPROGRAMM + " ist nicht zu finden.");
  std::vector<char*> argumente{const_cast<char*>(programm.c_str())};
  for (char** a = argv + 1; *a; ++a) argumente.push_back(*a);
  argumente.push_back(nullptr);
  ::execv(programm.c_str(), argumente.data());
  if (errno == ENOENT)
    return Fehler(err, "Das Programm \"" + programm + "\" fehlt; graph und print sind nicht verfügbar.");
  return Fehler(err, "Das Programm \"" + programm + "\" kann nicht gestartet werden.");
}

}  // namespace zelvor::cli
