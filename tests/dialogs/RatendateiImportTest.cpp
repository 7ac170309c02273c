// Importing a rate file in the input dialog, and the file dialog that offers rate files in any case.
#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include <tuple>

#include "Dialoghilfen.h"
#include "SkriptDienste.h"
#include "dialogs/Ratendateiwahl.h"

using namespace zelvor;

namespace {

QString Status(const DlgInput& d) { return qobject_cast<QLabel*>(d.Element(IDC_STATUS))->text(); }

QString Schreiben(const QTemporaryDir& dir, const QString& name, const QByteArray& inhalt) {
  const QString pfad = dir.filePath(name);
  QFile f(pfad);
  if (!f.open(QIODevice::WriteOnly)) return {};
  f.write(inhalt);
  return pfad;
}

}  // namespace

class RatendateiImportTest : public QObject {
  Q_OBJECT

 private slots:
  void KopfzeileUndDreiZeilen() {
    QTemporaryDir dir;
    SkriptDienste s;
    s.ratendatei = Schreiben(dir, QStringLiteral("raten.TXT"),
                             "Gp Rate Druck\r\n1.25 1000.06 85.26\r\n2 -500 80\r\n  3.5\t1200   79.94\r\n");
    DlgInput d(s.Dienste());
    QVERIFY(Zeigen(d));
    QTest::mouseClick(d.Element(IDC_RATENDATEI), Qt::LeftButton);
    QCOMPARE(s.dateiwahlen, 1);
    QCOMPARE(s.meldungen, QStringList{s.ratendatei + QStringLiteral(" wird geöffnet")});
    const QStringList erwartet = {QStringLiteral("     1.250      1000.1            85.3"),
                                  QStringLiteral("     2.000      -500.0            80.0"),
                                  QStringLiteral("     3.500      1200.0            79.9")};
    QCOMPARE(erwartet[0].size(), 38);
    QCOMPARE(Listenzeilen(d), erwartet);  // the old lines are gone, negative numbers are taken
    QCOMPARE(Zeilen(d.m_Ratenzeilen), erwartet);
    QCOMPARE(Status(d), QStringLiteral("3 Zeilen wurden eingelesen"));
    QCOMPARE(Feldtext(d, IDC_ZEILE), QStringLiteral(" "));
    QCOMPARE(d.m_bGeaendert, 1);
    // The blank left in the line field is no line.
    s.Vergessen();
    d.Element(IDC_ZEILE)->setFocus(Qt::TabFocusReason);
    Verlassen(d, IDC_ZEILE);
    QCOMPARE(s.meldungen, QStringList{QStringLiteral("Die Zeile nicht 3  Werte")});
  }

  // An empty line ends the import at once: the lines before it stay, status and line field do not change.
  void LeerzeileBrichtAb() {
    QTemporaryDir dir;
    SkriptDienste s;
    s.ratendatei = Schreiben(dir, QStringLiteral("raten.txt"), "Kopf\n1 100 50\n2 200 40\n\n3 300 30\n");
    DlgInput d(s.Dienste());
    QVERIFY(Zeigen(d));
    QTest::mouseClick(d.m_Liste->viewport(), Qt::LeftButton, {},
                      d.m_Liste->visualItemRect(d.m_Liste->item(0)).center());
    QTest::mouseDClick(d.m_Liste->viewport(), Qt::LeftButton, {},
                       d.m_Liste->visualItemRect(d.m_Liste->item(0)).center());
    const QString zeile = Feldtext(d, IDC_ZEILE);
    d.FileOpen();
    QCOMPARE(s.meldungen, (QStringList{s.ratendatei + QStringLiteral(" wird geöffnet"),
                                       QStringLiteral("ABBRUCH bei Leerzeile!")}));
    QCOMPARE(Listenzeilen(d), (QStringList{QStringLiteral("     1.000       100.0            50.0"),
                                           QStringLiteral("     2.000       200.0            40.0")}));
    QCOMPARE(Zeilen(d.m_Ratenzeilen), Listenzeilen(d));
    QCOMPARE(Status(d), QStringLiteral("1.Zeile ausgewählt"));
    QCOMPARE(Feldtext(d, IDC_ZEILE), zeile);
    QCOMPARE(d.m_bGeaendert, 1);
  }

