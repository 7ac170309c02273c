#include "views/LieferfaehigkeitZeichnen.h"

#include <QBuffer>
#include <QFile>
#include <QPaintDevice>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "doc/Analysehinweis.h"
#include "doc/DokumentPrognose.h"
#include "report/Grafiklayout.h"
#include "report/Lieferdiagramme.h"
#include "report/Lieferfaehigkeitstext.h"
#include "views/DiagrammZeichnen.h"
#include "views/Ausgabedatei.h"
#include "views/Lometric.h"

namespace zelvor {
namespace {

constexpr double RAND = 150;          // around the page's content
constexpr double KOPF = 250;          // well name and subtitle
constexpr double ZEILE = 45;          // text block line pitch
constexpr double ZEICHEN = 21;        // width of a character of the text block, generously
constexpr int SCHRIFTHOEHE = 40;
constexpr Rahmen RAHMEN{1300, 750};
constexpr double ABSTAND = 100;       // between the blocks

struct Inhalt {
  std::vector<std::string> text;
  std::vector<Diagramm> diagramme;  // only those with something to show
};

Inhalt InhaltAus(const CZelvorDoc& doc) {
  const Lieferfaehigkeit l = DokumentLieferfaehigkeit(doc);
  Inhalt i{LieferfaehigkeitSeitentext(l, Analysehinweis(doc)), {}};
  for (Diagramm d : {GegendruckDiagramm(l), ZuflussDiagramm(l)})
    if (!DiagrammLeer(d)) i.diagramme.push_back(std::move(d));
  return i;
}

double DiagrammHoehe(const Diagramm& d) { return DIAGRAMM_RAND_OBEN + RAHMEN.hoehe + DiagrammRandUnten(d); }
double DiagrammBreite() { return DIAGRAMM_RAND_LINKS + RAHMEN.breite + DIAGRAMM_RAND_RECHTS; }

// The diagrams one beneath the other, with a gap between them.
double DiagrammeHoehe(const Inhalt& i) {
  double h = 0;
  for (const Diagramm& d : i.diagramme) h += ABSTAND + DiagrammHoehe(d);
  return h;
}

double TextBreite(const Inhalt& i) {
  size_t laengste = 0;
  for (const std::string& z : i.text) laengste = std::max(laengste, z.size());
  return static_cast<double>(laengste) * ZEICHEN;
}

QSizeF Flaeche(const Inhalt& i, bool quer) {
  const double text = static_cast<double>(i.text.size()) * ZEILE;
  if (i.diagramme.empty()) return {2 * RAND + TextBreite(i), 2 * RAND + KOPF + text + ABSTAND};
  const double diagramme = DiagrammeHoehe(i);
  if (quer)
    return {2 * RAND + TextBreite(i) + ABSTAND + DiagrammBreite(), 2 * RAND + KOPF + std::max(text, diagramme - ABSTAND)};
  return {2 * RAND + std::max(TextBreite(i), DiagrammBreite()), 2 * RAND + KOPF + text + diagramme};
}

void Zeichnen(QPainter& p, QPointF ursprung, const CZelvorDoc& doc, const std::string& titel, bool quer,
              double faktor) {
  const Inhalt inhalt = InhaltAus(doc);
  p.save();
  Lometric l(p, ursprung, p.device()->logicalDpiX() * faktor, p.device()->logicalDpiY() * faktor);
  const QSizeF flaeche = Flaeche(inhalt, quer);
  const double mitte = flaeche.width() / 2;

  p.setPen(Qt::black);
  p.setFont(l.Schrift(Diagrammschrift(600), 80));
  l.Text(mitte, -RAND, QString::fromStdString(doc.m_Gasbohrung), Lometric::Ausrichtung::MitteOben);
  p.setFont(l.Schrift(Diagrammschrift(700), 60));
  l.Text(mitte, -RAND - 100, QStringLiteral("Lieferfähigkeit"), Lometric::Ausrichtung::MitteOben);

  double y = -RAND - KOPF;
  p.setFont(l.Schrift(Diagrammschrift(400), SCHRIFTHOEHE));
  for (const std::string& zeile : inhalt.text) {
    l.Text(RAND, y, QString::fromStdString(zeile));
    y -= ZEILE;
  }
  // The plots below the text, or in a column beside it on a landscape page.
  double x = RAND + DIAGRAMM_RAND_LINKS;
  if (quer) {
    x += TextBreite(inhalt) + ABSTAND;
    y = -RAND - KOPF;
  } else {
    y -= ABSTAND;
  }
  for (const Diagramm& d : inhalt.diagramme) {
    DiagrammZeichnen(l, d, DiagrammlayoutBerechnen(d, RAHMEN), x, y - DIAGRAMM_RAND_OBEN);
    y -= DiagrammHoehe(d) + ABSTAND;
  }
  p.setFont(l.Schrift(Diagrammschrift(700), 50));
  l.Text(RAND, -flaeche.height() + RAND, QString::fromStdString(GrafikDokumentzeile(titel)));
  p.restore();
}

class LieferfaehigkeitSeite : public Druckvorlage {
 public:
  LieferfaehigkeitSeite(const CZelvorDoc& doc, std::string titel) : m_doc(doc), m_titel(std::move(titel)) {}
  int Seitenanzahl(QSizeF) const override { return 1; }
  void SeiteZeichnen(QPainter& p, QSizeF seite, int) const override {
    const bool quer = seite.width() >= seite.height();
    const QSizeF flaeche = LieferfaehigkeitFlaeche(m_doc, quer);
    const double faktor = std::min({1.0, seite.width() / flaeche.width(), seite.height() / flaeche.height()});
    Zeichnen(p, QPointF(0, 0), m_doc, m_titel, quer, faktor);
  }

