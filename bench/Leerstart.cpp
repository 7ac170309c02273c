// Starts and ends; linked like zelvor-cli so that the difference in run time is zelvor's own work.
#include <iostream>

#include "cli/Befehle.h"

int main(int argc, char** argv) {
  // Never true; keeps the command code linked in, as in zelvor-cli.
  if (argc > 99) return zelvor::cli::Ausfuehren(argc, argv, std::cout, std::cerr);
  return 0;
}