  void ZeileOhneDreiWerteBeendet() {
    QTemporaryDir dir;
    SkriptDienste s;
    s.ratendatei = Schreiben(dir, QStringLiteral("raten.txt"), "1 2 3\n4 5 6\n7 8 9 Messung\n10 11 12\n");
    DlgInput d(s.Dienste());
    QVERIFY(Zeigen(d));
    d.FileOpen();
    QCOMPARE(s.meldungen, (QStringList{s.ratendatei + QStringLiteral(" wird geöffnet"),
                                       QStringLiteral("Die Zeile enhält keine 3 Werte\n 7 8 9 Messung")}));
    // The first line is a heading even when it holds numbers.
    QCOMPARE(Listenzeilen(d), QStringList{QStringLiteral("     4.000         5.0             6.0")});
    QCOMPARE(Status(d), QStringLiteral("1 Zeilen wurden eingelesen"));
  }

  void NurKopfzeileLeertDieListe() {
    QTemporaryDir dir;
    SkriptDienste s;
    s.ratendatei = Schreiben(dir, QStringLiteral("leer.txt"), "Gp Rate Druck\n");
    DlgInput d(s.Dienste());
    QVERIFY(Zeigen(d));
    d.FileOpen();
    QVERIFY(Listenzeilen(d).isEmpty());
    QVERIFY(d.m_Ratenzeilen.empty());
    QCOMPARE(d.m_bGeaendert, 0);
    QCOMPARE(Status(d), QStringLiteral("0 Zeilen wurden eingelesen"));
  }

  // A file that is refused (too big, no rate data at all) leaves the list, the status and the line field
  // as they were; a table whose data end at an empty row says so.
  void AbgelehnteDateiLaesstDieListe() {
    QTemporaryDir dir;
    SkriptDienste s;
    DlgInput d(s.Dienste());
    QVERIFY(Zeigen(d));
    s.ratendatei = Schreiben(dir, QStringLiteral("raten.txt"), "Kopf\n1 100 50\n2 200 40\n");
    d.FileOpen();
    const QStringList vorher = Listenzeilen(d);
    QCOMPARE(vorher.size(), 2);
    const QString status = Status(d);
    QByteArray zufall(4096, '\0');
    for (int i = 0; i < zufall.size(); ++i) zufall[i] = static_cast<char>((i * 7919 + 13) % 256);
    QByteArray gross = "Gp;Q;p\n";
    while (gross.size() <= 16 * 1024 * 1024) gross += "0,0;5000;100,0\n";
    for (const auto& [name, inhalt, meldung] :
         {std::tuple{"zufall.xlsx", zufall, QStringLiteral("Die Datei ist weder eine Ratendatei")},
          std::tuple{"gross.csv", gross, QStringLiteral("Die Datei ist größer als 16 MB; sie wird nicht gelesen.")}}) {
      s.Vergessen();
      s.ratendatei = Schreiben(dir, QString::fromLatin1(name), inhalt);
      d.FileOpen();
      QCOMPARE(s.meldungen.size(), 2);
      QVERIFY2(s.meldungen[1].startsWith(meldung), qPrintable(s.meldungen[1]));
      QCOMPARE(Listenzeilen(d), vorher);
      QCOMPARE(Zeilen(d.m_Ratenzeilen), vorher);
      QCOMPARE(Status(d), status);
    }
    s.Vergessen();
    s.ratendatei = Schreiben(dir, QStringLiteral("leer.csv"), "12,0;8849;228,0\n;;\n85,0;7315;222,0\n");
    d.FileOpen();
    QCOMPARE(Listenzeilen(d).size(), 1);
    QCOMPARE(Status(d), QStringLiteral("1 Zeilen wurden eingelesen; nach der Leerzeile in Zeile 2 folgen weitere "
                                       "Zeilen, die nicht eingelesen wurden"));
  }

