#pragma once
// The file dialogs for opening and saving wells; tests replace them.
#include <QString>
#include <functional>

class QWidget;

namespace zelvor {

// Returns the chosen path, or an empty string when the user cancels. vorschlag is the file name offered.
using Dateiwahl = std::function<QString(QWidget* besitzer, bool speichern, const QString& vorschlag)>;
void DateiwahlSetzen(Dateiwahl wahl);
QString DateiWaehlen(QWidget* besitzer, bool speichern, const QString& vorschlag = {});

// A name typed without the well file's extension gets it.
QString MitEndung(const QString& pfad);

}  // namespace zelvor
