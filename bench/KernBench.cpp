// Speed of the computing core: Z-factor, pressure from P/Z, a whole evaluation, the gas-in-place match,
// the well file.
#include <benchmark/benchmark.h>

#include "calc/DruckAusPZ.h"
#include "calc/Format.h"
#include "calc/Gasvorratsabgleich.h"
#include "calc/Gaseigenschaften.h"
#include "doc/CZelvorDoc.h"
#include "doc/ZlvArchiv.h"

namespace zelvor {
namespace {

struct Gas {
  double tca = 0, pca = 0;
  Gas() {
    const float komponenten[KOMPONENTEN] = {2, 3, 5, 85, 4, 1};
    PseudokritischeWerte(komponenten, tca, pca);
  }
};

void BM_ZFaktor(benchmark::State& state) {
  const Gas gas;
  double p = 50;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ZFaktor(110.0, p, gas.tca, gas.pca));
    p = p < 400 ? p + 1.37 : 50;
  }
}
BENCHMARK(BM_ZFaktor);

void BM_DruckAusPZ(benchmark::State& state) {
  const Gas gas;
  double pz = 50;
  for (auto _ : state) {
    benchmark::DoNotOptimize(DruckAusPZ(110.0, pz, gas.tca, gas.pca));
    pz = pz < 400 ? pz + 1.37 : 50;
  }
}
BENCHMARK(BM_DruckAusPZ);

CZelvorDoc BohrungMit300Zeilen() {
  CZelvorDoc doc;
  doc.StandardwerteSetzen();
  doc.m_Komponenten = {0.5f, 1.2f, 2.1f, 90.0f, 4.2f, 1.3f, 0.2f, 0.3f, 0.1f, 0.1f};
  doc.m_Temperatur = 110;
  doc.m_Kopftemperatur = 25;
  doc.m_OGIP = 3000;
  doc.m_Initialdruck = 320;
  doc.m_A1 = 120;
  doc.m_B1 = 1.38;
  doc.m_bVariablerC = 1;
  // A well produced down to a fifth of its gas: no line with a warning.
  for (int i = 0; i < 300; ++i) {
    const double gp = 5.0 + i * 8.0;
    const double anteil = 1.0 - gp / 3000.0;
    doc.m_Ratenzeilen.push_back(Formatiere("%7.3f %17.2f %17.2f", gp, 18000.0 * anteil, 200.0 * anteil));
  }
  return doc;
}

void BM_Auswertung300(benchmark::State& state) {
  CZelvorDoc doc = BohrungMit300Zeilen();
  for (auto _ : state) {
    doc.Auswertung();
    benchmark::DoNotOptimize(doc.m_Ergebnis.data());
  }
}
BENCHMARK(BM_Auswertung300)->Unit(benchmark::kMicrosecond);

// One gas-in-place match over 300 rate lines, without the document's memo (goal: under 50 ms).
void BM_Gasvorratsabgleich300(benchmark::State& state) {
  CZelvorDoc doc = BohrungMit300Zeilen();
  doc.Auswertung();
  for (auto _ : state) {
    const Gasvorratsabgleich a = GasvorratAbgleichen(doc.m_Lauf);
    benchmark::DoNotOptimize(a.g);
  }
  state.counters["gemacht"] = GasvorratAbgleichen(doc.m_Lauf).Gemacht();
}
BENCHMARK(BM_Gasvorratsabgleich300)->Unit(benchmark::kMillisecond);

void BM_ZlvSchreiben300(benchmark::State& state) {
  const CZelvorDoc doc = BohrungMit300Zeilen();
  std::vector<unsigned char> bytes;
  for (auto _ : state) {
    bytes.clear();
    ZlvSchreiben(doc, bytes);
    benchmark::DoNotOptimize(bytes.data());
  }
}
BENCHMARK(BM_ZlvSchreiben300)->Unit(benchmark::kMicrosecond);

void BM_ZlvLesen300(benchmark::State& state) {
  std::vector<unsigned char> bytes;
  ZlvSchreiben(BohrungMit300Zeilen(), bytes);
  CZelvorDoc doc;
  for (auto _ : state) {
    ZlvLesen(bytes, doc);
    benchmark::DoNotOptimize(doc.m_Ratenzeilen.data());
  }
}
BENCHMARK(BM_ZlvLesen300)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zelvor
