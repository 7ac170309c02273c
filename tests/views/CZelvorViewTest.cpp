// The table view as the user meets it: its printed pages (read back from a PDF with poppler's tools),
// its scrolling surface and its painting.
#include <QImage>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>

#include "views/CZelvorView.h"
#include "views/Drucken.h"
#include "views/TabelleZeichnen.h"

using namespace zelvor;

namespace {

const std::string TITEL = "Süd 3.zlv";

// Lines that can be told apart when read back: "Zeile 0042 ..." with a fixed-width tail.
CStringArray Zeilen(int anzahl) {
  CStringArray z;
  for (int i = 0; i < anzahl; ++i) {
    char zeile[80];
    std::snprintf(zeile, sizeof zeile, "Zeile %04d   %9.3f   Lagerstättendruck", i, i * 1.25);
    z.emplace_back(zeile);
  }
  return z;
}

QString Ausfuehren(const QString& programm, const QStringList& argumente) {
  QProcess p;
  p.start(programm, argumente);
  if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
  return QString::fromUtf8(p.readAllStandardOutput());
}

int Seitenzahl(const QString& pdf) {
  const QRegularExpressionMatch m =
      QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)$"), QRegularExpression::MultilineOption)
          .match(Ausfuehren(QStringLiteral("pdfinfo"), {pdf}));
  return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// Rows of ink in an image painted on white.
bool ZeileHatTinte(const QImage& bild, int y) {
  for (int x = 0; x < bild.width(); ++x)
    if (qGray(bild.pixel(x, y)) < 128) return true;
  return false;
}

bool SpalteHatTinte(const QImage& bild, int x) {
  for (int y = 0; y < bild.height(); ++y)
    if (qGray(bild.pixel(x, y)) < 128) return true;
  return false;
}

QImage Bild(const CStringArray& zeilen, QPointF ursprung, QRectF sichtbar) {
  QImage bild(1000, 700, QImage::Format_RGB32);
  bild.fill(Qt::white);
  QPainter p(&bild);
  TabelleZeichnen(p, ursprung, zeilen, sichtbar);
  return bild;
}

}  // namespace

class CZelvorViewTest : public QObject {
  Q_OBJECT
 private slots:
  void druckseitenImPdf_data();
  void druckseitenImPdf();
  void angekuendigteSeitenSindHochformat();
  void langeTabelleLaesstSichBisZumEndeRollen();
  void flaecheFolgtDerZeilenzahl();
  void bildschirmtabelle();
  void ausgelasseneZeilenAendernNichts();
  void kuerzereTabelleBeginntOben();
  void tastenRollen_data();
  void tastenRollen();
  void druckdialogBeginntMitAllenSeiten();
};

void CZelvorViewTest::druckseitenImPdf_data() {
  QTest::addColumn<int>("zeilen");
  QTest::addColumn<bool>("quer");
  QTest::addColumn<int>("seiten");
  // Portrait pages take 61 lines, landscape 40; the count is lines / L + 1, so a full last page is followed
  // by one with the header only.
  for (const auto& [zeilen, hoch, quer] : {std::tuple{0, 1, 1}, {61, 2, 2}, {62, 2, 2}, {100, 2, 3}, {330, 6, 9}}) {
    QTest::addRow("%d Zeilen hoch", zeilen) << zeilen << false << hoch;
    QTest::addRow("%d Zeilen quer", zeilen) << zeilen << true << quer;
  }
}

