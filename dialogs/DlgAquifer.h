#pragma once
// The dialog "Aquifer...": the aquifer model behind the reservoir and its data, each field offered
// only when the chosen model uses it. The core reads and checks the texts (the same rules and sentences
// as `zelvor-cli set`); the dialog shows what it answers and puts the focus on the field it names.
#include <QDialog>
#include <vector>

#include "calc/Aquiferdaten.h"
#include "dialogs/DialogDienste.h"

class QComboBox;
class QPushButton;

namespace zelvor {

class DlgAquifer : public QDialog {
 public:
  // Services left empty fall back to StandardDienste().
  explicit DlgAquifer(const Aquiferdaten& daten, DialogDienste dienste = {}, QWidget* besitzer = nullptr);

  // The settings shown at the start; after an accepted OK, the ones read from the fields.
  const Aquiferdaten& Daten() const { return m_Daten; }
  // One widget per setting of Aquiferangaben(), in its order: the model and the form as combo boxes,
  // the others as line edits.
  const std::vector<QWidget*>& Felder() const { return m_Felder; }
  QWidget* Feld(const char* name) const;
  QComboBox* Modellwahl() const;
  QPushButton* OkKnopf() const { return m_Ok; }

  // Reads the fields; closes with Accepted when they pass, else says why and stays open.
  void OnOk();

 private:
  void Anlegen();
  void Freigeben();  // enables the fields the chosen model uses
  std::vector<std::string> Texte() const;

  DialogDienste m_Dienste;
  Aquiferdaten m_Daten;
  std::vector<QWidget*> m_Felder;
  QPushButton* m_Ok = nullptr;
};

// Runs the dialog over `daten`; on OK they become the dialog's and the result is true.
bool AquiferDialogAusfuehren(QWidget* besitzer, Aquiferdaten& daten, const DialogDienste& dienste);

}  // namespace zelvor
