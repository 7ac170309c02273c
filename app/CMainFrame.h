#pragma once
// The main window: menus, toolbar, status bar, context menu and the one visible view, table or graph.
#include <QHash>
#include <QMainWindow>
#include <functional>
#include <map>

#include "app/ZuletztGeoeffnet.h"

class QAction;
class QLabel;
class QMenu;
class QMimeData;
class QStackedWidget;
class QToolBar;

namespace zelvor {

class CAnsicht;
class CGrafik;
class CZelvorView;
class Dokumentsteuerung;

class CMainFrame : public QMainWindow {
  Q_OBJECT
 public:
  // View identities for the switch.
  enum { ANSICHT_TABELLE = 1, ANSICHT_GRAFIK = 2, ANSICHT_LIEFERFAEHIGKEIT = 3, ANSICHT_PROGNOSE = 4,
         ANSICHT_MATERIALBILANZ = 5, ANSICHT_SPEICHERKENNLINIEN = 6, ANSICHT_RUECKGANG = 7 };

  explicit CMainFrame(Dokumentsteuerung& dokument, QWidget* parent = nullptr);

  // The command with this identity, as menu, toolbar and keys share it.
  QAction* Aktion(int id) const { return m_Aktionen.value(id); }
  CAnsicht* GetActiveView() const { return m_Aktiv; }
  CZelvorView* Tabelle() const { return m_Tabelle; }
  CGrafik* Grafik() const;  // null until first shown
  // View n, or null until it was first shown.
  CAnsicht* Ansicht(int n) const;
  QMenu* Kontextmenue() const { return m_Kontext; }
  QLabel* Meldungsfeld() const { return m_Meldung; }

  // Shows view n (ANSICHT_...), creating it on its first showing.
  void AnsichtWechseln(int n);
  // Opens a well after offering to save the current one.
  bool DateiOeffnen(const QString& pfad);
  // Files dropped on the window: opens the first local one once the drop has ended. False when the drop
  // holds none.
  bool Ablegen(const QMimeData& daten);
  // Enables and checks the commands from the current state.
  void BefehleAktualisieren();
  void LetzteDateienAktualisieren();

 protected:
  void closeEvent(QCloseEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dropEvent(QDropEvent* e) override;

 private:
  QAction* NeueAktion(int id, const QString& text, const QString& prompt, const QString& symbol = {});
  void MenuesAnlegen();
  void SymbolleisteAnlegen();
  void StatusleisteAnlegen();
  void KontextmenueAnlegen();
  void TitelAktualisieren();
  // A view kind beyond the table: the command that shows it (enabled exactly while another view is
  // shown) and how it is made on its first showing.
  using Ansichtserzeuger = std::function<CAnsicht*(QWidget* eltern)>;
  void AnsichtsartAnmelden(int n, int befehl, Ansichtserzeuger erzeugen);
  void AlleAnsichten(const std::function<void(CAnsicht&)>& tun) const;

  void OnFileOpen();
  void OnOnlineHilfe();
  void OnAppAbout();
  void OnFilePrintSetup();

  Dokumentsteuerung& m_Dokument;
  QHash<int, QAction*> m_Aktionen;
  QList<QAction*> m_LetzteAktionen;
  QStackedWidget* m_Stapel = nullptr;
  CZelvorView* m_Tabelle = nullptr;
  CAnsicht* m_Aktiv = nullptr;
  struct Ansichtsart {
    int befehl = 0;
    Ansichtserzeuger erzeugen;
    CAnsicht* ansicht = nullptr;  // once created, kept for the frame's life
  };
  std::map<int, Ansichtsart> m_Arten;  // by view identity, the table included
  QToolBar* m_Symbolleiste = nullptr;
  QMenu* m_Kontext = nullptr;
  QLabel* m_Meldung = nullptr;
  ZuletztGeoeffnet m_Letzte;
};

}  // namespace zelvor
