#include "views/Drucken.h"

#include "views/Ausgabedatei.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWidget>
#include <algorithm>
#include <memory>

namespace zelvor {
namespace {

Druckerwahl& WahlDienst() {
  static Druckerwahl wahl = [](QPrinter& drucker, QWidget* besitzer, int maxSeite) {
    AlleSeitenVorwaehlen(drucker, maxSeite);
    QPrintDialog dlg(&drucker, besitzer);
    dlg.setMinMax(1, std::max(1, maxSeite));
    dlg.setOption(QAbstractPrintDialog::PrintPageRange, true);
    return dlg.exec() == QDialog::Accepted;
  };
  return wahl;
}

Vorschau& VorschauDienst() {
  static Vorschau vorschau = [](QPrinter& drucker, QWidget* besitzer, const Druckvorlage& vorlage) {
    QPrintPreviewDialog dlg(&drucker, besitzer);
    dlg.setWindowTitle(QStringLiteral("Seitenansicht"));
    // Big enough to read a page: most of the main window, or of the screen without one.
    const QWidget* bezug = besitzer ? besitzer->window() : nullptr;
    const QSize flaeche = bezug ? bezug->size() : QSize(1000, 800);
    dlg.resize(std::max(700, flaeche.width() * 9 / 10), std::max(600, flaeche.height() * 9 / 10));
    QObject::connect(&dlg, &QPrintPreviewDialog::paintRequested,
                     [&vorlage](QPrinter* p) { AufDruckerAusgeben(*p, vorlage); });
    dlg.exec();
  };
  return vorschau;
}

}  // namespace

QSizeF DruckbereichLogisch(const QPrinter& drucker) {
  const QRectF mm = drucker.pageRect(QPrinter::Millimeter);
  return {mm.width() * 10.0, mm.height() * 10.0};
}

bool AufDruckerAusgeben(QPrinter& drucker, const Druckvorlage& vorlage) {
  const QSizeF seite = DruckbereichLogisch(drucker);
  // The count comes from the page actually printed on, so a landscape page gets all the pages it needs.
  const int anzahl = std::max(1, vorlage.Seitenanzahl(seite));
  int von = 1, bis = anzahl;
  if (drucker.printRange() == QPrinter::PageRange && drucker.fromPage() > 0) {
    von = std::max(1, drucker.fromPage());
    bis = std::min(anzahl, drucker.toPage() > 0 ? drucker.toPage() : anzahl);
  }
  QPainter p;
  if (!p.begin(&drucker)) return false;
  for (int s = von; s <= bis; ++s) {
    if (s > von) drucker.newPage();
    p.save();
    vorlage.SeiteZeichnen(p, seite, s);
    p.restore();
  }
  return p.end();
}

void AlleSeitenVorwaehlen(QPrinter& drucker, int maxSeite) {
  drucker.setPrintRange(QPrinter::AllPages);
  drucker.setFromTo(1, std::max(1, maxSeite));
}

void DruckerwahlSetzen(Druckerwahl wahl) { WahlDienst() = std::move(wahl); }
bool DruckerWaehlen(QPrinter& drucker, QWidget* besitzer, int maxSeite) {
  return WahlDienst()(drucker, besitzer, maxSeite);
}

void VorschauSetzen(Vorschau vorschau) { VorschauDienst() = std::move(vorschau); }
void Seitenansicht(QPrinter& drucker, QWidget* besitzer, const Druckvorlage& vorlage) {
  VorschauDienst()(drucker, besitzer, vorlage);
}

QPrinter& AnwendungsDrucker() {
  static QPrinter drucker(QPrinter::HighResolution);
  return drucker;
}

QString InPdfAusgeben(const QString& pfad, const Druckvorlage& vorlage, bool quer) {
  return ErzeugtesSchreiben(pfad, PdfDaten(vorlage, quer));
}

}  // namespace zelvor
