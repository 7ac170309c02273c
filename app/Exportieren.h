#pragma once
// "Exportieren...": the current view as a picture (PNG, SVG) or its printed pages (PDF), or the well's
// numbers as CSV (two dialects) or an Excel workbook. The file dialog is replaceable for tests.
#include <QString>
#include <QStringList>
#include <functional>

#include "export/Export.h"

class QWidget;

namespace zelvor {

class CAnsicht;
class CZelvorDoc;

// The dialog's filters, in this order; the chosen one decides what is written.
// The last two: a storage well's storage year as the published storage transparency data.
enum class Exportart { Png, Svg, Pdf, Csv, CsvExcelDeutsch, Xlsx, TransparenzCsv, TransparenzJson };
QStringList Exportfilter();

struct Exportziel {
  QString pfad;  // empty: cancelled
  Exportart art = Exportart::Png;
};
using Exportwahl = std::function<Exportziel(QWidget* besitzer, const QString& vorschlag)>;
void ExportwahlSetzen(Exportwahl wahl);
// The dialog (or what a test installed), the chosen kind's extension added where the name lacks it.
Exportziel ExportzielWaehlen(QWidget* besitzer, const QString& vorschlag);

// The table writer's format of a CSV or workbook kind.
Exportformat Tabellenformat(Exportart art);

// What the status bar says after a successful export.
QString ExportiertMeldung(const QString& pfad, Exportart art);

// Asks for the file and writes it; a success is shown in the owner's status bar, a failure is told to the
// user with its reason. False when nothing was written.
bool Exportieren(QWidget* besitzer, const CAnsicht& ansicht, const CZelvorDoc& doc, const QString& vorschlag);

}  // namespace zelvor
