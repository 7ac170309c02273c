// One paint of the table view with a long table (330 lines: 300 rate lines and the table's head), as a
// window of typical size repaints it, and the same with every line drawn.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <clocale>
#include <cstdio>

#include "views/TabelleZeichnen.h"

namespace zelvor {
namespace {

CStringArray LangeTabelle() {
  CStringArray zeilen;
  for (int i = 0; i < 330; ++i) {
    char zeile[100];
    std::snprintf(zeile, sizeof zeile, "    %9.3f  %8.1f   %6.2f      %6.2f      %6.2f   %6.2f     %5.3f", i * 3.0,
                  8849.0 - i, 228.0 - i * 0.3, 292.04, 315.87, 315.09, 0.611);
    zeilen.emplace_back(zeile);
  }
  return zeilen;
}

// A viewport of 1000 x 700 pixels at 96 dpi, scrolled to the middle of the table.
void Zeichnen(benchmark::State& state, bool nurSichtbar) {
  const CStringArray zeilen = LangeTabelle();
  QImage bild(1000, 700, QImage::Format_RGB32);
  const QPointF ursprung(0, -3000);
  const QRectF sichtbar = nurSichtbar ? QRectF(bild.rect()) : QRectF();
  for (auto _ : state) {
    bild.fill(Qt::white);
    QPainter p(&bild);
    TabelleZeichnen(p, ursprung, zeilen, sichtbar);
  }
}

void BM_TabelleSichtbarerTeil(benchmark::State& state) { Zeichnen(state, true); }
BENCHMARK(BM_TabelleSichtbarerTeil)->Unit(benchmark::kMillisecond);

void BM_TabelleAlleZeilen(benchmark::State& state) { Zeichnen(state, false); }
BENCHMARK(BM_TabelleAlleZeilen)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zelvor
