// The aquifer dialog as the user drives it. The rules behind it are the core's.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "SkriptDienste.h"
#include "dialogs/DlgAquifer.h"

using namespace zelvor;

namespace {

bool Zeigen(DlgAquifer& d) {
  d.show();
  if (!QTest::qWaitForWindowExposed(&d)) return false;
  d.activateWindow();
  return QTest::qWaitForWindowActive(&d);
}

void Tippen(DlgAquifer& d, const char* name, const QString& text) {
  auto* f = qobject_cast<QLineEdit*>(d.Feld(name));
  QVERIFY(f);
  f->setFocus(Qt::TabFocusReason);
  f->selectAll();
  QTest::keyClicks(f, text);
}

void Waehlen(DlgAquifer& d, const char* name, const char* wert) {
  auto* w = qobject_cast<QComboBox*>(d.Feld(name));
  QVERIFY(w);
  w->setCurrentIndex(w->findData(QString::fromUtf8(wert)));
}

}  // namespace

class DlgAquiferTest : public QObject {
  Q_OBJECT

 private slots:
  // Choosing a model opens its fields (a disabled field takes no typing); an incomplete model is refused
  // with the core's sentence, the focus on the field it names; once complete, OK returns the values.
  void okTakesAComputableModelOnly() {
    SkriptDienste s;
    Aquiferdaten alt;
    alt.radius = 77;  // kept from before, though the pot does not use it
    DlgAquifer d(alt, s.Dienste());
    QVERIFY(Zeigen(d));
    Waehlen(d, "Aquifer", "topf");
    Tippen(d, "AquiferVolumen", QStringLiteral("800"));
    Tippen(d, "Foerderbeginn", QStringLiteral("01.03.1998"));
    QTest::mouseClick(d.OkKnopf(), Qt::LeftButton);
    QVERIFY(d.isVisible());
    QCOMPARE(s.meldungen, QStringList{QStringLiteral(
                              "Das Aquifermodell topf braucht eine Kompressibilität größer als 0 "
                              "(AquiferKompressibilitaet).")});
    QVERIFY(d.Feld("AquiferKompressibilitaet")->hasFocus());
    QVERIFY(d.Daten() == alt);
    QTest::keyClicks(d.Feld("AquiferKompressibilitaet"), QStringLiteral("1e-4"));
    QTest::keyClick(d.Feld("AquiferKompressibilitaet"), Qt::Key_Return);  // the default button
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QVERIFY(d.Daten().modell == Aquifermodell::Topf);
    QCOMPARE(d.Daten().volumen, 800.0);
    QCOMPARE(d.Daten().kompressibilitaet, 1e-4);
    QCOMPARE(d.Daten().radius, 77.0);
    QVERIFY(d.Daten().foerderbeginn == TagAusDatum(1998, 3, 1));
    QCOMPARE(s.meldungen.size(), 1);
  }
};

QTEST_MAIN(DlgAquiferTest)
#include "DlgAquiferTest.moc"
