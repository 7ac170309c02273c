// A storage well's capacity curves and storage year (goal: both under 5 ms for one well), on the
// configured storage example; the site's storage year of 100 storage wells, each its own storage year
// and their sum (goal: under 200 ms); the storage year of the same well with four years of monthly dated
// lines and van Everdingen-Hurst's aquifer (goal: under 20 ms), and its two seasons' curves.
#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "calc/Format.h"
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

// Four storage years of monthly lines (between 500 and 700 Mio m3 Gp) on a field produced since 1990,
// with an aquifer of van Everdingen-Hurst.
zelvor::CZelvorDoc SpeicherMitHurst() {
  zelvor::CZelvorDoc doc = Speicher();
  doc.m_Ratenzeilen.clear();
  doc.m_RatenDatum.clear();
  const zelvor::Tag beginn = *zelvor::TagAusDatum(2023, 4, 1);
  for (int m = 0; m < 48; ++m) {
    const double gp = 600.0 + 100.0 * std::cos(2.0 * std::numbers::pi * m / 12.0);
    doc.m_Ratenzeilen.push_back(zelvor::Formatiere("%.3f 45000 %.1f", gp, 165.0 - (gp - 500.0) * 0.07));
    doc.m_RatenDatum.push_back(beginn + static_cast<zelvor::Tag>(std::lround(m * 30.4375)));
  }
  zelvor::Aquiferdaten& a = doc.m_Aquifer;
  a.modell = zelvor::Aquifermodell::Hurst;
  a.radius = 1500;
  a.radienverhaeltnis = 5;
  a.maechtigkeit = 20;
  a.porositaet = 0.2;
  a.permeabilitaet = 50;
  a.kompressibilitaet = 1e-4;
  a.viskositaet = 0.5;
  a.foerderbeginn = zelvor::TagAusDatum(1990, 1, 1);
  doc.Auswertung();
  return doc;
}

void BM_SpeicherjahrHurst(benchmark::State& state) {
  const zelvor::CZelvorDoc doc = SpeicherMitHurst();
  if (const zelvor::Speicherjahr s = zelvor::DokumentSpeicherjahr(doc); !s.Gemacht() || s.aquifer.empty())
    state.SkipWithError(s.meldung.c_str());
  for (auto _ : state) benchmark::DoNotOptimize(zelvor::DokumentSpeicherjahr(doc));
}
BENCHMARK(BM_SpeicherjahrHurst)->Unit(benchmark::kMillisecond);

void BM_SpeicherkennlinienHurst(benchmark::State& state) {
  const zelvor::CZelvorDoc doc = SpeicherMitHurst();
  if (const zelvor::Speicherkennlinien k = zelvor::DokumentKennlinien(doc); !k.Gemacht() || !k.MitAquifer())
    state.SkipWithError(k.meldung.c_str());
  for (auto _ : state) benchmark::DoNotOptimize(zelvor::DokumentKennlinien(doc));
}
BENCHMARK(BM_SpeicherkennlinienHurst)->Unit(benchmark::kMillisecond);

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
