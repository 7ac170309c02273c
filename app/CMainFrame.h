#pragma once
// The main window: menus, toolbar, status bar, context menu and the one visible view, table or graph.
#include <QHash>
#include <QMainWindow>

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
  enum { ANSICHT_TABELLE = 1, ANSICHT_GRAFIK = 2 };

  explicit CMainFrame(Dokumentsteuerung& dokument, QWidget* parent = nullptr);

  // The command with this identity, as menu, toolbar and keys share it.
  QAction* Aktion(int id) const { return m_Aktionen.value(id); }
  CAnsicht* GetActiveView() const { return m_Aktiv; }
  CZelvorView* Tabelle() const { return m_Tabelle; }
  CGrafik* Grafik() const { return m_Grafik; }  // null until first shown
  QMenu* Kontextmenue() const { return m_Kontext; }
  QLabel* Meldungsfeld() const { return m_Meldung; }

  // Shows view n (ANSICHT_TABELLE or ANSICHT_GRAFIK), creating it on its first showing.
  void AnsichtWechseln(int n);
  // Opens a well after offering to save the current one.
  bool DateiOeffnen(const QString& pfad);
  // Files dropped on the window: opens the first local one. False when the drop holds none.
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

  void OnFileOpen();
  void OnOnlineHilfe();
  void OnAppAbout();
  void OnFilePrintSetup();

  Dokumentsteuerung& m_Dokument;
  QHash<int, QAction*> m_Aktionen;
  QList<QAction*> m_LetzteAktionen;
  QStackedWidget* m_Stapel = nullptr;
  CZelvorView* m_Tabelle = nullptr;
  CGrafik* m_Grafik = nullptr;
  CAnsicht* m_Aktiv = nullptr;
  QToolBar* m_Symbolleiste = nullptr;
  QMenu* m_Kontext = nullptr;
  QLabel* m_Meldung = nullptr;
  ZuletztGeoeffnet m_Letzte;
};

}  // namespace zelvor
