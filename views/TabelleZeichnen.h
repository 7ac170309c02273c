#pragma once
// The result table, painted on any painter: on the screen one line per text line in the screen font, on
// paper page by page under the "Dokument:" header in the print font.
#include <QPointF>
#include <QRectF>
#include <memory>
#include <string>

#include "doc/CZelvorDoc.h"
#include "views/Drucken.h"

class QPainter;

namespace zelvor {

// Paints the lines as the table view shows them. ursprung is the device position of the logical point
// (0, 0); lines wholly outside sichtbar (device coordinates) may be skipped, an empty rectangle paints all.
void TabelleZeichnen(QPainter& p, QPointF ursprung, const CStringArray& zeilen, QRectF sichtbar = {});

// Logical height (0.1 mm) the screen table needs for this many lines, for the scroll area: on the primary
// screen, or on a device of the given vertical resolution.
int TabellenHoehe(int zeilenAnzahl);
int TabellenHoehe(int zeilenAnzahl, double dpiY);

// Logical width the screen table needs to reach the end of its longest line, on a device of the given
// horizontal resolution.
int TabellenBreite(const CStringArray& zeilen, double dpiX);

// Character cell height (0.1 mm) of the printed result table; other printed tables are not smaller.
inline constexpr int TABELLE_DRUCKSCHRIFT = 44;

// The table's printed pages, 61 lines on a page taller than wide, else 40.
std::unique_ptr<Druckvorlage> TabellenDruckvorlage(const CZelvorDoc& doc, std::string titel);

}  // namespace zelvor
