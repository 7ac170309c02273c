#pragma once
// The deliverability view's page, painted on any painter: the well's name, the analysis's text block,
// the back-pressure plot and the inflow curves. Screen, printer, preview and the command-line export
// all draw through this. It reads the document's last run afresh on every call.
#include <QImage>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <memory>
#include <string>

#include "doc/CZelvorDoc.h"
#include "views/Drucken.h"

class QPainter;

namespace zelvor {

// Logical size (0.1 mm) of the page as the screen stacks it (quer = false) or as a landscape page puts
// the text beside the plots.
QSizeF LieferfaehigkeitFlaeche(const CZelvorDoc& doc, bool quer);

// Paints the page with its top-left corner at the device point ursprung, scaled by faktor (1 = true
// size). titel is the document's title.
void LieferfaehigkeitZeichnen(QPainter& p, QPointF ursprung, const CZelvorDoc& doc, const std::string& titel,
                              bool quer = false, double faktor = 1.0);

// One printed page: the arrangement follows the page's shape, and the whole is shrunk to fit it.
std::unique_ptr<Druckvorlage> LieferfaehigkeitDruckvorlage(const CZelvorDoc& doc, std::string titel);

// The screen's page as an image on white at dpi dots per inch, and as an SVG file (one unit per 0.1 mm;
// "" on success, else why it cannot be written).
QImage LieferfaehigkeitBild(const CZelvorDoc& doc, const std::string& titel, double dpi = 96);
QString LieferfaehigkeitAlsSvg(const QString& pfad, const CZelvorDoc& doc, const std::string& titel);

}  // namespace zelvor
