#include "views/AnalyseseiteZeichnen.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "report/Anzeigetext.h"
#include "report/Grafiklayout.h"
#include "views/Ausgabedatei.h"
#include "views/DiagrammZeichnen.h"
#include "views/Lometric.h"

namespace zelvor {
namespace {

constexpr double RAND = 150;    // around the page's content
constexpr double KOPF = 250;    // well name and heading
constexpr double ZEILE = 45;    // text block line pitch
constexpr double ZEICHEN = 21;  // width of a character of the text block, generously
constexpr int SCHRIFTHOEHE = 40;
constexpr Rahmen RAHMEN{1300, 750};
constexpr double ABSTAND = 100;  // between the blocks

double DiagrammHoehe(const Diagramm& d) { return DIAGRAMM_RAND_OBEN + RAHMEN.hoehe + DiagrammRandUnten(d); }
constexpr double DIAGRAMM_BREITE = DIAGRAMM_RAND_LINKS + RAHMEN.breite + DIAGRAMM_RAND_RECHTS;

double TextBreite(const Analyseseite& s) {
  size_t laengste = 0;
  for (const std::string& z : s.text) laengste = std::max(laengste, z.size());
  return static_cast<double>(laengste) * ZEICHEN;
}

double DiagrammeHoehe(const Analyseseite& s) {
  double h = 0;
  for (const Diagramm& d : s.diagramme) h += (h > 0 ? ABSTAND : 0) + DiagrammHoehe(d);
  return h;
}

// The page as a picture shows it: its text block bounded, so that the picture's size is.
Analyseseite Bildseite(const Analyseseite& s) {
  Analyseseite b = s;
  b.text = TextFuerBild(s.text);
  return b;
}

class Seite : public Druckvorlage {
 public:
  Seite(std::function<Analyseseite()> inhalt, std::string titel) : m_inhalt(std::move(inhalt)), m_titel(std::move(titel)) {}
  int Seitenanzahl(QSizeF) const override { return 1; }
  void SeiteZeichnen(QPainter& p, QSizeF seite, int) const override {
    const Analyseseite s = m_inhalt();
    const bool quer = seite.width() >= seite.height() && !s.diagramme.empty();
    const QSizeF f = AnalyseseiteFlaeche(s, quer);
    const double faktor = std::min({1.0, seite.width() / f.width(), seite.height() / f.height()});
    AnalyseseiteZeichnen(p, QPointF(0, 0), s, m_titel, quer, faktor);
  }

 private:
  std::function<Analyseseite()> m_inhalt;
  std::string m_titel;
};

}  // namespace

QSizeF AnalyseseiteFlaeche(const Analyseseite& s, bool quer) {
  const double text = static_cast<double>(s.text.size()) * ZEILE;
  const double diagramme = DiagrammeHoehe(s);
  const double breite = s.diagramme.empty() ? 0 : DIAGRAMM_BREITE;
  if (quer && breite > 0)
    return {2 * RAND + TextBreite(s) + ABSTAND + breite, 2 * RAND + KOPF + std::max(text, diagramme)};
  return {2 * RAND + std::max(TextBreite(s), breite), 2 * RAND + KOPF + text + ABSTAND + diagramme};
}

void AnalyseseiteZeichnen(QPainter& p, QPointF ursprung, const Analyseseite& s, const std::string& titel, bool quer,
                          double faktor) {
  p.save();
  Lometric l(p, ursprung, p.device()->logicalDpiX() * faktor, p.device()->logicalDpiY() * faktor);
  const QSizeF flaeche = AnalyseseiteFlaeche(s, quer);
  const double mitte = flaeche.width() / 2;

  p.setPen(Qt::black);
  p.setFont(l.Schrift(Diagrammschrift(600), 80));
  l.Text(mitte, -RAND, l.Eingepasst(s.gasbohrung, flaeche.width() - 2 * RAND), Lometric::Ausrichtung::MitteOben);
  p.setFont(l.Schrift(Diagrammschrift(700), 60));
  l.Text(mitte, -RAND - 100, s.ueberschrift, Lometric::Ausrichtung::MitteOben);

  double y = -RAND - KOPF;
  p.setFont(l.Schrift(Diagrammschrift(400), SCHRIFTHOEHE));
  for (const std::string& zeile : s.text) {
    l.Text(RAND, y, QString::fromStdString(zeile));
    y -= ZEILE;
  }
  double x = RAND + DIAGRAMM_RAND_LINKS;
  if (quer) {
    x += TextBreite(s) + ABSTAND;
    y = -RAND - KOPF;
  } else {
    y -= ABSTAND;
  }
  for (const Diagramm& d : s.diagramme) {
    DiagrammZeichnen(l, d, DiagrammlayoutBerechnen(d, RAHMEN), x, y - DIAGRAMM_RAND_OBEN);
    y -= DiagrammHoehe(d) + ABSTAND;
  }
  p.setFont(l.Schrift(Diagrammschrift(700), 50));
  l.Text(RAND, -flaeche.height() + RAND, QString::fromStdString(GrafikDokumentzeile(titel)));
  p.restore();
}

std::unique_ptr<Druckvorlage> AnalyseseiteDruckvorlage(std::function<Analyseseite()> inhalt, std::string titel) {
  return std::make_unique<Seite>(std::move(inhalt), std::move(titel));
}

QImage AnalyseseiteBild(const Analyseseite& seite, const std::string& titel, double dpi) {
  const Analyseseite s = Bildseite(seite);
  const QSizeF f = AnalyseseiteFlaeche(s, false);
  QImage bild = WeissesBild(f.width(), f.height(), dpi);
  QPainter p(&bild);
  AnalyseseiteZeichnen(p, QPointF(0, 0), s, titel);
  return bild;
}

QString AnalyseseiteAlsSvg(const QString& pfad, const Analyseseite& seite, const std::string& titel) {
  const Analyseseite s = Bildseite(seite);
  const QSizeF f = AnalyseseiteFlaeche(s, false);
  const QSize groesse(static_cast<int>(std::ceil(f.width())), static_cast<int>(std::ceil(f.height())));
  // Made in memory, then written as every file the user names (views/Ausgabedatei.h).
  return SvgSchreiben(pfad, groesse, s.gasbohrung,
                      [&](QPainter& p) { AnalyseseiteZeichnen(p, QPointF(0, 0), s, titel); });
}

}  // namespace zelvor
