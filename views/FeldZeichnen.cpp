#include "views/FeldZeichnen.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <optional>

#include "report/Felddiagramm.h"
#include "report/Rueckgangsdiagramme.h"
#include "report/Feldkennlinientext.h"
#include "report/Feldtabelle.h"
#include "report/Standortspeichertext.h"
#include "report/Grafiklayout.h"
#include "report/Felddruck.h"
#include "views/DiagrammZeichnen.h"
#include "views/Lometric.h"
#include "views/TabelleZeichnen.h"

namespace zelvor {
namespace {

constexpr double RAND = 100;
constexpr double KOPF = 200;  // the field's name and the page's heading
constexpr double FUSS = 100;  // the document line
// The result table's print size: the table is cut between its columns to fit rather than shrunk.
constexpr int SCHRIFTHOEHE = TABELLE_DRUCKSCHRIFT;
constexpr double ZEILE = SCHRIFTHOEHE;
// A fixed-pitch character of that cell: 0.6 em wide, the cell (ascent and descent) 1.13 em high.
constexpr double ZEICHENBREITE = 0.6 * SCHRIFTHOEHE / 1.13;

// The table pages' lines: the wells' table, then the field's course, each in parts of columns that fit
// the page's width, flowing over as many pages as they need under their headings.
std::vector<std::vector<std::string>> Tabellenseiten(const Feldergebnis& f, QSizeF seite) {
  const auto zeichen = static_cast<std::size_t>(std::max(20.0, (seite.width() - 2 * RAND) / ZEICHENBREITE));
  const auto zeilen = static_cast<std::size_t>(std::max(4.0, std::floor((seite.height() - 2 * RAND - KOPF - FUSS) / ZEILE)));
  return Druckseiten(FeldDruckteile(f, zeichen), zeilen);
}

class FeldSeiten : public Druckvorlage {
 public:
  FeldSeiten(std::shared_ptr<const Feldergebnis> f, std::string feldname)
      : m_feld(std::move(f)), m_feldname(std::move(feldname)),
        m_diagrammseite(AnalyseseiteDruckvorlage([this] { return FeldDiagrammseite(*m_feld, m_feldname); }, m_feldname)) {}

  int Seitenanzahl(QSizeF seite) const override { return 1 + static_cast<int>(Seiten(seite).size()); }

  void SeiteZeichnen(QPainter& p, QSizeF seite, int nr) const override {
    if (nr <= 1) {
      m_diagrammseite->SeiteZeichnen(p, seite, 1);
      return;
    }
    const std::vector<std::vector<std::string>>& seiten = Seiten(seite);
    if (static_cast<std::size_t>(nr - 2) >= seiten.size()) return;
    const std::vector<std::string>& zeilen = seiten[static_cast<std::size_t>(nr - 2)];
    p.save();
    Lometric l(p, QPointF(0, 0), p.device()->logicalDpiX(), p.device()->logicalDpiY());
    const double breite = seite.width(), hoehe = seite.height();
    p.setPen(Qt::black);
    p.setFont(l.Schrift(Diagrammschrift(600), 70));
    l.Text(breite / 2, -RAND, QString::fromStdString(m_feldname), Lometric::Ausrichtung::MitteOben);
    p.setFont(l.Schrift(Diagrammschrift(700), 50));
    l.Text(breite / 2, -RAND - 90, QStringLiteral("Feldübersicht: Tabelle"), Lometric::Ausrichtung::MitteOben);
    p.setFont(l.Schrift(Diagrammschrift(400), SCHRIFTHOEHE));
    double y = -RAND - KOPF;
    for (const std::string& z : zeilen) {
      l.Text(RAND, y, QString::fromStdString(z));
      y -= ZEILE;
    }
    p.setFont(l.Schrift(Diagrammschrift(700), 40));
    l.Text(RAND, -hoehe + RAND, QString::fromStdString(GrafikDokumentzeile(m_feldname)));
    p.restore();
  }

 private:
  // The pages for one page size, laid out once: each page laid out anew would cost the whole table's
  // text, and a field of many wells many pages of it.
  const std::vector<std::vector<std::string>>& Seiten(QSizeF seite) const {
    if (!m_seiten || m_seitengroesse != seite) {
      m_seiten = Tabellenseiten(*m_feld, seite);
      m_seitengroesse = seite;
    }
    return *m_seiten;
  }

  std::shared_ptr<const Feldergebnis> m_feld;
  std::string m_feldname;
  std::unique_ptr<Druckvorlage> m_diagrammseite;
  mutable QSizeF m_seitengroesse;
  mutable std::optional<std::vector<std::vector<std::string>>> m_seiten;
};

}  // namespace

Analyseseite FeldDiagrammseite(const Feldergebnis& f, const std::string& feldname) {
  Analyseseite s;
  s.gasbohrung = feldname;
  s.ueberschrift = QStringLiteral("Feldübersicht");
  s.text = FeldZusammenfassung(f);
  // The capacity's table stands with its curves.
  if (!f.kennlinien.Leer()) {
    s.text.emplace_back();
    for (std::string& z : FeldkennlinienText(f.kennlinien)) s.text.push_back(std::move(z));
  }
  // A field of storage wells alone has no rate over time to show, only its capacity by fill level.
  if (f.kennlinien.Leer() || !f.Liefernde().empty()) s.diagramme.push_back(FeldDiagramm(f));
  if (!f.kennlinien.Leer())
    for (Diagramm& d : FeldkennlinienDiagramme(f.kennlinien)) s.diagramme.push_back(std::move(d));
  // The dated production wells' declines beside their forecasts: the block's first line, and the diagram.
  if (const std::vector<std::string> rueckgang = FeldrueckgangText(f.rueckgang); !rueckgang.empty()) {
    s.text.insert(s.text.end(), {"", rueckgang.front()});
    s.diagramme.push_back(FeldrueckgangDiagramm(f.rueckgang));
  }
  // The site's storage year: its targets in the text, its days on the table pages and in the diagram.
  if (std::vector<std::string> jahr = StandortspeicherjahrText(f, Standorttabelle::Keine); !jahr.empty()) {
    s.text.emplace_back();
    for (std::string& z : jahr) s.text.push_back(std::move(z));
    if (f.speicherjahr.Gemacht()) s.diagramme.push_back(StandortspeicherjahrDiagramm(f.speicherjahr));
  }
  return s;
}

std::unique_ptr<Druckvorlage> FeldDruckvorlage(std::shared_ptr<const Feldergebnis> f, std::string feldname) {
  return std::make_unique<FeldSeiten>(std::move(f), std::move(feldname));
}

}  // namespace zelvor
