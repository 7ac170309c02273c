#include "app/CMainFrame.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include "app/Anwendungstexte.h"
#include "app/CAboutDlg.h"
#include "app/CFeldfenster.h"
#include "app/Dateiwahl.h"
#include "app/Dokumentsteuerung.h"
#include "app/Exportieren.h"
#include "app/Hilfe.h"
#include "app/Menuehinweise.h"
#include "app/Rueckfrage.h"
#include "app/Sperrtasten.h"
#include "dialogs/DlgInput.h"
#include "dialogs/DlgAquifer.h"
#include "dialogs/DlgMessungen.h"
#include "dialogs/DlgPrognose.h"
#include "dialogs/DlgRueckgang.h"
#include "views/CAnalyseansicht.h"
#include "views/CGrafik.h"
#include "views/CLieferfaehigkeit.h"
#include "views/CPrognose.h"
#include "views/CZelvorView.h"
#include "views/MaterialbilanzZeichnen.h"
#include "views/RueckgangZeichnen.h"
#include "views/SpeicherkennlinienZeichnen.h"

namespace zelvor {

CMainFrame::CMainFrame(Dokumentsteuerung& dokument, QWidget* parent) : QMainWindow(parent), m_Dokument(dokument) {
  setObjectName(QStringLiteral("CMainFrame"));
  setWindowIcon(QIcon(QStringLiteral(":/icons/zelvor.svg")));
  setAcceptDrops(true);
  m_Dokument.BesitzerSetzen(this);
  // Every data entry runs the input dialog, owned by this window; its messages, questions and help go
  // through the program's services.
  DialogDienste dienste;
  dienste.meldung = [](QWidget* b, const QString& t) { Rueckfragen().Meldung(b, t); };
  dienste.frage = [](QWidget* b, const QString& t) { return Rueckfragen().JaNein(b, t); };
  dienste.hilfe = [](QWidget* b, int kontext) { return HilfeZeigen(b, kontext); };
  m_Dokument.EingabeSetzen(
      [this, dienste](Eingabewerte& w) { return EingabeDialogAusfuehren(this, w, dienste); });

  m_Stapel = new QStackedWidget(this);
  setCentralWidget(m_Stapel);
  const auto titel = [this] { return m_Dokument.Titel(); };
  m_Tabelle = new CZelvorView(m_Dokument.Doc(), titel, m_Stapel);
  m_Tabelle->setObjectName(QStringLiteral("CZelvorView"));
  m_Stapel->addWidget(m_Tabelle);
  m_Aktiv = m_Tabelle;
  m_Tabelle->OnInitialUpdate();
  m_Tabelle->setFocus();  // the keys scroll the visible view from the start
  m_Arten[ANSICHT_TABELLE] = {ID_TABELLE, {}, m_Tabelle};

  MenuesAnlegen();
  SymbolleisteAnlegen();
  StatusleisteAnlegen();
  KontextmenueAnlegen();
  MenuehinweiseEinrichten(*this);

  AnsichtsartAnmelden(ANSICHT_GRAFIK, ID_GRAFIK, [this](QWidget* eltern) {
    auto* g = new CGrafik(m_Dokument.Doc(), [this] { return m_Dokument.Titel(); }, eltern);
    g->setObjectName(QStringLiteral("CGrafik"));
    return g;
  });
  AnsichtsartAnmelden(ANSICHT_LIEFERFAEHIGKEIT, ID_LIEFERFAEHIGKEIT, [this](QWidget* eltern) {
    auto* l = new CLieferfaehigkeit(m_Dokument.Doc(), [this] { return m_Dokument.Titel(); }, eltern);
    l->setObjectName(QStringLiteral("CLieferfaehigkeit"));
    return l;
  });
  AnsichtsartAnmelden(ANSICHT_PROGNOSE, ID_PROGNOSE, [this](QWidget* eltern) {
    auto* p = new CPrognose(m_Dokument.Doc(), [this] { return m_Dokument.Titel(); }, eltern);
    p->setObjectName(QStringLiteral("CPrognose"));
    return p;
  });
  AnsichtsartAnmelden(ANSICHT_MATERIALBILANZ, ID_MATERIALBILANZ, [this](QWidget* eltern) {
    auto* m = new CAnalyseansicht(m_Dokument.Doc(), [this] { return m_Dokument.Titel(); }, MaterialbilanzSeite, eltern);
    m->setObjectName(QStringLiteral("CMaterialbilanz"));
    return m;
  });
  AnsichtsartAnmelden(ANSICHT_SPEICHERKENNLINIEN, ID_SPEICHERKENNLINIEN, [this](QWidget* eltern) {
    auto* k = new CAnalyseansicht(m_Dokument.Doc(), [this] { return m_Dokument.Titel(); }, SpeicherkennlinienSeite, eltern);
    k->setObjectName(QStringLiteral("CSpeicherkennlinien"));
    return k;
  });
  AnsichtsartAnmelden(ANSICHT_RUECKGANG, ID_RUECKGANG, [this](QWidget* eltern) {
    auto* r = new CAnalyseansicht(m_Dokument.Doc(), [this] { return m_Dokument.Titel(); }, RueckgangSeite, eltern);
    r->setObjectName(QStringLiteral("CRueckgang"));
    return r;
  });

  connect(&m_Dokument, &Dokumentsteuerung::AnsichtenAktualisieren, this, [this] {
    AlleAnsichten([](CAnsicht& a) { a.OnUpdate(); });
    BefehleAktualisieren();
  });
  connect(&m_Dokument, &Dokumentsteuerung::AnsichtenNeuInitialisieren, this, [this] {
    AlleAnsichten([](CAnsicht& a) { a.OnInitialUpdate(); });
    BefehleAktualisieren();
  });
  connect(&m_Dokument, &Dokumentsteuerung::TitelGeaendert, this, &CMainFrame::TitelAktualisieren);
  connect(&m_Dokument, &Dokumentsteuerung::DateiBenutzt, this, [this](const QString& pfad) {
    m_Letzte.Hinzufuegen(pfad);
    LetzteDateienAktualisieren();
  });
  connect(&m_Dokument, &Dokumentsteuerung::DateiUnbrauchbar, this, [this](const QString& pfad) {
    m_Letzte.Entfernen(pfad);
    LetzteDateienAktualisieren();
  });

  resize(1000, 720);
  TitelAktualisieren();
  LetzteDateienAktualisieren();
  BefehleAktualisieren();
}

QAction* CMainFrame::NeueAktion(int id, const QString& text, const QString& prompt, const QString& symbol) {
  auto* a = new QAction(text, this);
  a->setData(id);
  a->setObjectName(QStringLiteral("ID_%1").arg(id));
  // The prompt shows in the status bar; its part after the line break is the tooltip.
  const qsizetype umbruch = prompt.indexOf(QLatin1Char('\n'));
  a->setStatusTip(umbruch < 0 ? prompt : prompt.left(umbruch));
  if (umbruch >= 0) a->setToolTip(prompt.mid(umbruch + 1));
  if (!symbol.isEmpty()) a->setIcon(QIcon(QStringLiteral(":/icons/") + symbol));
  m_Aktionen.insert(id, a);
  addAction(a);  // keys work whichever bar shows the command
  return a;
}

void CMainFrame::MenuesAnlegen() {
  // Datei
  QAction* neu = NeueAktion(ID_FILE_NEW, QStringLiteral("&Neu"), QStringLiteral("Erstellt ein neues Dokument\nNeu"),
                            QStringLiteral("neu.svg"));
  neu->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
  // The document's own New: it offers to save, then opens the input dialog with the defaults.
  connect(neu, &QAction::triggered, &m_Dokument, &Dokumentsteuerung::OnFileNew);

  QAction* oeffnen = NeueAktion(ID_FILE_OPEN, QStringLiteral("Ö&ffnen..."),
                                QStringLiteral("Öffnet ein bestehendes Dokument\nÖffnen"), QStringLiteral("oeffnen.svg"));
  oeffnen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  connect(oeffnen, &QAction::triggered, this, &CMainFrame::OnFileOpen);

  QAction* speichern = NeueAktion(ID_FILE_SAVE, QStringLiteral("S&peichern"),
                                  QStringLiteral("Speichert das aktive Dokument\nSpeichern"), QStringLiteral("speichern.svg"));
  speichern->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  connect(speichern, &QAction::triggered, &m_Dokument, &Dokumentsteuerung::OnFileSave);

  QAction* unter = NeueAktion(ID_FILE_SAVE_AS, QStringLiteral("Speichern &unter..."),
                              QStringLiteral("Speichert das aktive Dokument unter einem neuen Namen\nSpeichern unter"));
  connect(unter, &QAction::triggered, &m_Dokument, &Dokumentsteuerung::OnFileSaveAs);

  QAction* drucken = NeueAktion(ID_FILE_PRINT, QStringLiteral("&Drucken..."),
                                QStringLiteral("Druckt das aktive Dokument\nDrucken"), QStringLiteral("drucken.svg"));
  drucken->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  connect(drucken, &QAction::triggered, this, [this] {
    if (!m_Aktiv->OnFilePrint()) Rueckfragen().Fehler(this, DRUCK_FEHLGESCHLAGEN);
  });

  QAction* direkt = NeueAktion(ID_FILE_PRINT_DIRECT, QStringLiteral("Drucken"),
                               QStringLiteral("Druckt das aktive Dokument mit den aktuellen Einstellungen\nDrucken"));
  connect(direkt, &QAction::triggered, this, [this] {
    if (!m_Aktiv->OnFilePrintDirect()) Rueckfragen().Fehler(this, DRUCK_FEHLGESCHLAGEN);
  });

  QAction* ansicht = NeueAktion(ID_FILE_PRINT_PREVIEW, QStringLiteral("Sei&tenansicht"),
                                QStringLiteral("Zeigt ganze Seiten an\nSeitenansicht"));
  connect(ansicht, &QAction::triggered, this, [this] { m_Aktiv->OnFilePrintPreview(); });

  QAction* einrichten = NeueAktion(ID_FILE_PRINT_SETUP, QStringLiteral("Drucker&einrichtung..."),
                                   QStringLiteral("Ändert die Drucker- und Druckoptionen\nDruckereinrichtung"));
  connect(einrichten, &QAction::triggered, this, &CMainFrame::OnFilePrintSetup);

  QAction* beenden = NeueAktion(ID_APP_EXIT, QStringLiteral("&Beenden"),
                                QStringLiteral("Beendet die Anwendung; fordert zum Speichern von Dokumenten auf\nBeenden"));
  connect(beenden, &QAction::triggered, this, &QWidget::close);

  QAction* exportieren = NeueAktion(ID_EXPORTIEREN, QStringLiteral("E&xportieren..."),
                                    QStringLiteral("Schreibt die Ansicht als Bild oder die Zahlen als CSV- oder Excel-Datei\nExportieren"));
  connect(exportieren, &QAction::triggered, this, [this] {
    const QFileInfo well(m_Dokument.PathName());
    Exportieren(this, *m_Aktiv, m_Dokument.Doc(), well.fileName().isEmpty() ? QString() : well.completeBaseName());
  });

  // The field overview: a window of its own; a double-click on a well opens it here.
  QAction* feld = NeueAktion(ID_FELDUEBERSICHT, QStringLiteral("Feld&übersicht..."),
                             QStringLiteral("Zeigt alle Bohrungen eines Feldes in einer Tabelle und die Förderrate des Feldes\nFeldübersicht"));
  connect(feld, &QAction::triggered, this, [this] { FeldfensterOeffnen(this, [this](const QString& p) { DateiOeffnen(p); }); });

  QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
  datei->addActions({neu, oeffnen, speichern, unter, exportieren, feld});
  datei->addSeparator();
  datei->addActions({drucken, ansicht, einrichten});
  datei->addSeparator();
  // The recent files: a grey "Letzte Datei" while the list is empty, else one entry per file.
  QAction* letzte = NeueAktion(ID_FILE_MRU_FILE1, QStringLiteral("Letzte Datei"), QStringLiteral("Öffnet dieses Dokument"));
  datei->addAction(letzte);
  for (int i = 1; i < MAX_LETZTE_DATEIEN; ++i) {
    auto* a = new QAction(this);
    a->setStatusTip(QStringLiteral("Öffnet dieses Dokument"));
    datei->addAction(a);
    m_LetzteAktionen << a;
  }
  m_LetzteAktionen.prepend(letzte);
  for (QAction* a : m_LetzteAktionen)
    connect(a, &QAction::triggered, this, [this, a] { DateiOeffnen(a->data().toString()); });
  datei->addSeparator();
  datei->addAction(beenden);

  // Bearbeiten
  QAction* daten = NeueAktion(ID_DATEN_AENDERN, QStringLiteral("Daten ändern"),
                              QStringLiteral("Daten ändern\nDaten ändern"), QStringLiteral("daten.svg"));
  daten->setShortcut(QKeySequence(Qt::Key_F2));
  connect(daten, &QAction::triggered, &m_Dokument, &Dokumentsteuerung::OnDatenAendern);
  QAction* ausgeben = NeueAktion(ID_ERGEBNISSE_AUSGEBEN, QStringLiteral("Ergebnisse ausgeben"),
                                 QStringLiteral("Schreibt die Ergebnisse in die AUS.TXT-Datei\nErgebnisse ausgeben"));
  connect(ausgeben, &QAction::triggered, &m_Dokument, &Dokumentsteuerung::OnErgebnisseAusgeben);
  QAction* einlesen = NeueAktion(ID_ERGEBNISSE_EINLESEN, QStringLiteral("Ergebnisse einlesen"),
                                 QStringLiteral("Liest die Datei AUS.TXT ein\nEinlesen der Datei AUS.TXT"));
  connect(einlesen, &QAction::triggered, &m_Dokument, &Dokumentsteuerung::OnErgebnisseEinlesen);
  QAction* prognoseeinstellungen =
      NeueAktion(ID_PROGNOSE_EINSTELLUNGEN, QStringLiteral("&Förderprognose..."),
                 QStringLiteral("Legt die Einstellungen der Förderprognose fest\nPrognoseeinstellungen"));
  connect(prognoseeinstellungen, &QAction::triggered, &m_Dokument, &Dokumentsteuerung::OnPrognoseEinstellungen);
  m_Dokument.PrognoseeingabeSetzen(
      [this](Prognoseeinstellungen& e, bool variablerC, bool injektion, Speichereinstellungen& speicher, double ogip) {
        DialogDienste dienste;
        dienste.meldung = [](QWidget* b, const QString& t) { Rueckfragen().Meldung(b, t); };
        return PrognoseDialogAusfuehren(this, e, variablerC, dienste, injektion, &speicher, ogip);
      });
  QAction* messungen =
      NeueAktion(ID_MESSUNGEN, QStringLiteral("&Schließdruckmessungen..."),
                 QStringLiteral("Bearbeitet die Schließdruckmessungen der Bohrung\nSchließdruckmessungen"));
  connect(messungen, &QAction::triggered, &m_Dokument, &Dokumentsteuerung::OnMessungen);
  m_Dokument.MessungseingabeSetzen([this](std::vector<Schliessdruckmessung>& m) {
    DialogDienste dienste;
    dienste.meldung = [](QWidget* b, const QString& t) { Rueckfragen().Meldung(b, t); };
    return MessungsDialogAusfuehren(this, m, dienste);
  });
  QAction* aquifer = NeueAktion(ID_AQUIFER, QStringLiteral("&Aquifer..."),
                                QStringLiteral("Legt das Aquifermodell der Lagerstätte und seine Daten fest\nAquifer"));
  connect(aquifer, &QAction::triggered, &m_Dokument, &Dokumentsteuerung::OnAquifer);
  m_Dokument.AquifereingabeSetzen([this](Aquiferdaten& a) {
    DialogDienste dienste;
    dienste.meldung = [](QWidget* b, const QString& t) { Rueckfragen().Meldung(b, t); };
    return AquiferDialogAusfuehren(this, a, dienste);
  });
  QAction* gasvorrat = NeueAktion(ID_GASVORRAT_UEBERNEHMEN, QStringLiteral("&Gasvorrat übernehmen"),
                                  QStringLiteral("Übernimmt den aus den Fließdaten abgeglichenen Gasvorrat als OGIP\n"
                                                 "Gasvorrat übernehmen"));
  connect(gasvorrat, &QAction::triggered, &m_Dokument, &Dokumentsteuerung::OnGasvorratUebernehmen);
  // The decline analysis's settings: the document takes them, marked as changed, and every view shows them.
  QAction* rueckgangseinstellungen =
      NeueAktion(ID_RUECKGANG_EINSTELLUNGEN, QStringLiteral("Förder&rückgang..."),
                 QStringLiteral("Legt die Einstellungen des Förderrückgangs fest: Modell, Zeitraum, Grenze, Ausreißer\n"
                                "Rückgangseinstellungen"));
  connect(rueckgangseinstellungen, &QAction::triggered, this, [this] {
    Rueckgangseinstellungen e = m_Dokument.Doc().m_Rueckgang;
    DialogDienste dienste;
    dienste.meldung = [](QWidget* b, const QString& t) { Rueckfragen().Meldung(b, t); };
    if (!RueckgangDialogAusfuehren(this, e, dienste) || e == m_Dokument.Doc().m_Rueckgang) return;
    m_Dokument.Doc().m_Rueckgang = std::move(e);
    m_Dokument.SetModifiedFlag(true);
    m_Dokument.UpdateAllViews();
  });
  QMenu* bearbeitenMenue = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
  bearbeitenMenue->addActions({daten, ausgeben, einlesen, prognoseeinstellungen, gasvorrat});
  connect(bearbeitenMenue, &QMenu::aboutToShow, this, &CMainFrame::BefehleAktualisieren);
  bearbeitenMenue->addSeparator();
  // The surveys and the aquifer are data of their own beside the rate lines: a group of their own, with
  // the settings of the decline analysis built on the dated lines.
  bearbeitenMenue->addActions({messungen, aquifer});
  bearbeitenMenue->addAction(rueckgangseinstellungen);
  bearbeitenMenue->addSeparator();
  // "Kopieren": the visible view says what the clipboard gets (the table its text, the graph its picture).
  QAction* kopieren = NeueAktion(ID_EDIT_COPY, QStringLiteral("&Kopieren"),
                                 QStringLiteral("Kopiert die Ansicht in die Zwischenablage\nKopieren"));
  kopieren->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)});
  connect(kopieren, &QAction::triggered, this,
          [this] { QGuiApplication::clipboard()->setMimeData(m_Aktiv->Kopierdaten().release()); });
  bearbeitenMenue->addAction(kopieren);

  // Ansicht
  QAction* symbolleiste = NeueAktion(ID_VIEW_TOOLBAR, QStringLiteral("&Symbolleiste"),
                                     QStringLiteral("Blendet die Symbolleiste ein oder aus\nSymbolleiste ein/aus"));
  symbolleiste->setCheckable(true);
  symbolleiste->setChecked(true);
  connect(symbolleiste, &QAction::toggled, this, [this](bool an) { m_Symbolleiste->setVisible(an); });
  QAction* statusleiste = NeueAktion(ID_VIEW_STATUS_BAR, QStringLiteral("S&tatusleiste"),
                                     QStringLiteral("Blendet die Statusleiste ein oder aus\nStatusleiste ein/aus"));
  statusleiste->setCheckable(true);
  statusleiste->setChecked(true);
  connect(statusleiste, &QAction::toggled, this, [this](bool an) { statusBar()->setVisible(an); });
  QAction* grafik = NeueAktion(ID_GRAFIK, QStringLiteral("Grafik"),
                               QStringLiteral("Zeigt die Ergebnisse als Grafik an\nGrafik"), QStringLiteral("grafik.svg"));
  grafik->setShortcut(QKeySequence(Qt::Key_F3));
  connect(grafik, &QAction::triggered, this, [this] { AnsichtWechseln(ANSICHT_GRAFIK); });
  QAction* tabelle = NeueAktion(ID_TABELLE, QStringLiteral("Tabelle"),
                                QStringLiteral("Zeigt die Ergebnisse als Tabelle an\nTabelle"), QStringLiteral("tabelle.svg"));
  tabelle->setShortcut(QKeySequence(Qt::Key_F4));
  connect(tabelle, &QAction::triggered, this, [this] { AnsichtWechseln(ANSICHT_TABELLE); });
  QAction* liefer = NeueAktion(ID_LIEFERFAEHIGKEIT, QStringLiteral("Lieferfähigkeit"),
                               QStringLiteral("Zeigt die Lieferfähigkeit: Exponent n, LIT-Koeffizienten, offene "
                                              "Förderleistung und Zuflusskurven\nLieferfähigkeit"),
                               QStringLiteral("lieferfaehigkeit.svg"));
  liefer->setShortcut(QKeySequence(Qt::Key_F5));
  connect(liefer, &QAction::triggered, this, [this] { AnsichtWechseln(ANSICHT_LIEFERFAEHIGKEIT); });
  QAction* prognose = NeueAktion(ID_PROGNOSE, QStringLiteral("Förderprognose"),
                                 QStringLiteral("Zeigt die Förderprognose: lieferbare Rate, Plateau und Aufgabe bis zum "
                                                "Ende der Lagerstätte\nFörderprognose"),
                                 QStringLiteral("prognose.svg"));
  prognose->setShortcut(QKeySequence(Qt::Key_F7));
  connect(prognose, &QAction::triggered, this, [this] { AnsichtWechseln(ANSICHT_PROGNOSE); });
  QAction* bilanz = NeueAktion(ID_MATERIALBILANZ, QStringLiteral("Materialbilanz"),
                               QStringLiteral("Zeigt den aus den Fließdaten abgeglichenen Gasvorrat mit seinem "
                                              "Vertrauensbereich und das P/Z-Diagramm\nMaterialbilanz"),
                               QStringLiteral("materialbilanz.svg"));
  bilanz->setShortcut(QKeySequence(Qt::Key_F8));
  connect(bilanz, &QAction::triggered, this, [this] { AnsichtWechseln(ANSICHT_MATERIALBILANZ); });
  QAction* kennlinien = NeueAktion(ID_SPEICHERKENNLINIEN, QStringLiteral("Speicher&kennlinien"),
                                   QStringLiteral("Zeigt die Aus- und Einspeicherrate einer Speicherbohrung über dem "
                                                  "Füllstand\nSpeicherkennlinien"),
                                   QStringLiteral("speicherkennlinien.svg"));
  kennlinien->setShortcut(QKeySequence(Qt::Key_F9));
  connect(kennlinien, &QAction::triggered, this, [this] { AnsichtWechseln(ANSICHT_SPEICHERKENNLINIEN); });
  QAction* rueckgang = NeueAktion(ID_RUECKGANG, QStringLiteral("Förder&rückgang"),
                                  QStringLiteral("Zeigt die Rückgangskurve der datierten Raten mit Restvolumen, Ende und "
                                                 "EUR neben der Förderprognose\nFörderrückgang"),
                                  QStringLiteral("rueckgang.svg"));
  rueckgang->setShortcut(QKeySequence(Qt::Key_F11));
  connect(rueckgang, &QAction::triggered, this, [this] { AnsichtWechseln(ANSICHT_RUECKGANG); });
  menuBar()->addMenu(QStringLiteral("&Ansicht"))
      ->addActions({symbolleiste, statusleiste, grafik, tabelle, liefer, prognose, bilanz, kennlinien, rueckgang});

  // ?
  QAction* info = NeueAktion(ID_APP_ABOUT, QStringLiteral("Inf&o über zelvor..."),
                             QStringLiteral("Zeigt Programm-, Versions- und Copyright-Informationen an\nInfo"),
                             QStringLiteral("info.svg"));
  connect(info, &QAction::triggered, this, &CMainFrame::OnAppAbout);
  QAction* hilfe = NeueAktion(ID_ONLINE_HILFE, QStringLiteral("Online Hilfe"), QStringLiteral("Ruft die Online Hilfe auf"));
  hilfe->setShortcut(QKeySequence(Qt::Key_F1));
  hilfe->setShortcutContext(Qt::ApplicationShortcut);
  connect(hilfe, &QAction::triggered, this, &CMainFrame::OnOnlineHilfe);
  menuBar()->addMenu(QStringLiteral("&?"))->addActions({info, hilfe});

  // The zoom lives on the toolbar only.
  QAction* lupe = NeueAktion(ID_GRAFIKLUPE, QStringLiteral("Grafiklupe"), QStringLiteral("Grafiklupe\nGrafiklupe"),
                             QStringLiteral("lupe.svg"));
  lupe->setCheckable(true);
  connect(lupe, &QAction::triggered, this, [this] {
    if (CGrafik* g = Grafik(); g && m_Aktiv == g) g->OnGrafiklupe();
    BefehleAktualisieren();
  });

  // The other editing keys have no handler in this program: their commands exist, but stay disabled.
  const struct {
    int id;
    QList<QKeySequence> tasten;
  } bearbeiten[] = {
      {ID_EDIT_PASTE, {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)}},
      {ID_EDIT_CUT, {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)}},
      {ID_EDIT_UNDO, {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)}},
  };
  // Next and previous pane: the window has one pane, the visible view, which gets the focus.
  for (const auto& [id, taste] : {std::pair{ID_NEXT_PANE, QKeySequence(Qt::Key_F6)},
                                  std::pair{ID_PREV_PANE, QKeySequence(Qt::SHIFT | Qt::Key_F6)}}) {
    QAction* a = NeueAktion(id, {}, {});
    a->setShortcut(taste);
    connect(a, &QAction::triggered, this, [this] { m_Aktiv->setFocus(); });
  }
  for (const auto& b : bearbeiten) {
    QAction* a = NeueAktion(b.id, {}, {});
    a->setShortcuts(b.tasten);
    a->setEnabled(false);
  }
}

