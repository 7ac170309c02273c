// Speed of the decline fit: 600 monthly dated lines (fifty years) of a scattered hyperbolic decline, each
// model (goal: under 5 ms a fit).
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "calc/Rueckgang.h"

namespace zelvor {
namespace {

std::vector<Rueckgangspunkt> Monatszeilen(int n) {
  const Arps a{8000, 0.9, 0.8, 0};
  const Tag anfang = *TagAusDatum(1975, 1, 1);
  std::vector<Rueckgangspunkt> p;
  for (int m = 0; m < n; ++m) {
    const double t = m / 12.0;
    // A fixed scatter of a few per cent, the same every run.
    const double streuung = 1 + 0.03 * std::sin(m * 2.7) * std::cos(m * 0.9);
    p.push_back({m + 1, anfang + static_cast<Tag>(std::lround(t * 365)), MioM3(a.Kumuliert(t)), a.Rate(t) * streuung});
  }
  return p;
}

void BM_RueckgangAnpassen(benchmark::State& state) {
  const std::vector<Rueckgangspunkt> p = Monatszeilen(600);
  RueckgangEingaben e;
  e.modell = static_cast<Rueckgangsmodell>(state.range(0));
  e.qGrenze = 50;
  for (auto _ : state) benchmark::DoNotOptimize(RueckgangAnpassen(p, e));
}
BENCHMARK(BM_RueckgangAnpassen)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zelvor
