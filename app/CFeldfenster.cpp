#include "app/CFeldfenster.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolBar>

#include "app/Exportieren.h"
#include "app/Feldwahl.h"
#include "app/Rueckfrage.h"
#include "calc/Parallel.h"
#include "feld/Felddatei.h"
#include "export/Export.h"
#include "export/Feldexport.h"
#include "report/Felddiagramm.h"
#include "report/Feldmeldungen.h"
#include "report/Feldtabelle.h"
#include "views/CFelddiagramm.h"
#include "views/Ausgabedatei.h"
#include "views/Drucken.h"
#include "views/FeldZeichnen.h"
#include "views/Lometric.h"

namespace zelvor {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return QFile::encodeName(s).toStdString(); }

// The field with its site's storage year summed anew for another EU deviation.
std::shared_ptr<const Feldergebnis> MitEuAbweichung(const Feldergebnis& f, double punkte) {
  auto neu = std::make_shared<Feldergebnis>(f);
  EuIndikatorEinstellungen eu;
  eu.abweichung = punkte;
  neu->speicherjahr = StandortspeicherjahrDer(neu->bohrungen, eu);
  return neu;
}

// A cell that sorts as its column does in the core: numbers by value, empty cells last either way.
class Feldzelle : public QTableWidgetItem {
 public:
  Feldzelle(const QString& text, std::shared_ptr<const Feldergebnis> f, std::size_t bohrung, Feldspalte spalte)
      : QTableWidgetItem(text), m_Feld(std::move(f)), m_Bohrung(bohrung), m_Spalte(spalte) {
    setData(Qt::UserRole, static_cast<qulonglong>(bohrung));
  }
  bool operator<(const QTableWidgetItem& anderes) const override {
    const auto* b = dynamic_cast<const Feldzelle*>(&anderes);
    if (!b) return QTableWidgetItem::operator<(anderes);
    const QTableWidget* t = tableWidget();
    const bool absteigend = t && t->horizontalHeader()->sortIndicatorOrder() == Qt::DescendingOrder;
    return FeldZeileVor(m_Feld->bohrungen[m_Bohrung], m_Feld->bohrungen[b->m_Bohrung], m_Spalte, absteigend);
  }

 private:
  std::shared_ptr<const Feldergebnis> m_Feld;
  std::size_t m_Bohrung;
  Feldspalte m_Spalte;
};

QString FeldnameAus(const QStringList& angaben) {
  std::vector<std::string> a;
  for (const QString& s : angaben) a.push_back(S(s));
  return Q(zelvor::Feldname(a));
}

}  // namespace

