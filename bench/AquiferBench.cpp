// The aquifer: the run of a well with 300 monthly dated lines and van Everdingen-Hurst's model (goal:
// under 5 ms), the fit of G and the aquifer's size and speed to 50 yearly surveys (goal: under 100 ms), and
// the forecast on the calendar of the same well from its last line (goal: under 20 ms).
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "calc/Aquiferanpassung.h"
#include "calc/Aquiferprognose.h"
#include "calc/Auswertung.h"
#include "calc/Gaseigenschaften.h"

namespace {

using namespace zelvor;

Aquiferdaten Hurst() {
  Aquiferdaten a;
  a.modell = Aquifermodell::Hurst;
  a.radius = 750;
  a.radienverhaeltnis = 5;
  a.maechtigkeit = 25;
  a.porositaet = 0.18;
  a.permeabilitaet = 5;
  a.kompressibilitaet = 1e-4;
  a.viskositaet = 0.45;
  return a;
}

const Tag BEGINN = *TagAusDatum(1990, 1, 1);

struct Lauf300 {
  std::vector<std::string> zeilen;
  std::vector<std::optional<Tag>> daten;
  Aquiferdaten a = Hurst();
  AuswertungsEingaben e;
  Lauf300() {
    e.komponenten[3] = 100;
    e.temperatur = 100;
    e.ogip = 1500;
    e.initialdruck = 250;
    e.a1 = 200;
    e.b1 = 1.5;
    e.bohrungsanzahl = 1;
    for (int m = 1; m <= 300; ++m) {
      zeilen.push_back(std::to_string(3.5 * m) + " 5000 " + std::to_string(180 - 0.3 * m));
      daten.push_back(BEGINN + static_cast<Tag>(std::lround(m * 30.4375)));
    }
    e.ratenzeilen = &zeilen;
    e.zeilendaten = &daten;
    e.aquifer = &a;
  }
};

void BM_AquiferPrognose(benchmark::State& state) {
  const Lauf300 l;
  AuswertungsErgebnis r;
  Auswerten(l.e, r);
  PrognoseEingaben e;
  e.pMin = 30;
  e.qPlan = 5000;
  e.qEnde = 500;
  auto pa = std::make_shared<Prognoseaquifer>();
  pa->daten = l.a;
  for (std::size_t i = 0; i < r.lauf.punkte.size(); ++i) pa->ereignisse.push_back({l.daten[i], r.lauf.punkte[i].gp});
  pa->start = l.daten.back();
  e.aquifer = pa;
  Foerderprognose p;
  for (auto _ : state) {
    p = AquiferprognoseBerechnen(r.lauf, e);
    benchmark::DoNotOptimize(p);
  }
  if (!p.Gemacht()) state.SkipWithError(p.meldung.c_str());
}
BENCHMARK(BM_AquiferPrognose)->Unit(benchmark::kMillisecond);

void BM_AquiferLauf300(benchmark::State& state) {
  const Lauf300 l;
  const AuswertungsEingaben& e = l.e;
  AuswertungsErgebnis r;
  for (auto _ : state) {
    Auswerten(e, r);
    benchmark::DoNotOptimize(r);
  }
  if (r.abgebrochen) state.SkipWithError(r.zeilen.back().c_str());
}
BENCHMARK(BM_AquiferLauf300)->Unit(benchmark::kMillisecond);

void BM_AquiferAnpassung50(benchmark::State& state) {
  std::array<float, KOMPONENTEN> k{};
  k[3] = 100;
  double tca = 0, pca = 0;
  PseudokritischeWerte(k.data(), tca, pca);
  Gasbilanz gas;
  gas.initialdruck = 250;
  gas.koeffizienten = HallYarboroughKoeffizienten(100, tca);
  gas.pca = pca;
  gas.pzi = 250 / ZFaktor(gas.koeffizienten, 250, pca);
  gas.bgi = gas.pzi * 273 / (373 * 1.0134);
  Aquiferdaten a = Hurst();
  a.foerderbeginn = BEGINN;
  Aquiferdatenlage l;
  for (int j = 1; j <= 50; ++j)
    l.messungen.push_back({BEGINN + static_cast<Tag>(std::lround(j * 365.25)), 22.0 * j});
  const Aquiferverlauf v = AquiferverlaufBerechnen(gas, 1500, a, l.messungen);
  for (std::size_t i = 0; i < l.messungen.size(); ++i) l.pzGemessen.push_back(v.punkte[i].pz + 0.3 * std::sin(3.0 * static_cast<double>(i)));
  a.radienverhaeltnis = 8;
  a.permeabilitaet = 20;
  Aquiferanpassung f;
  for (auto _ : state) {
    f = AquiferAnpassen(gas, a, l, 1800);
    benchmark::DoNotOptimize(f);
  }
  if (!f.Gemacht()) state.SkipWithError(f.meldung.c_str());
}
BENCHMARK(BM_AquiferAnpassung50)->Unit(benchmark::kMillisecond);

}  // namespace
