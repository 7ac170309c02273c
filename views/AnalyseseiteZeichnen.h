#pragma once
// A page of an analysis, painted on any painter: the well's name and the analysis's heading, a text
// block, then its diagrams one beneath the other (on a landscape page in a column beside the text), and
// the document line at the bottom. Screen, printer, preview and the command-line export draw through it.
#include <QImage>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "report/Diagramm.h"
#include "views/Drucken.h"

class QPainter;

namespace zelvor {

struct Analyseseite {
  std::string gasbohrung;
  QString ueberschrift;  // beneath the well's name
  std::vector<std::string> text;
  std::vector<Diagramm> diagramme;  // none when the analysis has only its reason to show
};

// Logical size (0.1 mm) of the page, stacked (quer = false) or with the diagrams beside the text.
QSizeF AnalyseseiteFlaeche(const Analyseseite& s, bool quer);

// Paints the page with its top-left corner at the device point ursprung, scaled by faktor (1 = true
// size). titel is the document's title.
void AnalyseseiteZeichnen(QPainter& p, QPointF ursprung, const Analyseseite& s, const std::string& titel,
                          bool quer = false, double faktor = 1.0);

// One printed page: the arrangement follows the page's shape, the whole shrunk to fit. inhalt is asked
// at every page, so the printout shows the document as it is then.
std::unique_ptr<Druckvorlage> AnalyseseiteDruckvorlage(std::function<Analyseseite()> inhalt, std::string titel);

// The screen's page as an image on white at dpi dots per inch, and as an SVG file (one unit per 0.1 mm;
// "" on success, else why it cannot be written).
QImage AnalyseseiteBild(const Analyseseite& s, const std::string& titel, double dpi = 96);
QString AnalyseseiteAlsSvg(const QString& pfad, const Analyseseite& s, const std::string& titel);

}  // namespace zelvor
