// The input dialog's layout: template 130 placed in the dialog font's units, nothing overlapping,
// nothing clipped, every label's text whole.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QtTest>

#include "dialogs/Dialogeinheiten.h"
#include "dialogs/DlgInput.h"
#include "dialogs/DlgInputVorlage.h"

using namespace zelvor;

namespace {

QList<QWidget*> Elemente(const QDialog& d) {
  QList<QWidget*> liste;
  for (QWidget* w : d.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
    if (!qobject_cast<QGroupBox*>(w)) liste << w;
  return liste;
}

QString Beschreibung(const QWidget* w) {
  if (auto* l = qobject_cast<const QLabel*>(w)) return QStringLiteral("Text \"%1\"").arg(l->text());
  if (auto* b = qobject_cast<const QAbstractButton*>(w)) return QStringLiteral("Knopf \"%1\"").arg(b->text());
  return w->objectName();
}

}  // namespace

class DlgInputVorlageTest : public QObject {
  Q_OBJECT

 private slots:
  // Windows rounds the average width of the 52 letters to whole pixels; a quarter of it is one unit.
  void EinheitenAusDerSchrift() {
    const Dialogeinheiten du(DialogSchrift());
    QVERIFY(du.BasisX() > 3);
    QCOMPARE(du.X(4), du.BasisX());
    QCOMPARE(du.Y(8), du.BasisY());
    QCOMPARE(du.BasisY(), QFontMetrics(DialogSchrift()).height());
    // Neighbours in units are neighbours in pixels, whatever the rounding.
    const QRect a = du.Rechteck(39, 37, 40, 14);
    const QRect b = du.Rechteck(39, 51, 40, 14);
    QCOMPARE(a.bottom() + 1, b.top());
  }

  void GroesseUndTitel() {
    DlgInput d;
    const Dialogeinheiten du(d.font());
    QCOMPARE(d.size(), QSize(du.X(VORLAGE_BREITE), du.Y(VORLAGE_HOEHE)));
    QCOMPARE(d.Element(IDC_ZEILE)->geometry(), du.Rechteck(175, 43, 143, 14));
    QCOMPARE(d.Element(IDC_OK)->geometry(), du.Rechteck(256, 7, 50, 14));
    QCOMPARE(d.windowTitle(), QStringLiteral("Eingabedialog zum Programm Zelvor"));
  }

  void NichtsUeberlapptUndAllesImDialog() {
    DlgInput d;
    const QList<QWidget*> elemente = Elemente(d);
    QVERIFY(elemente.size() > 70);
    for (int i = 0; i < elemente.size(); ++i) {
      QVERIFY2(d.rect().contains(elemente[i]->geometry()), qPrintable(Beschreibung(elemente[i])));
      for (int j = i + 1; j < elemente.size(); ++j)
        QVERIFY2(!elemente[i]->geometry().intersects(elemente[j]->geometry()),
                 qPrintable(Beschreibung(elemente[i]) + QStringLiteral(" / ") + Beschreibung(elemente[j])));
    }
    // The frame holds exactly the four option buttons.
    const auto rahmen = d.findChildren<QGroupBox*>();
    QCOMPARE(rahmen.size(), 1);
    for (int id : OPTIONSFELDER) QVERIFY(rahmen.front()->geometry().contains(d.Element(id)->geometry()));
  }

