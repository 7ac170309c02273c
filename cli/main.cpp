// zelvor-cli: the evaluation of a well without a window.
#include <iostream>

#include "cli/Argumente.h"
#include "cli/Befehle.h"
#include "cli/Feld.h"
#include "cli/Weiterleitung.h"

int main(int argc, char** argv) {
  if (argc >= 2 && (zelvor::cli::IstZeichenbefehl(argv[1]) || zelvor::cli::IstFeldbild(argc, argv)))
    return zelvor::cli::AnZeichenprogrammUebergeben(argv, std::cerr);
  std::ios::sync_with_stdio(false);
  const int status = zelvor::cli::Ausfuehren(argc, argv, std::cout, std::cerr);
  std::cout.flush();
  // A full disk or a closed pipe must not pass for success.
  if (!std::cout) {
    std::cerr << "zelvor-cli: Die Ausgabe kann nicht geschrieben werden.\n";
    return zelvor::cli::FEHLER;
  }
  return status;
}