CFeldfenster::CFeldfenster(QWidget* eltern) : QMainWindow(eltern, Qt::Window) {
  setObjectName(QStringLiteral("Feldfenster"));
  setAttribute(Qt::WA_DeleteOnClose);
  m_Tabelle = new QTableWidget(this);
  m_Tabelle->setObjectName(QStringLiteral("Feldtabelle"));
  m_Tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_Tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_Tabelle->verticalHeader()->setVisible(false);
  m_Tabelle->setColumnCount(static_cast<int>(Feldspalte::Anzahl));
  QStringList koepfe;
  for (Feldspalte s : Feldspalten()) koepfe << Q(FeldspalteAngabe(s).titel);
  m_Tabelle->setHorizontalHeaderLabels(koepfe);
  m_Tabelle->horizontalHeader()->setStretchLastSection(true);
  m_Tabelle->setContextMenuPolicy(Qt::ActionsContextMenu);
  connect(m_Tabelle, &QTableWidget::cellDoubleClicked, this, [this](int zeile, int) {
    const QTableWidgetItem* zelle = m_Tabelle->item(zeile, 0);
    if (!zelle || !m_Ergebnis) return;
    const auto i = static_cast<std::size_t>(zelle->data(Qt::UserRole).toULongLong());
    if (i < m_Ergebnis->bohrungen.size()) emit BohrungOeffnen(QFile::decodeName(m_Ergebnis->bohrungen[i].datei.c_str()));
  });
  m_Diagramm = new CFelddiagramm(this);
  // The page keeps a readable size and scrolls, instead of shrinking to the splitter's share.
  auto* rollen = new QScrollArea(this);
  rollen->setObjectName(QStringLiteral("Feldseite"));
  rollen->setWidgetResizable(true);
  rollen->setWidget(m_Diagramm);
  rollen->setBackgroundRole(QPalette::Base);
  auto* teiler = new QSplitter(Qt::Vertical, this);
  teiler->addWidget(m_Tabelle);
  teiler->addWidget(rollen);
  teiler->setStretchFactor(0, 1);
  teiler->setStretchFactor(1, 2);
  // A third for the table, two for the page, whatever their size hints say.
  teiler->setSizes({1000, 2000});
  setCentralWidget(teiler);

  m_Meldung = new QLabel(QStringLiteral("Bohrungen, einen Ordner oder eine Felddatei hinzufügen (Menü Feld)."), this);
  m_Fortschritt = new QProgressBar(this);
  m_Fortschritt->setMaximumWidth(250);
  m_Abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
  connect(m_Abbrechen, &QPushButton::clicked, this, &CFeldfenster::Abbrechen);
  statusBar()->addWidget(m_Meldung, 1);
  statusBar()->addPermanentWidget(m_Fortschritt);
  statusBar()->addPermanentWidget(m_Abbrechen);
  AktionenAnlegen();
  m_Feldname = QStringLiteral("Feld");
  TitelSetzen();
  ZustandAktualisieren();
  resize(1000, 750);
}

CFeldfenster::~CFeldfenster() { ArbeiterBeenden(); }

