// The decline settings dialog: the well's settings in its fields, OK that names a bad field's problem
// and stays open with the focus there, and the settings read back when all pass.
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

#include "SkriptDienste.h"
#include "dialogs/DlgRueckgang.h"

using namespace zelvor;

class DlgRueckgangTest : public QObject {
  Q_OBJECT

 private slots:
  void FelderLesenOderDenFehlerZeigen() {
    SkriptDienste s;
    Rueckgangseinstellungen vorher;
    vorher.ausreisser = {5};
    DlgRueckgang d(vorher, s.Dienste());
    QCOMPARE(d.Felder().size(), Rueckgangsangaben().size());
    auto* modell = qobject_cast<QComboBox*>(d.Felder()[0]);
    QVERIFY(modell);
    QCOMPARE(modell->currentData().toString(), QStringLiteral("hyperbolisch"));
    QCOMPARE(static_cast<QLineEdit*>(d.Felder()[4])->text(), QStringLiteral("5"));

    modell->setCurrentIndex(modell->findData(QStringLiteral("modifiziert")));
    static_cast<QLineEdit*>(d.Felder()[1])->setText(QStringLiteral("31.02.2020"));
    static_cast<QLineEdit*>(d.Felder()[4])->setText(QStringLiteral("7, 3"));
    d.OnOk();
    QCOMPARE(s.meldungen.size(), 1);
    QVERIFY(s.meldungen.front().contains(QStringLiteral("Beginn des angepassten Zeitraums")));
    QCOMPARE(d.result(), 0);
    QCOMPARE(d.Einstellungen(), vorher);  // nothing taken half

    static_cast<QLineEdit*>(d.Felder()[1])->setText(QStringLiteral("01.03.2020"));
    d.OnOk();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(d.Einstellungen().modell, Rueckgangsmodell::Modifiziert);
    QCOMPARE(d.Einstellungen().ab, TagAusDatum(2020, 3, 1));
    QCOMPARE(d.Einstellungen().ausreisser, (std::vector<std::int32_t>{3, 7}));
  }
};

QTEST_MAIN(DlgRueckgangTest)
#include "DlgRueckgangTest.moc"