void CMainFrame::SymbolleisteAnlegen() {
  m_Symbolleiste = addToolBar(QStringLiteral("Symbolleiste"));
  m_Symbolleiste->setObjectName(QStringLiteral("Symbolleiste"));
  m_Symbolleiste->setIconSize(QSize(16, 16));
  m_Symbolleiste->setMovable(true);
  m_Symbolleiste->setAllowedAreas(Qt::AllToolBarAreas);
  for (int id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_GRAFIKLUPE, ID_DATEN_AENDERN, ID_GRAFIK, ID_TABELLE,
                 ID_LIEFERFAEHIGKEIT, ID_PROGNOSE, ID_MATERIALBILANZ, ID_SPEICHERKENNLINIEN, ID_RUECKGANG, ID_FILE_PRINT})
    m_Symbolleiste->addAction(Aktion(id));
  m_Symbolleiste->addSeparator();
  m_Symbolleiste->addAction(Aktion(ID_APP_ABOUT));
  SymbolleistenhinweiseEinrichten(*this, *m_Symbolleiste);
  connect(m_Symbolleiste, &QToolBar::visibilityChanged, Aktion(ID_VIEW_TOOLBAR), [this](bool sichtbar) {
    if (!isHidden()) Aktion(ID_VIEW_TOOLBAR)->setChecked(sichtbar);
  });
}

