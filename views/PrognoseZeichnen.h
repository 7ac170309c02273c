#pragma once
// The forecast view's pages, painted on any painter. On the screen one scrolling page: the well's name,
// what the forecast was made with, the rate diagrams over Gp and over time, then the table and the
// summary. Printed: the diagrams on the first page, the table on the pages after it. Screen, printer,
// preview and the command-line export all draw through this; it computes the forecast afresh on every
// call from the document's last run and settings.
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <memory>
#include <string>

#include "doc/CZelvorDoc.h"
#include "views/Drucken.h"

class QPainter;

namespace zelvor {

// Logical size (0.1 mm) of the screen's page.
QSizeF PrognoseFlaeche(const CZelvorDoc& doc);

// Paints the screen's page with its top-left corner at the device point ursprung. titel is the
// document's title. With a sichtbar rectangle (device pixels) the table draws only its lines inside it.
void PrognoseZeichnen(QPainter& p, QPointF ursprung, const CZelvorDoc& doc, const std::string& titel,
                      const QRectF& sichtbar = {});

// The printed pages: the diagram page (stacked on a portrait page, in rows of two on a landscape one,
// shrunk to fit), then as many table pages as the rows need at true size. A refused forecast prints its
// reason on the one page.
std::unique_ptr<Druckvorlage> PrognoseDruckvorlage(const CZelvorDoc& doc, std::string titel);

// The screen's page as an image on white at dpi dots per inch, and as an SVG file (one unit per 0.1 mm;
// "" on success, else why it cannot be written).
QImage PrognoseBild(const CZelvorDoc& doc, const std::string& titel, double dpi = 96);
QString PrognoseAlsSvg(const QString& pfad, const CZelvorDoc& doc, const std::string& titel);

}  // namespace zelvor
