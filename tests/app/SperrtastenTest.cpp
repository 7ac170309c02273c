// The lock indicators: each pane shows its lock's state where the platform tells it, grey elsewhere, and
// follows the keys.
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>
#include <QtTest>

#include "app/Sperrtasten.h"

using namespace zelvor;

Q_DECLARE_METATYPE(std::optional<Sperrtastenzustand>)

class SperrtastenTest : public QObject {
  Q_OBJECT
 private slots:
  void FelderFolgenDemZustand_data() {
    QTest::addColumn<std::optional<Sperrtastenzustand>>("zustand");
    QTest::addColumn<QString>("hell");  // the panes drawn in their normal colour
    QTest::newRow("unbekannt") << std::optional<Sperrtastenzustand>() << QString();
    QTest::newRow("alle aus") << std::optional(Sperrtastenzustand{}) << QString();
    QTest::newRow("Feststelltaste") << std::optional(Sperrtastenzustand{true, false, false}) << "UF";
    QTest::newRow("Num und Rollen") << std::optional(Sperrtastenzustand{false, true, true}) << "NUM RF";
  }

  void FelderFolgenDemZustand() {
    QFETCH(std::optional<Sperrtastenzustand>, zustand);
    QFETCH(QString, hell);
    std::optional<Sperrtastenzustand> jetzt;
    QStatusBar leiste;
    Sperrtastenanzeige anzeige(leiste, [&] { return jetzt; });
    for (QLabel* f : anzeige.Felder()) QVERIFY(!f->isEnabled());
    jetzt = zustand;
    QKeyEvent taste(QEvent::KeyPress, Qt::Key_CapsLock, Qt::NoModifier);
    QCoreApplication::sendEvent(&leiste, &taste);
    QStringList an;
    for (QLabel* f : anzeige.Felder())
      if (f->isEnabled()) an << f->text();
    QCOMPARE(an.join(QLatin1Char(' ')), hell);
  }

  // Without X11 the platform tells nothing.
  void OhneX11Unbekannt() {
#ifdef _WIN32
    QVERIFY(SperrtastenLesen());  // Windows tells the state whatever Qt's platform
#else
    if (QGuiApplication::platformName() == QStringLiteral("xcb")) QSKIP("läuft unter X11");
    QVERIFY(!SperrtastenLesen());
#endif
  }
};

QTEST_MAIN(SperrtastenTest)
#include "SperrtastenTest.moc"
