// The surveys dialog: the well's surveys in its table, paste and import through the core, and OK that
// names the first bad row and stays open.
#include <QCheckBox>
#include <QTableWidget>
#include <QtTest>

#include "SkriptDienste.h"
#include "dialogs/DlgMessungen.h"

using namespace zelvor;

class DlgMessungenTest : public QObject {
  Q_OBJECT

 private slots:
  void TabelleEinfuegenUndOk() {
    SkriptDienste s;
    const std::vector<Schliessdruckmessung> vorher = {{TagAusDatum(2020, 6, 1), 0.0f, 250.0f, Messart::Sohle}};
    DlgMessungen d(vorher, s.Dienste());
    QTableWidget* t = d.Tabelle();
    QCOMPARE(t->rowCount(), 1);
    QCOMPARE(t->item(0, 0)->text(), QStringLiteral("01.06.2020"));
    QCOMPARE(t->item(0, 2)->text(), QStringLiteral("250.00"));

    // Pasted rows of a spreadsheet are appended, here as wellhead pressures; a refused paste changes nothing.
    s.zwischenablage = QStringLiteral("01.06.2022\t120,5\t181,2\n");
    d.KopfdruckSchalter()->setChecked(true);
    d.OnEinfuegen();
    QCOMPARE(t->rowCount(), 2);
    QCOMPARE(t->item(1, 3)->checkState(), Qt::Checked);
    s.zwischenablage = QStringLiteral("Gp\tDruck\n1\tx\n");
    d.OnEinfuegen();
    QCOMPARE(s.meldungen.size(), 1);
    QCOMPARE(t->rowCount(), 2);

    // A bad row keeps the dialog open with its number; corrected, OK hands the list back.
    s.Vergessen();
    t->item(1, 2)->setText(QStringLiteral("-3"));
    d.OnOk();
    QCOMPARE(s.meldungen, QStringList{QStringLiteral(
                              "Zeile 2: Gp muss zwischen 0 und 90000 Mio m3 liegen, der Druck über 0 und unter 3000 bar.")});
    QCOMPARE(d.result(), 0);
    t->item(1, 2)->setText(QStringLiteral("181.2"));
    d.OnOk();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(d.Messungen().size(), std::size_t{2});
    QCOMPARE(d.Messungen()[1], (Schliessdruckmessung{TagAusDatum(2022, 6, 1), 120.5f, 181.2f, Messart::Kopf}));
  }
};

QTEST_MAIN(DlgMessungenTest)
#include "DlgMessungenTest.moc"
