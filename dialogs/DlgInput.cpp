#include "dialogs/DlgInput.h"

#include <QAction>
#include <QCheckBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QPainter>
#include <QStyledItemDelegate>

#include "calc/A1B1Vorschlag.h"
#include "dialogs/Alttaste.h"
#include "dialogs/DlgInputVorlage.h"

namespace zelvor {
namespace {

// The list's lines stand two pixels further apart than the style would set them. Each line's date
// (DATUMSROLLE) is drawn at the right, beside the line's own text, which stays as it is.
class Zeilenabstand : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return QStyledItemDelegate::sizeHint(option, index) + QSize(0, 2);
  }
  void paint(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyledItemDelegate::paint(maler, option, index);
    const QString datum = index.data(DATUMSROLLE).toString();
    if (datum.isEmpty()) return;
    maler->save();
    maler->setPen(option.palette.color(option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    maler->drawText(option.rect.adjusted(0, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter, datum);
    maler->restore();
  }
};

QString AlsQString(const std::string& text) { return QString::fromStdString(text); }

bool IstKomponentenfeld(int id) {
  for (int k : KOMPONENTEN_FELDER)
    if (k == id) return true;
  return false;
}

}  // namespace

DlgInput::DlgInput(DialogDienste dienste, QWidget* besitzer) : QDialog(besitzer), m_Dienste(std::move(dienste)) {
  const DialogDienste standard = StandardDienste();
  if (!m_Dienste.meldung) m_Dienste.meldung = standard.meldung;
  if (!m_Dienste.frage) m_Dienste.frage = standard.frage;
  if (!m_Dienste.hilfe) m_Dienste.hilfe = standard.hilfe;
  if (!m_Dienste.ratendateiWaehlen) m_Dienste.ratendateiWaehlen = standard.ratendateiWaehlen;
  if (!m_Dienste.zwischenablage) m_Dienste.zwischenablage = standard.zwischenablage;

  m_Elemente = DlgInputAnlegen(*this);
  m_Liste = qobject_cast<QListWidget*>(Element(IDC_LISTE));
  m_Liste->setItemDelegate(new Zeilenabstand(m_Liste));
  m_Liste->viewport()->installEventFilter(this);
  // A status longer than its line breaks between words instead of in the middle of one.
  qobject_cast<QLabel*>(Element(IDC_STATUS))->setWordWrap(true);
  // Rate lines pasted from a spreadsheet: Ctrl+V in the list, or its context menu.
  auto* einfuegen = new QAction(QStringLiteral("Einfügen"), m_Liste);
  einfuegen->setShortcut(QKeySequence::Paste);
  einfuegen->setShortcutContext(Qt::WidgetShortcut);
  m_Liste->addAction(einfuegen);
  m_Liste->setContextMenuPolicy(Qt::ActionsContextMenu);
  connect(einfuegen, &QAction::triggered, this, &DlgInput::OnEinfuegen);
  // Every field, for the Alt keys that no mnemonic takes; the composition fields and the line field
  // also for being left.
  for (QLineEdit* feld : findChildren<QLineEdit*>()) feld->installEventFilter(this);

  const auto knopf = [this](int id) { return qobject_cast<QAbstractButton*>(Element(id)); };
  connect(knopf(IDC_OK), &QAbstractButton::clicked, this, &DlgInput::OnOk);
  connect(knopf(IDC_ABBRECHEN), &QAbstractButton::clicked, this, &QDialog::reject);
  connect(knopf(IDC_RATENDATEI), &QAbstractButton::clicked, this, &DlgInput::FileOpen);
  connect(knopf(IDC_A1B1), &QAbstractButton::clicked, this, &DlgInput::BerechneA1B1);
  connect(knopf(IDC_INJEKTION), &QAbstractButton::clicked, this, &DlgInput::OnInjektion);
  connect(knopf(IDC_HILFE), &QAbstractButton::clicked, this, &DlgInput::OnHilfe);
  connect(knopf(IDC_ZEILE_AENDERN), &QAbstractButton::clicked, this, &DlgInput::OnZeileAendern);
  connect(knopf(IDC_ZEILE_ANHAENGEN), &QAbstractButton::clicked, this, &DlgInput::OnZeileAnhaengen);
  connect(knopf(IDC_ZEILE_EINFUEGEN), &QAbstractButton::clicked, this, &DlgInput::OnZeileEinfuegen);
  connect(knopf(IDC_ZEILE_LOESCHEN), &QAbstractButton::clicked, this, &DlgInput::OnZeileLoeschen);
}

DlgInput::~DlgInput() { m_bBeendet = true; }

QLineEdit* DlgInput::Eingabefeld(int id) const { return qobject_cast<QLineEdit*>(Element(id)); }

bool DlgInput::UpdateData(bool lesen) {
  Beschaeftigt b(*this);
  for (const Austauschfeld& f : Austauschfelder()) {
    QWidget* w = Element(f.id);
    switch (f.art) {
      case Austauschart::Liste:
        break;
      case Austauschart::Text:
      case Austauschart::Zahl: {
        if (!lesen) {
          FeldZeigen(f.id);
          break;
        }
        auto* feld = qobject_cast<QLineEdit*>(w);
        const QString text = feld ? feld->text() : qobject_cast<QLabel*>(w)->text();
        if (const auto meldung = FeldLesen(*this, f.id, text.toStdString())) {
          Meldung(*meldung);
          w->setFocus(Qt::OtherFocusReason);
          if (feld) feld->selectAll();
          return false;
        }
        break;
      }
      case Austauschart::Optionsgruppe: {
        if (lesen) {
          m_Option = -1;
          for (int i = 0; i < static_cast<int>(OPTIONSFELDER.size()); ++i)
            if (qobject_cast<QRadioButton*>(Element(OPTIONSFELDER[i]))->isChecked()) m_Option = i;
        } else {
          OptionenZeigen();
        }
        break;
      }
      case Austauschart::Schalter: {
        auto* s = qobject_cast<QCheckBox*>(w);
        if (lesen)
          Schalter(*this, f.id) = s->isChecked() ? 1 : 0;
        else
          s->setChecked(Schalter(*this, f.id) != 0);
        break;
      }
    }
  }
  return true;
}

void DlgInput::OptionenZeigen() {
  // An exclusive group cannot uncheck its last button; -1 means none checked.
  for (int i = 0; i < static_cast<int>(OPTIONSFELDER.size()); ++i) {
    auto* o = qobject_cast<QRadioButton*>(Element(OPTIONSFELDER[i]));
    o->setAutoExclusive(false);
    o->setChecked(i == m_Option);
    o->setAutoExclusive(true);
  }
}

void DlgInput::FeldZeigen(int id) {
  const QString text = AlsQString(FeldText(*this, id));
  if (auto* feld = Eingabefeld(id)) {
    if (feld->text() == text) return;  // keeps the user's cursor where it is
    feld->setText(text);
    feld->setCursorPosition(0);
  } else if (auto* label = qobject_cast<QLabel*>(Element(id))) {
    label->setText(text);
    // The status line shows what fits of a long text; the whole of it on pointing at it.
    if (id == IDC_STATUS) label->setToolTip(text);
  }
}

void DlgInput::LangenStatusMelden() {
  auto* status = qobject_cast<QLabel*>(Element(IDC_STATUS));
  const QString text = AlsQString(m_Status);
  if (status->fontMetrics().horizontalAdvance(text) > status->width()) Meldung(m_Status);
}

void DlgInput::showEvent(QShowEvent* ereignis) {
  if (!m_bGestartet && !ereignis->spontaneous()) {
    m_bGestartet = true;
    OnInitDialog();
  }
  QDialog::showEvent(ereignis);
}

void DlgInput::OnInitDialog() {
  Beschaeftigt b(*this);
  UpdateData(false);
  m_bGeaendert = 0;
  KomponentenVerteilen(*this);
  m_Option = ZEILE_AENDERN;
  m_nAuswahl = -1;
  m_nDatumszeile = -1;
  m_Liste->clear();
  for (const std::string& zeile : m_Ratenzeilen) m_Liste->addItem(AlsQString(zeile));
  DatenZeigen();
  m_bGeaendert = 0;
  UpdateData(false);
  Element(IDC_GASBOHRUNG)->setFocus(Qt::OtherFocusReason);
}

bool DlgInput::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (ereignis->type() == QEvent::MouseButtonDblClick && objekt == m_Liste->viewport()) {
    OnDblclkListe();
    return true;
  }
  if (AltTasteOhneMnemonik(objekt, ereignis)) return true;
  // Leaving a field: by a click, Tab, or the dialog losing the focus; not by the field's own context
  // menu, and not while the dialog ends.
  if (ereignis->type() == QEvent::FocusOut && m_nBeschaeftigt == 0 && !m_bBeendet && isVisible() &&
      static_cast<QFocusEvent*>(ereignis)->reason() != Qt::PopupFocusReason) {
    if (objekt == Element(IDC_ZEILE))
      ZeileVerlassen(static_cast<QFocusEvent*>(ereignis)->reason());
    else if (objekt == Element(IDC_DATUM))
      OnKillfocusDatum();
    else if (IstKomponentenfeld(m_Elemente.key(static_cast<QWidget*>(objekt), 0)))
      OnKillfocusKomponente();
  }
  return QDialog::eventFilter(objekt, ereignis);
}

void DlgInput::done(int ergebnis) {
  m_bBeendet = true;
  QDialog::done(ergebnis);
}

void DlgInput::Meldung(const std::string& text) {
  ++m_nBoxen;
  ++m_nMeldungen;
  m_Dienste.meldung(this, AlsQString(text));
}

bool DlgInput::Frage(const std::string& text) {
  ++m_nBoxen;
  return m_Dienste.frage(this, AlsQString(text));
}

void DlgInput::OnKillfocusKomponente() {
  Beschaeftigt b(*this);
  UpdateData(true);
  KomponentenUebernehmen(*this);
  // Only the sum is shown anew: a read that stopped at a bad field left the members after it as they
  // were, and showing them would silently undo what the user typed there.
  FeldZeigen(IDC_SUMME);
}

bool DlgInput::EingabenPruefen() {
  Beschaeftigt b(*this);
  // A field that cannot be read has been reported and holds the focus. Going on would show the old value
  // over what the user typed and close the dialog with it, as if the entry had been accepted.
  if (!UpdateData(true)) return false;
  KomponentenUebernehmen(*this);
  if (const auto meldung = zelvor::EingabenPruefen(static_cast<const Eingabemaske&>(*this))) {
    Meldung(*meldung);
    return false;
  }
  UpdateData(false);
  return true;
}

void DlgInput::OnOk() {
  Beschaeftigt b(*this);
  // Enter in the line field presses OK while the field keeps the focus, so it is never left: the line
  // is taken first, as a click on OK does by leaving the field. A line refused with a message keeps the
  // dialog open for its correction.
  if (focusWidget() == Element(IDC_ZEILE) && !m_bBeendet) {
    const int meldungen = m_nMeldungen;
    OnKillfocusZeile();
    if (m_nMeldungen != meldungen) {
      Element(IDC_ZEILE)->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
  // Whatever the date field holds goes to its line before the dialog closes, whether the field was
  // left (Tab, a click) or not (Enter, or a window that never saw it lose the focus); an impossible
  // date keeps the dialog open.
  if (!m_bBeendet) {
    const int meldungen = m_nMeldungen;
    OnKillfocusDatum();
    if (m_nMeldungen != meldungen) {
      Element(IDC_DATUM)->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
  if (!EingabenPruefen()) return;
  if (UpdateData(true)) accept();
}

void DlgInput::OnHilfe() {
  Beschaeftigt b(*this);
  if (!m_Dienste.hilfe(this, HILFEKONTEXT_EINGABE)) Meldung("Onlinehilfe nicht gefunden!");
}

void DlgInput::OnInjektion() {
  // The member follows the box without a read, so that a show does not undo the click.
  m_bInjektion = m_bInjektion ? 0 : 1;
}

void DlgInput::BerechneA1B1() {
  Beschaeftigt b(*this);
  UpdateData(true);
  const A1B1Vorschlag v = A1B1Berechnen(A1B1EingabenAus(*this));
  if (!v.gueltig) {
    if (!v.meldung.empty()) Meldung(v.meldung);
    return;
  }
  if (!Frage(A1B1Text(v, true))) return;
  m_A1 = v.a1;
  m_B1 = v.b1;
  UpdateData(false);
}

bool EingabeDialogAusfuehren(QWidget* besitzer, Eingabewerte& werte, const DialogDienste& dienste) {
  DlgInput dialog(dienste, besitzer);
  static_cast<Eingabewerte&>(dialog) = werte;
  if (dialog.exec() != QDialog::Accepted) return false;
  werte = static_cast<const Eingabewerte&>(dialog);
  return true;
}

}  // namespace zelvor
