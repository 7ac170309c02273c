// The field computation over many wells, without the command line around it: the time with 1 and with
// more threads, the cost per well and the parallel speed-up.
//   zelvor_feld_bench ORDNER|BOHRUNG.zlv|FELD.zlf... [--threads N] [--runden R] [--abgleich]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "calc/Parallel.h"
#include "doc/Feld.h"
#include "doc/Felddatei.h"

namespace {

// The best of `runden` runs, in seconds: the least disturbed by other work on the machine.
double Sekunden(const std::vector<std::string>& pfade, unsigned threads, int runden, bool abgleich) {
  double beste = 1e300;
  for (int r = 0; r < runden; ++r) {
    const auto start = std::chrono::steady_clock::now();
    const zelvor::Feldergebnis f = zelvor::FeldBerechnen(pfade, threads, abgleich);
    const std::chrono::duration<double> dauer = std::chrono::steady_clock::now() - start;
    if (f.bohrungen.size() != pfade.size()) std::abort();
    beste = std::min(beste, dauer.count());
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
  const double eins = Sekunden(liste.pfade, 1, runden, abgleich);
  const double viele = Sekunden(liste.pfade, threads, runden, abgleich);
  std::printf("Bohrungen:            %zu%s\n", liste.pfade.size(), abgleich ? " (mit Gasvorratsabgleich)" : "");
  std::printf("1 Thread:             %.3f s (%.3f ms je Bohrung)\n", eins, 1e3 * eins / n);
  std::printf("%u Threads:            %.3f s (%.3f ms je Bohrung)\n", threads, viele, 1e3 * viele / n);
  std::printf("Beschleunigung:       %.2f\n", eins / viele);
  return 0;
}
