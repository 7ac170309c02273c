#include "dialogs/DlgMessungen.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dialogs/Dialogeinheiten.h"
#include "import/Messungsimport.h"

namespace zelvor {
namespace {

enum Spalte { DATUM = 0, GP = 1, DRUCK = 2, KOPF = 3, SPALTEN = 4 };

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

DlgMessungen::DlgMessungen(const std::vector<Schliessdruckmessung>& messungen, DialogDienste dienste,
                           QWidget* besitzer)
    : QDialog(besitzer), m_Dienste(std::move(dienste)), m_Messungen(messungen) {
  const DialogDienste standard = StandardDienste();
  if (!m_Dienste.meldung) m_Dienste.meldung = standard.meldung;
  if (!m_Dienste.ratendateiWaehlen) m_Dienste.ratendateiWaehlen = standard.ratendateiWaehlen;
  if (!m_Dienste.zwischenablage) m_Dienste.zwischenablage = standard.zwischenablage;
  setWindowTitle(QStringLiteral("Schließdruckmessungen"));
  setFont(DialogSchrift());

  auto* hinweis = new QLabel(QStringLiteral("Je Messung: Datum (TT.MM.JJJJ, darf fehlen), Gp und der gemessene Druck, "
                                            "als Sohlendruck oder als Kopfschließdruck."),
                             this);
  hinweis->setWordWrap(true);
  m_Tabelle = new QTableWidget(0, SPALTEN, this);
  m_Tabelle->setHorizontalHeaderLabels({QStringLiteral("Datum"), QStringLiteral("Gp (Mio m3)"),
                                        QStringLiteral("Druck (bar)"), QStringLiteral("Kopfdruck")});
  m_Tabelle->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  m_Tabelle->setMinimumSize(420, 240);
  auto* einfuegen = new QAction(QStringLiteral("Einfügen"), m_Tabelle);
  einfuegen->setShortcut(QKeySequence::Paste);
  einfuegen->setShortcutContext(Qt::WidgetShortcut);
  m_Tabelle->addAction(einfuegen);
  m_Tabelle->setContextMenuPolicy(Qt::ActionsContextMenu);
  connect(einfuegen, &QAction::triggered, this, &DlgMessungen::OnEinfuegen);

  m_Kopf = new QCheckBox(QStringLiteral("Eingefügte und eingelesene Drücke sind Kopfschließdrücke"), this);
  auto* anhaengen = new QPushButton(QStringLiteral("Zeile anhängen"), this);
  auto* loeschen = new QPushButton(QStringLiteral("Zeile löschen"), this);
  auto* importieren = new QPushButton(QStringLiteral("Datei einlesen..."), this);
  auto* einfuegenKnopf = new QPushButton(QStringLiteral("Einfügen"), this);
  connect(anhaengen, &QPushButton::clicked, this, &DlgMessungen::OnZeileAnhaengen);
  connect(loeschen, &QPushButton::clicked, this, &DlgMessungen::OnZeileLoeschen);
  connect(importieren, &QPushButton::clicked, this, &DlgMessungen::OnImportieren);
  connect(einfuegenKnopf, &QPushButton::clicked, this, &DlgMessungen::OnEinfuegen);
  auto* knoepfe = new QHBoxLayout;
  for (QPushButton* k : {anhaengen, loeschen, einfuegenKnopf, importieren}) {
    k->setAutoDefault(false);
    knoepfe->addWidget(k);
  }
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  box->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  box->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
  connect(box, &QDialogButtonBox::accepted, this, &DlgMessungen::OnOk);
  connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* l = new QVBoxLayout(this);
  l->addWidget(hinweis);
  l->addWidget(m_Tabelle);
  l->addLayout(knoepfe);
  l->addWidget(m_Kopf);
  l->addWidget(box);
  Zeigen(m_Messungen);
}

void DlgMessungen::Zeigen(const std::vector<Schliessdruckmessung>& messungen) {
  m_Tabelle->setRowCount(0);
  Anhaengen(messungen);
}

void DlgMessungen::Anhaengen(const std::vector<Schliessdruckmessung>& messungen) {
  for (const Schliessdruckmessung& m : messungen) {
    const Messungszeile z = MessungAlsZeile(m);
    const int r = m_Tabelle->rowCount();
    m_Tabelle->insertRow(r);
    m_Tabelle->setItem(r, DATUM, new QTableWidgetItem(Q(z.datum)));
    m_Tabelle->setItem(r, GP, new QTableWidgetItem(Q(z.gp)));
    m_Tabelle->setItem(r, DRUCK, new QTableWidgetItem(Q(z.druck)));
    auto* kopf = new QTableWidgetItem;
    kopf->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
    kopf->setCheckState(z.kopf ? Qt::Checked : Qt::Unchecked);
    m_Tabelle->setItem(r, KOPF, kopf);
  }
}

void DlgMessungen::OnZeileAnhaengen() {
  const int r = m_Tabelle->rowCount();
  m_Tabelle->insertRow(r);
  auto* kopf = new QTableWidgetItem;
  kopf->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
  kopf->setCheckState(m_Kopf->isChecked() ? Qt::Checked : Qt::Unchecked);
  m_Tabelle->setItem(r, KOPF, kopf);
  m_Tabelle->setCurrentCell(r, DATUM);
}

void DlgMessungen::OnZeileLoeschen() {
  const int r = m_Tabelle->currentRow();
  if (r >= 0) m_Tabelle->removeRow(r);
}

void DlgMessungen::OnEinfuegen() {
  const Messungsimport m = MessungenAusInhalt(m_Dienste.zwischenablage().toStdString(), m_Kopf->isChecked());
  if (!m.uebernommen) {
    m_Dienste.meldung(this, Q(m.meldung));
    return;
  }
  Anhaengen(m.messungen);
}

void DlgMessungen::OnImportieren() {
  const QString pfad = m_Dienste.ratendateiWaehlen(this);
  if (pfad.isEmpty()) return;
  const Messungsimport m = MessungenLesen(QFile::encodeName(pfad).toStdString(), m_Kopf->isChecked());
  if (!m.uebernommen) {
    m_Dienste.meldung(this, Q(m.meldung));
    return;
  }
  Zeigen(m.messungen);
}

void DlgMessungen::OnOk() {
  std::vector<Messungszeile> zeilen;
  const auto text = [this](int r, int s) {
    const QTableWidgetItem* i = m_Tabelle->item(r, s);
    return i ? i->text().toStdString() : std::string();
  };
  for (int r = 0; r < m_Tabelle->rowCount(); ++r) {
    const QTableWidgetItem* kopf = m_Tabelle->item(r, KOPF);
    zeilen.push_back({text(r, DATUM), text(r, GP), text(r, DRUCK), kopf && kopf->checkState() == Qt::Checked});
  }
  Messungstabelle t = MessungenAusZeilen(zeilen);
  if (!t.meldung.empty()) {
    m_Dienste.meldung(this, Q(t.meldung));
    return;
  }
  m_Messungen = std::move(t.messungen);
  accept();
}

bool MessungsDialogAusfuehren(QWidget* besitzer, std::vector<Schliessdruckmessung>& messungen,
                              const DialogDienste& dienste) {
  DlgMessungen d(messungen, dienste, besitzer);
  if (d.exec() != QDialog::Accepted) return false;
  messungen = d.Messungen();
  return true;
}

}  // namespace zelvor
