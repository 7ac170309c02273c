#include "views/CAnalyseansicht.h"

#include <QPainter>
#include <cmath>

namespace zelvor {

CAnalyseansicht::CAnalyseansicht(const CZelvorDoc& doc, std::function<std::string()> titel, Seitenmacher seite,
                                 QWidget* parent)
    : CAnsicht(doc, std::move(titel), parent), m_Seite(seite) {}

void CAnalyseansicht::OnInitialUpdate() {
  SetScrollSizes(Bildflaeche(), QSize(1250, 1100), QSize(50, 45));
  viewport()->update();
}

void CAnalyseansicht::OnUpdate() {
  SetScrollSizes(Bildflaeche(), QSize(1250, 1100), QSize(50, 45));
  CAnsicht::OnUpdate();
}

QSize CAnalyseansicht::Bildflaeche() const {
  const QSizeF f = AnalyseseiteFlaeche(m_Seite(m_Doc), false);
  return {static_cast<int>(std::ceil(f.width())), static_cast<int>(std::ceil(f.height()))};
}

void CAnalyseansicht::BildZeichnen(QPainter& p) const {
  AnalyseseiteZeichnen(p, QPointF(0, 0), m_Seite(m_Doc), Titel());
}

std::unique_ptr<Druckvorlage> CAnalyseansicht::Vorlage() const {
  const CZelvorDoc& doc = m_Doc;
  const Seitenmacher seite = m_Seite;
  return AnalyseseiteDruckvorlage([&doc, seite] { return seite(doc); }, Titel());
}

std::unique_ptr<QMimeData> CAnalyseansicht::Kopierdaten() const {
  std::unique_ptr<QMimeData> daten = CAnsicht::Kopierdaten();
  QString text;
  for (const std::string& zeile : m_Seite(m_Doc).text) text += QString::fromStdString(zeile) + '\n';
  daten->setText(text);
  return daten;
}

void CAnalyseansicht::paintEvent(QPaintEvent*) {
  QPainter p(viewport());
  AnalyseseiteZeichnen(p, Ursprung(), m_Seite(m_Doc), Titel());
}

}  // namespace zelvor
