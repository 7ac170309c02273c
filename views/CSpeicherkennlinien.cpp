#include "views/CSpeicherkennlinien.h"

#include <QPainter>
#include <cmath>

#include "views/SpeicherkennlinienZeichnen.h"

namespace zelvor {

CSpeicherkennlinien::CSpeicherkennlinien(const CZelvorDoc& doc, std::function<std::string()> titel, QWidget* parent)
    : CAnsicht(doc, std::move(titel), parent) {}

void CSpeicherkennlinien::OnInitialUpdate() {
  SetScrollSizes(Bildflaeche(), QSize(1250, 1100), QSize(50, 45));
  viewport()->update();
}

void CSpeicherkennlinien::OnUpdate() {
  SetScrollSizes(Bildflaeche(), QSize(1250, 1100), QSize(50, 45));
  CAnsicht::OnUpdate();
}

QSize CSpeicherkennlinien::Bildflaeche() const {
  const QSizeF f = AnalyseseiteFlaeche(SpeicherkennlinienSeite(m_Doc), false);
  return {static_cast<int>(std::ceil(f.width())), static_cast<int>(std::ceil(f.height()))};
}

void CSpeicherkennlinien::BildZeichnen(QPainter& p) const {
  AnalyseseiteZeichnen(p, QPointF(0, 0), SpeicherkennlinienSeite(m_Doc), Titel());
}

std::unique_ptr<Druckvorlage> CSpeicherkennlinien::Vorlage() const {
  const CZelvorDoc& doc = m_Doc;
  return AnalyseseiteDruckvorlage([&doc] { return SpeicherkennlinienSeite(doc); }, Titel());
}

std::unique_ptr<QMimeData> CSpeicherkennlinien::Kopierdaten() const {
  std::unique_ptr<QMimeData> daten = CAnsicht::Kopierdaten();
  QString text;
  for (const std::string& zeile : SpeicherkennlinienSeite(m_Doc).text) text += QString::fromStdString(zeile) + '\n';
  daten->setText(text);
  return daten;
}

void CSpeicherkennlinien::paintEvent(QPaintEvent*) {
  QPainter p(viewport());
  AnalyseseiteZeichnen(p, Ursprung(), SpeicherkennlinienSeite(m_Doc), Titel());
}

}  // namespace zelvor
