#pragma once
// Drawing in tenths of a millimetre with y pointing up, on any paint device (screen, printer, PDF, SVG,
// image). Coordinates are mapped by hand instead of through a flipped painter transform, so that text
// stays upright, and font heights are cell heights as the table and graph layouts assume.
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QSize>
#include <functional>
#include <string>
#include <QString>

namespace zelvor {

// A white image for a surface of breite x hoehe logical units at dpi dots per inch. Its resolution is
// set too, so a painter on it maps the logical units at that dpi.
QImage WeissesBild(double breite, double hoehe, double dpi);

// SVG pictures need QtSvg, which a build may go without (the Windows build does); it then says so
// with KEIN_SVG where a user asks for one.
#ifdef ZELVOR_MIT_SVG
inline constexpr bool SVG_MOEGLICH = true;
#else
inline constexpr bool SVG_MOEGLICH = false;
#endif
inline constexpr const char* KEIN_SVG =
    "SVG-Grafiken schreibt diese Ausgabe von zelvor nicht; bitte PNG oder PDF wählen.";

// An SVG document of a surface of flaeche logical units, one user unit per 0.1 mm, drawn on white and
// titled with the well's name. Empty when it cannot be made (or without SVG_MOEGLICH).
QByteArray SvgDaten(QSize flaeche, const std::string& name, const std::function<void(QPainter&)>& zeichnen);

// That document written to pfad as every output is (views/Ausgabedatei.h): "" or the German message,
// KEIN_SVG without SVG_MOEGLICH.
QString SvgSchreiben(const QString& pfad, QSize flaeche, const std::string& name,
                     const std::function<void(QPainter&)>& zeichnen);

class Lometric {
 public:
  // Where a text's reference point lies: its top-left corner, or the middle of its top edge.
  enum class Ausrichtung { LinksOben, MitteOben };

  // ursprung: the device position of the logical point (0, 0); the device's resolution comes from the
  // painter's device unless given.
  Lometric(QPainter& p, QPointF ursprung);
  Lometric(QPainter& p, QPointF ursprung, double dpiX, double dpiY);

  QPointF Geraet(double x, double y) const;
  double GeraetX(double breite) const { return breite * m_sx; }
  double GeraetY(double hoehe) const { return hoehe * m_sy; }
  double LogischX(double px) const { return px / m_sx; }
  double LogischY(double px) const { return px / m_sy; }

  // A font whose character cell is hoehe logical units tall, as a height given to the drawing layer
  // means; the face and weight come from the caller.
  QFont Schrift(QFont basis, int hoehe) const;
  // A pen whose width is given in logical units; a width of 1 or less stays a thin line.
  QPen Stift(Qt::PenStyle stil, int breite, QColor farbe) const;

  void Linie(double x1, double y1, double x2, double y2);
  void Rechteck(double x1, double y1, double x2, double y2);
  void Polylinie(const QPoint* punkte, int anzahl);
  void Text(double x, double y, const QString& text, Ausrichtung a = Ausrichtung::LinksOben);

  // Extent of a text in the painter's current font, in logical units.
  double TextBreite(const QString& text) const;
  // A name in the current font at most breite wide: cut with "…" where it would run off the page (and
  // in any case where report/Anzeigetext.h cuts it). A name that fits stays as it is.
  QString Eingepasst(const std::string& text, double breite) const;
  double Zeilenhoehe() const;

  QPainter& Maler() { return m_p; }

 private:
  QPainter& m_p;
  QPointF m_ursprung;
  double m_sx;  // device pixels per logical unit
  double m_sy;
};

}  // namespace zelvor
