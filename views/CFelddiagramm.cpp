#include "views/CFelddiagramm.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace zelvor {

CFelddiagramm::CFelddiagramm(QWidget* eltern) : QWidget(eltern) {
  setObjectName(QStringLiteral("Felddiagramm"));
  setMinimumSize(300, 200);
  setAutoFillBackground(false);
}

void CFelddiagramm::SeiteSetzen(Analyseseite seite, std::string titel) {
  m_Seite = std::move(seite);
  m_Titel = std::move(titel);
  HoeheAnpassen();
  update();
}

double CFelddiagramm::Massstab(double breite, double seite) {
  if (!(seite > 0)) return 1.0;
  return std::clamp(breite / seite, LESBAR_MIN, LESBAR_MAX);
}

QSizeF CFelddiagramm::Pixel(bool quer) const {
  const QSizeF f = AnalyseseiteFlaeche(m_Seite, quer);
  return {f.width() * logicalDpiX() / 254.0, f.height() * logicalDpiY() / 254.0};
}

bool CFelddiagramm::Quer() const { return width() >= LESBAR_MIN * Pixel(true).width(); }

double CFelddiagramm::Faktor() const { return Massstab(width(), Pixel(Quer()).width()); }

// The height the page needs at the width's scale; a scroll area around the widget scrolls to it.
void CFelddiagramm::HoeheAnpassen() {
  const bool leer = m_Seite.gasbohrung.empty() && m_Seite.diagramme.empty();
  const QSizeF seite = Pixel(Quer());
  const int hoehe = leer ? 200 : static_cast<int>(std::ceil(seite.height() * Faktor()));
  const int breite = leer ? 300 : static_cast<int>(std::ceil(Pixel(false).width() * LESBAR_MIN));
  if (minimumHeight() != hoehe || minimumWidth() != breite) setMinimumSize(breite, hoehe);
}

void CFelddiagramm::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  HoeheAnpassen();
}

void CFelddiagramm::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  if (m_Seite.gasbohrung.empty() && m_Seite.diagramme.empty()) return;
  const bool quer = Quer();
  const double faktor = Faktor();
  const QPointF ursprung(std::max(0.0, (width() - Pixel(quer).width() * faktor) / 2), 0);
  AnalyseseiteZeichnen(p, ursprung, m_Seite, m_Titel, quer, faktor);
}

}  // namespace zelvor
