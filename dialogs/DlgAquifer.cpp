#include "dialogs/DlgAquifer.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>
#include <utility>

#include "dialogs/Dialogeinheiten.h"
#include "doc/Aquifereinstellungen.h"

namespace zelvor {
namespace {

// Each setting's label, with its mnemonic, by its name; the settings of the gas zone in a group of
// their own.
struct Beschriftung {
  const char* name;
  const char* text;  // UTF-8
  bool gaszone;
};
constexpr Beschriftung BESCHRIFTUNGEN[] = {
    {"Aquifer", "&Modell", false},
    {"AquiferForm", "&Form (Fetkovich)", false},
    {"AquiferWinkel", "&Winkel (°, 360 = rundum)", false},
    {"AquiferRadius", "Lagerstätten&radius r_o (m)", false},
    {"AquiferRadienverhaeltnis", "Radien&verhältnis r_e/r_o (oder unendlich)", false},
    {"AquiferBreite", "&Breite (m)", false},
    {"AquiferLaenge", "&Länge (m)", false},
    {"AquiferMaechtigkeit", "Mä&chtigkeit (m)", false},
    {"AquiferPorositaet", "&Porosität (-)", false},
    {"AquiferPermeabilitaet", "Perme&abilität (mD)", false},
    {"AquiferKompressibilitaet", "&Kompressibilität Wasser + Gestein (1/bar)", false},
    {"AquiferViskositaet", "V&iskosität des Wassers (mPa·s)", false},
    {"AquiferVolumen", "Wasservol&umen des Topfes (Mio m3)", false},
    {"Formationskompressibilitaet", "F&ormationskompressibilität (1/bar)", true},
    {"Haftwassersaettigung", "&Haftwassersättigung (-)", true},
    {"AquiferWGV", "Wasser-&Gas-Verhältnis (l/1000 m3)", true},
    {"Foerderbeginn", "Förderbegi&nn (TT.MM.JJJJ, leer = aus den Daten)", true},
};

const Beschriftung& BeschriftungVon(const char* name) {
  for (const Beschriftung& b : BESCHRIFTUNGEN)
    if (std::strcmp(b.name, name) == 0) return b;
  return BESCHRIFTUNGEN[0];
}

// The combo boxes show a text and hold the core's name.
void Eintraege(QComboBox* wahl, std::initializer_list<std::pair<const char*, const char*>> eintraege) {
  for (const auto& [text, name] : eintraege) wahl->addItem(QString::fromUtf8(text), QString::fromUtf8(name));
}

}  // namespace

DlgAquifer::DlgAquifer(const Aquiferdaten& daten, DialogDienste dienste, QWidget* besitzer)
    : QDialog(besitzer), m_Dienste(std::move(dienste)), m_Daten(daten) {
  if (!m_Dienste.meldung) m_Dienste.meldung = StandardDienste().meldung;
  Anlegen();
  Freigeben();
}

void DlgAquifer::Anlegen() {
  setFont(DialogSchrift());
  setWindowTitle(QStringLiteral("Aquifer"));
  auto* aquifer = new QGroupBox(QStringLiteral("Aquifer"), this);
  auto* gaszone = new QGroupBox(QStringLiteral("Gaszone und Förderung"), this);
  auto* aquiferFormular = new QFormLayout(aquifer);
  auto* gaszoneFormular = new QFormLayout(gaszone);
  const std::vector<std::string> texte = AquiferfelderAus(m_Daten);
  const std::vector<Aquiferangabe>& angaben = Aquiferangaben();
  for (std::size_t i = 0; i < angaben.size(); ++i) {
    const Aquiferangabe& g = angaben[i];
    QWidget* feld = nullptr;
    if (g.art == Aquiferart::Modell || g.art == Aquiferart::Form) {
      auto* wahl = new QComboBox(this);
      if (g.art == Aquiferart::Modell)
        Eintraege(wahl, {{"keiner (konstante Wasserinvasion WE)", "keiner"},
                         {"Topf", "topf"},
                         {"Fetkovich", "fetkovich"},
                         {"van Everdingen-Hurst", "hurst"}});
      else
        Eintraege(wahl, {{"radial", "radial"}, {"linear", "linear"}});
      wahl->setCurrentIndex(std::max(0, wahl->findData(QString::fromStdString(texte[i]))));
      connect(wahl, &QComboBox::currentIndexChanged, this, &DlgAquifer::Freigeben);
      feld = wahl;
    } else {
      auto* zeile = new QLineEdit(QString::fromStdString(texte[i]), this);
      zeile->setMinimumWidth(Dialogeinheiten(font()).X(70));
      feld = zeile;
    }
    const Beschriftung& b = BeschriftungVon(g.name);
    auto* text = new QLabel(QString::fromUtf8(b.text), this);
    text->setBuddy(feld);
    (b.gaszone ? gaszoneFormular : aquiferFormular)->addRow(text, feld);
    m_Felder.push_back(feld);
  }

  m_Ok = new QPushButton(QStringLiteral("OK"), this);
  m_Ok->setDefault(true);
  auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
  connect(m_Ok, &QAbstractButton::clicked, this, &DlgAquifer::OnOk);
  connect(abbrechen, &QAbstractButton::clicked, this, &QDialog::reject);

  // The forms left, the buttons top right, as in the other settings dialogs.
  auto* formulare = new QVBoxLayout;
  formulare->addWidget(aquifer);
  formulare->addWidget(gaszone);
  auto* knoepfe = new QVBoxLayout;
  knoepfe->addWidget(m_Ok);
  knoepfe->addWidget(abbrechen);
  knoepfe->addStretch();
  auto* ganz = new QHBoxLayout(this);
  ganz->addLayout(formulare);
  ganz->addLayout(knoepfe);
  ganz->setSizeConstraint(QLayout::SetFixedSize);
  m_Felder.front()->setFocus(Qt::OtherFocusReason);
}

QWidget* DlgAquifer::Feld(const char* name) const {
  const std::vector<Aquiferangabe>& angaben = Aquiferangaben();
  for (std::size_t i = 0; i < angaben.size(); ++i)
    if (std::strcmp(angaben[i].name, name) == 0) return m_Felder[i];
  return nullptr;
}

QComboBox* DlgAquifer::Modellwahl() const { return static_cast<QComboBox*>(Feld("Aquifer")); }

std::vector<std::string> DlgAquifer::Texte() const {
  std::vector<std::string> texte;
  for (QWidget* feld : m_Felder) {
    if (auto* wahl = qobject_cast<QComboBox*>(feld))
      texte.push_back(wahl->currentData().toString().toStdString());
    else
      texte.push_back(static_cast<QLineEdit*>(feld)->text().toStdString());
  }
  return texte;
}

void DlgAquifer::Freigeben() {
  // The choice as the core reads it; the fields' values do not matter for which are used.
  Aquiferdaten gewaehlt;
  const std::vector<std::string> texte = Texte();
  const std::vector<Aquiferangabe>& angaben = Aquiferangaben();
  for (std::size_t i = 0; i < angaben.size(); ++i)
    if (angaben[i].art == Aquiferart::Modell || angaben[i].art == Aquiferart::Form)
      AquiferSetzen(gewaehlt, angaben[i], texte[i]);
  for (std::size_t i = 0; i < angaben.size(); ++i)
    m_Felder[i]->setEnabled(AquiferangabeBenutzt(angaben[i], gewaehlt.modell, gewaehlt.form));
}

void DlgAquifer::OnOk() {
  const std::optional<Aquiferfehler> fehler = AquiferfelderLesen(Texte(), m_Daten);
  if (!fehler) {
    accept();
    return;
  }
  m_Dienste.meldung(this, QString::fromStdString(fehler->meldung));
  QWidget* feld = m_Felder[std::min(fehler->feld, m_Felder.size() - 1)];
  feld->setFocus(Qt::OtherFocusReason);
  if (auto* zeile = qobject_cast<QLineEdit*>(feld)) zeile->selectAll();
}

bool AquiferDialogAusfuehren(QWidget* besitzer, Aquiferdaten& daten, const DialogDienste& dienste) {
  DlgAquifer dialog(daten, dienste, besitzer);
  if (dialog.exec() != QDialog::Accepted) return false;
  daten = dialog.Daten();
  return true;
}

}  // namespace zelvor
