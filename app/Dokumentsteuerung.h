#pragma once
// The well document's desktop side: path name, title, modified flag, the commands the document owns
// (new, save, data entry, results file) and the notice to every view that it must redraw.
#include <QObject>
#include <QString>
#include <functional>
#include <string>

#include "doc/CZelvorDoc.h"
#include "doc/Dateizugriff.h"
#include "doc/Dateneingabe.h"

class QWidget;

namespace zelvor {

class Dokumentsteuerung : public QObject {
  Q_OBJECT
 public:
  // The input dialog: edits the values and returns true on OK.
  using Eingabe = std::function<bool(Eingabewerte& werte)>;
  // The forecast settings dialog: edits the settings and returns true on OK. variablerC: the run has
  // the line C(Gp); injektion: the well is an injection well, whose settings the dialog shows.
  // An injection well's storage settings are edited with them (checked against the gas in place ogip).
  using Prognoseeingabe = std::function<bool(Prognoseeinstellungen& einstellungen, bool variablerC, bool injektion,
                                             Speichereinstellungen& speicher, double ogip)>;

  // The surveys dialog: edits the list and returns true on OK.
  using Messungseingabe = std::function<bool(std::vector<Schliessdruckmessung>& messungen)>;
  // The aquifer dialog: edits the settings and returns true on OK.
  using Aquifereingabe = std::function<bool(Aquiferdaten& daten)>;

  explicit Dokumentsteuerung(QObject* parent = nullptr);

  CZelvorDoc& Doc() { return m_Doc; }
  const CZelvorDoc& Doc() const { return m_Doc; }

  // The window that owns message boxes and dialogs.
  void BesitzerSetzen(QWidget* besitzer) { m_Besitzer = besitzer; }
  void EingabeSetzen(Eingabe eingabe) { m_Eingabe = std::move(eingabe); }
  void PrognoseeingabeSetzen(Prognoseeingabe eingabe) { m_Prognoseeingabe = std::move(eingabe); }
  void MessungseingabeSetzen(Messungseingabe eingabe) { m_Messungseingabe = std::move(eingabe); }
  void AquifereingabeSetzen(Aquifereingabe eingabe) { m_Aquifereingabe = std::move(eingabe); }

  QString PathName() const { return m_Pfad; }
  // The file name, or "Unbenannt" for a well never saved.
  QString GetTitle() const;
  std::string Titel() const { return GetTitle().toStdString(); }
  bool IsModified() const { return m_bModified; }
  void SetModifiedFlag(bool modified = true);

  // Start-up and the framework's New: the defaults, untitled, unmodified; no dialog, no evaluation.
  void OnNewDocument();
  // "Neu": offers to save a modified well, then the defaults under no name, then the input dialog.
  void OnFileNew();
  // Reads a well file, runs the data entry, and the well then bears the file's name; it counts as modified
  // only when the data entry left it different from the file.
  // mitEingabe false skips the data entry but still evaluates (printing from the command line).
  // False, with a message and the open well untouched, when the file cannot be read; a file that ends
  // too early resets to a new well (it was partly read) and says so.
  bool OnOpenDocument(const QString& pfad, bool mitEingabe = true);
  // Save under the known name, or ask for one. False when nothing was saved. When the file was changed on
  // disk since it was opened or saved here (another program, zelvor-cli set), a question comes first and
  // only Ja overwrites it.
  bool OnFileSave();
  bool OnFileSaveAs();
  bool OnSaveDocument(const QString& pfad);
  // Before the well is replaced or the program ends: Yes saves, No drops the changes, Cancel stops.
  bool SaveModified();

  void OnDatenAendern();
  void OnErgebnisseAusgeben();
  void OnErgebnisseEinlesen();
  // "Förderprognose...": the settings dialog; on OK the well keeps its settings and counts as modified
  // when they changed.
  void OnPrognoseEinstellungen();
  // "Schließdruckmessungen...": the surveys dialog; on OK the well keeps the list and counts as modified
  // when it changed.
  void OnMessungen();
  // "Aquifer...": the aquifer dialog; on OK the well keeps the settings, counts as modified when they
  // changed and is evaluated again.
  void OnAquifer();
  // "Gasvorrat übernehmen": asks whether the matched gas in place becomes the well's OGIP; Ja sets it,
  // marks the well modified, evaluates and redraws, Nein changes nothing. With a material balance of
  // the shut-in surveys as well, Ja takes the flowing match, Nein the surveys' value, Abbrechen neither.
  void OnGasvorratUebernehmen();
  // The last run's gas in place could be matched (from the flowing data or the surveys): the command
  // is offered.
  bool GasvorratAbgeglichen() const;

  void UpdateAllViews() { emit AnsichtenAktualisieren(); }

 signals:
  void AnsichtenAktualisieren();
  // A file was opened: every view runs its initial update again.
  void AnsichtenNeuInitialisieren();
  // Title or modified flag changed.
  void TitelGeaendert();
  // A file was opened or saved under this path (for the recent-file list), or could not be opened.
  void DateiBenutzt(const QString& pfad);
  void DateiUnbrauchbar(const QString& pfad);

 private:
  void PfadSetzen(const QString& pfad);
  // False when the file at pfad was changed since and the user keeps it.
  bool UeberschreibenErlaubt(const QString& pfad);

  CZelvorDoc m_Doc;
  QString m_Pfad;
  Dateistand m_Dateistand;  // of m_Pfad when it was last read or written here
  bool m_bModified = false;
  QWidget* m_Besitzer = nullptr;
  Eingabe m_Eingabe;
  Prognoseeingabe m_Prognoseeingabe;
  Messungseingabe m_Messungseingabe;
  Aquifereingabe m_Aquifereingabe;
};

}  // namespace zelvor
