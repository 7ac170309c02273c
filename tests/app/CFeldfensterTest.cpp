// The field window through its commands: the wells computed off the user-interface thread, the table
// sorted by a column, cancel, a double-click that opens a well in the main window (asking to save a
// modified one first), the field file and the export.
#include <QAction>
#include <QFile>
#include <QProgressBar>
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
    QCOMPARE(f.Tabelle()->rowCount(), 6);  // the five example wells and the missing one
    QCOMPARE(f.Ergebnis()->Fehlgeschlagene(), std::size_t{1});
    QVERIFY(f.Fortschritt()->isHidden());
    QCOMPARE(f.windowTitle(), QStringLiteral("Feldübersicht - Feld"));
    QVERIFY(!f.Diagramm()->Seite().diagramme.empty());
    QCOMPARE(f.Diagramm()->Seite().diagramme.front().reihen.size(), std::size_t{3});  // three production wells

    // Sorting by the remaining reserves: numbers by value, the wells without one last.
    f.Tabelle()->sortByColumn(static_cast<int>(Feldspalte::Restreserven), Qt::AscendingOrder);
    const QStringList reserven = Spalte(*f.Tabelle(), Feldspalte::Restreserven);
    QCOMPARE(reserven.mid(3), (QStringList{QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-")}));
    QVERIFY(reserven[0].toDouble() <= reserven[1].toDouble());
    QVERIFY(reserven[1].toDouble() <= reserven[2].toDouble());
    f.Tabelle()->sortByColumn(static_cast<int>(Feldspalte::Restreserven), Qt::DescendingOrder);
    const QStringList abwaerts = Spalte(*f.Tabelle(), Feldspalte::Restreserven);
    QCOMPARE(abwaerts.mid(0, 3), (QStringList{reserven[2], reserven[1], reserven[0]}));
    QCOMPARE(abwaerts.mid(3), reserven.mid(3));
  }

  void cancelStopsPromptlyAndKeepsTheWindowUsable() {
    QStringList viele;
    for (int i = 0; i < 400; ++i) viele << BEISPIELE + QStringLiteral("/sauergas.zlv");
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

  void fieldFileRoundTripAndExport() {
    CFeldfenster f;
    f.Hinzufuegen({BEISPIELE + QStringLiteral("/suessgas.zlv"), BEISPIELE + QStringLiteral("/sauergas.zlv")});
    QVERIFY(Warten(f));
    const QString feld = m_Ordner.filePath(QStringLiteral("nord.zlf"));
    QVERIFY(f.FeldSpeichern(feld));
    QCOMPARE(f.windowTitle(), QStringLiteral("Feldübersicht - nord"));
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
