#pragma once
// Printing for both views: a view describes its pages, and the printer, the print preview and the PDF
// export all print through that one description. Page sizes are in logical units (0.1 mm).
#include <QSizeF>
#include <QString>
#include <functional>

class QPainter;
class QPrinter;
class QWidget;

namespace zelvor {

class Druckvorlage {
 public:
  virtual ~Druckvorlage() = default;
  // Pages needed on a printable area of this size.
  virtual int Seitenanzahl(QSizeF seite) const = 0;
  // Paints page seite (from 1); (0, 0) of the printable area is the painter's device origin.
  virtual void SeiteZeichnen(QPainter& p, QSizeF seite, int seite_nr) const = 0;
};

// Printable area of the printer's current page layout, in logical units.
QSizeF DruckbereichLogisch(const QPrinter& drucker);

// Prints every page the printable area needs (or the range chosen in the print dialog).
// False when the printer cannot be opened.
bool AufDruckerAusgeben(QPrinter& drucker, const Druckvorlage& vorlage);

// The print dialog. maxSeite is the page count announced before the dialog. Tests replace it, so that no
// test waits on a modal dialog. Returns false when the user cancels.
using Druckerwahl = std::function<bool(QPrinter& drucker, QWidget* besitzer, int maxSeite)>;
void DruckerwahlSetzen(Druckerwahl wahl);
bool DruckerWaehlen(QPrinter& drucker, QWidget* besitzer, int maxSeite);
// Every print dialog starts with all pages, its range fields at 1 to the page count, whatever range the
// previous print had.
void AlleSeitenVorwaehlen(QPrinter& drucker, int maxSeite);

// The print preview, modal; replaceable like the print dialog.
using Vorschau = std::function<void(QPrinter& drucker, QWidget* besitzer, const Druckvorlage& vorlage)>;
void VorschauSetzen(Vorschau vorschau);
void Seitenansicht(QPrinter& drucker, QWidget* besitzer, const Druckvorlage& vorlage);

// The program's printer, as "Druckereinrichtung" leaves it.
QPrinter& AnwendungsDrucker();

// Prints to a PDF file on an A4 page, portrait or landscape, and replaces the file as a whole
// (views/Ausgabedatei.h). "" on success, else the message naming the file and the reason.
QString InPdfAusgeben(const QString& pfad, const Druckvorlage& vorlage, bool quer);

}  // namespace zelvor