  void FehlendeDateiUndAbgebrochenerDialog() {
    QTemporaryDir dir;
    SkriptDienste s;
    DlgInput d(s.Dienste());
    QVERIFY(Zeigen(d));
    const QStringList vorher = Listenzeilen(d);
    d.FileOpen();  // the user cancels the file dialog
    QCOMPARE(s.dateiwahlen, 1);
    QVERIFY(s.meldungen.isEmpty());
    QCOMPARE(Listenzeilen(d), vorher);
    QCOMPARE(Status(d), QString());

    s.ratendatei = dir.filePath(QStringLiteral("fehlt.txt"));
    d.FileOpen();
    QCOMPARE(s.meldungen, QStringList{s.ratendatei + QStringLiteral(" wird geöffnet")});
    QVERIFY(Listenzeilen(d).isEmpty());
    QCOMPARE(Status(d), QStringLiteral("0 Zeilen wurden eingelesen"));
  }

  // The dialog starts with "*.TXT" and lists rate files whatever the case of their extension.
  void DateidialogZeigtTxtInJederSchreibweise() {
    QTemporaryDir dir;
    for (const char* name : {"a.txt", "B.TXT", "c.Txt", "d.dat", "e.txt.bak"})
      QVERIFY(!Schreiben(dir, QString::fromLatin1(name), "x\n").isEmpty());
    QFileDialog dialog;
    RatendateidialogEinrichten(dialog);
    dialog.setDirectory(dir.path());
    QCOMPARE(dialog.nameFilters(), RatendateiFilter());
    QCOMPARE(dialog.selectedNameFilter(), QStringLiteral("Ratendateien (*.TXT)"));
    QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptOpen);
    QCOMPARE(dialog.fileMode(), QFileDialog::ExistingFile);
    dialog.show();
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(name);
    QCOMPARE(name->text(), QStringLiteral("*.TXT"));
    auto* ansicht = dialog.findChild<QAbstractItemView*>(QStringLiteral("listView"));
    QVERIFY(ansicht);
    const auto gelistet = [&] {
      QStringList namen;
      const QModelIndex wurzel = ansicht->rootIndex();
      for (int r = 0; r < ansicht->model()->rowCount(wurzel); ++r)
        namen << ansicht->model()->index(r, 0, wurzel).data().toString();
      namen.sort(Qt::CaseInsensitive);
      return namen;
    };
    QTRY_COMPARE(gelistet(), (QStringList{QStringLiteral("a.txt"), QStringLiteral("B.TXT"), QStringLiteral("c.Txt")}));
    // A filter for each kind the import reads, and one for all of them.
    for (const char* n : {"f.csv", "G.XLSX", "h.ods"}) QVERIFY(!Schreiben(dir, QString::fromLatin1(n), "x\n").isEmpty());
    const struct {
      const char* filter;
      QStringList namen;
    } arten[] = {
        {"CSV- und Textdateien (*.csv *.tsv *.txt *.dat)",
         {"a.txt", "B.TXT", "c.Txt", "d.dat", "f.csv"}},
        {"Arbeitsmappen (*.xlsx *.ods)", {"G.XLSX", "h.ods"}},
        {"Alle lesbaren Dateien (*.TXT *.csv *.tsv *.dat *.xlsx *.ods)",
         {"a.txt", "B.TXT", "c.Txt", "d.dat", "f.csv", "G.XLSX", "h.ods"}},
    };
    for (const auto& a : arten) {
      QVERIFY(RatendateiFilter().contains(QString::fromUtf8(a.filter)));
      dialog.selectNameFilter(QString::fromUtf8(a.filter));
      QTRY_COMPARE(gelistet(), a.namen);
    }
    dialog.selectNameFilter(RatendateiFilter().constFirst());
    // A pattern typed into the name field lists the spreadsheets.
    for (const auto& [muster, datei] : {std::pair{"*.csv", "f.csv"}, std::pair{"*.xlsx", "G.XLSX"}, std::pair{"*.ods", "h.ods"}}) {
      name->setFocus();
      name->selectAll();
      QTest::keyClicks(name, QString::fromLatin1(muster));
      QTest::keyClick(name, Qt::Key_Return);
      QTRY_COMPARE(gelistet(), QStringList{QString::fromLatin1(datei)});
      QVERIFY(dialog.isVisible());
    }
  }
};

QTEST_MAIN(RatendateiImportTest)
#include "RatendateiImportTest.moc"