void CZelvorViewTest::druckseitenImPdf() {
  QFETCH(int, zeilen);
  QFETCH(bool, quer);
  QFETCH(int, seiten);
  if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty() ||
      QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
    QSKIP("poppler-utils (pdfinfo, pdftotext) fehlen");
  QTemporaryDir dir;
  QVERIFY(dir.isValid());
  CZelvorDoc doc;
  doc.m_Ergebnis = Zeilen(zeilen);
  CZelvorView view(doc, [] { return TITEL; });
  const QString pdf = dir.filePath(QStringLiteral("tabelle.pdf"));
  QVERIFY(InPdfAusgeben(pdf, *view.Vorlage(), quer).isEmpty());
  QCOMPARE(Seitenzahl(pdf), seiten);

  const QString text = Ausfuehren(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  QStringList seitenTexte = text.split(QLatin1Char('\f'));
  if (!seitenTexte.isEmpty() && seitenTexte.last().trimmed().isEmpty()) seitenTexte.removeLast();
  QCOMPARE(seitenTexte.size(), seiten);
  const int jeSeite = quer ? 40 : 61;
  QList<int> gesehen(zeilen, 0);
  const QRegularExpression zeileMuster(QStringLiteral("Zeile (\\d{4})"));
  for (int s = 0; s < seitenTexte.size(); ++s) {
    const QStringList textzeilen = seitenTexte[s].split(QLatin1Char('\n'));
    QCOMPARE(textzeilen.first().trimmed(), QStringLiteral("Dokument:Süd 3.zlv"));
    for (auto it = zeileMuster.globalMatch(seitenTexte[s]); it.hasNext();) {
      const int i = it.next().captured(1).toInt();
      QVERIFY2(i < zeilen, qPrintable(QString::number(i)));
      ++gesehen[i];
      QCOMPARE(s, i / jeSeite);  // page p holds lines (p-1)L .. pL-1
    }
  }
  for (int i = 0; i < zeilen; ++i) QVERIFY2(gesehen[i] == 1, qPrintable(QStringLiteral("Zeile %1").arg(i)));
  if (zeilen > 0) {
    QVERIFY(text.contains(QString::fromStdString(doc.m_Ergebnis.front())));
    QVERIFY(text.contains(QString::fromStdString(doc.m_Ergebnis.back())));
  }
}

// The print dialog is told the portrait count, whatever page the printer will use.
void CZelvorViewTest::angekuendigteSeitenSindHochformat() {
  CZelvorDoc doc;
  CZelvorView view(doc, [] { return TITEL; });
  int angekuendigt = -1;
  DruckerwahlSetzen([&](QPrinter&, QWidget*, int maxSeite) {
    angekuendigt = maxSeite;
    return false;
  });
  for (const auto& [zeilen, erwartet] : {std::pair{0, 1}, {60, 1}, {61, 2}, {100, 2}, {330, 6}}) {
    doc.m_Ergebnis = Zeilen(zeilen);
    view.OnFilePrint();
    QCOMPARE(angekuendigt, erwartet);
  }
  DruckerwahlSetzen({});
}

// A table far longer and wider than the historic fixed surface: at the end of both scroll ranges the last
// line and its last column are in sight, with blank space beyond them.
void CZelvorViewTest::langeTabelleLaesstSichBisZumEndeRollen() {
  CZelvorDoc doc;
  doc.m_Ergebnis = Zeilen(329);
  doc.m_Ergebnis.push_back(std::string(86, 'x') + "ENDE");
  CZelvorView view(doc, [] { return TITEL; });
  view.resize(600, 500);
  view.OnInitialUpdate();
  QCOMPARE(view.InitialUpdates(), 1);
  view.show();
  QVERIFY(QTest::qWaitForWindowExposed(&view));
  for (QScrollBar* s : {view.verticalScrollBar(), view.horizontalScrollBar()}) {
    s->setValue(s->maximum());
    QVERIFY(s->maximum() > 0);
  }
  QImage bild(view.viewport()->size(), QImage::Format_RGB32);
  bild.fill(Qt::white);
  {
    QPainter p(&bild);  // the view's own paint, on white, so that ink can be told from background
    view.viewport()->render(&p, QPoint(), QRegion(), QWidget::DrawChildren);
  }
  int unten = bild.height() - 1;
  while (unten >= 0 && !ZeileHatTinte(bild, unten)) --unten;
  QVERIFY2(unten > 0, "nichts zu sehen");
  // One empty line (about 20 px at 96 dpi) lies beneath the last; the blank between two text lines is far
  // less, so a surface that ends inside the table fails here.
  const int luecke = bild.height() - 1 - unten;
  QVERIFY2(luecke >= 15 && luecke < 60,
           qPrintable(QStringLiteral("Tinte bis %1 von %2").arg(unten).arg(bild.height())));
  // Likewise one character (about 11 px) to the right of the longest line.
  int rechts = bild.width() - 1;
  while (rechts >= 0 && !SpalteHatTinte(bild, rechts)) --rechts;
  const int rand = bild.width() - 1 - rechts;
  QVERIFY2(rand >= 8 && rand < 40, qPrintable(QStringLiteral("Tinte bis %1 von %2").arg(rechts).arg(bild.width())));
}

void CZelvorViewTest::flaecheFolgtDerZeilenzahl() {
  CZelvorDoc doc;
  doc.m_Ergebnis = Zeilen(10);
  CZelvorView view(doc, [] { return TITEL; });
  view.OnInitialUpdate();
  const QSize kurz(2000, TabellenHoehe(10, view.logicalDpiY()));
  QCOMPARE(view.Gesamtgroesse(), kurz);
  QVERIFY(kurz.height() < 12 * 60);  // ends beneath its last line, not at the historic 11000
  doc.m_Ergebnis = Zeilen(330);
  view.OnUpdate();
  const int lang = view.Gesamtgroesse().height();
  QVERIFY(lang > 330 * 50);
  QCOMPARE(lang, TabellenHoehe(330, view.logicalDpiY()));
  doc.m_Ergebnis = Zeilen(10);
  view.OnUpdate();
  QCOMPARE(view.Gesamtgroesse(), kurz);
  doc.m_Ergebnis.push_back(std::string(90, '-'));
  view.OnUpdate();
  QVERIFY(view.Gesamtgroesse().width() > 90 * 29);
  QCOMPARE(view.Gesamtgroesse().width(), TabellenBreite(doc.m_Ergebnis, view.logicalDpiX()));
  view.OnInitialUpdate();
  QCOMPARE(view.InitialUpdates(), 2);
}

void CZelvorViewTest::bildschirmtabelle() {
  const QImage leer = Bild({}, {0, 0}, {});
  for (int y = 0; y < leer.height(); ++y) QVERIFY(!ZeileHatTinte(leer, y));
  const QImage voll = Bild(Zeilen(45), {0, 0}, {});
  QVERIFY(ZeileHatTinte(voll, 10));
  // Left margin: one character width of blank before the text.
  for (int y = 0; y < voll.height(); ++y)
    for (int x = 0; x < 5; ++x) QVERIFY(qGray(voll.pixel(x, y)) >= 128);
}

// Skipping lines outside the visible part is for speed only: the pixels must not change.
void CZelvorViewTest::ausgelasseneZeilenAendernNichts() {
  const CStringArray zeilen = Zeilen(330);
  for (const QPointF ursprung : {QPointF(0, 0), QPointF(-37, -3001.5), QPointF(0, -6200)}) {
    const QImage alle = Bild(zeilen, ursprung, {});
    for (const QRectF sichtbar : {QRectF(0, 0, 1000, 700), QRectF(0, 333, 1000, 20), QRectF(100, 0, 50, 1)}) {
      const QImage teil = Bild(zeilen, ursprung, sichtbar);
      const QRect r = sichtbar.toAlignedRect();
      QCOMPARE(teil.copy(r), alle.copy(r));
    }
  }
}


// After a long table scrolled to its end, a table of four lines is shown from its first line, and the
// view cannot be scrolled away from it; a redraw of the same table stays where it was.
void CZelvorViewTest::kuerzereTabelleBeginntOben() {
  CZelvorDoc doc;
  doc.m_Ergebnis = Zeilen(1000);
  CZelvorView view(doc, [] { return TITEL; });
  view.resize(600, 400);
  view.OnInitialUpdate();
  view.show();
  QVERIFY(QTest::qWaitForWindowExposed(&view));
  QScrollBar* v = view.verticalScrollBar();
  v->setValue(v->maximum());
  QVERIFY(v->value() > 10000);
  // A redraw after some other change keeps the place; a new table starts at its top.
  view.OnUpdate();
  QCOMPARE(v->value(), v->maximum());
  doc.m_Ergebnis = Zeilen(4);
  ++doc.m_ErgebnisStand;
  view.OnUpdate();
  QCOMPARE(v->value(), 0);
  QCOMPARE(v->maximum(), 0);
  v->setValue(500);
  QCOMPARE(v->value(), 0);
}

void CZelvorViewTest::tastenRollen_data() {
  QTest::addColumn<int>("taste");
  QTest::addColumn<int>("strg");
  QTest::addColumn<QString>("erwartet");  // where each bar ends, from the middle: "-" less, "+" more, "0", "max", "="
  QTest::newRow("hoch") << int(Qt::Key_Up) << 0 << "= -";
  QTest::newRow("runter") << int(Qt::Key_Down) << 0 << "= +";
  QTest::newRow("links") << int(Qt::Key_Left) << 0 << "- =";
  QTest::newRow("rechts") << int(Qt::Key_Right) << 0 << "+ =";
  QTest::newRow("Bild hoch") << int(Qt::Key_PageUp) << 0 << "= -";
  QTest::newRow("Bild runter") << int(Qt::Key_PageDown) << 0 << "= +";
  QTest::newRow("Pos1") << int(Qt::Key_Home) << 0 << "0 =";
  QTest::newRow("Ende") << int(Qt::Key_End) << 0 << "max =";
  QTest::newRow("Strg+Pos1") << int(Qt::Key_Home) << 1 << "0 0";
  QTest::newRow("Strg+Ende") << int(Qt::Key_End) << 1 << "0 max";
}

void CZelvorViewTest::tastenRollen() {
  QFETCH(int, taste);
  QFETCH(int, strg);
  QFETCH(QString, erwartet);
  CZelvorDoc doc;
  doc.m_Ergebnis = Zeilen(500);
  doc.m_Ergebnis.push_back(std::string(300, 'x'));
  CZelvorView view(doc, [] { return TITEL; });
  view.resize(400, 300);
  view.OnInitialUpdate();
  view.show();
  QVERIFY(QTest::qWaitForWindowExposed(&view));
  QScrollBar* balken[] = {view.horizontalScrollBar(), view.verticalScrollBar()};
  int mitte[2];
  for (int i = 0; i < 2; ++i) {
    QVERIFY(balken[i]->maximum() > 4 * balken[i]->pageStep());
    mitte[i] = balken[i]->maximum() / 2;
    balken[i]->setValue(mitte[i]);
  }
  QTest::keyClick(&view, static_cast<Qt::Key>(taste), strg ? Qt::ControlModifier : Qt::NoModifier);
  const QStringList soll = erwartet.split(QLatin1Char(' '));
  for (int i = 0; i < 2; ++i) {
    const int wert = balken[i]->value();
    const QString& s = soll[i];
    if (s == QStringLiteral("=")) QCOMPARE(wert, mitte[i]);
    if (s == QStringLiteral("-")) QVERIFY(wert < mitte[i]);
    if (s == QStringLiteral("+")) QVERIFY(wert > mitte[i]);
    if (s == QStringLiteral("0")) QCOMPARE(wert, 0);
    if (s == QStringLiteral("max")) QCOMPARE(wert, balken[i]->maximum());
  }
}

// After printing pages 2 to 2 the next dialog offers all pages again, its fields at 1 to the count.
void CZelvorViewTest::druckdialogBeginntMitAllenSeiten() {
  QPrinter drucker;
  drucker.setPrintRange(QPrinter::PageRange);
  drucker.setFromTo(2, 2);
  for (int seiten : {2, 7}) {
    AlleSeitenVorwaehlen(drucker, seiten);
    QPrintDialog dialog(&drucker);
    dialog.setMinMax(1, seiten);
    QCOMPARE(dialog.printRange(), QAbstractPrintDialog::AllPages);
    QCOMPARE(dialog.fromPage(), 1);
    QCOMPARE(dialog.toPage(), seiten);
  }
}

QTEST_MAIN(CZelvorViewTest)
#include "CZelvorViewTest.moc"