 private:
  const CZelvorDoc& m_doc;
  std::string m_titel;
};

}  // namespace

QSizeF LieferfaehigkeitFlaeche(const CZelvorDoc& doc, bool quer) { return Flaeche(InhaltAus(doc), quer); }

void LieferfaehigkeitZeichnen(QPainter& p, QPointF ursprung, const CZelvorDoc& doc, const std::string& titel,
                              bool quer, double faktor) {
  Zeichnen(p, ursprung, doc, titel, quer, faktor);
}

std::unique_ptr<Druckvorlage> LieferfaehigkeitDruckvorlage(const CZelvorDoc& doc, std::string titel) {
  return std::make_unique<LieferfaehigkeitSeite>(doc, std::move(titel));
}

QImage LieferfaehigkeitBild(const CZelvorDoc& doc, const std::string& titel, double dpi) {
  const QSizeF flaeche = LieferfaehigkeitFlaeche(doc, false);
  QImage bild = WeissesBild(flaeche.width(), flaeche.height(), dpi);
  QPainter p(&bild);
  Zeichnen(p, QPointF(0, 0), doc, titel, false, 1.0);
  return bild;
}

bool LieferfaehigkeitAlsSvg(const QString& pfad, const CZelvorDoc& doc, const std::string& titel) {
  const QSizeF flaeche = LieferfaehigkeitFlaeche(doc, false);
  const QSize groesse(static_cast<int>(std::ceil(flaeche.width())), static_cast<int>(std::ceil(flaeche.height())));
  QSvgGenerator svg;
  QByteArray daten;
  QBuffer puffer(&daten);
  svg.setOutputDevice(&puffer);
  // Made in memory, then written as every file the user names (views/Ausgabedatei.h).
  return WeissesSvg(svg, groesse, doc.m_Gasbohrung, [&](QPainter& p) { Zeichnen(p, QPointF(0, 0), doc, titel, false, 1.0); }) &&
         AusgabedateiSchreiben(pfad, daten).isEmpty();
}

}  // namespace zelvor
