// Rate lines from spreadsheets in the input dialog: pasting into the list (Ctrl+V and the context menu)
// with the question whether the pasted lines replace the list, and importing a CSV file, whose refusal
// leaves the list as it was.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include "Dialoghilfen.h"
#include "SkriptDienste.h"

using namespace zelvor;

namespace {

QString Status(const DlgInput& d) { return qobject_cast<QLabel*>(d.Element(IDC_STATUS))->text(); }

const QString FRAGE = QStringLiteral("Sollen die eingefügten Zeilen die Liste ersetzen?");
const QString Z1 = QStringLiteral("    12.000      8849.0           228.0");
const QString Z2 = QStringLiteral("    85.000      7315.0           222.0");

}  // namespace

class EinfuegenTest : public QObject {
  Q_OBJECT

 private slots:
  // Ja replaces the list, Nein appends to it; Ctrl+V and the context menu's "Einfügen" do the same.
  void FrageInBeideRichtungen() {
    SkriptDienste s;
    s.zwischenablage = QStringLiteral("Gp\tQ\tpwh\r\n12,0\t8849\t228,0\r\n85,0\t7315\t222,0\r\n");
    DlgInput d(s.Dienste());
    QVERIFY(Zeigen(d));
    const QStringList vorher = Listenzeilen(d);

    s.antworten = {false};
    d.m_Liste->setFocus();
    QTest::keyClick(d.m_Liste, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(s.fragen, QStringList{FRAGE});
    QCOMPARE(Listenzeilen(d), vorher + (QStringList{Z1, Z2}));
    QCOMPARE(Zeilen(d.m_Ratenzeilen), Listenzeilen(d));
    QCOMPARE(Status(d), QStringLiteral("2 Zeilen wurden eingefügt"));
    QCOMPARE(d.m_bGeaendert, 1);

    s.Vergessen();
    s.antworten = {true};
    // The rows after an empty row are left out, and the status says so.
    s.zwischenablage += QStringLiteral("\r\n99,0\t7000\t220,0\r\n");
    const QList<QAction*> menue = d.m_Liste->actions();
    QCOMPARE(menue.size(), 1);
    QCOMPARE(menue[0]->text(), QStringLiteral("Einfügen"));
    QCOMPARE(d.m_Liste->contextMenuPolicy(), Qt::ActionsContextMenu);
    menue[0]->trigger();
    QCOMPARE(s.fragen, QStringList{FRAGE});
    QCOMPARE(Listenzeilen(d), (QStringList{Z1, Z2}));
    QCOMPARE(Zeilen(d.m_Ratenzeilen), Listenzeilen(d));
    const QString ganz = QStringLiteral("2 Zeilen wurden eingefügt; nach der Leerzeile in Zeile 4 folgen weitere "
                                        "Zeilen, die nicht eingelesen wurden");
    QCOMPARE(Status(d), ganz);
    // Longer than the status line: shown whole in a box, and on pointing at the status.
    QCOMPARE(s.meldungen, QStringList{ganz});
    QCOMPARE(d.Element(IDC_STATUS)->toolTip(), ganz);
  }

  // Text that holds no rate lines, or a bad row, is refused before anything is asked.
  void FalscherTextWirdAbgelehnt() {
    SkriptDienste s;
    s.zwischenablage = QStringLiteral("12,0 8849 228,0\n85,0 7315 k.A.\n");
    DlgInput d(s.Dienste());
    QVERIFY(Zeigen(d));
    const QStringList vorher = Listenzeilen(d);
    d.OnEinfuegen();
    QCOMPARE(s.meldungen, QStringList{QStringLiteral("Die Zeile enhält keine 3 Werte\n 85,0 7315 k.A.")});
    QVERIFY(s.fragen.isEmpty());
    QCOMPARE(Listenzeilen(d), vorher);
    QCOMPARE(d.m_bGeaendert, 0);
  }

  // A German CSV file is read; a refused one leaves the list and the status as they were.
  void CsvDatei() {
    QTemporaryDir dir;
    const auto schreiben = [&](const QString& name, const QByteArray& inhalt) {
      QFile f(dir.filePath(name));
      return f.open(QIODevice::WriteOnly) && f.write(inhalt) == inhalt.size() ? f.fileName() : QString();
    };
    SkriptDienste s;
    DlgInput d(s.Dienste());
    QVERIFY(Zeigen(d));
    const QStringList vorher = Listenzeilen(d);
    const QString status = Status(d);
    s.ratendatei = schreiben(QStringLiteral("schlecht.csv"), "Gp;Q;p\n12,0;8849;228,0\n85,0;;222,0\n");
    d.FileOpen();
    QCOMPARE(s.meldungen, (QStringList{s.ratendatei + QStringLiteral(" wird geöffnet"),
                                       QStringLiteral("Die Zeile enhält keine 3 Werte\n 85,0;;222,0")}));
    QCOMPARE(Listenzeilen(d), vorher);
    QCOMPARE(Zeilen(d.m_Ratenzeilen), vorher);
    QCOMPARE(Status(d), status);
    QCOMPARE(d.m_bGeaendert, 0);

    s.Vergessen();
    s.ratendatei = schreiben(QStringLiteral("gut.csv"), "Bohrung;;\nGp;Q;p;Datum\n12,0;8849;228,0;1.3.2020\n85,0;7315;222,0;1.4.2021\n");
    d.FileOpen();
    QCOMPARE(s.meldungen, QStringList{s.ratendatei + QStringLiteral(" wird geöffnet")});
    QCOMPARE(Listenzeilen(d), (QStringList{Z1, Z2}));
    QCOMPARE(Status(d), QStringLiteral("2 Zeilen wurden eingelesen"));
    QCOMPARE(d.m_bGeaendert, 1);
  }
};

QTEST_MAIN(EinfuegenTest)
#include "EinfuegenTest.moc"
