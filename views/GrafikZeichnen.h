#pragma once
// The graph of a well: frame, ticks, labels, grid, title, captions, legends and the two curves, painted on
// any painter. The graph view, its printout and the command-line export all draw through this.
#include <QImage>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "doc/CZelvorDoc.h"
#include "report/Grafiklayout.h"  // GrafikZustand, the layout flags of the graph view
#include "report/Grafikskalierung.h"
#include "views/Drucken.h"

class QPainter;

namespace zelvor {

// Logical size (0.1 mm) of the graph view's scrolling surface.
inline constexpr int GRAFIK_FLAECHE_BREITE = 2500;
inline constexpr int GRAFIK_FLAECHE_HOEHE = 2200;

// Paints the graph. ursprung is the device position of the surface's top-left corner, where the logical
// point (-400, 300) lies; the resolution is the painter's device's. titel is the document's title.
void GrafikZeichnen(QPainter& p, QPointF ursprung, const CZelvorDoc& doc, const std::string& titel,
                    const GrafikZustand& zustand);

// The same with a layout computed beforehand (a view keeps its axis ranges from one paint to the next).
void GrafikZeichnen(QPainter& p, QPointF ursprung, const CZelvorDoc& doc, const std::string& titel,
                    const Grafiklayout& layout);

// One recomputation as every paint does it: the document's series scaled on top of s (an empty series
// leaves the previous ranges), then the layout for the state.
Grafiklayout GrafikBerechnen(const CZelvorDoc& doc, Skalierung& s, const GrafikZustand& zustand);

// One printed page of the graph, portrait or landscape from the page's shape.
std::unique_ptr<Druckvorlage> GrafikDruckvorlage(const CZelvorDoc& doc, std::string titel, bool grafiklupe);

// The same for a view being printed: the page continues from the view's ranges s, and beimDrucken (if
// set) hears of each page's printable size before the page is painted.
std::unique_ptr<Druckvorlage> GrafikDruckvorlage(const CZelvorDoc& doc, std::string titel, bool grafiklupe,
                                                 const Skalierung& s,
                                                 std::function<void(QSizeF seite)> beimDrucken);

// The whole drawing surface (2500 x 2200) as an image on white at dpi dots per inch.
QImage GrafikBild(const CZelvorDoc& doc, const std::string& titel, const GrafikZustand& zustand, double dpi = 96);

// The whole drawing surface as an SVG file, one user unit per 0.1 mm. "" on success, else why it
// cannot be written.
QString GrafikAlsSvg(const QString& pfad, const CZelvorDoc& doc, const std::string& titel,
                  const GrafikZustand& zustand);

}  // namespace zelvor
