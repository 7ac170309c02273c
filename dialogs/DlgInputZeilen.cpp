// The input dialog's rate lines: double-click, the four line options, the operation when the line field
// is left, the import of a rate file or spreadsheet, and pasting from the clipboard. The rules are the
// core's; here they meet the list control.
#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "dialogs/DlgInput.h"
#include "import/Ratenimport.h"

namespace zelvor {
namespace {

QString AlsQString(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

int DlgInput::AusgewaehlteZeile() const {
  const QList<QListWidgetItem*> auswahl = m_Liste->selectedItems();
  return auswahl.isEmpty() ? -1 : m_Liste->row(auswahl.front());
}

CStringArray DlgInput::Listenzeilen() const {
  CStringArray zeilen;
  zeilen.reserve(static_cast<std::size_t>(m_Liste->count()));
  for (int i = 0; i < m_Liste->count(); ++i) zeilen.push_back(m_Liste->item(i)->text().toStdString());
  return zeilen;
}

void DlgInput::ListeSetzen(const Ratenliste& liste) {
  const int n = static_cast<int>(liste.zeilen.size());
  for (int i = 0; i < n; ++i) {
    const QString text = AlsQString(liste.zeilen[static_cast<std::size_t>(i)]);
    if (i < m_Liste->count())
      m_Liste->item(i)->setText(text);
    else
      m_Liste->addItem(text);
  }
  while (m_Liste->count() > n) delete m_Liste->takeItem(m_Liste->count() - 1);
  m_RatenDatum = liste.daten;
  DatenZeigen();
  // Drawn anew at once: a changed line must not go on showing its old text beside the status that
  // reports the change.
  m_Liste->viewport()->update();
  m_Liste->clearSelection();
  m_Liste->setCurrentRow(liste.auswahl);
  if (liste.auswahl >= 0) m_Liste->scrollToItem(m_Liste->item(liste.auswahl));
}

void DlgInput::DatenZeigen() {
  for (int i = 0; i < m_Liste->count(); ++i)
    m_Liste->item(i)->setData(DATUMSROLLE, AlsQString(DatumsfeldText(ZeilenDatum(m_RatenDatum, static_cast<std::size_t>(i)))));
}

void DlgInput::OnKillfocusDatum() {
  Beschaeftigt b(*this);
  m_Datum = Eingabefeld(IDC_DATUM)->text().toStdString();
  const Datumsfeld f = DatumsfeldLesen(m_Datum);
  if (!f.gueltig) {
    Meldung(f.meldung);
    return;
  }
  // The line the date field belongs to takes the date at once; without one the date waits in the field
  // for the next appended or inserted line.
  if (m_nDatumszeile < 0) return;
  Ratenliste liste{Listenzeilen(), m_nAuswahl, m_RatenDatum};
  if (const auto status = DatumAendern(liste, m_nDatumszeile, f.datum)) {
    m_RatenDatum = liste.daten;
    m_bGeaendert = 1;
    m_Status = *status;
    DatenZeigen();
    m_Liste->viewport()->update();
    FeldZeigen(IDC_STATUS);
  }
}

void DlgInput::OnDblclkListe() {
  Beschaeftigt b(*this);
  m_nAuswahl = AusgewaehlteZeile();
  if (m_nAuswahl < 0) return;  // a double-click beside the lines: nothing to take
  m_Zeile = m_Liste->item(m_nAuswahl)->text().toStdString();
  m_nDatumszeile = m_nAuswahl;
  m_Datum = DatumsfeldText(ZeilenDatum(m_RatenDatum, static_cast<std::size_t>(m_nAuswahl)));
  Eingabefeld(IDC_DATUM)->setText(AlsQString(m_Datum));
  m_Status = AuswahlStatus(m_nAuswahl);
  // Only the two controls whose members changed: what was typed elsewhere stays as typed.
  FeldZeigen(IDC_ZEILE);
  FeldZeigen(IDC_STATUS);
  // On to the line field, its whole text selected for typing over.
  Element(IDC_ZEILE)->setFocus(Qt::TabFocusReason);
  Eingabefeld(IDC_ZEILE)->selectAll();
}

void DlgInput::OptionWaehlen(int option) {
  Beschaeftigt b(*this);
  m_Option = option;
  const std::string status = OptionStatus(static_cast<std::size_t>(m_Liste->count()));
  if (!status.empty()) m_Status = status;
  // Only the controls whose members changed: what was typed elsewhere stays as typed.
  OptionenZeigen();
  FeldZeigen(IDC_STATUS);
}

void DlgInput::ZeileVerlassen(Qt::FocusReason grund) {
  // Where the click that left the field goes, before the handler's boxes move the focus.
  QWidget* ziel = grund == Qt::MouseFocusReason ? QApplication::focusWidget() : nullptr;
  // "Abbrechen" discards the whole dialog, the pending line with it: no question that would keep the
  // dialog open.
  if (ziel && ziel == Element(IDC_ABBRECHEN)) return;
  const QPoint listenpunkt = m_Liste->viewport()->mapFromGlobal(QCursor::pos());
  const int boxen = m_nBoxen;
  const int meldungen = m_nMeldungen;
  OnKillfocusZeile();
  if (ziel && m_nBoxen != boxen) {
    // The click's own press reaches its control only after this handler; look at it then.
    QPointer<QWidget> z(ziel);
    const bool gemeldet = m_nMeldungen != meldungen;
    QTimer::singleShot(0, this, [this, z, listenpunkt, gemeldet] {
      if (z) KlickNachholen(z, listenpunkt, gemeldet);
    });
  }
}

void DlgInput::KlickNachholen(QWidget* ziel, QPoint listenpunkt, bool gemeldet) {
  if (m_bBeendet) return;
  for (int id : OPTIONSFELDER) {
    auto* knopf = qobject_cast<QRadioButton*>(Element(id));
    // Still drawn pressed: its release went to the box. The click is completed as the user made it.
    if (ziel == knopf && knopf->isDown()) {
      knopf->setDown(false);
      knopf->click();
      return;
    }
  }
  // OK goes on as OK once the line's question is answered; after a message about the line the dialog
  // stays open, so that the user can correct what was typed instead of losing it.
  if (auto* ok = qobject_cast<QAbstractButton*>(Element(IDC_OK)); ziel == ok && ok->isDown()) {
    ok->setDown(false);
    if (!gemeldet) ok->click();
    return;
  }
  if (ziel == m_Liste) {
    // The click on a list line selects that line, also when the box took the rest of it.
    QListWidgetItem* zeile = m_Liste->itemAt(listenpunkt);
    if (zeile && !zeile->isSelected()) {
      m_Liste->setCurrentItem(zeile);
      zeile->setSelected(true);
    }
  }
}

void DlgInput::OnKillfocusZeile() {
  Beschaeftigt b(*this);
  UpdateData(true);
  m_nAuswahl = AusgewaehlteZeile();
  const std::optional<std::string> bisher =
      m_nAuswahl >= 0 ? std::optional<std::string>(m_Liste->item(m_nAuswahl)->text().toStdString()) : std::nullopt;
  const Zeilenschritt schritt = ZeileVorbereiten(m_Zeile, m_Option, m_nAuswahl, bisher);
  if (!schritt.meldung.empty()) {
    Meldung(schritt.meldung);
    return;
  }
  if (schritt.unveraendert) {
    // Nothing changed: the field and the line keep their text, so that nothing typed is undone.
    m_Ratenzeilen = Listenzeilen();
    return;
  }
  m_Zeile = schritt.zeile;
  if (!schritt.hinweis.empty()) {
    // Refused for want of a selected line: say so where the line operations report.
    m_Status = schritt.hinweis;
    FeldZeigen(IDC_STATUS);
  } else if (!schritt.frage.empty()) {
    // The line's date comes from the date field; an impossible one stops the operation before its question.
    m_Datum = Eingabefeld(IDC_DATUM)->text().toStdString();
    const Datumsfeld datum = DatumsfeldLesen(m_Datum);
    if (!datum.gueltig) {
      Meldung(datum.meldung);
      m_Ratenzeilen = Listenzeilen();
      return;
    }
    if (!Frage(schritt.frage)) {
      m_Ratenzeilen = Listenzeilen();
      return;
    }
    Ratenliste liste{Listenzeilen(), m_nAuswahl, m_RatenDatum};
    if (const auto status = ZeileAusfuehren(liste, m_Option, m_Zeile, std::optional<std::optional<Tag>>(datum.datum))) {
      m_RatenDatum = liste.daten;
      m_nDatumszeile = liste.datumszeile;
      m_bGeaendert = 1;
      m_Status = *status;
      ListeSetzen(liste);
      // An appended line comes into sight at the end of the list.
      if (m_Option == ZEILE_ANHAENGEN) m_Liste->scrollToItem(m_Liste->item(m_Liste->count() - 1));
      UpdateData(false);
    }
  }
  m_Ratenzeilen = Listenzeilen();
}

void DlgInput::FileOpen() {
  Beschaeftigt b(*this);
  UpdateData(true);
  const QString pfad = m_Dienste.ratendateiWaehlen(this);
  if (pfad.isEmpty()) return;
  // From here on the previous lines are gone, whatever a rate file yields; a refused table or
  // workbook brings them back.
  const Ratenliste vorher{m_Ratenzeilen, AusgewaehlteZeile(), m_RatenDatum};
  m_Ratenzeilen.clear();
  m_RatenDatum.clear();
  m_nDatumszeile = -1;
  m_Liste->clear();
  Meldung(RatendateiOeffnenMeldung(pfad.toStdString()));
  const RatendateiImport import = RatenImportLesen(QFile::encodeName(pfad).toStdString());
  if (import.abgelehnt) {
    m_Ratenzeilen = vorher.zeilen;
    m_RatenDatum = vorher.daten;
    ListeSetzen(vorher);
    for (const std::string& meldung : import.meldungen) Meldung(meldung);
    return;
  }
  for (const std::string& zeile : import.zeilen) {
    m_Ratenzeilen.push_back(zeile);
    m_Liste->addItem(AlsQString(zeile));
  }
  m_RatenDatum = import.daten;
  DatenZeigen();
  if (import.geaendert) m_bGeaendert = 1;
  for (const std::string& meldung : import.meldungen) Meldung(meldung);
  if (import.leerzeileAbbruch) return;  // status and line field stay, nothing is shown anew
  m_Status = import.status;
  m_Zeile.assign(1, ' ');  // one blank
  UpdateData(false);
  LangenStatusMelden();
}

void DlgInput::OnEinfuegen() {
  Beschaeftigt b(*this);
  const Tabellenimport einfuegen = EinfuegetextLesen(m_Dienste.zwischenablage().toStdString());
  if (!einfuegen.uebernommen) {
    Meldung(einfuegen.meldung);
    return;
  }
  const bool ersetzen = Frage(EINFUEGEN_ERSETZEN);
  Ratenliste liste{Listenzeilen(), AusgewaehlteZeile(), m_RatenDatum};
  // Rows after an empty row are left out, as when a file is read: the status says so.
  m_Status = ZeilenEinfuegen(liste, einfuegen.zeilen, ersetzen, einfuegen.daten) + LeerzeilenHinweis(einfuegen.leerzeile);
  m_RatenDatum = liste.daten;
  if (ersetzen) m_nDatumszeile = -1;
  ListeSetzen(liste);
  // Appended lines come into sight at the end of the list.
  if (!ersetzen && m_Liste->count() > 0) m_Liste->scrollToItem(m_Liste->item(m_Liste->count() - 1));
  m_Ratenzeilen = Listenzeilen();
  m_bGeaendert = 1;
  FeldZeigen(IDC_STATUS);
  LangenStatusMelden();
}

}  // namespace zelvor
