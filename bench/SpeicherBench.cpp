// A storage well's capacity curves and storage year (goal: both under 5 ms for one well), on the
// configured storage example; the site's storage year of 100 storage wells, each its own storage year
// and their sum (goal: under 200 ms).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "doc/CZelvorDoc.h"
#include "doc/DokumentSpeicher.h"
#include "doc/Speichereinstellungen.h"
#include "doc/ZlvArchiv.h"
#include "feld/Standortspeicherjahr.h"

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

// 100 storage wells with plans of their own (withdrawal rates and starts apart), read and evaluated
// once; each round makes every well's storage year and sums them, as the field does.
void BM_Standortspeicherjahr100(benchmark::State& state) {
  std::vector<zelvor::CZelvorDoc> docs(100);
  for (std::size_t i = 0; i < docs.size(); ++i) {
    docs[i] = Speicher();
    zelvor::AusspeicherrateSetzen(docs[i].m_Speicher, std::to_string(20000 + 500 * i));
    zelvor::SpeicherstartSetzen(docs[i].m_Speicher, zelvor::DatumText(*zelvor::TagAusDatum(2027, 4, 1) + static_cast<int>(i % 20)));
  }
  for (auto _ : state) {
    std::vector<zelvor::Speicherjahr> jahre;
    jahre.reserve(docs.size());
    for (const zelvor::CZelvorDoc& doc : docs) jahre.push_back(zelvor::DokumentSpeicherjahr(doc));
    std::vector<const zelvor::Speicherjahr*> zeiger;
    for (const zelvor::Speicherjahr& j : jahre) zeiger.push_back(&j);
    const zelvor::Standortspeicherjahr s = zelvor::StandortspeicherjahrBerechnen(zeiger);
    if (s.bohrungen != docs.size()) state.SkipWithError("nicht alle Speicherjahre summiert");
    benchmark::DoNotOptimize(s);
  }
}
BENCHMARK(BM_Standortspeicherjahr100)->Unit(benchmark::kMillisecond);

}  // namespace