void CMainFrame::StatusleisteAnlegen() {
  m_Meldung = new QLabel(BEREIT, this);
  statusBar()->addWidget(m_Meldung, 1);
  new Sperrtastenanzeige(*statusBar());
}

void CMainFrame::KontextmenueAnlegen() {
  m_Kontext = new QMenu(QStringLiteral("Kontextmenü"), this);
  const struct {
    int id;
    const char* text;
  } eintraege[] = {
      {ID_DATEN_AENDERN, "Daten ändern"}, {ID_GRAFIK, "Grafik"},         {ID_TABELLE, "Tabelle"},
      {ID_FILE_NEW, "Datei Neu"},         {ID_FILE_OPEN, "Datei Öffnen"}, {ID_FILE_SAVE_AS, "Speichern unter"},
      {ID_ERGEBNISSE_AUSGEBEN, "Ergebnisse speichern"},
      // Beyond the original seven.
      {ID_LIEFERFAEHIGKEIT, "Lieferfähigkeit"}, {ID_PROGNOSE, "Förderprognose"}, {ID_MATERIALBILANZ, "Materialbilanz"},
      {ID_SPEICHERKENNLINIEN, "Speicherkennlinien"}, {ID_RUECKGANG, "Förderrückgang"},
      {0, nullptr},
      {ID_EDIT_COPY, "Kopieren"},
  };
  for (const auto& e : eintraege) {
    if (!e.text) {  // copying follows the views, after a separator
      m_Kontext->addSeparator();
      continue;
    }
    QAction* ziel = Aktion(e.id);
    QAction* a = m_Kontext->addAction(QString::fromUtf8(e.text));
    a->setData(e.id);
    a->setStatusTip(ziel->statusTip());
    connect(a, &QAction::triggered, ziel, &QAction::trigger);
  }
  connect(m_Kontext, &QMenu::aboutToShow, this, [this] {
    BefehleAktualisieren();
    for (QAction* a : m_Kontext->actions())
      if (!a->isSeparator()) a->setEnabled(Aktion(a->data().toInt())->isEnabled());
  });
}

