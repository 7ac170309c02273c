#pragma once
// The forecast settings dialog: p_min, plateau and abandonment rate, C model and step count, laid out
// in dialog units in the input dialog's font. The core reads and checks the fields; the dialog shows
// what it answers and puts the focus where the user must correct it.
#include <QDialog>

#include "dialogs/DialogDienste.h"
#include "doc/Prognoseeinstellungen.h"
#include "doc/Speichereinstellungen.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zelvor {

class DlgPrognose : public QDialog {
  Q_OBJECT

 public:
  // variablerC: the run has the line C(Gp) (input option "Variabler C-Wert"). injektion: the well is an
  // injection well; the dialog then shows the injection settings in place of the production ones.
  // Services left empty fall back to StandardDienste().
  // speicher: an injection well's storage settings, shown in a group of their own beside the injection
  // settings and checked against the gas in place ogip.
  DlgPrognose(const Prognoseeinstellungen& einstellungen, bool variablerC, DialogDienste dienste = {},
              QWidget* besitzer = nullptr, bool injektion = false, const Speichereinstellungen* speicher = nullptr,
              double ogip = 0);

  // The settings shown at the start; after an accepted OK, the ones read from the fields.
  const Prognoseeinstellungen& Einstellungen() const { return m_Einstellungen; }
  const Speichereinstellungen& Speicher() const { return m_Speicher; }
  // The storage fields in the order of Speicherangaben(); empty without storage settings.
  const std::vector<QLineEdit*>& Speicherfelder() const { return m_Speicherfelder; }

  QLineEdit* Feld(Prognosefeld feld) const;  // null for the model and the other kind's fields
  QRadioButton* Modellknopf(Prognosemodell m) const;
  QPushButton* OkKnopf() const { return m_Ok; }
  QPushButton* AbbrechenKnopf() const { return m_Abbrechen; }

  // Reads the fields; closes with Accepted when they pass, else says why and stays open.
  void OnOk();

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  void Anlegen(bool variablerC);
  void SpeicherfelderAnlegen();
  Prognosefelder Felder() const;
  void Zeigen();
  Prognosemodell GewaehltesModell() const;

  DialogDienste m_Dienste;
  Prognoseeinstellungen m_Einstellungen;
  bool m_Injektion = false;
  // Production: p_min, plateau, abandonment; injection: p_max, planned rate, minimum rate (and m_PresMax).
  QLineEdit* m_Pmin = nullptr;
  QLineEdit* m_QPlan = nullptr;
  QLineEdit* m_QEnde = nullptr;
  QLineEdit* m_PresMax = nullptr;
  QLineEdit* m_Schritte = nullptr;
  QRadioButton* m_Modelle[PROGNOSEMODELL_ANZAHL] = {};
  QPushButton* m_Ok = nullptr;
  QPushButton* m_Abbrechen = nullptr;
  Speichereinstellungen m_Speicher;
  double m_Ogip = 0;
  std::vector<QLineEdit*> m_Speicherfelder;
};

// Runs the dialog over `einstellungen`; on OK they become the dialog's and the result is true, on
// cancel they stay as they were.
// With speicher (an injection well's), its storage settings are edited with them.
bool PrognoseDialogAusfuehren(QWidget* besitzer, Prognoseeinstellungen& einstellungen, bool variablerC,
                              const DialogDienste& dienste, bool injektion = false,
                              Speichereinstellungen* speicher = nullptr, double ogip = 0);

}  // namespace zelvor
