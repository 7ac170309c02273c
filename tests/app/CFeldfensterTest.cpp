// The field window through its commands: the wells computed off the user-interface thread, the table
// sorted by a column, cancel, a double-click that opens a well in the main window (asking to save a
// modified one first), the field file and the export.
#include <QAction>
#include <algorithm>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>
#include <QPointer>
#include <QProgressBar>
#include <QScrollArea>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "app/Anwendungstexte.h"
#include "app/CFeldfenster.h"
#include "app/CMainFrame.h"
#include "app/CZelvorApp.h"
#include "app/Dokumentsteuerung.h"
#include "app/Exportieren.h"
#include "app/Feldwahl.h"
#include "SkriptRueckfrage.h"
#include "feld/Felddatei.h"
#include "report/Feldtabelle.h"
#include "views/CFelddiagramm.h"

using namespace zelvor;

namespace {

const QString BEISPIELE = QStringLiteral(ZELVOR_EXAMPLES_DIR);

bool Warten(CFeldfenster& f) {
  if (!f.Rechnet() && f.Ergebnis()) return true;
  QSignalSpy fertig(&f, &CFeldfenster::Berechnet);
  return fertig.wait(30000);
}

QStringList Spalte(const QTableWidget& t, Feldspalte s) {
  QStringList texte;
  for (int z = 0; z < t.rowCount(); ++z) texte << t.item(z, static_cast<int>(s))->text();
  return texte;
}

}  // namespace

class CFeldfensterTest : public QObject {
  Q_OBJECT
  std::unique_ptr<SkriptRueckfrage> m_Fragen;
  QTemporaryDir m_Ordner;

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
  void init() { m_Fragen = std::make_unique<SkriptRueckfrage>(); }
  void cleanup() { m_Fragen.reset(); }

