#pragma once
// The graph of a well: frame, ticks, labels, grid, title, captions, legends and the two curves, painted on
// any painter. The graph view, its printout and the command-line export all draw through this.
#include <QImage>
#include <QPointF>
#include <memory>
#include <string>

#include "doc/CZelvorDoc.h"
#include "views/Drucken.h"

class QPainter;

namespace zelvor {

// The layout flags of the graph view.
struct GrafikZustand {
  bool print = false;       // printing or print preview
  bool hochformat = true;   // portrait layout (always on screen)
  bool grafiklupe = false;  // zoom
};

// Logical size (0.1 mm) of the graph view's scrolling surface.
inline constexpr int GRAFIK_FLAECHE_BREITE = 2500;
inline constexpr int GRAFIK_FLAECHE_HOEHE = 2200;

// Paints the graph. ursprung is the device position of the surface's top-left corner, where the logical
// point (-400, 300) lies; the resolution is the painter's device's. titel is the document's title.
void GrafikZeichnen(QPainter& p, QPointF ursprung, const CZelvorDoc& doc, const std::string& titel,
                    const GrafikZustand& zustand);

// One printed page of the graph, portrait or landscape from the page's shape.
std::unique_ptr<Druckvorlage> GrafikDruckvorlage(const CZelvorDoc& doc, std::string titel, bool grafiklupe);

}  // namespace zelvor
