#include "app/Exportieren.h"

#include <QFileDialog>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QStatusBar>

#include "app/Rueckfrage.h"
#include "dialogs/Dateidialog.h"
#include "export/Export.h"
#include "doc/DokumentSpeicher.h"
#include "export/Exporttabellen.h"
#include "export/Transparenzexport.h"
#include "views/CAnsicht.h"

namespace zelvor {
namespace {

Exportwahl& Dienst() {
  static Exportwahl wahl = [](QWidget* besitzer, const QString& vorschlag) {
    const QStringList filter = Exportfilter();
    QFileDialog dlg(besitzer, QStringLiteral("Exportieren"), vorschlag, filter.join(QStringLiteral(";;")));
    DateidialogEinrichten(dlg);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setDefaultSuffix(QString::fromLatin1(ExportartEndung(Exportart::Png)));
    // The extension follows the chosen kind, so that the dialog asks about the file really written.
    QObject::connect(&dlg, &QFileDialog::filterSelected, &dlg, [&dlg, filter](const QString& f) {
      dlg.setDefaultSuffix(QString::fromLatin1(ExportartEndung(static_cast<Exportart>(std::max<qsizetype>(0, filter.indexOf(f))))));
    });
    Exportziel ziel;
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return ziel;
    ziel.pfad = dlg.selectedFiles().constFirst();
    ziel.art = static_cast<Exportart>(std::max<qsizetype>(0, filter.indexOf(dlg.selectedNameFilter())));
    return ziel;
  };
  return wahl;
}

}  // namespace

QStringList Exportfilter() {
  return {QStringLiteral("PNG-Bild der Ansicht (*.png)"), QStringLiteral("SVG-Grafik der Ansicht (*.svg)"),
          QStringLiteral("PDF-Dokument der Ansicht (*.pdf)"),
          QStringLiteral("CSV-Tabellen, Komma und Dezimalpunkt (*.csv)"),
          QStringLiteral("CSV-Tabellen für Excel deutsch, Semikolon und Dezimalkomma (*.csv)"),
          QStringLiteral("Excel-Arbeitsmappe (*.xlsx)"),
          QStringLiteral("Transparenzdaten des Speicherjahres, CSV (*.csv)"),
          QStringLiteral("Transparenzdaten des Speicherjahres, JSON (*.json)")};
}

Exportformat Tabellenformat(Exportart art) {
  if (art == Exportart::Csv) return Exportformat::Csv;
  if (art == Exportart::CsvExcelDeutsch) return Exportformat::CsvExcelDeutsch;
  return Exportformat::Xlsx;
}

QString ExportiertMeldung(const QString& pfad, Exportart art) {
  const bool bild = art == Exportart::Png || art == Exportart::Svg || art == Exportart::Pdf;
  const bool transparenz = art == Exportart::TransparenzCsv || art == Exportart::TransparenzJson;
  return (bild          ? QStringLiteral("Die Ansicht ist in die Datei %1 exportiert.")
          : transparenz ? QStringLiteral("Die Transparenzdaten des Speicherjahres sind in die Datei %1 exportiert.")
                        : QStringLiteral("Die Tabellen sind in die Datei %1 exportiert."))
      .arg(QDir::toNativeSeparators(pfad));
}

void ExportwahlSetzen(Exportwahl wahl) { Dienst() = std::move(wahl); }

Exportziel ExportzielWaehlen(QWidget* besitzer, const QString& vorschlag) {
  Exportziel ziel = Dienst()(besitzer, vorschlag);
  if (ziel.pfad.isEmpty()) return ziel;
  const Exportdatei datei = ExportdateiBestimmen(ziel.pfad.toStdString(), ziel.art);
  return {QString::fromStdString(datei.pfad), datei.art};
}

bool Exportieren(QWidget* besitzer, const CAnsicht& ansicht, const CZelvorDoc& doc, const QString& vorschlag) {
  const Exportziel ziel = ExportzielWaehlen(besitzer, vorschlag);
  if (ziel.pfad.isEmpty()) return false;
  QString fehler;
  switch (ziel.art) {
    case Exportart::Png:
    case Exportart::Svg:
    case Exportart::Pdf:
      fehler = ansicht.BildExportieren(ziel.pfad);
      break;
    case Exportart::Csv:
    case Exportart::CsvExcelDeutsch:
    case Exportart::Xlsx: {
      fehler = QString::fromStdString(ExportSchreiben(QFile::encodeName(ziel.pfad).toStdString(),
                                                      ExporttabellenDesDokuments(doc), Tabellenformat(ziel.art)));
      break;
    }
    case Exportart::TransparenzCsv:
    case Exportart::TransparenzJson:
      fehler = QString::fromStdString(
          TransparenzSchreiben(QFile::encodeName(ziel.pfad).toStdString(), DokumentSpeicherjahr(doc)));
      break;
  }
  if (fehler.isEmpty()) {
    // Written where the user chose: say so where the prompts appear.
    if (auto* fenster = qobject_cast<QMainWindow*>(besitzer))
      fenster->statusBar()->showMessage(ExportiertMeldung(ziel.pfad, ziel.art));
    return true;
  }
  Rueckfragen().Meldung(besitzer, fehler);
  return false;
}

}  // namespace zelvor
