// zelvor-cli: the evaluation of a well without a window.
#include <iostream>

#include "cli/Argumente.h"
#include "cli/Befehle.h"
#include "cli/Feld.h"
#include "cli/Maskierung.h"
#include "cli/Weiterleitung.h"

int main(int argc, char** argv) {
  if (argc >= 2 && (zelvor::cli::IstZeichenbefehl(argv[1]) || zelvor::cli::IstFeldbild(argc, argv)))
    return zelvor::cli::AnZeichenprogrammUebergeben(argv, std::cerr);
  std::ios::sync_with_stdio(false);
  // No control character from a well or a spreadsheet reaches the terminal as it is.
  zelvor::cli::SichtbarerStrom aus(std::cout.rdbuf()), fehler(std::cerr.rdbuf());
  std::ostream out(&aus), err(&fehler);
  const int status = zelvor::cli::Ausfuehren(argc, argv, out, err);
  out.flush();
  err.flush();
  std::cout.flush();
  // A full disk or a closed pipe must not pass for success.
  if (!out || !std::cout) {
    std::cerr << "zelvor-cli: Die Ausgabe kann nicht geschrieben werden.\n";
    return zelvor::cli::FEHLER;
  }
  return status;
}
