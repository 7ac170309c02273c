#include "views/CFelddiagramm.h"

#include <QPainter>
#include <algorithm>

namespace zelvor {

CFelddiagramm::CFelddiagramm(QWidget* eltern) : QWidget(eltern) {
  setObjectName(QStringLiteral("Felddiagramm"));
  setMinimumSize(300, 200);
  setAutoFillBackground(false);
}

void CFelddiagramm::SeiteSetzen(Analyseseite seite, std::string titel) {
  m_Seite = std::move(seite);
  m_Titel = std::move(titel);
  update();
}

void CFelddiagramm::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  if (m_Seite.gasbohrung.empty() && m_Seite.diagramme.empty()) return;
  const bool quer = width() > height();
  const QSizeF f = AnalyseseiteFlaeche(m_Seite, quer);
  const double breite = f.width() * logicalDpiX() / 254.0, hoehe = f.height() * logicalDpiY() / 254.0;
  const double faktor = std::min(width() / breite, height() / hoehe);
  const QPointF ursprung((width() - breite * faktor) / 2, 0);
  AnalyseseiteZeichnen(p, ursprung, m_Seite, m_Titel, quer, faktor);
}

}  // namespace zelvor