void CFeldfenster::AktionenAnlegen() {
  const auto aktion = [this](const QString& text, const QString& tipp, auto tun) {
    auto* a = new QAction(text, this);
    a->setStatusTip(tipp);
    connect(a, &QAction::triggered, this, tun);
    addAction(a);
    return a;
  };
  QAction* bohrungen = aktion(QStringLiteral("&Bohrungen hinzufügen..."),
                              QStringLiteral("Fügt Bohrungen (*.zlv) oder die Bohrungen einer Felddatei (*.zlf) hinzu"),
                              [this] { Hinzufuegen(FeldWaehlen(this, Feldwahlart::Bohrungen)); });
  QAction* ordner = aktion(QStringLiteral("&Ordner hinzufügen..."),
                           QStringLiteral("Fügt alle Bohrungen (*.zlv) eines Ordners hinzu"),
                           [this] { Hinzufuegen(FeldWaehlen(this, Feldwahlart::Ordner)); });
  QAction* oeffnen = aktion(QStringLiteral("Feld ö&ffnen..."), QStringLiteral("Öffnet eine Felddatei (*.zlf)"), [this] {
    const QStringList p = FeldWaehlen(this, Feldwahlart::Bohrungen);
    if (!p.isEmpty()) FeldOeffnen(p.constFirst());
  });
  QAction* speichern = aktion(QStringLiteral("Feld &speichern unter..."),
                              QStringLiteral("Speichert die Liste der Bohrungen als Felddatei (*.zlf)"), [this] {
                                const QStringList p = FeldWaehlen(this, Feldwahlart::Speichern);
                                if (!p.isEmpty()) FeldSpeichern(p.constFirst());
                              });
  QAction* neu = aktion(QStringLiteral("&Neu berechnen"), QStringLiteral("Liest und berechnet alle Bohrungen neu"),
                        [this] { Starten(); });
  neu->setShortcut(QKeySequence(Qt::Key_F5));
  m_Abgleich = aktion(QStringLiteral("Mit &Gasvorratsabgleich (G*)"),
                      QStringLiteral("Gleicht für jede Bohrung den Gasvorrat an die Fließdaten an (dauert etwa zehnmal so lange)"),
                      [this](bool an) { AbgleichSetzen(an); });
  m_Abgleich->setCheckable(true);
  QAction* eu = aktion(QStringLiteral("EU-A&bweichung..."),
                       QStringLiteral("Zulässige Abweichung vom EU-Füllziel des Mitgliedstaats (Indikator für den Standort)"), [this] {
                         bool ok = false;
                         const double punkte = QInputDialog::getDouble(
                             this, QStringLiteral("EU-Füllziel"),
                             QStringLiteral("Zulässige Abweichung vom EU-Füllziel (90 %) in Prozentpunkten, 0 bis 15:"),
                             m_EuAbweichung, 0.0, EU_MAX_ABWEICHUNG, 1, &ok);
                         if (ok) EuAbweichungSetzen(punkte);
                       });
  QAction* exportieren = aktion(QStringLiteral("E&xportieren..."),
                                QStringLiteral("Schreibt das Diagramm als Bild, die Seiten als PDF oder die Tabellen als CSV- oder Excel-Datei"),
                                [this] { Exportieren(); });
  QAction* drucken = aktion(QStringLiteral("&Drucken..."), QStringLiteral("Druckt die Diagrammseite und die Tabelle"), [this] {
    const std::unique_ptr<Druckvorlage> v = Vorlage();
    QPrinter& drucker = AnwendungsDrucker();
    if (DruckerWaehlen(drucker, this, v->Seitenanzahl(DruckbereichLogisch(drucker))) && !AufDruckerAusgeben(drucker, *v))
      Rueckfragen().Fehler(this, QStringLiteral("Das Feld konnte nicht gedruckt werden: der Drucker lässt sich nicht öffnen."));
  });
  drucken->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  QAction* vorschau = aktion(QStringLiteral("Sei&tenansicht"), QStringLiteral("Zeigt die gedruckten Seiten an"),
                             [this] { Seitenansicht(AnwendungsDrucker(), this, *Vorlage()); });
  QAction* schliessen = aktion(QStringLiteral("S&chließen"), QStringLiteral("Schließt die Feldübersicht"), [this] { close(); });
  QAction* kopieren = aktion(QStringLiteral("&Kopieren"), QStringLiteral("Kopiert die Tabelle als Text und das Diagramm als Bild"),
                             [this] { QApplication::clipboard()->setMimeData(Kopierdaten().release()); });
  kopieren->setShortcut(QKeySequence::Copy);
  QAction* entfernen = aktion(QStringLiteral("&Entfernen"), QStringLiteral("Nimmt die markierten Bohrungen aus dem Feld"),
                              [this] { AuswahlEntfernen(); });
  entfernen->setShortcut(QKeySequence::Delete);
  m_Tabelle->addAction(entfernen);

  QMenu* feld = menuBar()->addMenu(QStringLiteral("&Feld"));
  feld->addActions({bohrungen, ordner, oeffnen, speichern, neu, m_Abgleich, eu});
  feld->addSeparator();
  feld->addActions({exportieren, drucken, vorschau});
  feld->addSeparator();
  feld->addAction(schliessen);
  menuBar()->addMenu(QStringLiteral("&Bearbeiten"))->addActions({kopieren, entfernen});
  QToolBar* leiste = addToolBar(QStringLiteral("Feld"));
  leiste->addActions({bohrungen, ordner, neu, exportieren, drucken, kopieren});
  m_NurMitErgebnis = {speichern, neu, exportieren, drucken, vorschau, kopieren, entfernen};
}

void CFeldfenster::AbgleichSetzen(bool mitAbgleich) {
  m_MitAbgleich = mitAbgleich;
  m_Abgleich->setChecked(mitAbgleich);
  if (!m_Angaben.isEmpty()) Starten();
}

void CFeldfenster::EuAbweichungSetzen(double punkte) {
  if (!(punkte >= 0.0) || !(punkte <= EU_MAX_ABWEICHUNG)) return;
  m_EuAbweichung = punkte;
  if (!m_Ergebnis || Rechnet()) return;
  m_Ergebnis = MitEuAbweichung(*m_Ergebnis, m_EuAbweichung);
  DiagrammSetzen();
}