void CMainFrame::AnsichtsartAnmelden(int n, int befehl, Ansichtserzeuger erzeugen) {
  m_Arten[n] = {befehl, std::move(erzeugen), nullptr};
}

CAnsicht* CMainFrame::Ansicht(int n) const {
  const auto art = m_Arten.find(n);
  return art == m_Arten.end() ? nullptr : art->second.ansicht;
}

CGrafik* CMainFrame::Grafik() const { return qobject_cast<CGrafik*>(Ansicht(ANSICHT_GRAFIK)); }

void CMainFrame::AlleAnsichten(const std::function<void(CAnsicht&)>& tun) const {
  for (const auto& [n, art] : m_Arten)
    if (art.ansicht) tun(*art.ansicht);
}

void CMainFrame::AnsichtWechseln(int n) {
  const auto art = m_Arten.find(n);
  if (art == m_Arten.end()) return;
  CAnsicht* alt = m_Aktiv;
  if (!art->second.ansicht) {
    // Created on its first showing, then kept.
    CAnsicht* neu = art->second.erzeugen(m_Stapel);
    m_Stapel->addWidget(neu);
    art->second.ansicht = neu;
    neu->OnInitialUpdate();
  }
  CAnsicht* neu = art->second.ansicht;
  if (neu == alt) return;
  m_Aktiv = neu;
  m_Stapel->setCurrentWidget(neu);
  neu->setFocus();
  BefehleAktualisieren();
}

