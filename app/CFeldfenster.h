#pragma once
// "Datei > Feldübersicht...": a window of its own with every well of a field in one table (sortable by any
// column) and the field's rate over time as a stacked diagram. The wells are computed off the
// user-interface thread (a std::thread running the core's pool); a progress bar shows how far it got and
// "Abbrechen" stops it promptly. A double-click on a row asks the main window to open that well.
#include <QMainWindow>
#include <QStringList>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <thread>

#include "feld/Feld.h"

class QAction;
class QLabel;
class QMimeData;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace zelvor {

class CFelddiagramm;
class Druckvorlage;

class CFeldfenster : public QMainWindow {
  Q_OBJECT
 public:
  explicit CFeldfenster(QWidget* eltern = nullptr);
  ~CFeldfenster() override;

  // Wells, folders and field files to add to the field; computes the field anew.
  void Hinzufuegen(const QStringList& angaben);
  // The wells of a field file replace the field's.
  bool FeldOeffnen(const QString& pfad);
  // Writes the field's wells as a field file; a failure is told to the user.
  bool FeldSpeichern(const QString& pfad);
  // Before the window closes: a changed list of wells is offered to be saved as a field file; false
  // when the user cancels (or the chosen file cannot be written).
  bool GeaendertesFeldSichern();
  // Takes these wells (paths as in Bohrungsdateien) out of the field without computing the others again;
  // the field is then changed against its field file. "Entfernen" (Entf, context menu) does it for the
  // marked rows.
  void Entfernen(const QStringList& dateien);
  void Abbrechen();
  // The gas-in-place match G* for every well (ten times the cost of the rest); computes anew.
  void AbgleichSetzen(bool mitAbgleich);
  // The permitted deviation of the EU indicator (percentage points, 0 to 15); only the site's storage
  // year is summed anew.
  void EuAbweichungSetzen(double punkte);
  double EuAbweichung() const { return m_EuAbweichung; }
  bool Rechnet() const { return m_Arbeiter.joinable() && !m_Fertig; }

  // The last complete or cancelled computation; null before the first.
  std::shared_ptr<const Feldergebnis> Ergebnis() const { return m_Ergebnis; }
  QStringList Bohrungsdateien() const { return m_Pfade; }
  QTableWidget* Tabelle() const { return m_Tabelle; }
  CFelddiagramm* Diagramm() const { return m_Diagramm; }
  QProgressBar* Fortschritt() const { return m_Fortschritt; }
  QString Feldname() const { return m_Feldname; }

  // Picture (PNG, SVG), pages (PDF) or the tables (CSV, workbook), as zelvor-cli feld writes them.
  bool Exportieren();
  std::unique_ptr<QMimeData> Kopierdaten() const;
  std::unique_ptr<Druckvorlage> Vorlage() const;

 signals:
  void BohrungOeffnen(const QString& pfad);
  // A computation ended, complete or cancelled.
  void Berechnet();

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  void AktionenAnlegen();
  void Starten();
  void ArbeiterBeenden();
  void Uebernehmen(std::uint64_t lauf, std::shared_ptr<const Feldergebnis> f);
  void TabelleFuellen();
  void ZustandAktualisieren();
  void AuswahlEntfernen();
  void TitelSetzen();
  void DiagrammSetzen();

  QStringList m_Angaben;  // as chosen: files, folders, field files
  QStringList m_Pfade;    // the wells they name, in the table's first order
  QString m_Feldname;
  QString m_Hinweis;  // folders and field files that could not be read
  std::shared_ptr<const Feldergebnis> m_Ergebnis;
  std::thread m_Arbeiter;
  std::shared_ptr<std::atomic<bool>> m_Abbruch;
  bool m_Fertig = true;
  bool m_MitAbgleich = false;
  double m_EuAbweichung = 0;
  std::uint64_t m_Lauf = 0;  // results of an earlier, replaced computation are dropped

  QTableWidget* m_Tabelle = nullptr;
  CFelddiagramm* m_Diagramm = nullptr;
  QProgressBar* m_Fortschritt = nullptr;
  QPushButton* m_Abbrechen = nullptr;
  QLabel* m_Meldung = nullptr;
  QList<QAction*> m_NurMitErgebnis;
  QAction* m_Abgleich = nullptr;
};

// Opens the field window beside the main window and asks for its wells; oeffnen is called with a well's
// path on a double-click.
CFeldfenster* FeldfensterOeffnen(QWidget* hauptfenster, std::function<void(const QString&)> oeffnen);

}  // namespace zelvor
