// The main window as a user drives it: commands and their enabling, the two views, the document's own
// New, open and save through the window, the recent files, the results file, help and the context menu.
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>
#include <QMouseEvent>
#include <QMenuBar>
#include <QPrinter>
#include <QToolBar>
#include <QUrl>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <clocale>
#include <cmath>

#include "app/Anwendungstexte.h"
#include "app/CAboutDlg.h"
#include "app/CMainFrame.h"
#include "app/CZelvorApp.h"
#include "app/Dateiwahl.h"
#include "app/Dokumentsteuerung.h"
#include "doc/ZlvArchiv.h"
#include "SkriptRueckfrage.h"
#include "views/CGrafik.h"
#include "views/Drucken.h"
#include "views/CZelvorView.h"
#include "views/RueckgangZeichnen.h"
#include "views/SpeicherkennlinienZeichnen.h"

using namespace zelvor;

namespace {
const QString BEISPIEL = QStringLiteral(ZELVOR_EXAMPLES_DIR "/suessgas.zlv");

// Counts the paints of the widget it watches.
struct Bildzaehler : QObject {
  int anzahl = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++anzahl;
    return false;
  }
};

void Einstellungen_leeren() {
  QSettings(PROFILSCHLUESSEL, ANWENDUNGSTITEL).remove(QStringLiteral("Recent File List"));
}
}  // namespace

class CMainFrameTest : public QObject {
  Q_OBJECT

  std::unique_ptr<CZelvorApp> m_App;
  std::unique_ptr<SkriptRueckfrage> m_Fragen;
  QTemporaryDir m_Ordner;
  int m_Eingaben = 0;