void CMainFrame::BefehleAktualisieren() {
  // Each view's command is enabled exactly while another view is shown.
  for (const auto& [n, art] : m_Arten) Aktion(art.befehl)->setEnabled(m_Aktiv != art.ansicht);
  // The zoom belongs to the graph view; nothing handles it while another view is shown.
  CGrafik* g = Grafik();
  const bool grafikAktiv = g && m_Aktiv == g;
  QAction* lupe = Aktion(ID_GRAFIKLUPE);
  lupe->setEnabled(grafikAktiv);
  lupe->setChecked(grafikAktiv && g->Grafiklupe());
  Aktion(ID_GASVORRAT_UEBERNEHMEN)->setEnabled(m_Dokument.GasvorratAbgeglichen());
}

void CMainFrame::LetzteDateienAktualisieren() {
  const QStringList liste = m_Letzte.Liste();
  for (int i = 0; i < m_LetzteAktionen.size(); ++i) {
    QAction* a = m_LetzteAktionen[i];
    if (i < liste.size()) {
      a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(liste[i]).fileName()));
      a->setData(liste[i]);
      a->setEnabled(true);
      a->setVisible(true);
    } else if (i == 0) {
      a->setText(QStringLiteral("Letzte Datei"));
      a->setData(QString());
      a->setEnabled(false);
      a->setVisible(true);
    } else {
      a->setVisible(false);
    }
  }
}