  void theExampleFolderFillsTableAndDiagram() {
    CFeldfenster f;
    f.Hinzufuegen({BEISPIELE, BEISPIELE + QStringLiteral("/fehlt.zlv")});
    QVERIFY(Warten(f));
    QCOMPARE(f.Tabelle()->rowCount(), 9);  // the eight example wells and the missing one
    QCOMPARE(f.Ergebnis()->Fehlgeschlagene(), std::size_t{1});
    QVERIFY(f.Fortschritt()->isHidden());
    QCOMPARE(f.windowTitle(), QStringLiteral("Feldübersicht - Feld[*]"));
    QVERIFY(!f.Diagramm()->Seite().diagramme.empty());
    QCOMPARE(f.Diagramm()->Seite().diagramme.front().reihen.size(), std::size_t{5});  // five production wells
    QVERIFY(f.Diagramm()->toolTip().contains(QStringLiteral("suessgas.zlv")));  // each band's file
    QVERIFY(f.statusBar()->findChild<QLabel*>()->text().endsWith(QStringLiteral("9 Bohrungen berechnet, 1 nicht auswertbar.")));
    // The page keeps a readable size in any window: it scrolls rather than shrinks.
    for (const QSize groesse : {QSize(1280, 1000), QSize(800, 600), QSize(1900, 1200)}) {
      f.resize(groesse);
      f.show();
      QVERIFY(QTest::qWaitForWindowExposed(&f));
      const double faktor = f.Diagramm()->Faktor();
      QVERIFY2(faktor >= CFelddiagramm::LESBAR_MIN && faktor <= CFelddiagramm::LESBAR_MAX, qPrintable(QString::number(faktor)));
      QVERIFY(f.findChild<QScrollArea*>(QStringLiteral("Feldseite")));
      QVERIFY(f.Diagramm()->height() >= f.Diagramm()->minimumHeight());
      // The page's share of the window: about two thirds, not what its scroll area's size hint says.
      QVERIFY2(f.findChild<QScrollArea*>(QStringLiteral("Feldseite"))->height() > groesse.height() / 3,
               qPrintable(QString::number(f.findChild<QScrollArea*>(QStringLiteral("Feldseite"))->height())));
    }
    f.hide();

    // Sorting by the remaining reserves: numbers by value, the wells without one last.
    f.Tabelle()->sortByColumn(static_cast<int>(Feldspalte::Restreserven), Qt::AscendingOrder);
    const QStringList reserven = Spalte(*f.Tabelle(), Feldspalte::Restreserven);
    QCOMPARE(reserven.mid(5), (QStringList{QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-")}));
    for (int i = 0; i + 1 < 5; ++i) QVERIFY(reserven[i].toDouble() <= reserven[i + 1].toDouble());
    f.Tabelle()->sortByColumn(static_cast<int>(Feldspalte::Restreserven), Qt::DescendingOrder);
    const QStringList abwaerts = Spalte(*f.Tabelle(), Feldspalte::Restreserven);
    QCOMPARE(abwaerts.mid(0, 5), (QStringList{reserven[4], reserven[3], reserven[2], reserven[1], reserven[0]}));
    QCOMPARE(abwaerts.mid(5), reserven.mid(5));
  }

  // The storage example's site: its storage year's diagram on the page; a new EU deviation sums the site
  // anew without computing the wells again, and a computation after it keeps the deviation.
  void theEuDeviationMovesTheSitesIndicator() {
    CFeldfenster f;
    f.Hinzufuegen({BEISPIELE + QStringLiteral("/speicher.zlv")});
    QVERIFY(Warten(f));
    const auto standort = [&f] {
      const std::vector<Diagramm>& d = f.Diagramm()->Seite().diagramme;
      return std::find_if(d.begin(), d.end(), [](const Diagramm& x) { return x.titel == "Füllstand des Standorts"; }) != d.end();
    };
    QVERIFY(standort());
    const Feldbohrung* vorher = &f.Ergebnis()->bohrungen.front();
    f.EuAbweichungSetzen(10);
    QCOMPARE(f.Ergebnis()->speicherjahr.eu.SchwelleProzent(), 80.0);
    QVERIFY(standort());
    QVERIFY(!f.Rechnet());
    QVERIFY(vorher != &f.Ergebnis()->bohrungen.front());  // a new result, the old one left to the table's cells
    f.EuAbweichungSetzen(20);  // out of range: refused
    QCOMPARE(f.EuAbweichung(), 10.0);
    f.Hinzufuegen({BEISPIELE + QStringLiteral("/suessgas.zlv")});
    QVERIFY(Warten(f));
    QCOMPARE(f.Ergebnis()->speicherjahr.eu.abweichung, 10.0);
  }

  void cancelStopsPromptlyAndKeepsTheWindowUsable() {
    // 400 wells, each its own file: the same file named twice is one well.
    QStringList viele;
    for (int i = 0; i < 400; ++i) {
      viele << m_Ordner.filePath(QStringLiteral("viele_%1.zlv").arg(i));
      QFile::copy(BEISPIELE + QStringLiteral("/sauergas.zlv"), viele.back());
    }
    CFeldfenster f;
    f.Hinzufuegen(viele);
    QVERIFY(f.Rechnet());
    QVERIFY(!f.Fortschritt()->isHidden());
    f.Abbrechen();
    QVERIFY(Warten(f));
    QVERIFY(f.Ergebnis()->abgebrochen || f.Ergebnis()->bohrungen.size() == 400u);
    QCOMPARE(f.Tabelle()->rowCount(), static_cast<int>(f.Ergebnis()->bohrungen.size()));
    // A new computation after the cancelled one runs to the end.
    f.Hinzufuegen({BEISPIELE + QStringLiteral("/suessgas.zlv")});
    QVERIFY(Warten(f));
    QVERIFY(!f.Ergebnis()->abgebrochen);
    QCOMPARE(f.Tabelle()->rowCount(), 401);
  }

  // A well added twice (by another name for the same file) is listed and summed once, and the status
  // says so; marked rows are removed by Entf or the context menu, and the field is then changed.
  void aWellIsListedOnceAndCanBeRemoved() {
    CFeldfenster f;
    f.Hinzufuegen({BEISPIELE + QStringLiteral("/suessgas.zlv"), BEISPIELE + QStringLiteral("/sauergas.zlv")});
    QVERIFY(Warten(f));
    QVERIFY(!f.isWindowModified());
    const double rate = f.Ergebnis()->verlauf.rate.front();
    f.Hinzufuegen({BEISPIELE + QStringLiteral("/../") + QFileInfo(BEISPIELE).fileName() + QStringLiteral("/suessgas.zlv")});
    QVERIFY(Warten(f));
    QCOMPARE(f.Tabelle()->rowCount(), 2);
    QCOMPARE(f.Ergebnis()->verlauf.rate.front(), rate);
    QVERIFY(f.statusBar()->findChild<QLabel*>()->text().contains(
        QStringLiteral("Eine Bohrung ist mehrfach genannt und nur einmal aufgenommen.")));
    QVERIFY(f.isWindowModified());

    f.FeldSpeichern(m_Ordner.filePath(QStringLiteral("zwei.zlf")));
    QVERIFY(!f.isWindowModified());
    f.Tabelle()->sortByColumn(static_cast<int>(Feldspalte::Bohrung), Qt::AscendingOrder);
    // The row of the sour gas well, found by its file.
    int zeile = -1;
    for (int z = 0; z < f.Tabelle()->rowCount(); ++z)
      if (f.Tabelle()->item(z, 0)->toolTip().endsWith(QStringLiteral("sauergas.zlv"))) zeile = z;
    QVERIFY(zeile >= 0);
    f.Tabelle()->selectRow(zeile);
    QAction* entfernen = nullptr;
    for (QAction* a : f.Tabelle()->actions())
      if (a->text() == QStringLiteral("&Entfernen")) entfernen = a;
    QVERIFY(entfernen);  // in the table's context menu
    QCOMPARE(entfernen->shortcut(), QKeySequence(QKeySequence::Delete));
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    f.Tabelle()->setFocus();
    QTest::keyClick(f.Tabelle(), Qt::Key_Delete);
    QCOMPARE(f.Tabelle()->rowCount(), 1);
    QCOMPARE(f.Bohrungsdateien(), QStringList{BEISPIELE + QStringLiteral("/suessgas.zlv")});
    QCOMPARE(f.Ergebnis()->verlauf.rate.front(), FeldBerechnen({ZELVOR_EXAMPLES_DIR "/suessgas.zlv"}, 1).verlauf.rate.front());
    QVERIFY(f.isWindowModified());
    QCOMPARE(f.windowTitle(), QStringLiteral("Feldübersicht - zwei[*]"));

    // A successful export says so in the status bar.
    const QString pfad = m_Ordner.filePath(QStringLiteral("eins.csv"));
    ExportwahlSetzen([&](QWidget*, const QString&) { return Exportziel{pfad, Exportart::Csv}; });
    QVERIFY(f.Exportieren());
    QCOMPARE(f.statusBar()->currentMessage(), ExportiertMeldung(pfad, Exportart::Csv));
  }

  void doubleClickOpensTheWellAfterAskingToSaveTheModifiedOne() {
    CZelvorApp app;
    int ende = -1;
    QVERIFY(app.InitInstance({}, &ende));
    app.Dokument()->EingabeSetzen([](Eingabewerte&) { return true; });
    QVERIFY(app.Rahmen()->DateiOeffnen(BEISPIELE + QStringLiteral("/sauergas.zlv")));
    app.Dokument()->SetModifiedFlag(true);
    FeldwahlSetzen([](QWidget*, Feldwahlart) { return QStringList{BEISPIELE + QStringLiteral("/suessgas.zlv")}; });
    app.Rahmen()->Aktion(ID_FELDUEBERSICHT)->trigger();
    auto* f = app.Rahmen()->findChild<CFeldfenster*>();
    QVERIFY(f);
    QVERIFY(Warten(*f));
    m_Fragen->antworten = {Rueckfrage::Antwort::Nein};
    emit f->Tabelle()->cellDoubleClicked(0, 3);
    QCOMPARE(m_Fragen->fragen.size(), 1);  // save the modified well?
    QVERIFY(app.Dokument()->PathName().endsWith(QStringLiteral("suessgas.zlv")));
    FeldwahlSetzen({});
  }

  // The program started with a field file (its file type's "Öffnen mit zelvor") opens its field window.
  void startingWithAFieldFileOpensItsFieldWindow() {
    const QString feld = m_Ordner.filePath(QStringLiteral("Start.ZLF"));
    QVERIFY(FelddateiSchreiben(feld.toStdString(), {(BEISPIELE + QStringLiteral("/suessgas.zlv")).toStdString()}).empty());
    CZelvorApp app;
    int ende = -1;
    QVERIFY(app.InitInstance({feld}, &ende));
    auto* f = app.Rahmen()->findChild<CFeldfenster*>();
    QVERIFY(f);
    QVERIFY(Warten(*f));
    QCOMPARE(f->Bohrungsdateien().size(), 1);
    QVERIFY(f->Bohrungsdateien().front().endsWith(QStringLiteral("suessgas.zlv")));
  }

  // Closing a changed field asks to save it: cancel keeps the window, yes writes the chosen field file.
  void closingAChangedFieldAsksToSaveIt() {
    QPointer<CFeldfenster> f = new CFeldfenster;
    f->Hinzufuegen({BEISPIELE + QStringLiteral("/suessgas.zlv")});
    QVERIFY(Warten(*f));
    QVERIFY(f->close());  // unchanged: no question
    QTRY_VERIFY(f.isNull());
    QVERIFY(m_Fragen->fragen.isEmpty());

    f = new CFeldfenster;
    f->Hinzufuegen({BEISPIELE + QStringLiteral("/suessgas.zlv")});
    QVERIFY(Warten(*f));
    f->Hinzufuegen({BEISPIELE + QStringLiteral("/sauergas.zlv")});
    QVERIFY(Warten(*f));
    QVERIFY(f->isWindowModified());
    const QString feld = m_Ordner.filePath(QStringLiteral("geschlossen.zlf"));
    FeldwahlSetzen([&](QWidget*, Feldwahlart art) { return art == Feldwahlart::Speichern ? QStringList{feld} : QStringList{}; });
    m_Fragen->antworten = {Rueckfrage::Antwort::Abbrechen, Rueckfrage::Antwort::Ja};
    QVERIFY(!f->close());
    QVERIFY(!f.isNull());
    QVERIFY(f->close());
    QCOMPARE(m_Fragen->fragen.size(), 2);
    QTRY_VERIFY(f.isNull());
    QCOMPARE(FelddateiLesen(feld.toStdString()).bohrungen.size(), 2u);
    FeldwahlSetzen({});
  }

  void fieldFileRoundTripAndExport() {
    CFeldfenster f;
    f.Hinzufuegen({BEISPIELE + QStringLiteral("/suessgas.zlv"), BEISPIELE + QStringLiteral("/sauergas.zlv")});
    QVERIFY(Warten(f));
    const QString feld = m_Ordner.filePath(QStringLiteral("nord.zlf"));
    QVERIFY(f.FeldSpeichern(feld));
    QCOMPARE(f.windowTitle(), QStringLiteral("Feldübersicht - nord[*]"));
    QVERIFY(!f.isWindowModified());
    CFeldfenster g;
    g.AbgleichSetzen(true);
    QVERIFY(g.FeldOeffnen(feld));
    QVERIFY(Warten(g));
    QVERIFY(g.Ergebnis()->bohrungen.front().gStern.has_value());
    QCOMPARE(g.Bohrungsdateien().size(), 2);
    QCOMPARE(Spalte(*g.Tabelle(), Feldspalte::Bohrung), Spalte(*f.Tabelle(), Feldspalte::Bohrung));
    QVERIFY(!g.FeldOeffnen(m_Ordner.filePath(QStringLiteral("fehlt.zlf"))));
    QCOMPARE(m_Fragen->fehler.size(), 1);

    for (const auto& [art, name, anfang] : {std::tuple{Exportart::Png, "f.png", QByteArray("\x89PNG")},
                                             std::tuple{Exportart::Pdf, "f.pdf", QByteArray("%PDF")},
                                             std::tuple{Exportart::Csv, "f.csv", QByteArray("Feldbohrungen")}}) {
      const QString pfad = m_Ordner.filePath(QString::fromLatin1(name));
      ExportwahlSetzen([&, art = art](QWidget*, const QString&) { return Exportziel{pfad, art}; });
      QVERIFY(g.Exportieren());
      QFile datei(pfad);
      QVERIFY(datei.open(QIODevice::ReadOnly));
      QVERIFY2(datei.readAll().startsWith(anfang), name);
    }
    const std::unique_ptr<QMimeData> daten = g.Kopierdaten();
    QVERIFY(daten->text().contains(QStringLiteral("Feldrate (m3/h)")));
    QVERIFY(daten->hasImage());
  }
};

QTEST_MAIN(CFeldfensterTest)
#include "CFeldfensterTest.moc"
