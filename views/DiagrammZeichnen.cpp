#include "views/DiagrammZeichnen.h"

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <QRectF>
#include <algorithm>

namespace zelvor {
namespace {

constexpr auto MITTE = Lometric::Ausrichtung::MitteOben;
constexpr int MARKE = 15;        // half the size of a point marker
constexpr int STRICH = 20;       // length of a labelled tick
constexpr int NEBENSTRICH = 10;  // length of an unlabelled one

QString Q(const std::string& text) { return QString::fromStdString(text); }

QColor Farbwert(Farbe f) { return QColor(f.rot, f.gruen, f.blau); }

// A band's fill: the colour mixed half with white, so the lines between the bands stay visible.
QColor Flaechenfarbe(Farbe f) { return QColor((f.rot + 255) / 2, (f.gruen + 255) / 2, (f.blau + 255) / 2); }

Qt::PenStyle Stil(Linienart a) {
  switch (a) {
    case Linienart::Gestrichelt: return Qt::DashLine;
    case Linienart::Punktiert: return Qt::DotLine;
    case Linienart::Keine: return Qt::NoPen;
    case Linienart::Durchgezogen: break;
  }
  return Qt::SolidLine;
}

// As the graph view's grid: a one-pixel dotted line on screen, 0.1 mm on paper.
QPen GitterStift(const Lometric& l) {
  QPen stift = l.Stift(Qt::DotLine, 1, QColor(0, 0, 0));
  if (l.GeraetX(1) > 1) stift.setWidthF(l.GeraetX(1));
  return stift;
}

void Markieren(Lometric& l, Markierung m, const Punkt& p) {
  const QPointF mitte = l.Geraet(p.x, p.y);
  const double rx = l.GeraetX(MARKE), ry = l.GeraetY(MARKE);
  if (m == Markierung::Kreis) l.Maler().drawEllipse(mitte, rx, ry);
  if (m == Markierung::Quadrat) l.Maler().drawRect(QRectF(mitte.x() - rx, mitte.y() - ry, 2 * rx, 2 * ry));
}

// One legend entry: a sample of the series' pen and marker, then its text.
void Legendeneintrag(Lometric& l, const Diagrammreihe& r, double x, double y) {
  QPainter& p = l.Maler();
  const QColor farbe = Farbwert(r.farbe);
  if (r.flaeche) {
    p.setPen(Qt::NoPen);
    QColor flaeche = Flaechenfarbe(r.farbe);
    if (r.durchscheinend) flaeche.setAlpha(140);
    p.setBrush(flaeche);
    p.drawRect(QRectF(l.Geraet(x, y - 5), l.Geraet(x + 120, y - 45)).normalized());
    p.setBrush(Qt::NoBrush);
  }
  p.setPen(l.Stift(Stil(r.linie), 3, farbe));
  if (r.linie != Linienart::Keine) l.Linie(x, y - 25, x + 120, y - 25);
  if (r.markierung != Markierung::Keine) {
    p.setPen(l.Stift(Qt::SolidLine, 3, farbe));
    Markieren(l, r.markierung, {static_cast<int>(x) + 60, static_cast<int>(y) - 25});
  }
  p.setPen(Qt::black);
  l.Text(x + 150, y, Q(r.legende));
}

}  // namespace

QFont Diagrammschrift(int gewicht) {
  QFont f(QStringLiteral("Courier New"));
  f.setStyleHint(QFont::TypeWriter);
  f.setFixedPitch(true);
  f.setWeight(static_cast<QFont::Weight>(gewicht));
  return f;
}

void DiagrammZeichnen(Lometric& aussen, const Diagramm& d, const Diagrammlayout& g, double links, double oben) {
  QPainter& p = aussen.Maler();
  p.save();
  // The frame's corner becomes the origin, so the layout's points are used as they are.
  Lometric l(p, aussen.Geraet(links, oben), aussen.GeraetX(254), aussen.GeraetY(254));
  const int breite = g.rahmen.breite;
  const int hoehe = g.rahmen.hoehe;
  const QFont titelSchrift = l.Schrift(Diagrammschrift(700), 60);
  const QFont textSchrift = l.Schrift(Diagrammschrift(700), 50);
  const QFont markenSchrift = l.Schrift(Diagrammschrift(700), 45);

  p.setPen(l.Stift(Qt::SolidLine, 4, QColor(0, 0, 0)));
  p.setBrush(Qt::white);
  l.Rechteck(0, 0, breite, -hoehe);
  p.setBrush(Qt::NoBrush);

  p.setFont(titelSchrift);
  l.Text(breite / 2.0, DIAGRAMM_RAND_OBEN, Q(d.titel), MITTE);
  p.setFont(textSchrift);
  l.Text(-DIAGRAMM_RAND_LINKS + 20, 80, Q(d.yText));
  l.Text(breite / 2.0, -hoehe - 80, Q(d.xText), MITTE);

  p.setFont(markenSchrift);
  for (const Achsmarke& m : g.xMarken) {
    l.Linie(m.ort, -hoehe, m.ort, -hoehe - STRICH);
    l.Text(m.ort, -hoehe - STRICH - 5, Q(m.text), MITTE);
  }
  for (const Achsmarke& m : g.yMarken) {
    l.Linie(0, m.ort, -STRICH, m.ort);
    const QString text = Q(m.text);
    l.Text(-STRICH - 10 - l.TextBreite(text), m.ort + l.Zeilenhoehe() / 2, text);
  }
  for (int x : g.xNeben) l.Linie(x, -hoehe, x, -hoehe - NEBENSTRICH);
  for (int y : g.yNeben) l.Linie(0, y, -NEBENSTRICH, y);

  // The grid inside the frame, at the labelled ticks that are not on its edges.
  p.setPen(GitterStift(l));
  for (const Achsmarke& m : g.xMarken)
    if (m.ort > 0 && m.ort < breite) l.Linie(m.ort, -hoehe, m.ort, 0);
  for (const Achsmarke& m : g.yMarken)
    if (m.ort > -hoehe && m.ort < 0) l.Linie(0, m.ort, breite, m.ort);

  p.save();
  p.setClipRect(QRectF(l.Geraet(0, 0), l.Geraet(breite, -hoehe)).normalized());
  p.setRenderHint(QPainter::Antialiasing, true);
  std::vector<QPoint> punkte;
  p.setPen(Qt::NoPen);
  for (size_t i = std::min(g.reihen.size(), d.reihen.size()); i-- > 0;) {
    if (!d.reihen[i].flaeche) continue;
    QColor farbe = Flaechenfarbe(d.reihen[i].farbe);
    if (d.reihen[i].durchscheinend) farbe.setAlpha(140);
    p.setBrush(farbe);
    for (const std::vector<Punkt>& zug : g.reihen[i].zuege) {
      if (zug.size() < 2) continue;
      QPolygonF flaeche;
      for (const Punkt& pt : zug) flaeche << l.Geraet(pt.x, pt.y);
      flaeche << l.Geraet(zug.back().x, -hoehe) << l.Geraet(zug.front().x, -hoehe);
      p.drawPolygon(flaeche);
    }
  }
  p.setBrush(Qt::NoBrush);
  for (size_t i = 0; i < g.reihen.size() && i < d.reihen.size(); ++i) {
    const Diagrammreihe& reihe = d.reihen[i];
    p.setPen(l.Stift(Stil(reihe.linie), 3, Farbwert(reihe.farbe)));
    for (const std::vector<Punkt>& zug : g.reihen[i].zuege) {
      punkte.clear();
      for (const Punkt& pt : zug) punkte.emplace_back(pt.x, pt.y);
      l.Polylinie(punkte.data(), static_cast<int>(punkte.size()));
    }
  }
  p.setClipping(false);
  // Markers stand inside the frame (the layout keeps no other) and are drawn whole, also on its edge: a
  // fill level of 100 % shows as a full circle, not half of one.
  for (size_t i = 0; i < g.reihen.size() && i < d.reihen.size(); ++i) {
    p.setPen(l.Stift(Qt::SolidLine, 3, Farbwert(d.reihen[i].farbe)));
    for (const Punkt& pt : g.reihen[i].punkte) Markieren(l, d.reihen[i].markierung, pt);
  }
  p.restore();

  // The legend: rows of DIAGRAMM_LEGENDE_SPALTEN entries under the x caption.
  p.setFont(markenSchrift);
  p.setRenderHint(QPainter::Antialiasing, true);
  int nr = 0;
  const double spalte = static_cast<double>(breite) / DIAGRAMM_LEGENDE_SPALTEN;
  for (const Diagrammreihe& reihe : d.reihen) {
    if (reihe.legende.empty()) continue;
    const int zeile = nr / DIAGRAMM_LEGENDE_SPALTEN;
    Legendeneintrag(l, reihe, (nr % DIAGRAMM_LEGENDE_SPALTEN) * spalte, -hoehe - 170 - zeile * DIAGRAMM_LEGENDE_ZEILE);
    ++nr;
  }
  p.restore();
}

}  // namespace zelvor
