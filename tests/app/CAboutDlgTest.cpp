// The About box: the licence notice, and the licence and third-party notices it shows are the files
// every package installs, with a licence text for each library the notices name.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "app/CAboutDlg.h"

using zelvor::CAboutDlg;

namespace {

QString Quelldatei(const char* name) {
  QFile datei(QStringLiteral(ZELVOR_EXAMPLES_DIR "/../") + QString::fromLatin1(name));
  if (!datei.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(datei.readAll());
}

// The text of the window a button of the About box opened.
QString GezeigterText(CAboutDlg& info, const char* knopf) {
  info.findChild<QPushButton*>(QString::fromLatin1(knopf))->click();
  QDialog* fenster = info.findChild<QDialog*>(QStringLiteral("Lizenztext"));
  if (!fenster) return {};
  const QString text = fenster->findChild<QPlainTextEdit*>()->toPlainText();
  delete fenster;
  return text;
}

}  // namespace

class CAboutDlgTest : public QObject {
  Q_OBJECT
 private slots:
  void showsTheLicenceNotice() {
    CAboutDlg info;
    QVERIFY(info.findChild<QLabel*>(QStringLiteral("Lizenzhinweis"))->text().contains(
        QStringLiteral("Apache License 2.0")));
  }

  // What the buttons show is what lies at the root of the sources (and so in every package).
  void buttonsShowTheInstalledTexts() {
    const QString lizenz = Quelldatei("LICENSE");
    const QString dritte = Quelldatei("THIRD-PARTY-NOTICES");
    QVERIFY(lizenz.contains(QStringLiteral("Apache License")));
    QVERIFY(!dritte.isEmpty());
    CAboutDlg info;
    QCOMPARE(GezeigterText(info, "Lizenz"), lizenz);
    QCOMPARE(GezeigterText(info, "Drittsoftware"), dritte);
  }

  // Each licence the notices name comes with its text.
  void everyNamedLicenceHasItsText_data() {
    QTest::addColumn<QString>("genannt");
    QTest::addColumn<QString>("lizenztext");
    QTest::newRow("Qt") << "LGPL-3.0-only" << "GNU LESSER GENERAL PUBLIC LICENSE\n                       Version 3";
    QTest::newRow("GPL 3") << "GNU GPL 3" << "GNU GENERAL PUBLIC LICENSE\n                       Version 3";
    QTest::newRow("liborcus") << "(MPL-2.0)" << "Mozilla Public License Version 2.0";
    QTest::newRow("libxlsxwriter") << "BSD 2-Clause (FreeBSD)" << "of the authors and should not be interpreted";
    QTest::newRow("zlib") << "zlib licence" << "3. This notice may not be removed or altered";
    QTest::newRow("GCC") << "GCC Runtime Library Exception 3.1" << "GCC RUNTIME LIBRARY EXCEPTION\n\nVersion 3.1";
    QTest::newRow("winpthreads") << "MIT (Expat)" << "Permission is hereby granted, free of charge, to any person obtaining";
    QTest::newRow("Boost") << "Boost Software License 1.0" << "Boost Software License - Version 1.0";
  }
  void everyNamedLicenceHasItsText() {
    QFETCH(QString, genannt);
    QFETCH(QString, lizenztext);
    const QString dritte = CAboutDlg::Drittsoftwaretext();
    QVERIFY2(dritte.contains(genannt), qPrintable(genannt));
    QVERIFY2(dritte.contains(lizenztext), qPrintable(lizenztext));
  }
};

QTEST_MAIN(CAboutDlgTest)
#include "CAboutDlgTest.moc"
