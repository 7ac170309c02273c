#include "dialogs/DlgPrognose.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <iterator>
#include <span>
#include <vector>
#include <utility>

#include "dialogs/Alttaste.h"
#include "dialogs/Dialogeinheiten.h"

namespace zelvor {
namespace {

// The template in dialog units: labels left of their fields, vertically centred on them; the buttons
// top right, as in the input dialog.
struct Platz {
  int x, y, breite, hoehe;
};
constexpr int BREITE = 262, HOEHE = 140;
constexpr Platz FELDER[] = {{150, 7, 48, 14}, {150, 25, 48, 14}, {150, 43, 48, 14}, {150, 118, 48, 14}};
// An injection well's dialog has one field more: everything from the model on moves down a row.
constexpr int ZUSATZZEILE = 18;
constexpr int TEXT_X = 7, TEXT_BREITE = 140, TEXT_HOEHE = 8, TEXT_TIEFER = 3;
constexpr Platz RAHMEN = {7, 62, 191, 50};
constexpr Platz KNOPF_IM_RAHMEN = {7, 12, 170, 10};  // the first; the others 12 units below each other
constexpr int KNOPF_ABSTAND = 12;
constexpr Platz OK = {205, 7, 50, 14};
constexpr Platz ABBRECHEN = {205, 24, 50, 14};

QRect Rechteck(const Dialogeinheiten& du, const Platz& p) { return du.Rechteck(p.x, p.y, p.breite, p.hoehe); }

}  // namespace

DlgPrognose::DlgPrognose(const Prognoseeinstellungen& einstellungen, bool variablerC, DialogDienste dienste,
                         QWidget* besitzer, bool injektion, const Speichereinstellungen* speicher, double ogip)
    : QDialog(besitzer), m_Dienste(std::move(dienste)), m_Einstellungen(einstellungen), m_Injektion(injektion),
      m_Ogip(ogip) {
  if (!m_Dienste.meldung) m_Dienste.meldung = StandardDienste().meldung;
  if (speicher) m_Speicher = *speicher;
  Anlegen(variablerC);
  if (speicher && m_Injektion) SpeicherfelderAnlegen();
  Zeigen();
  connect(m_Ok, &QAbstractButton::clicked, this, &DlgPrognose::OnOk);
  connect(m_Abbrechen, &QAbstractButton::clicked, this, &QDialog::reject);
}

void DlgPrognose::Anlegen(bool variablerC) {
  setFont(DialogSchrift());
  setWindowTitle(QStringLiteral("Prognoseeinstellungen"));
  const Dialogeinheiten du(font());

  struct Eintrag {
    QLineEdit*& feld;
    const char* text;  // UTF-8, with the mnemonic
    Platz platz;
  };
  const int tiefer = m_Injektion ? ZUSATZZEILE : 0;
  const Platz schritte{FELDER[3].x, FELDER[3].y + tiefer, FELDER[3].breite, FELDER[3].hoehe};
  const Eintrag foerderung[] = {
      {m_Pmin, "Minimaler &Kopffließdruck p_min (bar)", FELDER[0]},
      {m_QPlan, "&Plateaurate Q_plan (m3/h, 0 = keine)", FELDER[1]},
      {m_QEnde, "&Aufgaberate Q_end (m3/h)", FELDER[2]},
      {m_Schritte, "Anzahl &Schritte K", schritte},
  };
  const Eintrag einspeicherung[] = {
      {m_Pmin, "Max. Kopf&injektionsdruck p_max (bar, 0 = p_i)", FELDER[0]},
      {m_QPlan, "G&eplante Injektionsrate (m3/h, 0 = max.)", FELDER[1]},
      {m_QEnde, "Mindest&rate der Injektion (m3/h)", FELDER[2]},
      {m_PresMax, "Max. &Lagerstättendruck (bar, 0 = p_i)", {FELDER[2].x, FELDER[2].y + ZUSATZZEILE, 48, 14}},
      {m_Schritte, "Anzahl &Schritte K", schritte},
  };
  for (const Eintrag& e : m_Injektion ? std::span<const Eintrag>(einspeicherung) : std::span<const Eintrag>(foerderung)) {
    e.feld = new QLineEdit(this);
    e.feld->setGeometry(Rechteck(du, e.platz));
    auto* text = new QLabel(QString::fromUtf8(e.text), this);
    text->setBuddy(e.feld);
    e.feld->installEventFilter(this);
    text->setGeometry(du.Rechteck(TEXT_X, e.platz.y + TEXT_TIEFER, TEXT_BREITE, TEXT_HOEHE));
  }

  auto* rahmen = new QGroupBox(QStringLiteral("C-Modell"), this);
  rahmen->setGeometry(Rechteck(du, {RAHMEN.x, RAHMEN.y + tiefer, RAHMEN.breite, RAHMEN.hoehe}));
  const char mnemonik[PROGNOSEMODELL_ANZAHL] = {'M', 'V', 'G'};  // each model's first letter
  for (int i = 0; i < PROGNOSEMODELL_ANZAHL; ++i) {
    const auto m = static_cast<Prognosemodell>(i);
    QString text = QString::fromStdString(PrognosemodellText(m));
    text.insert(text.indexOf(QLatin1Char(mnemonik[i])), QLatin1Char('&'));
    m_Modelle[i] = new QRadioButton(text, rahmen);
    Platz p = KNOPF_IM_RAHMEN;
    p.y += i * KNOPF_ABSTAND;
    m_Modelle[i]->setGeometry(Rechteck(du, p));
  }
  Modellknopf(Prognosemodell::Variabel)->setEnabled(VariablerCWaehlbar(m_Einstellungen, variablerC));

  m_Ok = new QPushButton(QStringLiteral("OK"), this);
  m_Ok->setDefault(true);
  m_Ok->setGeometry(Rechteck(du, OK));
  m_Abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
  m_Abbrechen->setGeometry(Rechteck(du, ABBRECHEN));

  // Tab goes down the form, then to the buttons.
  std::vector<QWidget*> folge = {m_Pmin, m_QPlan, m_QEnde};
  if (m_PresMax) folge.push_back(m_PresMax);
  folge.insert(folge.end(), {m_Modelle[0], m_Modelle[1], m_Modelle[2], m_Schritte, m_Ok, m_Abbrechen});
  for (std::size_t i = 1; i < folge.size(); ++i) setTabOrder(folge[i - 1], folge[i]);
  setFixedSize(du.X(BREITE), du.Y(HOEHE + tiefer));
}

void DlgPrognose::SpeicherfelderAnlegen() {
  const Dialogeinheiten du(font());
  // A group to the right of the injection settings; the dialog grows by its width.
  // Mnemonics the injection settings and the C models leave free.
  const char* texte[] = {"&Arbeitsgas (Mio m3, 0 = keiner)", "Kisse&ngas (Mio m3)", "Brenn&wert (kWh/m3, 0 = keiner)",
                         "Geplante A&usspeicherrate (m3/h)", "Einspeise&zeit (TT.MM.-TT.MM.)",
                         "Auss&peisezeit (TT.MM.-TT.MM.)", "Beginn des Speicher&jahres (TT.MM.JJJJ)",
                         "F&üllziele (gesetzlich | TT.MM.:%)", "Speicheranlage (&für Ausnahmen)",
                         "Anlage: ma&x. Einspeisung (m3/h)", "Anlage: max. Ausspeisung (m3/&h)"};
  const int ANZAHL = static_cast<int>(std::size(texte));
  const int links = BREITE + 4, zeile = 18;
  auto* rahmen = new QGroupBox(QStringLiteral("Speicher"), this);
  rahmen->setGeometry(du.Rechteck(links, 4, 250, 12 + zeile * ANZAHL));
  const std::vector<std::string> werte = SpeicherfelderAus(m_Speicher);
  QWidget* vorher = m_Schritte;
  for (int i = 0; i < ANZAHL; ++i) {
    auto* feld = new QLineEdit(QString::fromStdString(werte[static_cast<std::size_t>(i)]), rahmen);
    feld->setGeometry(du.Rechteck(140, 12 + i * zeile, i < 6 || i > 8 ? 60 : 104, 14));
    auto* text = new QLabel(QString::fromUtf8(texte[i]), rahmen);
    text->setBuddy(feld);
    text->setGeometry(du.Rechteck(6, 12 + i * zeile + TEXT_TIEFER, 132, TEXT_HOEHE));
    feld->installEventFilter(this);
    setTabOrder(vorher, feld);
    vorher = feld;
    m_Speicherfelder.push_back(feld);
  }
  setTabOrder(vorher, m_Ok);
  setFixedSize(width() + du.X(258), std::max(height(), du.Y(12 + zeile * ANZAHL + 10)));
}

void DlgPrognose::Zeigen() {
  const Prognosefelder f = PrognosefelderAus(m_Einstellungen);
  m_Pmin->setText(QString::fromStdString(m_Injektion ? f.pMax : f.pMin));
  m_QPlan->setText(QString::fromStdString(m_Injektion ? f.qInjektion : f.qPlan));
  m_QEnde->setText(QString::fromStdString(m_Injektion ? f.qMindest : f.qEnde));
  if (m_PresMax) m_PresMax->setText(QString::fromStdString(f.pResMax));
  m_Schritte->setText(QString::fromStdString(f.schritte));
  if (QRadioButton* k = Modellknopf(f.modell)) k->setChecked(true);
  m_Pmin->setFocus(Qt::OtherFocusReason);
  m_Pmin->selectAll();
}

bool DlgPrognose::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (AltTasteOhneMnemonik(objekt, ereignis)) return true;
  return QDialog::eventFilter(objekt, ereignis);
}