void CFeldfenster::Hinzufuegen(const QStringList& angaben) {
  if (angaben.isEmpty()) return;
  // Wells added to a field differ from its field file.
  if (!m_Angaben.isEmpty()) setWindowModified(true);
  m_Angaben += angaben;
  m_Feldname = FeldnameAus(m_Angaben);
  Starten();
}

void CFeldfenster::Entfernen(const QStringList& dateien) {
  if (!m_Ergebnis || Rechnet() || dateien.isEmpty()) return;
  std::vector<std::size_t> indizes;
  for (std::size_t i = 0; i < m_Ergebnis->bohrungen.size(); ++i)
    if (dateien.contains(QFile::decodeName(m_Ergebnis->bohrungen[i].datei.c_str()))) indizes.push_back(i);
  for (const QString& d : dateien) m_Pfade.removeAll(d);
  // The field is now its wells one by one: a folder or field file would bring the removed ones back.
  m_Angaben = m_Pfade;
  m_Ergebnis = std::make_shared<const Feldergebnis>(OhneBohrungen(*m_Ergebnis, indizes));
  TabelleFuellen();
  DiagrammSetzen();
  setWindowModified(true);
  m_Meldung->setText(Q(FeldEntferntText(indizes.size())));
  ZustandAktualisieren();
}

void CFeldfenster::AuswahlEntfernen() {
  if (!m_Ergebnis) return;
  QStringList dateien;
  for (const QModelIndex& zeile : m_Tabelle->selectionModel()->selectedRows()) {
    const auto i = static_cast<std::size_t>(m_Tabelle->item(zeile.row(), 0)->data(Qt::UserRole).toULongLong());
    if (i < m_Ergebnis->bohrungen.size()) dateien << QFile::decodeName(m_Ergebnis->bohrungen[i].datei.c_str());
  }
  Entfernen(dateien);
}

void CFeldfenster::DiagrammSetzen() {
  m_Diagramm->SeiteSetzen(FeldDiagrammseite(*m_Ergebnis, S(m_Feldname)), S(m_Feldname));
  // The legend may shorten a name: the whole names and their files.
  m_Diagramm->setToolTip(Q(FeldLegendenhinweis(*m_Ergebnis)));
}

void CFeldfenster::TitelSetzen() { setWindowTitle(QStringLiteral("Feldübersicht - %1[*]").arg(m_Feldname)); }

bool CFeldfenster::FeldOeffnen(const QString& pfad) {
  const Felddatei f = FelddateiLesen(S(pfad));
  if (!f.meldung.empty()) {
    Rueckfragen().Fehler(this, Q(f.meldung));
    return false;
  }
  m_Angaben = {pfad};
  m_Feldname = FeldnameAus(m_Angaben);
  setWindowModified(false);
  Starten();
  return true;
}

bool CFeldfenster::FeldSpeichern(const QString& pfad) {
  std::vector<std::string> bohrungen;
  for (const QString& p : m_Pfade) bohrungen.push_back(S(p));
  const std::string fehler = FelddateiSchreiben(S(pfad), bohrungen);
  if (!fehler.empty()) {
    Rueckfragen().Fehler(this, Q(fehler));
    return false;
  }
  // The field now is this file: its name heads the pages.
  m_Angaben = {pfad};
  m_Feldname = FeldnameAus(m_Angaben);
  TitelSetzen();
  setWindowModified(false);
  return true;
}

