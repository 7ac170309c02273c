#pragma once
// The dialog "Schließdruckmessungen": the well's shut-in pressure surveys as a table to type into, paste
// into (Ctrl+V, rows from a spreadsheet) and import into from the same kinds of files as rate lines.
// The core reads the rows and files; the dialog shows what it answers. A refused paste or import leaves
// the table as it was.
#include <QDialog>
#include <vector>

#include "dialogs/DialogDienste.h"
#include "doc/Schliessdruckmessung.h"

class QCheckBox;
class QTableWidget;

namespace zelvor {

class DlgMessungen : public QDialog {
 public:
  // Services left empty fall back to StandardDienste().
  explicit DlgMessungen(const std::vector<Schliessdruckmessung>& messungen, DialogDienste dienste = {},
                        QWidget* besitzer = nullptr);

  const std::vector<Schliessdruckmessung>& Messungen() const { return m_Messungen; }
  QTableWidget* Tabelle() const { return m_Tabelle; }
  // Pasted and imported pressures are wellhead shut-in pressures.
  QCheckBox* KopfdruckSchalter() const { return m_Kopf; }

  void OnEinfuegen();
  void OnImportieren();
  void OnZeileAnhaengen();
  void OnZeileLoeschen();
  // Reads the rows; closes with Accepted when they pass, else names the first bad row and stays open.
  void OnOk();

 private:
  void Zeigen(const std::vector<Schliessdruckmessung>& messungen);
  void Anhaengen(const std::vector<Schliessdruckmessung>& messungen);

  DialogDienste m_Dienste;
  std::vector<Schliessdruckmessung> m_Messungen;
  QTableWidget* m_Tabelle = nullptr;
  QCheckBox* m_Kopf = nullptr;
};

// Runs the dialog over `messungen`; on OK they become the dialog's and the result is true.
bool MessungsDialogAusfuehren(QWidget* besitzer, std::vector<Schliessdruckmessung>& messungen,
                              const DialogDienste& dienste);

}  // namespace zelvor