  CMainFrame& Rahmen() { return *m_App->Rahmen(); }
  Dokumentsteuerung& Dok() { return *m_App->Dokument(); }
  QAction* A(int id) { return Rahmen().Aktion(id); }
  QString Pfad(const char* name) { return m_Ordner.filePath(QString::fromLatin1(name)); }
  QMenu* Menue(const QString& titel) {
    for (QAction* m : Rahmen().menuBar()->actions())
      if (m->text() == titel) return m->menu();
    return nullptr;
  }

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    CZelvorApp::DeutschEinrichten();
  }

  void init() {
    Einstellungen_leeren();
    m_Fragen = std::make_unique<SkriptRueckfrage>();
    m_App = std::make_unique<CZelvorApp>();
    int ende = -1;
    QVERIFY(m_App->InitInstance({}, &ende));
    QCOMPARE(ende, -1);
    m_Eingaben = 0;
    Dok().EingabeSetzen([this](Eingabewerte&) {
      ++m_Eingaben;
      return true;
    });
  }

  void cleanup() {
    m_App.reset();
    m_Fragen.reset();
    DateiwahlSetzen([](QWidget*, bool, const QString&) { return QString(); });
  }

  void startsWithANewUntitledWellAndNoDialog() {
    QCOMPARE(Dok().GetTitle(), QStringLiteral("Unbenannt"));
    QCOMPARE(Rahmen().windowTitle(), QStringLiteral("Unbenannt - zelvor"));
    QVERIFY(!Dok().IsModified());
    QCOMPARE(QString::fromStdString(Dok().Doc().m_Gasbohrung), QStringLiteral("Bohrung 1"));
    QCOMPARE(Dok().Doc().m_Komponenten[3], 100.0f);
    QVERIFY(Dok().Doc().m_Ergebnis.empty());
    QCOMPARE(m_Eingaben, 0);
    QCOMPARE(Rahmen().Meldungsfeld()->text(), QStringLiteral("Bereit"));
  }

  void viewSwitchEnablesTheOtherCommandAndKeepsOneInstanceEach() {
    QVERIFY(Rahmen().GetActiveView() == Rahmen().Tabelle());
    QVERIFY(A(ID_GRAFIK)->isEnabled());
    QVERIFY(!A(ID_TABELLE)->isEnabled());
    QVERIFY(!A(ID_GRAFIKLUPE)->isEnabled());
    QVERIFY(Rahmen().Grafik() == nullptr);

    A(ID_GRAFIK)->trigger();
    CGrafik* grafik = Rahmen().Grafik();
    QVERIFY(grafik);
    QVERIFY(Rahmen().GetActiveView() == grafik);
    QVERIFY(!A(ID_GRAFIK)->isEnabled());
    QVERIFY(A(ID_TABELLE)->isEnabled());
    QVERIFY(A(ID_GRAFIKLUPE)->isEnabled());

    A(ID_GRAFIK)->trigger();  // disabled: nothing happens
    A(ID_TABELLE)->trigger();
    A(ID_GRAFIK)->trigger();
    A(ID_TABELLE)->trigger();
    QVERIFY(Rahmen().Grafik() == grafik);
    QCOMPARE(Rahmen().findChildren<CGrafik*>().size(), 1);
    QCOMPARE(Rahmen().findChildren<CZelvorView*>().size(), 1);
    QCOMPARE(grafik->InitialUpdates(), 1);
  }

  // The analyses' views: each joins the switch and grows with an evaluated well's text.
  void analysisViewsJoinTheSwitchAndFollowTheWell() {
    for (const auto& [art, befehl] : {std::pair{CMainFrame::ANSICHT_LIEFERFAEHIGKEIT, ID_LIEFERFAEHIGKEIT},
                                     std::pair{CMainFrame::ANSICHT_PROGNOSE, ID_PROGNOSE}}) {
      A(ID_FILE_NEW)->trigger();
      QVERIFY(Rahmen().Ansicht(art) == nullptr);
      A(befehl)->trigger();
      CAnsicht* sicht = Rahmen().Ansicht(art);
      QVERIFY(sicht && Rahmen().GetActiveView() == sicht);
      QVERIFY(!A(befehl)->isEnabled());
      QVERIFY(A(ID_TABELLE)->isEnabled() && A(ID_GRAFIK)->isEnabled());
      const int vorher = sicht->Gesamtgroesse().height();
      QVERIFY(Rahmen().DateiOeffnen(QStringLiteral(ZELVOR_EXAMPLES_DIR "/mehrraten.zlv")));
      QVERIFY(sicht->Gesamtgroesse().height() > vorher);
      A(ID_TABELLE)->trigger();
      A(befehl)->trigger();
      QVERIFY(Rahmen().Ansicht(art) == sicht);
    }
  }

  // "Speicherkennlinien" (F9): for a production well the page says why there are none and draws
  // nothing; a storage well with its volumes gets the table and the curves.
  void storageCurvesShowTheReasonForAProductionWellAndTheCurvesForAStorageWell() {
    QCOMPARE(A(ID_SPEICHERKENNLINIEN)->shortcut(), QKeySequence(Qt::Key_F9));
    A(ID_SPEICHERKENNLINIEN)->trigger();
    CAnsicht* sicht = Rahmen().Ansicht(CMainFrame::ANSICHT_SPEICHERKENNLINIEN);
    QVERIFY(sicht && Rahmen().GetActiveView() == sicht);
    QVERIFY(!A(ID_SPEICHERKENNLINIEN)->isEnabled());
    QVERIFY(Rahmen().DateiOeffnen(QStringLiteral(ZELVOR_EXAMPLES_DIR "/suessgas.zlv")));
    const Analyseseite foerderung = SpeicherkennlinienSeite(Dok().Doc());
    QCOMPARE(foerderung.text.size(), size_t{1});
    QVERIFY(QString::fromStdString(foerderung.text.front()).contains(QStringLiteral("Förderbohrung")));
    QVERIFY(foerderung.diagramme.empty());
    const int ohne = sicht->Gesamtgroesse().height();
    QVERIFY(Rahmen().DateiOeffnen(QStringLiteral(ZELVOR_EXAMPLES_DIR "/speicher.zlv")));
    QCOMPARE(SpeicherkennlinienSeite(Dok().Doc()).diagramme.size(), size_t{1});
    QVERIFY(sicht->Gesamtgroesse().height() > ohne + 1000);  // the table and the diagram
    A(ID_TABELLE)->trigger();
    QVERIFY(A(ID_SPEICHERKENNLINIEN)->isEnabled());
  }

  // "Förderrückgang" (F11): a well without dated lines gets the sentence alone; the dated example gets the
  // fit, both diagrams and the sentence comparing it with the forecast.
  void declineViewShowsTheFitBesideTheForecast() {
    QCOMPARE(A(ID_RUECKGANG)->shortcut(), QKeySequence(Qt::Key_F11));
    A(ID_RUECKGANG)->trigger();
    CAnsicht* sicht = Rahmen().Ansicht(CMainFrame::ANSICHT_RUECKGANG);
    QVERIFY(sicht && Rahmen().GetActiveView() == sicht);
    QVERIFY(!A(ID_RUECKGANG)->isEnabled());
    QVERIFY(Rahmen().DateiOeffnen(QStringLiteral(ZELVOR_EXAMPLES_DIR "/suessgas.zlv")));
    QVERIFY(RueckgangSeite(Dok().Doc()).diagramme.empty());
    const int ohne = sicht->Gesamtgroesse().height();
    QVERIFY(Rahmen().DateiOeffnen(QStringLiteral(ZELVOR_EXAMPLES_DIR "/rueckgang.zlv")));
    const Analyseseite seite = RueckgangSeite(Dok().Doc());
    QCOMPARE(seite.diagramme.size(), size_t{2});
    const QString text = QString::fromStdString([&] {
      std::string t;
      for (const std::string& z : seite.text) t += z + "\n";
      return t;
    }());
    QVERIFY(text.contains(QStringLiteral("Ende, die Grenze erreicht:")));
    QVERIFY(text.contains(QStringLiteral("Die Lieferfähigkeitsprognose ergibt")));
    QVERIFY(sicht->Gesamtgroesse().height() > ohne + 1000);
    A(ID_TABELLE)->trigger();
    QVERIFY(A(ID_RUECKGANG)->isEnabled());
  }

  // "Materialbilanz" (F8) shows the match; "Gasvorrat übernehmen" is offered once a match was made, and
  // only Ja changes the well.
  void gasInPlaceMatchIsShownAndAdoptedOnlyOnYes() {
    QCOMPARE(A(ID_MATERIALBILANZ)->shortcut(), QKeySequence(Qt::Key_F8));
    QVERIFY(!A(ID_GASVORRAT_UEBERNEHMEN)->isEnabled());
    A(ID_MATERIALBILANZ)->trigger();
    CAnsicht* sicht = Rahmen().Ansicht(CMainFrame::ANSICHT_MATERIALBILANZ);
    QVERIFY(sicht && Rahmen().GetActiveView() == sicht);
    const int ohneAbgleich = sicht->Gesamtgroesse().height();
    QVERIFY(Rahmen().DateiOeffnen(QStringLiteral(ZELVOR_EXAMPLES_DIR "/suessgas.zlv")));
    QVERIFY(sicht->Gesamtgroesse().height() > ohneAbgleich + 1000);  // text block and two diagrams
    QVERIFY(A(ID_GASVORRAT_UEBERNEHMEN)->isEnabled());

    A(ID_GASVORRAT_UEBERNEHMEN)->trigger();  // the script answers Nein
    QCOMPARE(m_Fragen->fragen.size(), 1);
    QVERIFY(m_Fragen->fragen.front().startsWith(QStringLiteral("Soll der abgeglichene Gasvorrat von ")));
    QCOMPARE(Dok().Doc().m_OGIP, 2400.0f);
    QVERIFY(!Dok().IsModified());

    m_Fragen->antworten = {Rueckfrage::Antwort::Ja};
    A(ID_GASVORRAT_UEBERNEHMEN)->trigger();
    QVERIFY(std::abs(Dok().Doc().m_OGIP - 2330.0f) < 60.0f);
    QVERIFY(Dok().IsModified());
    QCOMPARE(Dok().Doc().m_Lauf.ogip, static_cast<double>(Dok().Doc().m_OGIP));
  }

  // With surveys the question offers both estimates, each button named after the value it adopts.
  void bothEstimatesAreButtonsNamedAfterTheirValues() {
    QVERIFY(Rahmen().DateiOeffnen(QStringLiteral(ZELVOR_EXAMPLES_DIR "/speicher.zlv")));
    m_Fragen->fragen.clear();
    m_Fragen->knoepfe.clear();
    A(ID_GASVORRAT_UEBERNEHMEN)->trigger();  // cancelled
    QCOMPARE(m_Fragen->knoepfe.size(), 1);
    const QStringList knoepfe = m_Fragen->knoepfe.front();
    QCOMPARE(knoepfe.size(), 2);
    QVERIFY2(knoepfe[0].startsWith(QStringLiteral("Fließdaten: ")) && knoepfe[1].startsWith(QStringLiteral("Messungen: ")),
             qPrintable(knoepfe.join(QLatin1Char('|'))));
    QVERIFY(!Dok().IsModified());
    m_Fragen->auswahlen = {1};
    A(ID_GASVORRAT_UEBERNEHMEN)->trigger();
    const QString wert = QString::number(static_cast<double>(Dok().Doc().m_OGIP), 'f', 1);
    QCOMPARE(knoepfe[1], QStringLiteral("Messungen: %1 Mio m3").arg(wert));
    QVERIFY(Dok().IsModified());
  }

  void keysReachTheCommands() {
    QCOMPARE(A(ID_FILE_NEW)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    QCOMPARE(A(ID_FILE_OPEN)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    QCOMPARE(A(ID_FILE_SAVE)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    QCOMPARE(A(ID_FILE_PRINT)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    QCOMPARE(A(ID_ONLINE_HILFE)->shortcut(), QKeySequence(Qt::Key_F1));
    QCOMPARE(A(ID_DATEN_AENDERN)->shortcut(), QKeySequence(Qt::Key_F2));
    QCOMPARE(A(ID_GRAFIK)->shortcut(), QKeySequence(Qt::Key_F3));
    QCOMPARE(A(ID_TABELLE)->shortcut(), QKeySequence(Qt::Key_F4));
    QCOMPARE(A(ID_LIEFERFAEHIGKEIT)->shortcut(), QKeySequence(Qt::Key_F5));
    QCOMPARE(A(ID_PROGNOSE)->shortcut(), QKeySequence(Qt::Key_F7));
    QVERIFY(A(ID_EDIT_COPY)->isEnabled());
    QVERIFY(!A(ID_EDIT_PASTE)->isEnabled());
    QCOMPARE(A(ID_GRAFIK)->toolTip(), QStringLiteral("Grafik"));
    QCOMPARE(A(ID_GRAFIK)->statusTip(), QStringLiteral("Zeigt die Ergebnisse als Grafik an"));
    QCOMPARE(A(ID_ERGEBNISSE_EINLESEN)->toolTip(), QStringLiteral("Einlesen der Datei AUS.TXT"));

    Rahmen().show();
    QVERIFY(QTest::qWaitForWindowExposed(&Rahmen()));
    Rahmen().activateWindow();
    QTest::keyClick(&Rahmen(), Qt::Key_F3);
    QVERIFY(Rahmen().GetActiveView() == Rahmen().Grafik());
    QTest::keyClick(&Rahmen(), Qt::Key_F4);
    QVERIFY(Rahmen().GetActiveView() == Rahmen().Tabelle());
    QTest::keyClick(&Rahmen(), Qt::Key_F2);
    QCOMPARE(m_Eingaben, 1);
  }

  void zoomTogglesTheFrameAndShowsItsState() {
    A(ID_GRAFIK)->trigger();
    CGrafik* g = Rahmen().Grafik();
    QCOMPARE(g->Breite(), 1300);
    QCOMPARE(g->Hoehe(), 750);
    A(ID_GRAFIKLUPE)->trigger();
    QVERIFY(A(ID_GRAFIKLUPE)->isChecked());
    QCOMPARE(g->Breite(), 1950);
    QCOMPARE(g->Hoehe(), 1125);
    // The zoom survives a trip to the table, where the command is disabled.
    A(ID_TABELLE)->trigger();
    QVERIFY(!A(ID_GRAFIKLUPE)->isEnabled());
    A(ID_GRAFIK)->trigger();
    QVERIFY(A(ID_GRAFIKLUPE)->isChecked());
    A(ID_GRAFIKLUPE)->trigger();
    QVERIFY(!A(ID_GRAFIKLUPE)->isChecked());
    QCOMPARE(g->Breite(), 1300);
    QCOMPARE(g->Hoehe(), 750);
  }

  void newOffersToSaveAndGivesAnUntitledWell() {
    const QString pfad = Pfad("neu_test.zlv");
    QVERIFY(QFile::copy(BEISPIEL, pfad));
    QVERIFY(Rahmen().DateiOeffnen(pfad));
    QCOMPARE(m_Eingaben, 1);
    QVERIFY(!Dok().IsModified());
    QVERIFY(!Dok().Doc().m_Ergebnis.empty());
    A(ID_DATEN_AENDERN)->trigger();
    QVERIFY(Dok().IsModified());

    // Cancel keeps everything.
    m_Fragen->antworten = {Rueckfrage::Antwort::Abbrechen};
    A(ID_FILE_NEW)->trigger();
    QCOMPARE(m_Fragen->fragen.size(), 1);
    QCOMPARE(Dok().PathName(), pfad);
    QCOMPARE(m_Eingaben, 2);

    // No: the new well is untitled, its results empty, and the input dialog opens.
    bool leerVorDialog = false;
    Dok().EingabeSetzen([&](Eingabewerte& w) {
      leerVorDialog = Dok().Doc().m_Ergebnis.empty() && Dok().Doc().m_MaxWerte == 0;
      ++m_Eingaben;
      return w.m_Gasbohrung == "Bohrung 1" && w.m_Ratenzeilen.empty() ? false : true;  // cancel the dialog
    });
    m_Fragen->antworten = {Rueckfrage::Antwort::Nein};
    A(ID_FILE_NEW)->trigger();
    QCOMPARE(m_Eingaben, 3);
    QVERIFY(leerVorDialog);
    QCOMPARE(Dok().GetTitle(), QStringLiteral("Unbenannt"));
    QVERIFY(Dok().PathName().isEmpty());
    QVERIFY(!Dok().IsModified());
    QVERIFY(Dok().Doc().m_Ergebnis.empty());

    // A later save asks for a name and leaves the old file alone.
    QFile alt(pfad);
    QVERIFY(alt.open(QIODevice::ReadOnly));
    const QByteArray vorher = alt.readAll();
    alt.close();
    bool gefragt = false;
    DateiwahlSetzen([&](QWidget*, bool speichern, const QString&) {
      gefragt = speichern;
      return QString();
    });
    A(ID_FILE_SAVE)->trigger();
    QVERIFY(gefragt);
    QVERIFY(alt.open(QIODevice::ReadOnly));
    QCOMPARE(alt.readAll(), vorher);
  }

  void anOpenedWellNeverShowsThePreviousResults() {
    Rahmen().show();
    QVERIFY(QTest::qWaitForWindowExposed(&Rahmen()));
    QVERIFY(Rahmen().DateiOeffnen(BEISPIEL));
    QVERIFY(!Dok().Doc().m_Ergebnis.empty());
    QVERIFY(Dok().Doc().m_MaxWerte > 0);
    QCoreApplication::processEvents();
    // The input dialog is cancelled: the new well stands without results rather than with the old ones,
    // and the table on the screen goes with them at once.
    Dok().EingabeSetzen([](Eingabewerte&) { return false; });
    Bildzaehler bilder;
    Rahmen().Tabelle()->viewport()->installEventFilter(&bilder);
    QVERIFY(Rahmen().DateiOeffnen(QStringLiteral(ZELVOR_EXAMPLES_DIR "/sauergas.zlv")));
    QCOMPARE(Dok().GetTitle(), QStringLiteral("sauergas.zlv"));
    QVERIFY(Dok().Doc().m_Ergebnis.empty());
    QCOMPARE(Dok().Doc().m_MaxWerte, 0);
    QVERIFY(!Dok().IsModified());
    QTRY_VERIFY(bilder.anzahl > 0);
  }

  // An edit in the dialog that opens with the file is not lost: the well counts as modified, and a
  // following New asks to save it; the file keeps its value until then.
  void anEditInTheDialogOfAnOpenIsKept() {
    const QString pfad = Pfad("geaendert.zlv");
    QVERIFY(QFile::copy(BEISPIEL, pfad));
    Dok().EingabeSetzen([](Eingabewerte& w) {
      w.m_OGIP += 50.0f;
      return true;
    });
    QVERIFY(Rahmen().DateiOeffnen(pfad));
    QVERIFY(Dok().IsModified());
    m_Fragen->antworten = {Rueckfrage::Antwort::Abbrechen};
    A(ID_FILE_NEW)->trigger();
    QCOMPARE(m_Fragen->fragen.size(), 1);
    QCOMPARE(Dok().PathName(), pfad);
  }

  void saveAndOpenRoundTripThroughTheWindow() {
    Dok().Doc().m_Gasbohrung = "Rundreise";
    Dok().Doc().m_OGIP = 1234.5f;
    Dok().SetModifiedFlag();
    const QString ohneEndung = Pfad("rund");
    DateiwahlSetzen([&](QWidget*, bool, const QString&) { return ohneEndung; });
    A(ID_FILE_SAVE)->trigger();
    const QString pfad = ohneEndung + QStringLiteral(".zlv");
    QVERIFY(QFile::exists(pfad));
    QVERIFY(!Dok().IsModified());
    QCOMPARE(Dok().GetTitle(), QStringLiteral("rund.zlv"));
    QCOMPARE(Rahmen().windowTitle(), QStringLiteral("rund.zlv - zelvor"));

    m_Fragen->antworten = {Rueckfrage::Antwort::Nein};
    A(ID_FILE_NEW)->trigger();
    QCOMPARE(QString::fromStdString(Dok().Doc().m_Gasbohrung), QStringLiteral("Bohrung 1"));

    DateiwahlSetzen([&](QWidget*, bool speichern, const QString&) { return speichern ? QString() : pfad; });
    A(ID_FILE_OPEN)->trigger();
    QCOMPARE(QString::fromStdString(Dok().Doc().m_Gasbohrung), QStringLiteral("Rundreise"));
    QCOMPARE(Dok().Doc().m_OGIP, 1234.5f);
    QVERIFY(!Dok().IsModified());
    QCOMPARE(Dok().PathName(), pfad);
  }

  void recentFilesHoldFourAndStayGreyWhileEmpty() {
    QAction* erste = A(ID_FILE_MRU_FILE1);
    QVERIFY(!erste->isEnabled());
    QCOMPARE(erste->text(), QStringLiteral("Letzte Datei"));
    QStringList pfade;
    for (int i = 0; i < 5; ++i) {
      pfade << Pfad(qPrintable(QStringLiteral("b%1.zlv").arg(i)));
      QVERIFY(Dok().OnSaveDocument(pfade.last()));
    }
    QVERIFY(erste->isEnabled());
    QCOMPARE(erste->text(), QStringLiteral("&1 b4.zlv"));
    const QStringList liste = ZuletztGeoeffnet().Liste();
    QCOMPARE(liste.size(), 4);
    QCOMPARE(QFileInfo(liste.last()).fileName(), QStringLiteral("b1.zlv"));

    // Choosing an entry opens it; a file gone missing leaves the list with a message.
    Dok().Doc().m_Gasbohrung = "anders";
    QFile::remove(pfade[4]);
    erste->trigger();
    QCOMPARE(m_Fragen->fehler.size(), 1);
    QCOMPARE(QString::fromStdString(Dok().Doc().m_Gasbohrung), QStringLiteral("anders"));
    QCOMPARE(ZuletztGeoeffnet().Liste().size(), 3);
    QCOMPARE(erste->text(), QStringLiteral("&1 b3.zlv"));
  }

  void damagedFilesLeaveTheOpenWellOrResetAndSaySo() {
    QVERIFY(Rahmen().DateiOeffnen(BEISPIEL));
    const std::string name = Dok().Doc().m_Gasbohrung;
    const auto ergebnis = Dok().Doc().m_Ergebnis;

    const QString fremd = Pfad("fremd.zlv");
    QFile f(fremd);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(24, '\0') + QByteArray(4, '\xff') + QByteArray(200, '\xff'));
    f.close();
    QVERIFY(!Rahmen().DateiOeffnen(fremd));
    QCOMPARE(m_Fragen->fehler.size(), 1);
    QCOMPARE(Dok().Doc().m_Gasbohrung, name);
    QCOMPARE(Dok().Doc().m_Ergebnis, ergebnis);
    QCOMPARE(Dok().PathName(), BEISPIEL);

    const QString kurz = Pfad("kurz.zlv");
    f.setFileName(kurz);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(30, '\0'));
    f.close();
    QVERIFY(!Rahmen().DateiOeffnen(kurz));
    QCOMPARE(m_Fragen->fehler.size(), 2);
    QVERIFY2(m_Fragen->fehler.last().contains(QStringLiteral("neue Bohrung")), qPrintable(m_Fragen->fehler.join("|")));
    QCOMPARE(Dok().GetTitle(), QStringLiteral("Unbenannt"));
    QCOMPARE(QString::fromStdString(Dok().Doc().m_Gasbohrung), QStringLiteral("Bohrung 1"));
    QVERIFY(Dok().Doc().m_Ergebnis.empty());
  }

  void aFailedSaveSaysSoAndKeepsTheWellModified() {
    Dok().SetModifiedFlag();
    QVERIFY(!Dok().OnSaveDocument(Pfad("fehlt/gibt_es_nicht.zlv")));
    QCOMPARE(m_Fragen->fehler.size(), 1);
    QVERIFY(Dok().IsModified());
    QVERIFY(Dok().PathName().isEmpty());
  }

  void resultsFileGoesToTheWorkingDirectoryAndBack() {
    const QString vorher = QDir::currentPath();
    QDir::setCurrent(m_Ordner.path());
    QVERIFY(Rahmen().DateiOeffnen(BEISPIEL));
    const size_t n = Dok().Doc().m_Ergebnis.size();
    A(ID_ERGEBNISSE_AUSGEBEN)->trigger();
    QCOMPARE(m_Fragen->meldungen.last(), QStringLiteral("Die Ergebnisse sind in die Datei aus.txt geschrieben!"));
    A(ID_ERGEBNISSE_EINLESEN)->trigger();
    QCOMPARE(m_Fragen->meldungen.last(), QStringLiteral("%1 Zeilen wurden eingelesen").arg(n + 1));
    QCOMPARE(Dok().Doc().m_Ergebnis.front(), std::string("suessgas.zlv"));
    QVERIFY(!Dok().IsModified());

    // A results file that cannot be written gives no success text.
    QFile::remove(QStringLiteral("aus.txt"));
    QVERIFY(QDir().mkdir(QStringLiteral("aus.txt")));
    const qsizetype meldungen = m_Fragen->meldungen.size();
    A(ID_ERGEBNISSE_AUSGEBEN)->trigger();
    QCOMPARE(m_Fragen->meldungen.size(), meldungen);
    QCOMPARE(m_Fragen->fehler.size(), 1);
    QDir::setCurrent(vorher);
  }

  void helpThatCannotBeFoundSaysSoOnce() {
    qputenv("ZELVOR_HILFE", QFile::encodeName(Pfad("keine_hilfe.html")));
    A(ID_ONLINE_HILFE)->trigger();
    qunsetenv("ZELVOR_HILFE");
    QCOMPARE(m_Fragen->meldungen, QStringList{QStringLiteral("Onlinehilfe nicht gefunden!")});
  }

  void contextMenuOverEveryViewOffersTheSevenCommandsFirst() {
    Rahmen().show();
    QVERIFY(QTest::qWaitForWindowExposed(&Rahmen()));
    for (int ansicht :
         {CMainFrame::ANSICHT_TABELLE, CMainFrame::ANSICHT_GRAFIK, CMainFrame::ANSICHT_LIEFERFAEHIGKEIT,
          CMainFrame::ANSICHT_PROGNOSE, CMainFrame::ANSICHT_MATERIALBILANZ, CMainFrame::ANSICHT_SPEICHERKENNLINIEN,
          CMainFrame::ANSICHT_RUECKGANG}) {
      Rahmen().AnsichtWechseln(ansicht);
      QWidget* sicht = Rahmen().GetActiveView()->viewport();
      const QPoint mitte = sicht->rect().center();
      QContextMenuEvent e(QContextMenuEvent::Mouse, mitte, sicht->mapToGlobal(mitte));
      QApplication::sendEvent(sicht, &e);
      QMenu* menue = Rahmen().Kontextmenue();
      QTRY_VERIFY(menue->isVisible());
      QStringList texte;
      for (QAction* a : menue->actions()) texte << a->text();
      QCOMPARE(texte.mid(0, 7), (QStringList{"Daten ändern", "Grafik", "Tabelle", "Datei Neu", "Datei Öffnen",
                                             "Speichern unter", "Ergebnisse speichern"}));
      QCOMPARE(texte.mid(7), (QStringList{"Lieferfähigkeit", "Förderprognose", "Materialbilanz", "Speicherkennlinien",
                                          "Förderrückgang", "", "Kopieren"}));
      QCOMPARE(menue->actions()[1]->isEnabled(), ansicht != CMainFrame::ANSICHT_GRAFIK);
      QCOMPARE(menue->actions()[7]->isEnabled(), ansicht != CMainFrame::ANSICHT_LIEFERFAEHIGKEIT);
      QCOMPARE(menue->actions()[8]->isEnabled(), ansicht != CMainFrame::ANSICHT_PROGNOSE);
      QCOMPARE(menue->actions()[9]->isEnabled(), ansicht != CMainFrame::ANSICHT_MATERIALBILANZ);
      QCOMPARE(menue->actions()[10]->isEnabled(), ansicht != CMainFrame::ANSICHT_SPEICHERKENNLINIEN);
      QCOMPARE(menue->actions()[11]->isEnabled(), ansicht != CMainFrame::ANSICHT_RUECKGANG);
      menue->hide();
    }
  }

  // Every menu of the bar has an Alt key of its own.
  void everyMenuHasItsOwnAltKey() {
    QSet<int> tasten;
    for (QAction* m : Rahmen().menuBar()->actions()) {
      const QKeySequence taste = QKeySequence::mnemonic(m->text());
      QVERIFY2(!taste.isEmpty(), qPrintable(m->text()));
      QVERIFY2(!tasten.contains(taste[0].toCombined()), qPrintable(m->text()));
      tasten.insert(taste[0].toCombined());
    }
  }

  // The help's tables name every toolbar button and every context menu item.
  void theHelpNamesEveryButtonAndContextMenuItem() {
    QFile datei(QStringLiteral(ZELVOR_QUELLHILFE));
    QVERIFY(datei.open(QIODevice::ReadOnly));
    const QString hilfe = QString::fromUtf8(datei.readAll());
    const auto abschnitt = [&](const char* anker) {
      const qsizetype von = hilfe.indexOf(QStringLiteral("name=\"%1\"").arg(QLatin1String(anker)));
      return hilfe.mid(von, hilfe.indexOf(QStringLiteral("<h3>"), von) - von);
    };
    const QString leiste = abschnitt("symbolleiste"), kontext = abschnitt("kontextmenue");
    int knoepfe = 0;
    for (QAction* a : Rahmen().findChild<QToolBar*>(QStringLiteral("Symbolleiste"))->actions()) {
      if (a->isSeparator()) continue;
      ++knoepfe;
      const QString name = a->iconText().section(QLatin1Char(' '), 0, 0);  // "Info über zelvor": Info
      QVERIFY2(leiste.contains(QStringLiteral("<tr><td>") + name), qPrintable(name));
    }
    QCOMPARE(leiste.count(QStringLiteral("<tr><td>")), knoepfe);
    for (QAction* a : Rahmen().Kontextmenue()->actions())
      if (!a->isSeparator()) QVERIFY2(kontext.contains(QStringLiteral("„%1“").arg(a->text())), qPrintable(a->text()));
  }

  // Every item's prompt shows while the mouse is over it, a disabled one's and a context menu item's
  // too; "Bereit" again when the menu closes.
  void menuItemsShowTheirPromptEnabledOrNot() {
    Rahmen().show();
    QVERIFY(QTest::qWaitForWindowExposed(&Rahmen()));
    QMenu* ansicht = Menue(QStringLiteral("&Ansicht"));
    QMenu* bearbeiten = Menue(QStringLiteral("&Bearbeiten"));
    QVERIFY(ansicht && bearbeiten);
    QVERIFY(!A(ID_TABELLE)->isEnabled());
    const struct {
      QMenu* menue;
      int eintrag;
      QString prompt;
    } faelle[] = {
        {ansicht, 3, QStringLiteral("Zeigt die Ergebnisse als Tabelle an")},  // disabled
        {ansicht, 2, QStringLiteral("Zeigt die Ergebnisse als Grafik an")},
        {bearbeiten, 3, QStringLiteral("Legt die Einstellungen der Förderprognose fest")},
        {Rahmen().Kontextmenue(), 0, QStringLiteral("Daten ändern")},
        {Rahmen().Kontextmenue(), 2, QStringLiteral("Zeigt die Ergebnisse als Tabelle an")},
    };
    for (const auto& f : faelle) {
      f.menue->popup(Rahmen().mapToGlobal(QPoint(50, 50)));
      QTRY_VERIFY(f.menue->isVisible());
      QAction* a = f.menue->actions()[f.eintrag];
      QMouseEvent bewegung(QEvent::MouseMove, f.menue->actionGeometry(a).center(),
                           f.menue->mapToGlobal(f.menue->actionGeometry(a).center()), Qt::NoButton, Qt::NoButton,
                           Qt::NoModifier);
      QApplication::sendEvent(f.menue, &bewegung);
      QCOMPARE(Rahmen().statusBar()->currentMessage(), f.prompt);
      f.menue->hide();
      QCOMPARE(Rahmen().statusBar()->currentMessage(), QString());
      QCOMPARE(Rahmen().Meldungsfeld()->text(), QStringLiteral("Bereit"));
    }
  }

  // Moving from an enabled item onto a greyed one in a menu of the menu bar: the greyed item's prompt
  // stays, although Qt clears the previous one.
  void greyedMenuBarItemKeepsItsPrompt() {
    Rahmen().show();
    QVERIFY(QTest::qWaitForWindowExposed(&Rahmen()));
    QMenu* ansicht = Menue(QStringLiteral("&Ansicht"));
    QVERIFY(!A(ID_TABELLE)->isEnabled());
    Rahmen().menuBar()->setActiveAction(ansicht->menuAction());
    QTRY_VERIFY(ansicht->isVisible());
    for (QAction* a : {A(ID_GRAFIK), A(ID_TABELLE)}) {
      const QPoint mitte = ansicht->actionGeometry(a).center();
      QMouseEvent bewegung(QEvent::MouseMove, mitte, ansicht->mapToGlobal(mitte), Qt::NoButton, Qt::NoButton,
                           Qt::NoModifier);
      QApplication::sendEvent(ansicht, &bewegung);
      QCoreApplication::processEvents();
    }
    QTRY_COMPARE(Rahmen().statusBar()->currentMessage(), QStringLiteral("Zeigt die Ergebnisse als Tabelle an"));
    ansicht->hide();
  }

  // A toolbar dragged to another place takes the prompt of the button it was under with it.
  void movedToolbarLeavesNoPrompt() {
    Rahmen().show();
    QVERIFY(QTest::qWaitForWindowExposed(&Rahmen()));
    auto* leiste = Rahmen().findChild<QToolBar*>(QStringLiteral("Symbolleiste"));
    QVERIFY(leiste);
    QCursor::setPos(Rahmen().mapToGlobal(QPoint(500, 400)));  // over the view, not the bar
    Rahmen().statusBar()->showMessage(A(ID_FILE_OPEN)->statusTip());
    Rahmen().addToolBar(Qt::LeftToolBarArea, leiste);
    QTRY_COMPARE(Rahmen().statusBar()->currentMessage(), QString());
    QCOMPARE(Rahmen().Meldungsfeld()->text(), QStringLiteral("Bereit"));
  }

  // "Förderprognose..." follows "Ergebnisse einlesen"; an OK that changes the settings keeps them and
  // marks the well modified, and the views redraw.
  void forecastSettingsComeFromTheEditMenu() {
    const QList<QAction*> eintraege = Menue(QStringLiteral("&Bearbeiten"))->actions();
    const qsizetype stelle = eintraege.indexOf(A(ID_PROGNOSE_EINSTELLUNGEN));
    QCOMPARE(stelle, eintraege.indexOf(A(ID_ERGEBNISSE_EINLESEN)) + 1);
    QCOMPARE(eintraege[stelle + 1], A(ID_GASVORRAT_UEBERNEHMEN));
    QVERIFY(eintraege[stelle + 2]->isSeparator());
    QCOMPARE(A(ID_PROGNOSE_EINSTELLUNGEN)->text(), QStringLiteral("&Förderprognose..."));
    QCOMPARE(A(ID_PROGNOSE_EINSTELLUNGEN)->toolTip(), QStringLiteral("Prognoseeinstellungen"));

    Dok().Doc().m_bVariablerC = 1;
    bool variablerC = false;
    Dok().PrognoseeingabeSetzen([&](Prognoseeinstellungen& e, bool v, bool, Speichereinstellungen&, double) {
      variablerC = v;
      e.qEnde = 250.0f;
      return true;
    });
    QSignalSpy ansichten(&Dok(), &Dokumentsteuerung::AnsichtenAktualisieren);
    A(ID_PROGNOSE_EINSTELLUNGEN)->trigger();
    QVERIFY(variablerC);
    QCOMPARE(Dok().Doc().m_Prognose.qEnde, 250.0f);
    QVERIFY(Dok().IsModified());
    QCOMPARE(ansichten.count(), 1);
    Dok().SetModifiedFlag(false);
    A(ID_PROGNOSE_EINSTELLUNGEN)->trigger();  // OK with the same settings
    QVERIFY(!Dok().IsModified());
  }

  // Qt appends a set display name to every window's caption; the program sets none, so that only the
  // main window, whose caption ends with it, carries the program's name.
  void onlyTheMainWindowCarriesTheProgramsName() {
    QCOMPARE(Rahmen().windowTitle(), QStringLiteral("Unbenannt - zelvor"));
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("probe"));
    const QString anzeige = QGuiApplication::applicationDisplayName();
    QCoreApplication::setApplicationName(name);
    QCOMPARE(anzeige, QStringLiteral("probe"));
  }

  void exitAsksAboutAModifiedWell() {
    Rahmen().show();
    Dok().SetModifiedFlag();
    m_Fragen->antworten = {Rueckfrage::Antwort::Abbrechen};
    QVERIFY(!Rahmen().close());
    QVERIFY(Rahmen().isVisible());
    m_Fragen->antworten = {Rueckfrage::Antwort::Nein};
    QVERIFY(Rahmen().close());
  }

  void droppedWellIsOpened() {
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(BEISPIEL)});
    QVERIFY(Rahmen().acceptDrops());
    QVERIFY(Rahmen().Ablegen(mime));
    QCOMPARE(m_Eingaben, 0);  // the drop ends before the input dialog opens
    QTRY_COMPARE(m_Eingaben, 1);
    QCOMPARE(Dok().PathName(), BEISPIEL);
  }

  void printingFromTheCommandLinePrintsTheTableAndEnds() {
    m_App = std::make_unique<CZelvorApp>();
    QPrinter& drucker = AnwendungsDrucker();
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(Pfad("druck.pdf"));
    int ende = -1;
    QVERIFY(m_App->InitInstance({QStringLiteral("--print"), BEISPIEL}, &ende));
    QCOMPARE(ende, 0);
    QVERIFY(!Rahmen().isVisible());
    QVERIFY(QFileInfo(Pfad("druck.pdf")).size() > 1000);

    // A printer that cannot be opened is reported, not passed over in silence.
    drucker.setOutputFileName(Pfad("fehlt/druck.pdf"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(".*"));
    A(ID_FILE_PRINT_DIRECT)->trigger();
    QCOMPARE(m_Fragen->fehler.size(), 1);
    drucker.setOutputFileName(QString());
  }

  // Whatever the user's locale (the test suite also runs under de_DE.UTF-8), the program's numbers keep
  // their decimal point: in the table, in files and in what it reads.
  void numbersKeepTheirDecimalPointInAnyLocale() {
    QCOMPARE(QString::fromLatin1(std::localeconv()->decimal_point), QStringLiteral("."));
    QVERIFY(Rahmen().DateiOeffnen(BEISPIEL));
    const auto& e = Dok().Doc().m_Ergebnis;
    QVERIFY(std::find(e.begin(), e.end(), "    Summe      100.00") != e.end());
    QVERIFY(std::find(e.begin(), e.end(), "    Mittlerer C-Wert:   0.531") != e.end());
    QVERIFY(std::none_of(e.begin(), e.end(), [](const std::string& z) { return z.find(',') != std::string::npos; }));
  }

  // The About box and both programs' --version show the one project version.
  void aboutBoxShowsTheVersion() {
    CAboutDlg info;
    QCOMPARE(info.findChild<QLabel*>(QStringLiteral("Version"))->text(), QStringLiteral("zelvor Version 1.0"));
  }

  void qtsOwnButtonsSpeakGerman() {
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
  }
};

QTEST_MAIN(CMainFrameTest)
#include "CMainFrameTest.moc"
