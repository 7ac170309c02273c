#pragma once
// The input dialog: every input of one well, the rate lines with their editing and import, the A1/B1
// proposal. Its members mirror the well's inputs (Eingabemaske); the rules behind the controls live in
// the core, the dialog copies members to controls and back and shows what the core answers.
#include <QDialog>
#include <QHash>

#include "dialogs/DialogDienste.h"
#include "doc/Dateneingabe.h"
#include "doc/Eingabemaske.h"
#include "doc/Ratenliste.h"

class QLineEdit;
class QListWidget;

namespace zelvor {

// The item data role that holds a list line's date text.
inline constexpr int DATUMSROLLE = Qt::UserRole + 1;

class DlgInput : public QDialog, public Eingabemaske {
  Q_OBJECT

 public:
  // Services left empty fall back to StandardDienste().
  explicit DlgInput(DialogDienste dienste = {}, QWidget* besitzer = nullptr);
  ~DlgInput() override;

  // The data exchange. Read (true): every bound control into its member in the exchange order; at the
  // first field that is no number or out of range the user is told, the focus goes into that field and
  // the read stops with false. Show (false): every member into its control.
  bool UpdateData(bool lesen = true);

  QWidget* Element(int id) const { return m_Elemente.value(id); }
  QLineEdit* Eingabefeld(int id) const;

  // The checks of the OK button, in their order; true when the well passes. Shows the first failure.
  bool EingabenPruefen();

  // Handlers, as the controls call them.
  void OnInitDialog();
  void OnOk();
  void OnKillfocusKomponente();
  void OnDblclkListe();
  void OnKillfocusZeile();
  // The date field is left: an impossible date is refused with a message (the field keeps the text); a
  // date for the line chosen by double-click becomes that line's date.
  void OnKillfocusDatum();
  void OnZeileAendern() { OptionWaehlen(ZEILE_AENDERN); }
  void OnZeileAnhaengen() { OptionWaehlen(ZEILE_ANHAENGEN); }
  void OnZeileEinfuegen() { OptionWaehlen(ZEILE_EINFUEGEN); }
  void OnZeileLoeschen() { OptionWaehlen(ZEILE_LOESCHEN); }
  void FileOpen();
  void OnEinfuegen();
  void BerechneA1B1();
  void OnInjektion();
  void OnHilfe();

  QListWidget* m_Liste = nullptr;  // the rate lines, control 1028

 protected:
  void showEvent(QShowEvent* ereignis) override;
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;
  void done(int ergebnis) override;

 private:
  // While a handler runs, the focus changes it causes (a box opens, a read puts the focus into a bad
  // field) do not count as the user leaving a field.
  class Beschaeftigt {
   public:
    explicit Beschaeftigt(DlgInput& d) : m_d(d) { ++m_d.m_nBeschaeftigt; }
    ~Beschaeftigt() { --m_d.m_nBeschaeftigt; }
    Beschaeftigt(const Beschaeftigt&) = delete;
    Beschaeftigt& operator=(const Beschaeftigt&) = delete;

   private:
    DlgInput& m_d;
  };

  void OptionWaehlen(int option);
  // The line field loses the focus. A box it shows takes the mouse release of the click that left the
  // field; the click on OK, an option button or a list line is then carried out after the box. A click on
  // "Abbrechen" discards the dialog and asks nothing.
  void ZeileVerlassen(Qt::FocusReason grund);
  // gemeldet: the line was refused with a message (not asked about).
  void KlickNachholen(QWidget* ziel, QPoint listenpunkt, bool gemeldet);
  // Shows the option group only, as the option handlers change nothing else.
  void OptionenZeigen();
  void Meldung(const std::string& text);
  // After a paste or an import: a status too long for its line (the note about rows after an empty
  // row) is shown whole in a message box as well; the status line keeps it as its tooltip.
  void LangenStatusMelden();
  bool Frage(const std::string& text);
  void FeldZeigen(int id);
  int AusgewaehlteZeile() const;
  CStringArray Listenzeilen() const;
  void ListeSetzen(const Ratenliste& liste);
  // Each list line's date from m_RatenDatum, shown beside its text.
  void DatenZeigen();

  DialogDienste m_Dienste;
  QHash<int, QWidget*> m_Elemente;
  bool m_bGestartet = false;
  bool m_bBeendet = false;
  int m_nBeschaeftigt = 0;  // handlers running; focus changes they cause are not the user's
  int m_nBoxen = 0;         // message boxes and questions shown so far
  int m_nMeldungen = 0;     // of these, the message boxes
};

// The data entry: the dialog starts with `werte`; on OK they become the dialog's members (with the flag
// for edited rate lines) and the result is true; on cancel `werte` stay as they were.
bool EingabeDialogAusfuehren(QWidget* besitzer, Eingabewerte& werte, const DialogDienste& dienste);

}  // namespace zelvor
