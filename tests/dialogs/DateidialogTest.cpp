// The file dialogs' listing: dates and sizes as the German interface writes them, columns wide enough
// for what they hold.
#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

#include "dialogs/Dateidialog.h"

using namespace zelvor;

class DateidialogTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

  void ListeZeigtDeutscheDatenInLesbarenSpalten() {
    QTemporaryDir ordner;
    QFile datei(ordner.filePath(QStringLiteral("Bohrung mit einem recht langen Namen.zlv")));
    QVERIFY(datei.open(QIODevice::WriteOnly));
    datei.write(QByteArray(1536, 'x'));
    datei.flush();
    const QDateTime zeit(QDate(2026, 12, 8), QTime(21, 12));
    QVERIFY(datei.setFileTime(zeit, QFileDevice::FileModificationTime));
    datei.close();

    QFileDialog dialog;
    DateidialogEinrichten(dialog);
    dialog.setDirectory(ordner.path());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* liste = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    QVERIFY(liste);
    QTRY_COMPARE(liste->model()->rowCount(liste->rootIndex()), 1);
    const auto text = [&](int spalte) { return liste->model()->index(0, spalte, liste->rootIndex()).data().toString(); };
    QCOMPARE(text(3), QStringLiteral("08.12.26 21:12"));
    QCOMPARE(text(1), QStringLiteral("1,5 kB"));
    for (int spalte = 0; spalte < 4; ++spalte) {
      const int noetig = liste->fontMetrics().horizontalAdvance(text(spalte));
      QVERIFY2(liste->header()->sectionSize(spalte) > noetig, qPrintable(QString::number(spalte)));
    }
  }
};

QTEST_MAIN(DateidialogTest)
#include "DateidialogTest.moc"