  void TexteSindNichtAbgeschnitten() {
    DlgInput d;
    const QFontMetrics fm(d.font());
    for (QWidget* w : Elemente(d)) {
      const QRect r = w->geometry();
      if (auto* l = qobject_cast<QLabel*>(w)) {
        QVERIFY2(fm.horizontalAdvance(l->text()) <= r.width(), qPrintable(Beschreibung(w)));
        QVERIFY2(fm.height() <= r.height(), qPrintable(Beschreibung(w)));
      } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
        QVERIFY2(w->sizeHint().width() <= r.width(), qPrintable(Beschreibung(w)));
        QVERIFY2(fm.height() <= r.height(), qPrintable(Beschreibung(w)));
      } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        QVERIFY2(fm.horizontalAdvance(b->text()) + 8 <= r.width(), qPrintable(Beschreibung(w)));
      } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
        QVERIFY2(e->minimumSizeHint().height() <= r.height(), qPrintable(Beschreibung(w)));
      }
    }
    // The sum "100.00" fits its field, and a rate line of the line editing fits the list.
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QVERIFY(fm.horizontalAdvance(QStringLiteral("100.00")) <= d.Element(IDC_SUMME)->width());
    QVERIFY(fm.horizontalAdvance(QStringLiteral("  1.000          10000.00            180.00")) <
            d.m_Liste->viewport()->width());
  }

  // Each label stands left of its field, on the field's line.
  void BeschriftungenNebenIhrenFeldern() {
    DlgInput d;
    const auto beschriftung = [&](const QString& text) -> QWidget* {
      for (QLabel* l : d.findChildren<QLabel*>())
        if (l->text() == text) return l;
      return nullptr;
    };
    const QList<QPair<QString, int>> paare = {
        {QStringLiteral("Name der Gasbohrung"), IDC_GASBOHRUNG},
        {QStringLiteral("H2S"), IDC_H2S},
        {QStringLiteral("nC4H10"), IDC_NC4H10},
        {QStringLiteral("iC5H12"), IDC_IC5H12},
        {QStringLiteral("C10H22"), IDC_C10H22},
        {QStringLiteral("Summe"), IDC_SUMME},
        {QStringLiteral("Lagertstättentemperatur ( Grad C )"), IDC_TEMPERATUR},
        {QStringLiteral("Kopftemperatur ( °C )"), IDC_KOPFTEMPERATUR},
        {QStringLiteral("Original Gas in Place ( Mio m3 )"), IDC_OGIP},
        {QStringLiteral("Lagerstättenteufe (m)"), IDC_TEUFE},
        {QStringLiteral("Initialdruck                 (bar)"), IDC_INITIALDRUCK},
        {QStringLiteral("Steigrohrdurchmesser(cm)"), IDC_DURCHMESSER},
        {QStringLiteral("Wasserinvasion (Mio m3)"), IDC_WASSERINVASION},
        {QStringLiteral("Bohrlochlänge (m)"), IDC_BOHRLOCHLAENGE},
        {QStringLiteral("A1- Wert"), IDC_A1},
        {QStringLiteral("B1-Wert"), IDC_B1},
        {QStringLiteral("Bohrungsanzahl ( - )"), IDC_BOHRUNGSANZAHL},
        {QStringLiteral("Wasser-Gas-Verhältnis(l/1000 m3)"), IDC_WGV},
    };
    for (const auto& [text, id] : paare) {
      QWidget* l = beschriftung(text);
      QVERIFY2(l, qPrintable(text));
      const QRect feld = d.Element(id)->geometry();
      QVERIFY2(l->geometry().right() < feld.left(), qPrintable(text));
      QVERIFY2(feld.left() - l->geometry().right() < 20, qPrintable(text));
      QVERIFY2(l->geometry().top() >= feld.top() && l->geometry().bottom() <= feld.bottom() + 1, qPrintable(text));
    }
    QWidget* kopf = beschriftung(QStringLiteral("Gp(mio m3)    Rate(m3/h)   Kopfdruck(bar)"));
    QVERIFY(kopf);
    QVERIFY(kopf->geometry().bottom() < d.Element(IDC_ZEILE)->geometry().top());
    for (const char* text : {"Gaszusammensetzung in Prozent", "Zeile mit Doppelklick wählen", "Option wählen",
                             "Zeile editieren"})
      QVERIFY2(beschriftung(QString::fromUtf8(text)), text);
  }
};

QTEST_MAIN(DlgInputVorlageTest)
#include "DlgInputVorlageTest.moc"