void CFeldfenster::Starten() {
  ArbeiterBeenden();
  std::vector<std::string> angaben;
  for (const QString& a : m_Angaben) angaben.push_back(S(a));
  const Bohrungsliste liste = BohrungslisteAus(angaben);
  m_Pfade.clear();
  for (const std::string& p : liste.pfade) m_Pfade << QFile::decodeName(p.c_str());
  TitelSetzen();
  m_Hinweis.clear();
  for (const std::string& m : liste.meldungen) m_Hinweis += Q(m) + QLatin1Char(' ');
  if (liste.doppelt > 0) m_Hinweis += Q(DoppeltHinweis(liste.doppelt)) + QLatin1Char(' ');
  m_Meldung->setText(m_Hinweis + Q(FeldBerechneText(liste.pfade.size())));
  m_Fortschritt->setRange(0, static_cast<int>(liste.pfade.size()));
  m_Fortschritt->setValue(0);
  m_Fertig = false;
  const std::uint64_t lauf = ++m_Lauf;
  m_Abbruch = std::make_shared<std::atomic<bool>>(false);
  // The thread owns copies of what it reads; it reaches the window only through queued calls, which Qt
  // drops when the window is gone (and the destructor waits for the thread first).
  m_Arbeiter = std::thread([this, lauf, pfade = liste.pfade, abbruch = m_Abbruch, abgleich = m_MitAbgleich] {
    auto f = std::make_shared<Feldergebnis>(FeldBerechnen(pfade, StandardThreadanzahl(), abgleich, abbruch.get(), [&](std::size_t k) {
      QMetaObject::invokeMethod(this, [this, lauf, k] {
        if (lauf == m_Lauf) m_Fortschritt->setValue(static_cast<int>(k));
      }, Qt::QueuedConnection);
    }));
    QMetaObject::invokeMethod(this, [this, lauf, f] { Uebernehmen(lauf, f); }, Qt::QueuedConnection);
  });
  ZustandAktualisieren();
}

void CFeldfenster::Abbrechen() {
  if (m_Abbruch) m_Abbruch->store(true);
}

void CFeldfenster::ArbeiterBeenden() {
  Abbrechen();
  if (m_Arbeiter.joinable()) m_Arbeiter.join();
  m_Fertig = true;
}

void CFeldfenster::Uebernehmen(std::uint64_t lauf, std::shared_ptr<const Feldergebnis> f) {
  if (lauf != m_Lauf) return;
  if (m_Arbeiter.joinable()) m_Arbeiter.join();
  m_Fertig = true;
  m_Ergebnis = std::move(f);
  if (m_EuAbweichung > 0) m_Ergebnis = MitEuAbweichung(*m_Ergebnis, m_EuAbweichung);
  TabelleFuellen();
  DiagrammSetzen();
  m_Meldung->setText(m_Hinweis + Q(FeldBerechnetText(*m_Ergebnis)));
  ZustandAktualisieren();
  emit Berechnet();
}

void CFeldfenster::TabelleFuellen() {
  m_Tabelle->setSortingEnabled(false);
  m_Tabelle->clearContents();
  m_Tabelle->setRowCount(static_cast<int>(m_Ergebnis->bohrungen.size()));
  const std::vector<Feldspalte> spalten = Feldspalten();
  for (std::size_t i = 0; i < m_Ergebnis->bohrungen.size(); ++i) {
    const Feldbohrung& b = m_Ergebnis->bohrungen[i];
    for (std::size_t s = 0; s < spalten.size(); ++s) {
      auto* zelle = new Feldzelle(Q(FeldAnzeigezelle(b, spalten[s])), m_Ergebnis, i, spalten[s]);
      if (FeldspalteAngabe(spalten[s]).stellen >= 0) zelle->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      if (b.Fehlgeschlagen()) zelle->setForeground(QColor(180, 0, 0));
      zelle->setToolTip(Q(b.datei));
      m_Tabelle->setItem(static_cast<int>(i), static_cast<int>(s), zelle);
    }
  }
  m_Tabelle->setSortingEnabled(true);
  m_Tabelle->sortByColumn(-1, Qt::AscendingOrder);
  m_Tabelle->resizeColumnsToContents();
}

void CFeldfenster::ZustandAktualisieren() {
  const bool rechnet = Rechnet();
  m_Fortschritt->setVisible(rechnet);
  m_Abbrechen->setVisible(rechnet);
  for (QAction* a : m_NurMitErgebnis) a->setEnabled(!rechnet && m_Ergebnis);
}

