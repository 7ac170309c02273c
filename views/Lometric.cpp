#include "views/Lometric.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPolygonF>
#include <QBuffer>
#ifdef ZELVOR_MIT_SVG
#include <QSvgGenerator>
#endif
#include <algorithm>
#include <cmath>

#include "report/Anzeigetext.h"
#include "views/Ausgabedatei.h"

namespace zelvor {
namespace {
constexpr double ZEHNTELMM_JE_ZOLL = 254.0;
}

Lometric::Lometric(QPainter& p, QPointF ursprung)
    : Lometric(p, ursprung, p.device()->logicalDpiX(), p.device()->logicalDpiY()) {}

Lometric::Lometric(QPainter& p, QPointF ursprung, double dpiX, double dpiY)
    : m_p(p), m_ursprung(ursprung), m_sx(dpiX / ZEHNTELMM_JE_ZOLL), m_sy(dpiY / ZEHNTELMM_JE_ZOLL) {}

QPointF Lometric::Geraet(double x, double y) const {
  return {m_ursprung.x() + x * m_sx, m_ursprung.y() - y * m_sy};
}

QFont Lometric::Schrift(QFont basis, int hoehe) const {
  // The height asks for the whole character cell (ascent plus descent), not the em size: measure the cell
  // at a trial size and scale to the wanted one.
  const double zielPx = hoehe * m_sy;
  if (zielPx <= 0) return basis;
  basis.setPixelSize(100);
  const double zelle = QFontMetricsF(basis).height();
  const double px = zelle > 0 ? 100.0 * zielPx / zelle : zielPx;
  basis.setPixelSize(std::max(1, static_cast<int>(std::lround(px))));
  return basis;
}

QPen Lometric::Stift(Qt::PenStyle stil, int breite, QColor farbe) const {
  QPen stift(farbe);
  stift.setStyle(stil);
  stift.setWidthF(breite <= 1 ? 0.0 : breite * m_sx);  // 0: one device pixel, whatever the resolution
  stift.setCapStyle(Qt::FlatCap);
  return stift;
}

void Lometric::Linie(double x1, double y1, double x2, double y2) { m_p.drawLine(Geraet(x1, y1), Geraet(x2, y2)); }

void Lometric::Rechteck(double x1, double y1, double x2, double y2) {
  m_p.drawRect(QRectF(Geraet(x1, y1), Geraet(x2, y2)).normalized());
}

void Lometric::Polylinie(const QPoint* punkte, int anzahl) {
  if (anzahl < 2) return;  // a single point draws nothing
  QPolygonF linie;
  linie.reserve(anzahl);
  for (int i = 0; i < anzahl; ++i) linie << Geraet(punkte[i].x(), punkte[i].y());
  m_p.drawPolyline(linie);
}

void Lometric::Text(double x, double y, const QString& text, Ausrichtung a) {
  if (text.isEmpty()) return;
  const QFontMetricsF fm(m_p.font(), m_p.device());
  QPointF ort = Geraet(x, y);
  if (a == Ausrichtung::MitteOben) ort.rx() -= fm.horizontalAdvance(text) / 2.0;
  ort.ry() += fm.ascent();  // the painter places text by its baseline, the layouts by its top
  m_p.drawText(ort, text);
}

double Lometric::TextBreite(const QString& text) const {
  return LogischX(QFontMetricsF(m_p.font(), m_p.device()).horizontalAdvance(text));
}

QString Lometric::Eingepasst(const std::string& text, double breite) const {
  const std::string gekuerzt = FuerAnzeige(text);
  if (TextBreite(QString::fromStdString(gekuerzt)) <= breite) return QString::fromStdString(gekuerzt);
  // The most characters that fit, "…" included: found by halving, a few measurements of a short text.
  std::size_t passt = 1, zuViel = ANZEIGE_ZEICHEN;
  while (zuViel - passt > 1) {
    const std::size_t mitte = (passt + zuViel) / 2;
    (TextBreite(QString::fromStdString(FuerAnzeige(text, mitte))) <= breite ? passt : zuViel) = mitte;
  }
  return QString::fromStdString(FuerAnzeige(text, passt));
}

double Lometric::Zeilenhoehe() const { return LogischY(QFontMetricsF(m_p.font(), m_p.device()).height()); }

QImage WeissesBild(double breite, double hoehe, double dpi) {
  const auto pixel = [dpi](double logisch) { return std::max(1, static_cast<int>(std::lround(logisch * dpi / 254.0))); };
  QImage bild(pixel(breite), pixel(hoehe), QImage::Format_RGB32);
  const int proMeter = static_cast<int>(std::lround(dpi / 0.0254));
  bild.setDotsPerMeterX(proMeter);
  bild.setDotsPerMeterY(proMeter);
  bild.fill(Qt::white);
  return bild;
}

QByteArray SvgDaten(QSize flaeche, const std::string& name, const std::function<void(QPainter&)>& zeichnen) {
#ifdef ZELVOR_MIT_SVG
  QByteArray daten;
  QBuffer puffer(&daten);
  QSvgGenerator svg;
  svg.setOutputDevice(&puffer);
  svg.setSize(flaeche);
  svg.setViewBox(QRect(QPoint(0, 0), flaeche));
  svg.setResolution(254);
  svg.setTitle(QString::fromStdString(FuerAnzeige(name)));
  QPainter p;
  if (!p.begin(&svg)) return {};
  p.fillRect(QRect(QPoint(0, 0), flaeche), Qt::white);
  zeichnen(p);
  if (!p.end()) return {};
  return daten;
#else
  (void)flaeche, (void)name, (void)zeichnen;
  return {};
#endif
}

QString SvgSchreiben(const QString& pfad, QSize flaeche, const std::string& name,
                     const std::function<void(QPainter&)>& zeichnen) {
  if (!SVG_MOEGLICH) return QString::fromUtf8(KEIN_SVG);
  return ErzeugtesSchreiben(pfad, SvgDaten(flaeche, name, zeichnen));
}

}  // namespace zelvor
