// Speed of the forecast view: the forecast itself (with the back-pressure model, whose fit comes from
// the deliverability analysis each time), and one repaint of a window-sized part of the view, as the
// screen asks for it while scrolling a long table.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <cstdio>
#include <string>

#include "doc/DokumentPrognose.h"
#include "doc/ZlvArchiv.h"
#include "views/PrognoseZeichnen.h"

namespace zelvor {
namespace {

CZelvorDoc Bohrung(int schritte) {
  CZelvorDoc d;
  const ZlvErgebnis e = ZlvDateiLaden(std::string(ZELVOR_EXAMPLES_DIR) + "/mehrraten.zlv", d);
  if (e.status != ZlvStatus::Ok) std::fprintf(stderr, "%s\n", e.meldung.c_str());
  d.Auswertung();
  d.m_Prognose.modell = Prognosemodell::Gegendruck;
  d.m_Prognose.schritte = schritte;
  return d;
}

void BM_PrognoseBerechnen(benchmark::State& state) {
  const CZelvorDoc doc = Bohrung(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(DokumentPrognose(doc));
}
BENCHMARK(BM_PrognoseBerechnen)->Arg(50)->Arg(1000)->Unit(benchmark::kMicrosecond);

// A 1000 x 700 window scrolled to the middle of the page.
void BM_PrognoseMalen(benchmark::State& state) {
  const CZelvorDoc doc = Bohrung(static_cast<int>(state.range(0)));
  QImage bild(1000, 700, QImage::Format_RGB32);
  bild.setDotsPerMeterX(3780);  // 96 dpi
  bild.setDotsPerMeterY(3780);
  const double mitte = PrognoseFlaeche(doc).height() / 2 * 96 / 254;
  for (auto _ : state) {
    bild.fill(Qt::white);
    QPainter p(&bild);
    PrognoseZeichnen(p, QPointF(0, -mitte), doc, "mehrraten", QRectF(bild.rect()));
  }
}
BENCHMARK(BM_PrognoseMalen)->Arg(50)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zelvor
