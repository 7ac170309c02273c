#include "dialogs/DlgRueckgang.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "dialogs/Dialogeinheiten.h"

namespace zelvor {
namespace {

// The labels in the order of Rueckgangsangaben(), with their mnemonics.
constexpr const char* BESCHRIFTUNGEN[] = {
    "&Modell",
    "&Beginn des Zeitraums (TT.MM.JJJJ, auto = Ende des Plateaus)",
    "&Wirtschaftlichkeitsgrenze (m3/h, 0 = Aufgaberate der Prognose)",
    "&Endabfall (% im Jahr effektiv, modifiziert)",
    "&Ausreißer (Zeilennummern, z. B. 3, 7, 12)",
};

}  // namespace

DlgRueckgang::DlgRueckgang(const Rueckgangseinstellungen& e, DialogDienste dienste, QWidget* besitzer)
    : QDialog(besitzer), m_Dienste(std::move(dienste)), m_E(e) {
  if (!m_Dienste.meldung) m_Dienste.meldung = StandardDienste().meldung;
  setFont(DialogSchrift());
  setWindowTitle(QStringLiteral("Förderrückgang"));
  auto* formular = new QFormLayout;
  const std::vector<std::string> texte = RueckgangsfelderAus(m_E);
  for (std::size_t i = 0; i < texte.size(); ++i) {
    QWidget* feld = nullptr;
    if (i == 0) {
      auto* wahl = new QComboBox(this);
      for (int m = 0; m < RUECKGANGSMODELL_ANZAHL; ++m) {
        const auto modell = static_cast<Rueckgangsmodell>(m);
        wahl->addItem(QString::fromStdString(RueckgangsmodellText(modell)), QString::fromStdString(RueckgangsmodellName(modell)));
      }
      wahl->setCurrentIndex(std::max(0, wahl->findData(QString::fromStdString(texte[i]))));
      feld = wahl;
    } else {
      auto* zeile = new QLineEdit(QString::fromStdString(texte[i]), this);
      zeile->setMinimumWidth(Dialogeinheiten(font()).X(70));
      feld = zeile;
    }
    auto* text = new QLabel(QString::fromUtf8(BESCHRIFTUNGEN[std::min(i, std::size(BESCHRIFTUNGEN) - 1)]), this);
    text->setBuddy(feld);
    formular->addRow(text, feld);
    m_Felder.push_back(feld);
  }
  m_Ok = new QPushButton(QStringLiteral("OK"), this);
  m_Ok->setDefault(true);
  auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
  connect(m_Ok, &QAbstractButton::clicked, this, &DlgRueckgang::OnOk);
  connect(abbrechen, &QAbstractButton::clicked, this, &QDialog::reject);
  auto* knoepfe = new QVBoxLayout;
  knoepfe->addWidget(m_Ok);
  knoepfe->addWidget(abbrechen);
  knoepfe->addStretch();
  auto* ganz = new QHBoxLayout(this);
  ganz->addLayout(formular);
  ganz->addLayout(knoepfe);
  ganz->setSizeConstraint(QLayout::SetFixedSize);
  m_Felder.front()->setFocus(Qt::OtherFocusReason);
}

void DlgRueckgang::OnOk() {
  std::vector<std::string> texte;
  for (QWidget* feld : m_Felder) {
    if (auto* wahl = qobject_cast<QComboBox*>(feld))
      texte.push_back(wahl->currentData().toString().toStdString());
    else
      texte.push_back(static_cast<QLineEdit*>(feld)->text().toStdString());
  }
  if (const auto fehler = RueckgangsfelderLesen(texte, m_E)) {
    m_Dienste.meldung(this, QString::fromStdString(fehler->meldung));
    m_Felder[fehler->feld]->setFocus(Qt::OtherFocusReason);
    return;
  }
  accept();
}

bool RueckgangDialogAusfuehren(QWidget* besitzer, Rueckgangseinstellungen& e, const DialogDienste& dienste) {
  DlgRueckgang d(e, dienste, besitzer);
  if (d.exec() != QDialog::Accepted) return false;
  e = d.Einstellungen();
  return true;
}

}  // namespace zelvor
