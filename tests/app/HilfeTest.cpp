// The online help: where the document is found, the help window, and what the document must explain.
#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QtTest>

#include "app/Hilfe.h"

namespace {

constexpr int KONTEXT_ONLINEHILFE = 32774;

QTextBrowser* Hilfefenster() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == QLatin1String("zelvorHilfe")) return qobject_cast<QTextBrowser*>(w);
  }
  return nullptr;
}

QString Quelltext() {
  QFile datei(QStringLiteral(ZELVOR_QUELLHILFE));
  if (!datei.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(datei.readAll());
}

// Every anchor name the rich-text engine took from the document.
QSet<QString> Anker(const QTextDocument& doc) {
  QSet<QString> namen;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      for (const QString& n : it.fragment().charFormat().anchorNames()) namen.insert(n);
    }
  }
  return namen;
}

}  // namespace

class HilfeTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() {
    if (QTextBrowser* f = Hilfefenster()) delete f;
    qunsetenv("ZELVOR_HILFE");
  }

  void UmgebungsvariableGilt() {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("hilfe.html"));
    QFile datei(pfad);
    QVERIFY(datei.open(QIODevice::WriteOnly));
    datei.write("<html><body><p>Bohrungsanzahl</p></body></html>");
    datei.close();
    qputenv("ZELVOR_HILFE", pfad.toUtf8());
    QCOMPARE(zelvor::HilfedokumentSuchen(), pfad);
  }

  // A set variable is the only place looked at, even when the source tree's copy exists.
  void FehlendesDokument() {
    qputenv("ZELVOR_HILFE", QByteArrayLiteral("/gibt/es/nicht/zelvor.html"));
    QVERIFY(zelvor::HilfedokumentSuchen().isEmpty());
    QVERIFY(!zelvor::HilfeZeigen(nullptr, KONTEXT_ONLINEHILFE));
    QVERIFY(Hilfefenster() == nullptr);
  }

  void EinOrdnerIstKeinDokument() {
    QTemporaryDir dir;
    qputenv("ZELVOR_HILFE", dir.path().toUtf8());
    QVERIFY(zelvor::HilfedokumentSuchen().isEmpty());
  }

  void OhneVariableDieQuellkopie() {
    qunsetenv("ZELVOR_HILFE");
    const QString pfad = zelvor::HilfedokumentSuchen();
    QVERIFY(!pfad.isEmpty());
    QVERIFY(QFileInfo(pfad).isFile());
  }

  void FensterZeigtDasDokument() {
    qputenv("ZELVOR_HILFE", QByteArrayLiteral(ZELVOR_QUELLHILFE));
    QVERIFY(zelvor::HilfeZeigen(nullptr, KONTEXT_ONLINEHILFE));
    QTextBrowser* f = Hilfefenster();
    QVERIFY(f != nullptr);
    QVERIFY(f->isVisible());
    QCOMPARE(f->windowTitle(), QStringLiteral("zelvor – Hilfe"));
    const QString text = f->toPlainText();
    QVERIFY(text.contains(QStringLiteral("Bohrungsanzahl")));
    QVERIFY(text.contains(QStringLiteral("Lagerstättenteufe")));  // read as UTF-8
    QCOMPARE(f->verticalScrollBar()->value(), 0);
  }

  // A second call, also for an unknown context, reuses the window and shows the top again.
  void FensterWirdWiederverwendet() {
    qputenv("ZELVOR_HILFE", QByteArrayLiteral(ZELVOR_QUELLHILFE));
    QVERIFY(zelvor::HilfeZeigen(nullptr, KONTEXT_ONLINEHILFE));
    QTextBrowser* erstes = Hilfefenster();
    QVERIFY(erstes != nullptr);
    erstes->resize(500, 300);
    erstes->verticalScrollBar()->setValue(erstes->verticalScrollBar()->maximum());
    QVERIFY(zelvor::HilfeZeigen(nullptr, 4711));
    QCOMPARE(Hilfefenster(), erstes);
    QCOMPARE(erstes->verticalScrollBar()->value(), 0);
  }

  void FensterGehoertZumBesitzer() {
    qputenv("ZELVOR_HILFE", QByteArrayLiteral(ZELVOR_QUELLHILFE));
    auto* besitzer = new QWidget;
    QVERIFY(zelvor::HilfeZeigen(besitzer, KONTEXT_ONLINEHILFE));
    QVERIFY(Hilfefenster() != nullptr);
    QVERIFY(Hilfefenster()->isWindow());
    delete besitzer;
    QVERIFY(Hilfefenster() == nullptr);
    // Gone with its owner, the window is made anew on the next call.
    QVERIFY(zelvor::HilfeZeigen(nullptr, KONTEXT_ONLINEHILFE));
    QVERIFY(Hilfefenster() != nullptr);
  }

  void MeldungenDerErgebnistabelle() {
    const QString html = Quelltext();
    for (const char* wort : {"ABBRUCH", "ERROR", "WARNUNG", "FALSCHE A1,B1-WERTE", "C-WERT negativ",
                             "Onlinehilfe nicht gefunden!"}) {
      QVERIFY2(html.contains(QString::fromUtf8(wort)), wort);
    }
  }

  // Every link inside the document leads to an anchor that the rich-text engine knows.
  void VerweiseHabenZiele() {
    const QString html = Quelltext();
    QTextDocument doc;
    doc.setHtml(html);
    const QSet<QString> anker = Anker(doc);
    QVERIFY(anker.contains(QStringLiteral("anfang")));
    const QRegularExpression verweis(QStringLiteral("href=\"#([^\"]+)\""));
    int anzahl = 0;
    for (auto it = verweis.globalMatch(html); it.hasNext(); ++anzahl) {
      const QString ziel = it.next().captured(1);
      QVERIFY2(anker.contains(ziel), qPrintable(ziel));
    }
    QVERIFY(anzahl > 10);
  }

  // A click on an entry of the table of contents scrolls within the same document.
  void VerweisImFensterSpringt() {
    qputenv("ZELVOR_HILFE", QByteArrayLiteral(ZELVOR_QUELLHILFE));
    QVERIFY(zelvor::HilfeZeigen(nullptr, KONTEXT_ONLINEHILFE));
    QTextBrowser* f = Hilfefenster();
    QVERIFY(f != nullptr);
    f->resize(500, 300);
    const QUrl quelle = f->source();
    QTextCursor eintrag = f->document()->find(QStringLiteral("Weitere Meldungen"));
    QVERIFY(!eintrag.isNull());
    QVERIFY(eintrag.charFormat().isAnchor());
    eintrag.setPosition(eintrag.selectionStart() + 3);
    const QPoint punkt = f->cursorRect(eintrag).center();
    QTest::mouseClick(f->viewport(), Qt::LeftButton, Qt::NoModifier, punkt);
    QTRY_VERIFY(f->verticalScrollBar()->value() > 0);
    QCOMPARE(f->source().adjusted(QUrl::RemoveFragment), quelle);
    QCOMPARE(f->source().fragment(), QStringLiteral("weitere"));
  }
};

QTEST_MAIN(HilfeTest)
#include "HilfeTest.moc"
