// The graph view and its renderer: frame sizes on screen, under the zoom and on paper, the return to the
// screen after printing (also a cancelled print), and what is painted for real and degenerate wells.
#include <QFile>
#include <QFileInfo>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#ifdef ZELVOR_MIT_SVG
#include <QSvgRenderer>
#endif
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <limits>
#include <vector>

#include "doc/ZlvArchiv.h"
#include "views/CGrafik.h"
#include "views/GrafikZeichnen.h"
#include "views/Lometric.h"

using namespace zelvor;

namespace {

// A paint device at 254 dpi (one pixel per logical unit) that keeps the rectangles and texts painted on it.
class Aufzeichnung : public QPaintEngine {
 public:
  Aufzeichnung() : QPaintEngine(QPaintEngine::AllFeatures) {}
  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  void updateState(const QPaintEngineState&) override {}
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawLines(const QLineF*, int) override {}
  void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
  void drawPath(const QPainterPath&) override {}
  void drawRects(const QRectF* r, int n) override { rechtecke.insert(rechtecke.end(), r, r + n); }
  void drawTextItem(const QPointF&, const QTextItem& t) override { texte << t.text(); }
  Type type() const override { return QPaintEngine::User; }

  std::vector<QRectF> rechtecke;
  QStringList texte;
};

class Aufzeichner : public QPaintDevice {
 public:
  QPaintEngine* paintEngine() const override { return &m_engine; }
  Aufzeichnung& Engine() { return m_engine; }

 protected:
  int metric(PaintDeviceMetric m) const override {
    switch (m) {
      case PdmWidth:
      case PdmHeight:
        return 4000;
      case PdmWidthMM:
      case PdmHeightMM:
        return 400;
      case PdmDpiX:
      case PdmDpiY:
      case PdmPhysicalDpiX:
      case PdmPhysicalDpiY:
        return 254;
      case PdmDepth:
        return 32;
      case PdmNumColors:
        return std::numeric_limits<int>::max();
      case PdmDevicePixelRatio:
        return 1;
      case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
    }
    return 0;
  }

 private:
  mutable Aufzeichnung m_engine;
};

CZelvorDoc Ausgewertet(const char* datei, bool raten) {
  CZelvorDoc doc;
  const ZlvErgebnis e = ZlvDateiLaden(std::string(ZELVOR_EXAMPLES_DIR) + "/" + datei, doc);
  if (e.status != ZlvStatus::Ok) qFatal("%s", e.meldung.c_str());
  doc.m_bGrafikRaten = raten ? 1 : 0;
  doc.Auswertung();
  return doc;
}

std::string Titel() { return "suessgas"; }

// Pixels clearly of one hue inside the frame of the screen layout (1300 x 750 from logical (0, 0)), a little
// inset so that the frame's own line does not count; the legends' sample lines lie outside. Antialiased
// lines blend with the white, so a pixel counts when its channel stands well above the other two.
enum class Farbe { Rot, Blau };

int FarbigImRahmen(const QImage& bild, Farbe farbe, double dpi = 96) {
  const double s = dpi / 254.0;
  const QRect rahmen(static_cast<int>((400 + 5) * s), static_cast<int>((300 + 5) * s), static_cast<int>(1290 * s),
                     static_cast<int>(740 * s));
  int n = 0;
  for (int y = rahmen.top(); y <= rahmen.bottom(); ++y)
    for (int x = rahmen.left(); x <= rahmen.right(); ++x) {
      const QColor c = bild.pixelColor(x, y);
      const int r = c.red(), g = c.green(), b = c.blue();
      if (farbe == Farbe::Rot ? r - std::max(g, b) > 80 : b - std::max(r, g) > 80) ++n;
    }
  return n;
}

constexpr Farbe ROT = Farbe::Rot;
constexpr Farbe BLAU = Farbe::Blau;

}  // namespace

class CGrafikTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() {
    DruckerwahlSetzen([](QPrinter&, QWidget*, int) { return false; });
    VorschauSetzen([](QPrinter&, QWidget*, const Druckvorlage&) {});
  }

  void screenFrameAndZoom() {
    const CZelvorDoc doc = Ausgewertet("suessgas.zlv", false);
    CGrafik view(doc, Titel);
    view.OnInitialUpdate();
    QCOMPARE(view.InitialUpdates(), 1);
    QCOMPARE(view.Gesamtgroesse(), QSize(2500, 2200));
    QCOMPARE(QSize(view.Breite(), view.Hoehe()), QSize(1300, 750));
    QVERIFY(!view.Grafiklupe());

    view.OnGrafiklupe();
    QVERIFY(view.Grafiklupe());
    QCOMPARE(QSize(view.Breite(), view.Hoehe()), QSize(1950, 1125));
    QCOMPARE(view.Gesamtgroesse(), QSize(2500, 2200));  // the zoomed graph fits the same surface

    // Reopening a file reinitialises the view; the zoom stays.
    view.OnInitialUpdate();
    QCOMPARE(view.InitialUpdates(), 2);
    QCOMPARE(QSize(view.Breite(), view.Hoehe()), QSize(1950, 1125));

    view.OnGrafiklupe();
    QCOMPARE(QSize(view.Breite(), view.Hoehe()), QSize(1300, 750));
  }

  // The printed page decides portrait or landscape; afterwards the screen gets its own frame back.
  void printLayoutFollowsPageAndEnds_data() {
    QTest::addColumn<bool>("quer");
    QTest::addColumn<bool>("lupe");
    QTest::addColumn<QSize>("gedruckt");
    QTest::addColumn<QSize>("danach");
    QTest::newRow("portrait") << false << false << QSize(1300, 2100) << QSize(1300, 750);
    QTest::newRow("landscape") << true << false << QSize(2200, 1300) << QSize(1300, 750);
    QTest::newRow("landscape, zoomed") << true << true << QSize(2200, 1300) << QSize(1950, 1125);
  }
  void printLayoutFollowsPageAndEnds() {
    QFETCH(bool, quer);
    QFETCH(bool, lupe);
    QFETCH(QSize, gedruckt);
    QFETCH(QSize, danach);
    const CZelvorDoc doc = Ausgewertet("suessgas.zlv", false);
    CGrafik view(doc, Titel);
    view.OnInitialUpdate();
    if (lupe) view.OnGrafiklupe();
    QTemporaryDir dir;
    const QString pdf = dir.filePath("grafik.pdf");
    QSize beimDrucken;
    VorschauSetzen([&](QPrinter& drucker, QWidget*, const Druckvorlage& vorlage) {
      drucker.setOutputFormat(QPrinter::PdfFormat);
      drucker.setOutputFileName(pdf);
      drucker.setPageOrientation(quer ? QPageLayout::Landscape : QPageLayout::Portrait);
      QVERIFY(AufDruckerAusgeben(drucker, vorlage));
      beimDrucken = QSize(view.Breite(), view.Hoehe());
    });
    view.OnFilePrintPreview();
    QCOMPARE(beimDrucken, gedruckt);
    QCOMPARE(QSize(view.Breite(), view.Hoehe()), danach);
    QVERIFY(QFileInfo(pdf).size() > 0);
  }

  // The print dialog opens with the view in the print layout; cancelling it returns to the screen.
  void cancelledPrintReturnsToScreen() {
    const CZelvorDoc doc = Ausgewertet("suessgas.zlv", false);
    CGrafik view(doc, Titel);
    view.OnInitialUpdate();
    for (const QSize bildschirm : {QSize(1300, 750), QSize(1950, 1125)}) {
      QSize imDialog;
      int angekuendigt = 0;
      DruckerwahlSetzen([&](QPrinter&, QWidget*, int maxSeite) {
        imDialog = QSize(view.Breite(), view.Hoehe());
        angekuendigt = maxSeite;
        return false;
      });
      view.OnFilePrint();
      QCOMPARE(angekuendigt, 1);
      QCOMPARE(imDialog, QSize(1300, 2100));
      QCOMPARE(QSize(view.Breite(), view.Hoehe()), bildschirm);
      view.OnGrafiklupe();
    }
  }

  // What the page paints, measured on a 254-dpi device: the frame 40 mm right of and 30 mm below the
  // printable area's corner, in the size of the page's shape, and every text of the graph.
  void printedPageFrameAndTexts_data() {
    QTest::addColumn<QSizeF>("seite");
    QTest::addColumn<QRectF>("rahmen");
    QTest::newRow("A4 portrait") << QSizeF(2029, 2899) << QRectF(400, 300, 1300, 2100);
    QTest::newRow("A4 landscape") << QSizeF(2899, 2029) << QRectF(400, 300, 2200, 1300);
    QTest::newRow("square") << QSizeF(2500, 2500) << QRectF(400, 300, 2200, 1300);
  }
  void printedPageFrameAndTexts() {
    QFETCH(QSizeF, seite);
    QFETCH(QRectF, rahmen);
    const CZelvorDoc doc = Ausgewertet("suessgas.zlv", true);
    const auto vorlage = GrafikDruckvorlage(doc, "suessgas", true);
    QCOMPARE(vorlage->Seitenanzahl(seite), 1);
    Aufzeichner geraet;
    {
      QPainter p(&geraet);
      vorlage->SeiteZeichnen(p, seite, 1);
    }
    const Aufzeichnung& a = geraet.Engine();
    QVERIFY(!a.rechtecke.empty());
    QCOMPARE(a.rechtecke.front(), rahmen);
    const QStringList erwartet = {QString::fromStdString(doc.m_Gasbohrung), "Raten über der kum.Produktion",
                                  QString::fromStdString(doc.m_TextYAchse),
                                  QString::fromStdString(doc.m_TextXAchse), "Dokument suessgas",
                                  QString::fromStdString(doc.m_TextKurve1),
                                  QString::fromStdString(doc.m_TextKurve2)};
    for (const QString& t : erwartet) QVERIFY2(a.texte.contains(t), qPrintable(t));
  }

  // A name wider than the surface is cut with "…" to fit it; the well keeps the whole name.
  void aLongNameIsCutToTheSurface() {
    CZelvorDoc doc = Ausgewertet("suessgas.zlv", false);
    doc.m_Gasbohrung = std::string(1'000'000, 'W');
    Aufzeichner geraet;
    {
      QPainter p(&geraet);
      GrafikZeichnen(p, QPointF(0, 0), doc, "lang", GrafikZustand{});
    }
    const QStringList& texte = geraet.Engine().texte;
    const auto titel = std::find_if(texte.begin(), texte.end(), [](const QString& t) { return t.startsWith('W'); });
    QVERIFY(titel != texte.end());
    QVERIFY2(titel->endsWith(QChar(0x2026)) && titel->size() < 100, qPrintable(*titel));
    QCOMPARE(doc.m_Gasbohrung.size(), 1'000'000u);
  }

  void pdfHoldsTheGraphsTexts() {
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) QSKIP("pdftotext is not installed");
    const CZelvorDoc doc = Ausgewertet("suessgas.zlv", false);
    QTemporaryDir dir;
    const QString pdf = dir.filePath("grafik.pdf");
    QVERIFY(InPdfAusgeben(pdf, *GrafikDruckvorlage(doc, "suessgas", false), true).isEmpty());
    QProcess proc;
    proc.start(pdftotext, {pdf, "-"});
    QVERIFY(proc.waitForFinished(30000));
    const QString text = QString::fromUtf8(proc.readAllStandardOutput());
    QVERIFY(text.contains(QString::fromStdString(doc.m_Gasbohrung)));
    QVERIFY(text.contains("C-Werte über der kum.Produktion"));
    QVERIFY(text.contains("Dokument suessgas"));
  }

  // Both curves show in both kinds of graph, on the image and on the view's own window.
  void curvesArePainted() {
    for (bool raten : {false, true}) {
      const CZelvorDoc doc = Ausgewertet("suessgas.zlv", raten);
      const QImage bild = GrafikBild(doc, "suessgas", {});
      QCOMPARE(bild.size(), QSize(945, 831));
      QVERIFY(FarbigImRahmen(bild, ROT) > 50);
      QVERIFY(FarbigImRahmen(bild, BLAU) > 50);

      CGrafik view(doc, Titel);
      view.resize(1000, 900);
      view.OnInitialUpdate();
      const QImage fenster = view.viewport()->grab().toImage();
      QVERIFY(FarbigImRahmen(fenster, ROT) > 50);
      QVERIFY(FarbigImRahmen(fenster, BLAU) > 50);
    }
  }

  // Wells that give no curve: frame and texts only, and no fault (the sanitizer build runs this).
  void degenerateSeriesPaintWithoutCurves() {
    constexpr float inf = std::numeric_limits<float>::infinity();
    CZelvorDoc leer;
    CZelvorDoc gleichesGp = Ausgewertet("suessgas.zlv", false);
    gleichesGp.m_Kurve1X.fill(5.0f);
    CZelvorDoc unendlich = Ausgewertet("suessgas.zlv", false);
    unendlich.m_Kurve1Y[3] = inf;
    CZelvorDoc zuViele = Ausgewertet("suessgas.zlv", false);
    zuViele.m_MaxWerte = 100000;  // never more than the series hold
    zuViele.m_Kurve1X.fill(5.0f);
    for (const CZelvorDoc* doc : {&leer, &gleichesGp, &unendlich, &zuViele}) {
      const QImage bild = GrafikBild(*doc, "leer", {});
      QCOMPARE(FarbigImRahmen(bild, ROT), 0);
      QCOMPARE(FarbigImRahmen(bild, BLAU), 0);
      CGrafik view(*doc, Titel);
      view.resize(600, 400);
      view.OnInitialUpdate();
      view.OnGrafiklupe();
      QVERIFY(!view.viewport()->grab().isNull());
    }
  }

  // A NaN in the middle of a series leaves a gap; the rest of the curve is drawn.
  void notANumberLeavesAGap() {
    CZelvorDoc doc = Ausgewertet("suessgas.zlv", false);
    doc.m_Kurve1Y[5] = std::numeric_limits<float>::quiet_NaN();
    const QImage bild = GrafikBild(doc, "suessgas", {});
    QVERIFY(FarbigImRahmen(bild, ROT) > 50);
  }

  // An empty series keeps the view's previous ranges, so the axes stay as they were.
  void emptySeriesKeepsTheAxes() {
    CZelvorDoc doc = Ausgewertet("suessgas.zlv", false);
    CGrafik view(doc, Titel);
    view.resize(1000, 900);
    view.OnInitialUpdate();
    const QImage vorher = view.viewport()->grab().toImage();
    doc.m_MaxWerte = 0;
    const QImage nachher = view.viewport()->grab().toImage();
    QCOMPARE(FarbigImRahmen(nachher, ROT), 0);
    // The y labels left of the frame are the same pixels as before.
    const QRect yAchse(0, 100, 150, 300);
    QCOMPARE(nachher.copy(yAchse), vorher.copy(yAchse));
    // A fresh rendering of the empty well has an axis around 0 instead.
    QVERIFY(GrafikBild(doc, "suessgas", {}).copy(yAchse) != vorher.copy(yAchse));
  }

  // A well replaced before its evaluation (no series, no captions) shows the frame of a fresh view: not
  // the previous well's ranges, and no legend samples without their texts.
  void emptyWellShowsAFreshFrame() {
    CZelvorDoc doc = Ausgewertet("suessgas.zlv", false);
    CGrafik view(doc, Titel);
    view.resize(1000, 900);
    view.OnInitialUpdate();
    view.viewport()->grab();
    doc.ErgebnisseLoeschen();
    const QImage nachher = view.viewport()->grab().toImage();
    CZelvorDoc frisch;
    frisch.m_Gasbohrung = doc.m_Gasbohrung;
    CGrafik neu(frisch, Titel);
    neu.resize(1000, 900);
    neu.OnInitialUpdate();
    QCOMPARE(nachher, neu.viewport()->grab().toImage());
    int farbig = 0;
    for (int y = 0; y < nachher.height(); ++y)
      for (int x = 0; x < nachher.width(); ++x) {
        const QColor c = nachher.pixelColor(x, y);
        if (std::max(c.red(), c.blue()) - c.green() > 80) ++farbig;
      }
    QCOMPARE(farbig, 0);
  }

  void svgExport() {
    const CZelvorDoc doc = Ausgewertet("suessgas.zlv", false);
    QTemporaryDir dir;
    const QString pfad = dir.filePath("grafik.svg");
#ifndef ZELVOR_MIT_SVG
    QCOMPARE(GrafikAlsSvg(pfad, doc, "suessgas", {}), QString::fromUtf8(KEIN_SVG));  // a build without QtSvg
    QVERIFY(!QFile::exists(pfad));
#else
    QVERIFY(GrafikAlsSvg(pfad, doc, "suessgas", {}).isEmpty());
    QSvgRenderer svg(pfad);
    QVERIFY(svg.isValid());
    QCOMPARE(svg.viewBox(), QRect(0, 0, 2500, 2200));
    QFile datei(pfad);
    QVERIFY(datei.open(QIODevice::ReadOnly));
    QVERIFY(datei.readAll().contains("Dokument suessgas"));
    QVERIFY(!GrafikAlsSvg(dir.filePath("fehlt/grafik.svg"), doc, "suessgas", {}).isEmpty());
#endif
  }
};

QTEST_MAIN(CGrafikTest)
#include "CGrafikTest.moc"