QLineEdit* DlgPrognose::Feld(Prognosefeld feld) const {
  switch (feld) {
    case Prognosefeld::Pmin: return m_Injektion ? nullptr : m_Pmin;
    case Prognosefeld::QPlan: return m_Injektion ? nullptr : m_QPlan;
    case Prognosefeld::QEnde: return m_Injektion ? nullptr : m_QEnde;
    case Prognosefeld::Pmax: return m_Injektion ? m_Pmin : nullptr;
    case Prognosefeld::QInjektion: return m_Injektion ? m_QPlan : nullptr;
    case Prognosefeld::QMindest: return m_Injektion ? m_QEnde : nullptr;
    case Prognosefeld::PresMax: return m_PresMax;
    case Prognosefeld::Schritte: return m_Schritte;
    case Prognosefeld::Modell: return nullptr;
  }
  return nullptr;
}

Prognosefelder DlgPrognose::Felder() const {
  Prognosefelder f = PrognosefelderAus(m_Einstellungen);
  (m_Injektion ? f.pMax : f.pMin) = m_Pmin->text().toStdString();
  (m_Injektion ? f.qInjektion : f.qPlan) = m_QPlan->text().toStdString();
  (m_Injektion ? f.qMindest : f.qEnde) = m_QEnde->text().toStdString();
  if (m_PresMax) f.pResMax = m_PresMax->text().toStdString();
  f.modell = GewaehltesModell();
  f.schritte = m_Schritte->text().toStdString();
  return f;
}

