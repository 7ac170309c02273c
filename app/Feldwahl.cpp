#include "app/Feldwahl.h"

#include <QFileDialog>

#include "dialogs/Dateidialog.h"

namespace zelvor {
namespace {

Feldwahl& Dienst() {
  static Feldwahl wahl = [](QWidget* besitzer, Feldwahlart art) -> QStringList {
    QFileDialog dlg(besitzer);
    DateidialogEinrichten(dlg);
    switch (art) {
      case Feldwahlart::Bohrungen:
        dlg.setWindowTitle(QStringLiteral("Feldübersicht: Bohrungen wählen"));
        dlg.setNameFilters({QStringLiteral("Bohrungen und Felder (*.zlv *.zlf)"), QStringLiteral("Alle Dateien (*)")});
        dlg.setFileMode(QFileDialog::ExistingFiles);
        break;
      case Feldwahlart::Ordner:
        dlg.setWindowTitle(QStringLiteral("Feldübersicht: Ordner mit Bohrungen wählen"));
        dlg.setFileMode(QFileDialog::Directory);
        dlg.setOption(QFileDialog::ShowDirsOnly, true);
        break;
      case Feldwahlart::Speichern:
        dlg.setWindowTitle(QStringLiteral("Feld speichern unter"));
        dlg.setNameFilter(QStringLiteral("Feld (*.zlf)"));
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        dlg.setDefaultSuffix(QStringLiteral("zlf"));
        break;
    }
    if (dlg.exec() != QDialog::Accepted) return {};
    return dlg.selectedFiles();
  };
  return wahl;
}

}  // namespace

void FeldwahlSetzen(Feldwahl wahl) { Dienst() = std::move(wahl); }

QStringList FeldWaehlen(QWidget* besitzer, Feldwahlart art) { return Dienst()(besitzer, art); }

}  // namespace zelvor
