#include "app/Dateiwahl.h"

#include <QFileDialog>

#include "app/Anwendungstexte.h"
#include "dialogs/Dateidialog.h"

namespace zelvor {
namespace {

Dateiwahl& Dienst() {
  static Dateiwahl wahl = [](QWidget* besitzer, bool speichern, const QString& vorschlag) {
    const QString filter = DATEIFILTER + QStringLiteral(";;Alle Dateien (*)");
    QFileDialog dlg(besitzer, speichern ? QStringLiteral("Speichern unter") : QStringLiteral("Öffnen"), vorschlag,
                    filter);
    DateidialogEinrichten(dlg);
    if (!vorschlag.isEmpty()) dlg.selectFile(vorschlag);
    if (speichern) {
      dlg.setAcceptMode(QFileDialog::AcceptSave);
      // The extension is added before the dialog checks for a file to replace, so that it asks about
      // the file that will really be written.
      dlg.setDefaultSuffix(DATEIENDUNG.mid(1));
    } else {
      dlg.setFileMode(QFileDialog::ExistingFile);
    }
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return QString();
    return dlg.selectedFiles().constFirst();
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