QRadioButton* DlgPrognose::Modellknopf(Prognosemodell m) const {
  const auto i = static_cast<int>(m);
  return i >= 0 && i < PROGNOSEMODELL_ANZAHL ? m_Modelle[i] : nullptr;
}

Prognosemodell DlgPrognose::GewaehltesModell() const {
  for (int i = 0; i < PROGNOSEMODELL_ANZAHL; ++i)
    if (m_Modelle[i]->isChecked()) return static_cast<Prognosemodell>(i);
  return m_Einstellungen.modell;  // none checked: the core judges the stored one
}

void DlgPrognose::OnOk() {
  Prognoseeinstellungen neu = m_Einstellungen;
  const auto fehler = PrognosefelderLesen(Felder(), neu, m_Injektion);
  if (!fehler) {
    if (!m_Speicherfelder.empty()) {
      std::vector<std::string> texte;
      for (const QLineEdit* f : m_Speicherfelder) texte.push_back(f->text().toStdString());
      if (const auto sf = SpeicherfelderLesen(texte, m_Speicher, m_Ogip)) {
        m_Dienste.meldung(this, QString::fromStdString(sf->meldung));
        QLineEdit* feld = m_Speicherfelder[std::min(sf->feld, m_Speicherfelder.size() - 1)];
        feld->setFocus(Qt::OtherFocusReason);
        feld->selectAll();
        return;
      }
    }
    m_Einstellungen = neu;
    accept();
    return;
  }
  m_Dienste.meldung(this, QString::fromStdString(fehler->meldung));
  if (QLineEdit* feld = Feld(fehler->feld)) {
    feld->setFocus(Qt::OtherFocusReason);
    feld->selectAll();
  } else {
    m_Modelle[0]->setFocus(Qt::OtherFocusReason);
  }
}

bool PrognoseDialogAusfuehren(QWidget* besitzer, Prognoseeinstellungen& einstellungen, bool variablerC,
                              const DialogDienste& dienste, bool injektion, Speichereinstellungen* speicher,
                              double ogip) {
  DlgPrognose dialog(einstellungen, variablerC, dienste, besitzer, injektion, speicher, ogip);
  if (dialog.exec() != QDialog::Accepted) return false;
  einstellungen = dialog.Einstellungen();
  if (speicher && injektion) *speicher = dialog.Speicher();
  return true;
}

}  // namespace zelvor
