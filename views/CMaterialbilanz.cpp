#include "views/CMaterialbilanz.h"

#include <QPainter>
#include <cmath>

#include "views/MaterialbilanzZeichnen.h"

namespace zelvor {

CMaterialbilanz::CMaterialbilanz(const CZelvorDoc& doc, std::function<std::string()> titel, QWidget* parent)
    : CAnsicht(doc, std::move(titel), parent) {}

void CMaterialbilanz::OnInitialUpdate() {
  SetScrollSizes(Bildflaeche(), QSize(1250, 1100), QSize(50, 45));
  viewport()->update();
}

void CMaterialbilanz::OnUpdate() {
  SetScrollSizes(Bildflaeche(), QSize(1250, 1100), QSize(50, 45));
  CAnsicht::OnUpdate();
}

QSize CMaterialbilanz::Bildflaeche() const {
  const QSizeF f = AnalyseseiteFlaeche(MaterialbilanzSeite(m_Doc), false);
  return {static_cast<int>(std::ceil(f.width())), static_cast<int>(std::ceil(f.height()))};
}

void CMaterialbilanz::BildZeichnen(QPainter& p) const {
  AnalyseseiteZeichnen(p, QPointF(0, 0), MaterialbilanzSeite(m_Doc), Titel());
}

std::unique_ptr<Druckvorlage> CMaterialbilanz::Vorlage() const {
  const CZelvorDoc& doc = m_Doc;
  return AnalyseseiteDruckvorlage([&doc] { return MaterialbilanzSeite(doc); }, Titel());
}

std::unique_ptr<QMimeData> CMaterialbilanz::Kopierdaten() const {
  std::unique_ptr<QMimeData> daten = CAnsicht::Kopierdaten();
  QString text;
  for (const std::string& zeile : MaterialbilanzSeite(m_Doc).text) text += QString::fromStdString(zeile) + '\n';
  daten->setText(text);
  return daten;
}

void CMaterialbilanz::paintEvent(QPaintEvent*) {
  QPainter p(viewport());
  AnalyseseiteZeichnen(p, Ursprung(), MaterialbilanzSeite(m_Doc), Titel());
}

}  // namespace zelvor
