// The field computation over many wells, without the command line around it: the time with 1 and with
// more threads, the cost per well and the parallel speed-up.
//   zelvor_feld_bench ORDNER|BOHRUNG.zlv|FELD.zlf... [--threads N] [--runden R] [--abgleich]
#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "calc/Parallel.h"
#include "feld/Feld.h"
#include "feld/Felddatei.h"

namespace {

struct Zeit {
  double wand = 1e300;  // seconds on the clock
  double cpu = 0;       // seconds of processor time of all threads: about threads × wand when the
                        // machine's cores are free, about wand when other work holds them
};

// The best of `runden` runs: the least disturbed by other work on the machine.
Zeit Sekunden(const std::vector<std::string>& pfade, unsigned threads, int runden, bool abgleich) {
  Zeit beste;
  for (int r = 0; r < runden; ++r) {
    const std::clock_t cpuStart = std::clock();
    const auto start = std::chrono::steady_clock::now();
    const zelvor::Feldergebnis f = zelvor::FeldBerechnen(pfade, threads, abgleich);
    const std::chrono::duration<double> dauer = std::chrono::steady_clock::now() - start;
    const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    if (f.bohrungen.size() != pfade.size()) std::abort();
    if (dauer.count() < beste.wand) beste = {dauer.count(), cpu};
  }
  return beste;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> angaben;
  unsigned threads = zelvor::StandardThreadanzahl();
  int runden = 3;
  bool abgleich = false;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--threads" && i + 1 < argc) {
      threads = static_cast<unsigned>(std::max(1, std::atoi(argv[++i])));
    } else if (a == "--abgleich") {
      abgleich = true;
    } else if (a == "--runden" && i + 1 < argc) {
      runden = std::max(1, std::atoi(argv[++i]));
    } else {
      angaben.push_back(a);
    }
  }
  const zelvor::Bohrungsliste liste = zelvor::BohrungslisteAus(angaben);
  if (liste.pfade.empty()) {
    std::fprintf(stderr, "Aufruf: zelvor_feld_bench ORDNER|BOHRUNG.zlv|FELD.zlf... [--threads N] [--runden R] [--abgleich]\n");
    return 2;
  }
  const double n = static_cast<double>(liste.pfade.size());
  const Zeit eins = Sekunden(liste.pfade, 1, runden, abgleich);
  const Zeit viele = Sekunden(liste.pfade, threads, runden, abgleich);
  std::printf("Bohrungen:            %zu%s\n", liste.pfade.size(), abgleich ? " (mit Gasvorratsabgleich)" : "");
  std::printf("1 Thread:             %.3f s (%.3f ms je Bohrung), CPU-Zeit %.3f s\n", eins.wand, 1e3 * eins.wand / n,
              eins.cpu);
  std::printf("%u Threads:            %.3f s (%.3f ms je Bohrung), CPU-Zeit %.3f s\n", threads, viele.wand,
              1e3 * viele.wand / n, viele.cpu);
  std::printf("Beschleunigung:       %.2f (CPU-Zeit / Zeit: %.2f)\n", eins.wand / viele.wand, viele.cpu / viele.wand);
  return 0;
}
