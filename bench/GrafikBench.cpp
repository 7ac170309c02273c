// Speed of the graph view's paint: scaling and layout of a real well, then the drawing into an image of
// the screen surface at 96 dpi, as every repaint of the view does it.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <clocale>
#include <cstdio>
#include <string>

#include "doc/ZlvArchiv.h"
#include "views/GrafikZeichnen.h"

namespace zelvor {
namespace {

const CZelvorDoc& Bohrung() {
  static const CZelvorDoc doc = [] {
    CZelvorDoc d;
    const ZlvErgebnis e = ZlvDateiLaden(std::string(ZELVOR_EXAMPLES_DIR) + "/suessgas.zlv", d);
    if (e.status != ZlvStatus::Ok) std::fprintf(stderr, "%s\n", e.meldung.c_str());
    d.Auswertung();
    return d;
  }();
  return doc;
}

// Computing alone: extremes, scaling, frame, points, ticks, labels, grid.
void BM_GrafikBerechnen(benchmark::State& state) {
  const CZelvorDoc& doc = Bohrung();
  Skalierung s;
  for (auto _ : state) benchmark::DoNotOptimize(GrafikBerechnen(doc, s, GrafikZustand{}));
}
BENCHMARK(BM_GrafikBerechnen);

// One whole paint: background, recomputation, drawing.
void BM_GrafikMalen(benchmark::State& state) {
  const CZelvorDoc& doc = Bohrung();
  const QImage muster = GrafikBild(doc, "suessgas", GrafikZustand{});
  QImage bild(muster.size(), QImage::Format_RGB32);
  bild.setDotsPerMeterX(muster.dotsPerMeterX());
  bild.setDotsPerMeterY(muster.dotsPerMeterY());
  Skalierung s;
  for (auto _ : state) {
    bild.fill(Qt::white);
    QPainter p(&bild);
    GrafikZeichnen(p, QPointF(0, 0), doc, "suessgas", GrafikBerechnen(doc, s, GrafikZustand{}));
  }
}
BENCHMARK(BM_GrafikMalen)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zelvor
