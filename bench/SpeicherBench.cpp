// A storage well's capacity curves and storage year (goal: both under 5 ms for one well), on the
// configured storage example.
#include <benchmark/benchmark.h>

#include <string>

#include "doc/CZelvorDoc.h"
#include "doc/DokumentSpeicher.h"
#include "doc/ZlvArchiv.h"

namespace {

zelvor::CZelvorDoc Speicher() {
  zelvor::CZelvorDoc doc;
  zelvor::ZlvDateiLaden(std::string(ZELVOR_EXAMPLES_DIR) + "/speicher.zlv", doc);
  doc.Auswertung();
  return doc;
}

void BM_Speicherkennlinien(benchmark::State& state) {
  const zelvor::CZelvorDoc doc = Speicher();
  for (auto _ : state) benchmark::DoNotOptimize(zelvor::DokumentKennlinien(doc));
}
BENCHMARK(BM_Speicherkennlinien)->Unit(benchmark::kMicrosecond);

void BM_Speicherjahr(benchmark::State& state) {
  const zelvor::CZelvorDoc doc = Speicher();
  for (auto _ : state) benchmark::DoNotOptimize(zelvor::DokumentSpeicherjahr(doc));
}
BENCHMARK(BM_Speicherjahr)->Unit(benchmark::kMillisecond);

}  // namespace