std::unique_ptr<Druckvorlage> CFeldfenster::Vorlage() const {
  return FeldDruckvorlage(m_Ergebnis ? m_Ergebnis : std::make_shared<const Feldergebnis>(), S(m_Feldname));
}

std::unique_ptr<QMimeData> CFeldfenster::Kopierdaten() const {
  auto daten = std::make_unique<QMimeData>();
  if (!m_Ergebnis) return daten;
  QString text;
  for (const std::string& z : FeldText(*m_Ergebnis)) text += Q(z) + QLatin1Char('\n');
  daten->setText(text);
  const Analyseseite seite = FeldDiagrammseite(*m_Ergebnis, S(m_Feldname));
  daten->setImageData(AnalyseseiteBild(seite, S(m_Feldname), 96));
  return daten;
}

bool CFeldfenster::Exportieren() {
  if (!m_Ergebnis) return false;
  const Exportziel ziel = ExportzielWaehlen(this, m_Feldname);
  if (ziel.pfad.isEmpty()) return false;
  const std::string name = S(m_Feldname);
  QString fehler;
  switch (ziel.art) {
    case Exportart::Png:
      fehler = ErzeugtesSchreiben(ziel.pfad, PngDaten(AnalyseseiteBild(FeldDiagrammseite(*m_Ergebnis, name), name, 96)));
      break;
    case Exportart::Svg:
      fehler = AnalyseseiteAlsSvg(ziel.pfad, FeldDiagrammseite(*m_Ergebnis, name), name);
      break;
    case Exportart::Pdf:
      fehler = InPdfAusgeben(ziel.pfad, *Vorlage(), false);
      break;
    case Exportart::Csv:
    case Exportart::CsvExcelDeutsch:
    case Exportart::Xlsx: {
      fehler = Q(ExportSchreiben(S(ziel.pfad), FeldTabellen(*m_Ergebnis), Tabellenformat(ziel.art)));
      break;
    }
    case Exportart::TransparenzCsv:
    case Exportart::TransparenzJson:
      fehler = QStringLiteral("Die Transparenzdaten gibt es für das Speicherjahr einer Speicherbohrung: bitte "
                              "exportieren Sie sie aus deren Fenster.");
      break;
  }
  if (fehler.isEmpty()) {
    statusBar()->showMessage(ExportiertMeldung(ziel.pfad, ziel.art));
    return true;
  }
  Rueckfragen().Meldung(this, fehler);
  return false;
}

bool CFeldfenster::GeaendertesFeldSichern() {
  if (!isWindowModified() || m_Pfade.isEmpty()) return true;
  const QString frage = QStringLiteral("Die Bohrungen des Feldes %1 sind geändert. Soll das Feld als Felddatei "
                                       "gespeichert werden?").arg(m_Feldname);
  switch (Rueckfragen().JaNeinAbbrechen(this, frage)) {
    case Rueckfrage::Antwort::Nein:
      return true;
    case Rueckfrage::Antwort::Abbrechen:
      return false;
    case Rueckfrage::Antwort::Ja:
      break;
  }
  const QStringList ziel = FeldWaehlen(this, Feldwahlart::Speichern);
  return !ziel.isEmpty() && FeldSpeichern(ziel.constFirst());
}

void CFeldfenster::closeEvent(QCloseEvent* e) {
  if (!GeaendertesFeldSichern()) {
    e->ignore();
    return;
  }
  ArbeiterBeenden();
  e->accept();
}

CFeldfenster* FeldfensterOeffnen(QWidget* hauptfenster, std::function<void(const QString&)> oeffnen) {
  auto* fenster = new CFeldfenster(hauptfenster);
  QObject::connect(fenster, &CFeldfenster::BohrungOeffnen, hauptfenster, [hauptfenster, oeffnen](const QString& pfad) {
    oeffnen(pfad);
    hauptfenster->raise();
    hauptfenster->activateWindow();
  });
  fenster->show();
  fenster->Hinzufuegen(FeldWaehlen(fenster, Feldwahlart::Bohrungen));
  return fenster;
}

}  // namespace zelvor
