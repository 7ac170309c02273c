// Point markers on the frame's edges (a fill level of 100 %, a value at an axis end) are drawn whole,
// not cut in half by the frame.
#include <QImage>
#include <QPainter>
#include <QtTest>

#include "views/DiagrammZeichnen.h"

using namespace zelvor;

class DiagrammZeichnenTest : public QObject {
  Q_OBJECT
 private slots:
  void markenAmRahmenSindGanz() {
    // At 254 dpi one logical unit is one pixel; the frame's top-left corner at (300, 200) pixels, 800 by 500.
    const struct {
      double x, y;
      int px, py, dx, dy;  // the marker's centre in pixels, and the direction out of the frame
    } faelle[] = {{50, 100, 700, 200, 0, -1}, {50, 0, 700, 700, 0, 1}, {0, 50, 300, 450, -1, 0}, {100, 50, 1100, 450, 1, 0}};
    for (const auto& f : faelle) {
      Diagramm d;
      d.xMin = 0, d.xMax = 100, d.yMin = 0, d.yMax = 100;
      d.reihen.push_back({"", {f.x}, {f.y}, {255, 0, 0}, Linienart::Keine, Markierung::Kreis});
      QImage bild(1500, 1000, QImage::Format_RGB32);
      bild.setDotsPerMeterX(10000);
      bild.setDotsPerMeterY(10000);
      bild.fill(Qt::white);
      {
        QPainter p(&bild);
        Lometric l(p, QPointF(0, 0), 254, 254);
        DiagrammZeichnen(l, d, DiagrammlayoutBerechnen(d, {800, 500}), 300, -200);
      }
      // Red outside the frame, beyond the frame's line, where the marker's outer half lies.
      bool rot = false;
      for (int k = 6; k <= 16; ++k) {
        const QColor c = bild.pixelColor(f.px + k * f.dx, f.py + k * f.dy);
        rot = rot || (c.red() > 200 && c.green() < 120 && c.blue() < 120);
      }
      QVERIFY2(rot, qPrintable(QStringLiteral("Marke bei (%1, %2) abgeschnitten").arg(f.x).arg(f.y)));
    }
  }
};

QTEST_MAIN(DiagrammZeichnenTest)
#include "DiagrammZeichnenTest.moc"