void CMainFrame::TitelAktualisieren() {
  setWindowTitle(m_Dokument.GetTitle() + QStringLiteral(" - ") + ANWENDUNGSTITEL);
}

bool CMainFrame::DateiOeffnen(const QString& pfad) {
  if (pfad.isEmpty() || !m_Dokument.SaveModified()) return false;
  return m_Dokument.OnOpenDocument(pfad);
}

void CMainFrame::OnFileOpen() {
  const QString pfad = DateiWaehlen(this, false);
  if (!pfad.isEmpty()) DateiOeffnen(pfad);
}

void CMainFrame::OnOnlineHilfe() {
  if (!HilfeZeigen(this, ID_ONLINE_HILFE)) Rueckfragen().Meldung(this, HILFE_NICHT_GEFUNDEN);
}

void CMainFrame::OnAppAbout() {
  CAboutDlg dlg(this);
  dlg.exec();
}

void CMainFrame::OnFilePrintSetup() {
  QPageSetupDialog dlg(&AnwendungsDrucker(), this);
  dlg.exec();
}

void CMainFrame::closeEvent(QCloseEvent* e) {
  if (m_Dokument.SaveModified())
    e->accept();
  else
    e->ignore();
}

void CMainFrame::contextMenuEvent(QContextMenuEvent* e) {
  QWidget* unter = childAt(mapFromGlobal(e->globalPos()));
  if (m_Aktiv && unter && (unter == m_Aktiv || m_Aktiv->isAncestorOf(unter))) {
    m_Kontext->popup(e->globalPos());
    e->accept();
    return;
  }
  QMainWindow::contextMenuEvent(e);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* e) {
  if (e->mimeData()->hasUrls()) e->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* e) {
  if (Ablegen(*e->mimeData())) e->acceptProposedAction();
}

bool CMainFrame::Ablegen(const QMimeData& daten) {
  // One well is open at a time: the first local file of the drop is opened. Not before the drop has
  // ended: the input dialog that the open runs would keep the file manager waiting until it closes.
  for (const QUrl& url : daten.urls()) {
    if (url.isLocalFile()) {
      QTimer::singleShot(0, this, [this, pfad = url.toLocalFile()] { DateiOeffnen(pfad); });
      return true;
    }
  }
  return false;
}

}  // namespace zelvor
