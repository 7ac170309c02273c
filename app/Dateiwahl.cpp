#include "app/Dateiwahl.h"

#include <QFileDialog>

#include "app/Anwendungstexte.h"

namespace zelvor {
namespace {

Dateiwahl& Dienst() {
  static Dateiwahl wahl = [](QWidget* besitzer, bool speichern, const QString& vorschlag) {
    const QString filter = DATEIFILTER + QStringLiteral(";;Alle Dateien (*)");
    if (speichern)
      return QFileDialog::getSaveFileName(besitzer, QStringLiteral("Speichern unter"), vorschlag, filter);
    return QFileDialog::getOpenFileName(besitzer, QStringLiteral("Öffnen"), vorschlag, filter);
  };
  return wahl;
}

}  // namespace

void DateiwahlSetzen(Dateiwahl wahl) { Dienst() = std::move(wahl); }

QString DateiWaehlen(QWidget* besitzer, bool speichern, const QString& vorschlag) {
  return Dienst()(besitzer, speichern, vorschlag);
}

QString MitEndung(const QString& pfad) {
  if (pfad.isEmpty() || pfad.endsWith(DATEIENDUNG, Qt::CaseInsensitive)) return pfad;
  return pfad + DATEIENDUNG;
}

}  // namespace zelvor
