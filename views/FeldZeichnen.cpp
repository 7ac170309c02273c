#include "views/FeldZeichnen.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "report/Felddiagramm.h"
#include "report/Feldtabelle.h"
#include "report/Grafiklayout.h"
#include "views/DiagrammZeichnen.h"
#include "views/Lometric.h"

namespace zelvor {
namespace {

constexpr double RAND = 100;
constexpr double KOPF = 200;  // the field's name and the page's heading
constexpr double FUSS = 100;  // the document line
constexpr int SCHRIFTHOEHE = 35;
constexpr double ZEILE = 40;
constexpr std::size_t BEMERKUNG_ZEICHEN = 50;

std::vector<std::string> Tabellenzeilen(const Feldergebnis& f) {
  std::vector<std::string> z = FeldtabelleText(f.bohrungen);
  if (f.verlauf.jahre.size() > 1) {
    z.emplace_back();
    for (std::string& s : FeldverlaufText(f.verlauf)) z.push_back(std::move(s));
  }
  return z;
}

std::size_t Zeichen(const std::string& s) {
  std::size_t n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80 ? 1 : 0;
  return n;
}

class FeldSeiten : public Druckvorlage {
 public:
  FeldSeiten(std::shared_ptr<const Feldergebnis> f, std::string feldname)
      : m_feld(std::move(f)), m_feldname(std::move(feldname)), m_zeilen(Tabellenzeilen(*m_feld)),
        m_diagrammseite(AnalyseseiteDruckvorlage([this] { return FeldDiagrammseite(*m_feld, m_feldname); }, m_feldname)) {
    // The remarks at the lines' ends may be long; they must not shrink the whole table, and run over
    // the page's edge instead once they pass the room of BEMERKUNG_ZEICHEN characters.
    const std::size_t kopf = m_zeilen.empty() ? 0 : Zeichen(m_zeilen.front());
    for (const std::string& z : m_zeilen) m_laengste = std::max(m_laengste, std::min(Zeichen(z), kopf + BEMERKUNG_ZEICHEN));
  }

  int Seitenanzahl(QSizeF seite) const override {
    const std::size_t jeSeite = ZeilenJeSeite(seite);
    return 1 + static_cast<int>((m_zeilen.size() + jeSeite - 1) / jeSeite);
  }

  void SeiteZeichnen(QPainter& p, QSizeF seite, int nr) const override {
    if (nr <= 1) {
      m_diagrammseite->SeiteZeichnen(p, seite, 1);
      return;
    }
    p.save();
    const double faktor = Faktor(seite);
    Lometric l(p, QPointF(0, 0), p.device()->logicalDpiX() * faktor, p.device()->logicalDpiY() * faktor);
    const double breite = seite.width() / faktor, hoehe = seite.height() / faktor;
    p.setPen(Qt::black);
    p.setFont(l.Schrift(Diagrammschrift(600), 70));
    l.Text(breite / 2, -RAND, QString::fromStdString(m_feldname), Lometric::Ausrichtung::MitteOben);
    p.setFont(l.Schrift(Diagrammschrift(700), 50));
    l.Text(breite / 2, -RAND - 90, QStringLiteral("Feldübersicht: Tabelle"), Lometric::Ausrichtung::MitteOben);
    p.setFont(l.Schrift(Diagrammschrift(400), SCHRIFTHOEHE));
    const std::size_t jeSeite = ZeilenJeSeite(seite);
    const std::size_t von = static_cast<std::size_t>(nr - 2) * jeSeite;
    double y = -RAND - KOPF;
    for (std::size_t k = von; k < von + jeSeite && k < m_zeilen.size(); ++k, y -= ZEILE)
      l.Text(RAND, y, QString::fromStdString(m_zeilen[k]));
    p.setFont(l.Schrift(Diagrammschrift(700), 40));
    l.Text(RAND, -hoehe + RAND, QString::fromStdString(GrafikDokumentzeile(m_feldname)));
    p.restore();
  }

 private:
  // The table is wide: its font shrinks until the longest line fits the page (a fixed-pitch character
  // is 0.6 of the font's height wide).
  double Faktor(QSizeF seite) const {
    const double breite = 2 * RAND + static_cast<double>(m_laengste) * SCHRIFTHOEHE * 0.62;
    return std::clamp(seite.width() / breite, 0.3, 1.0);
  }
  std::size_t ZeilenJeSeite(QSizeF seite) const {
    const double hoehe = seite.height() / Faktor(seite);
    return static_cast<std::size_t>(std::max(1.0, std::floor((hoehe - 2 * RAND - KOPF - FUSS) / ZEILE)));
  }

  std::shared_ptr<const Feldergebnis> m_feld;
  std::string m_feldname;
  std::vector<std::string> m_zeilen;
  std::size_t m_laengste = 0;
  std::unique_ptr<Druckvorlage> m_diagrammseite;
};

}  // namespace

Analyseseite FeldDiagrammseite(const Feldergebnis& f, const std::string& feldname) {
  Analyseseite s;
  s.gasbohrung = feldname;
  s.ueberschrift = QStringLiteral("Feldübersicht");
  s.text = FeldZusammenfassung(f);
  s.diagramme.push_back(FeldDiagramm(f));
  return s;
}

std::unique_ptr<Druckvorlage> FeldDruckvorlage(std::shared_ptr<const Feldergebnis> f, std::string feldname) {
  return std::make_unique<FeldSeiten>(std::move(f), std::move(feldname));
}

}  // namespace zelvor
