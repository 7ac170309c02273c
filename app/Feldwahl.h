#pragma once
// The file dialogs of the field overview: choosing wells, field files or a folder, and the field file to
// save. Tests replace them.
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace zelvor {

enum class Feldwahlart {
  Bohrungen,  // one or more wells (*.zlv) or field files (*.zlf)
  Ordner,     // a folder of wells
  Speichern,  // the field file to write
};
// The chosen paths; empty when the user cancels.
using Feldwahl = std::function<QStringList(QWidget* besitzer, Feldwahlart art)>;
void FeldwahlSetzen(Feldwahl wahl);
QStringList FeldWaehlen(QWidget* besitzer, Feldwahlart art);

}  // namespace zelvor
