#include "views/CZelvorView.h"

#include <QPaintEvent>
#include <QPainter>

#include "report/Tabellenseiten.h"
#include "views/TabelleZeichnen.h"

namespace zelvor {

CZelvorView::CZelvorView(const CZelvorDoc& doc, std::function<std::string()> titel, QWidget* parent)
    : CAnsicht(doc, std::move(titel), parent) {}

void CZelvorView::OnInitialUpdate() {
  ++m_initialUpdates;
  m_gezeigterStand.reset();
  OnUpdate();
}

void CZelvorView::OnUpdate() {
  FlaecheAnpassen();
  // A new table (an evaluation, a read, another well) is shown from its first line; after any other
  // change (the forecast's settings, say) the view stays where the user scrolled it.
  if (m_gezeigterStand != m_Doc.m_ErgebnisStand) NachObenRollen();
  m_gezeigterStand = m_Doc.m_ErgebnisStand;
  CAnsicht::OnUpdate();
}

void CZelvorView::FlaecheAnpassen() {
  const CStringArray& zeilen = m_Doc.m_Ergebnis;
  const QSize gesamt(TabellenBreite(zeilen, logicalDpiX()),
                     TabellenHoehe(static_cast<int>(zeilen.size()), logicalDpiY()));
  SetScrollSizes(gesamt, QSize(TABELLE_SEITE_X, TABELLE_SEITE_Y), QSize(TABELLE_ZEILE_X, TABELLE_ZEILE_Y));
}

std::unique_ptr<Druckvorlage> CZelvorView::Vorlage() const { return TabellenDruckvorlage(m_Doc, m_Titel()); }

int CZelvorView::AngekuendigteSeiten() const {
  return Seitenanzahl(static_cast<int>(m_Doc.m_Ergebnis.size()), ZEILEN_HOCHFORMAT);
}

void CZelvorView::paintEvent(QPaintEvent* e) {
  QPainter p(viewport());
  TabelleZeichnen(p, Ursprung(), m_Doc.m_Ergebnis, e->rect());
}

}  // namespace zelvor

namespace zelvor {

std::unique_ptr<QMimeData> CZelvorView::Kopierdaten() const {
  QString text;
  for (const std::string& zeile : m_Doc.m_Ergebnis) text += QString::fromStdString(zeile) + QLatin1Char('\n');
  auto daten = std::make_unique<QMimeData>();
  daten->setText(text);
  return daten;
}

}  // namespace zelvor
