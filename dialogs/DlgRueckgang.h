#pragma once
// The dialog "Förderrückgang...": the decline analysis's settings (model, start of the fitted period,
// economic limit, terminal decline, outliers). The core reads and checks the texts with the same rules
// and sentences as `zelvor-cli set`; the dialog shows what it answers and puts the focus on that field.
#include <QDialog>
#include <vector>

#include "dialogs/DialogDienste.h"
#include "doc/Rueckgangseinstellungen.h"

class QPushButton;

namespace zelvor {

class DlgRueckgang : public QDialog {
 public:
  explicit DlgRueckgang(const Rueckgangseinstellungen& e, DialogDienste dienste = {}, QWidget* besitzer = nullptr);

  const Rueckgangseinstellungen& Einstellungen() const { return m_E; }
  // One widget per setting of Rueckgangsangaben(), in its order: the model a combo box, the rest line edits.
  const std::vector<QWidget*>& Felder() const { return m_Felder; }
  QPushButton* OkKnopf() const { return m_Ok; }

  // Reads the fields; closes with Accepted when they pass, else says why and stays open.
  void OnOk();

 private:
  DialogDienste m_Dienste;
  Rueckgangseinstellungen m_E;
  std::vector<QWidget*> m_Felder;
  QPushButton* m_Ok = nullptr;
};

// Runs the dialog over `e`; on OK they become the dialog's and the result is true.
bool RueckgangDialogAusfuehren(QWidget* besitzer, Rueckgangseinstellungen& e, const DialogDienste& dienste);

}  // namespace zelvor
