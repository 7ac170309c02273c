#include "views/GrafikZeichnen.h"

#include <QColor>
#include <QFile>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <utility>

#include "views/Ausgabedatei.h"
#include "views/Lometric.h"

namespace zelvor {
namespace {

// The window origin: the surface's top-left corner is the logical point (-400, 300), which puts the
// frame's top-left corner 40 mm right of and 30 mm below it.
constexpr double FENSTER_X = -400;
constexpr double FENSTER_Y = 300;

constexpr auto MITTE = Lometric::Ausrichtung::MitteOben;

// The graph's fonts ask for a fixed-pitch face of the "modern" family and no particular name; Courier
// New is the face of that family everywhere (fontconfig maps it to Liberation Mono or DejaVu Sans Mono).
QFont Schriftart(int gewicht) {
  QFont f(QStringLiteral("Courier New"));
  f.setStyleHint(QFont::TypeWriter);
  f.setFixedPitch(true);
  f.setWeight(static_cast<QFont::Weight>(gewicht));
  return f;
}

// The dotted grid pen, one logical unit wide. On a screen that is under a pixel: a one-pixel line dotted
// pixel by pixel. On paper a unit spans several pixels; there the line gets its 0.1 mm and the dots grow
// with it, or a printer's pixel-sized dots would merge into a solid line.
QPen GitterStift(const Lometric& l) {
  QPen stift = l.Stift(Qt::DotLine, 1, QColor(0, 0, 0));
  if (l.GeraetX(1) > 1) stift.setWidthF(l.GeraetX(1));
  return stift;
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

int Anzahl(const CZelvorDoc& doc) { return std::clamp(doc.m_MaxWerte, 0, MAX_KURVENWERTE); }

void KurveZeichnen(Lometric& l, const std::vector<std::vector<Punkt>>& zuege) {
  std::vector<QPoint> punkte;
  for (const std::vector<Punkt>& zug : zuege) {
    punkte.clear();
    for (const Punkt& pt : zug) punkte.emplace_back(pt.x, pt.y);
    l.Polylinie(punkte.data(), static_cast<int>(punkte.size()));
  }
}

// A legend: the text in black, then a sample of the curve's pen after it. Without a text (no evaluation)
// there is no curve to name and no sample either.
void Legende(Lometric& l, const QPen& stift, const QString& text, double mitte, double y, double vonW, double bisW,
             double linieY) {
  if (text.isEmpty()) return;
  l.Maler().setPen(Qt::black);
  l.Text(mitte, y, text, MITTE);
  const double w = l.TextBreite(text);
  l.Maler().setPen(stift);
  l.Linie(mitte + w + vonW, linieY, mitte + w + bisW, linieY);
}

class GrafikSeite : public Druckvorlage {
 public:
  GrafikSeite(const CZelvorDoc& doc, std::string titel, bool grafiklupe, const Skalierung& s,
              std::function<void(QSizeF)> beimDrucken)
      : m_doc(doc), m_titel(std::move(titel)), m_lupe(grafiklupe), m_s(s), m_beimDrucken(std::move(beimDrucken)) {}

  int Seitenanzahl(QSizeF) const override { return 1; }

  void SeiteZeichnen(QPainter& p, QSizeF seite, int) const override {
    if (m_beimDrucken) m_beimDrucken(seite);
    Skalierung s = m_s;
    const GrafikZustand z = DruckZustand(seite.width(), seite.height(), m_lupe);
    GrafikZeichnen(p, QPointF(0, 0), m_doc, m_titel, GrafikBerechnen(m_doc, s, z));
  }

 private:
  const CZelvorDoc& m_doc;
  std::string m_titel;
  bool m_lupe;
  Skalierung m_s;
  std::function<void(QSizeF)> m_beimDrucken;
};

}  // namespace

Grafiklayout GrafikBerechnen(const CZelvorDoc& doc, Skalierung& s, const GrafikZustand& zustand) {
  const int n = Anzahl(doc);
  // A well without series and captions (new, or replaced before its evaluation) starts from the ranges of
  // a fresh view: those of the previous well do not belong to it.
  if (n == 0 && doc.m_TextXAchse.empty() && doc.m_TextKurve1.empty() && doc.m_TextKurve2.empty()) s = Skalierung{};
  Skalieren(s, n, doc.m_Kurve1X.data(), doc.m_Kurve1Y.data(), doc.m_Kurve2Y.data());
  return GrafiklayoutBerechnen(s, zustand, n, doc.m_Kurve1X.data(), doc.m_Kurve1Y.data(), doc.m_Kurve2Y.data());
}

void GrafikZeichnen(QPainter& p, QPointF ursprung, const CZelvorDoc& doc, const std::string& titel,
                    const GrafikZustand& zustand) {
  Skalierung s;
  GrafikZeichnen(p, ursprung, doc, titel, GrafikBerechnen(doc, s, zustand));
}

void GrafikZeichnen(QPainter& p, QPointF ursprung, const CZelvorDoc& doc, const std::string& titel,
                    const Grafiklayout& g) {
  p.save();
  const double sx = p.device()->logicalDpiX() / 254.0;
  const double sy = p.device()->logicalDpiY() / 254.0;
  Lometric l(p, ursprung + QPointF(-FENSTER_X * sx, FENSTER_Y * sy));
  const int breite = g.rahmen.breite;
  const int hoehe = g.rahmen.hoehe;
  const int mitte = breite / 2;

  const QPen rahmenStift = l.Stift(Qt::SolidLine, 4, QColor(0, 0, 0));
  const QPen gitterStift = GitterStift(l);
  const QPen kurve1Stift = l.Stift(Qt::SolidLine, 3, QColor(255, 0, 0));
  const QPen kurve2Stift = l.Stift(Qt::DashLine, 3, QColor(0, 0, 255));
  const QFont titelSchrift = l.Schrift(Schriftart(600), 80);
  const QFont achsenSchrift = l.Schrift(Schriftart(700), 60);
  const QFont markenSchrift = l.Schrift(Schriftart(700), 50);

  p.setPen(rahmenStift);
  p.setBrush(Qt::white);
  l.Rechteck(0, 0, breite, -hoehe);

  p.setFont(titelSchrift);
  l.Text(mitte, 200, l.Eingepasst(doc.m_Gasbohrung, 2 * (mitte - FENSTER_X)), MITTE);  // centred on the surface
  p.setFont(achsenSchrift);
  l.Text(mitte, 130, Q(GrafikUntertitel(doc.m_bGrafikRaten != 0)), MITTE);
  l.Text(-50, 100, Q(doc.m_TextYAchse), MITTE);
  l.Text(breite + 100, 100, Q(doc.m_TextY2Achse), MITTE);
  l.Text(mitte, -hoehe - 80, Q(doc.m_TextXAchse), MITTE);

  // Ticks in the frame pen, labels centred under (x) or left of (y) them.
  p.setFont(markenSchrift);
  for (const Achsmarke& m : g.xMarken) {
    l.Linie(m.ort, -hoehe, m.ort, -hoehe - 20);
    l.Text(m.ort, -hoehe - 30, Q(m.text), MITTE);
  }
  for (const Achsmarke& m : g.yMarken) {
    l.Linie(0, m.ort, -10, m.ort);
    l.Text(-130, m.ort + 20, Q(m.text), MITTE);
  }
  l.Text(100, -hoehe - 200, Q(GrafikDokumentzeile(titel)), MITTE);

  p.setPen(gitterStift);
  for (int x : g.xGitter) l.Linie(x, -hoehe, x, 0);
  for (int y : g.yGitter) l.Linie(0, y, breite, y);

  p.setRenderHint(QPainter::Antialiasing, true);
  Legende(l, kurve1Stift, Q(doc.m_TextKurve1), mitte, -hoehe - 130, -20, 180, -hoehe - 160);
  KurveZeichnen(l, g.kurve1);
  p.setPen(kurve2Stift);
  KurveZeichnen(l, g.kurve2);
  Legende(l, kurve2Stift, Q(doc.m_TextKurve2), mitte, -hoehe - 180, -40, 160, -hoehe - 200);
  p.restore();
}

std::unique_ptr<Druckvorlage> GrafikDruckvorlage(const CZelvorDoc& doc, std::string titel, bool grafiklupe) {
  return GrafikDruckvorlage(doc, std::move(titel), grafiklupe, Skalierung{}, nullptr);
}

std::unique_ptr<Druckvorlage> GrafikDruckvorlage(const CZelvorDoc& doc, std::string titel, bool grafiklupe,
                                                 const Skalierung& s,
                                                 std::function<void(QSizeF seite)> beimDrucken) {
  return std::make_unique<GrafikSeite>(doc, std::move(titel), grafiklupe, s, std::move(beimDrucken));
}

QImage GrafikBild(const CZelvorDoc& doc, const std::string& titel, const GrafikZustand& zustand, double dpi) {
  QImage bild = WeissesBild(GRAFIK_FLAECHE_BREITE, GRAFIK_FLAECHE_HOEHE, dpi);
  QPainter p(&bild);
  GrafikZeichnen(p, QPointF(0, 0), doc, titel, zustand);
  return bild;
}

QString GrafikAlsSvg(const QString& pfad, const CZelvorDoc& doc, const std::string& titel,
                  const GrafikZustand& zustand) {
  // Made in memory, then written as every file the user names (views/Ausgabedatei.h).
  return SvgSchreiben(pfad, QSize(GRAFIK_FLAECHE_BREITE, GRAFIK_FLAECHE_HOEHE), doc.m_Gasbohrung,
                      [&](QPainter& p) { GrafikZeichnen(p, QPointF(0, 0), doc, titel, zustand); });
}

}  // namespace zelvor
