#pragma once
// Online help: one German HTML document, shown in a help window of its own.
#include <QString>

class QWidget;

namespace zelvor {

// Where the help document lives. $ZELVOR_HILFE, when set, is the only place looked at (so that a
// missing document can be simulated); otherwise the installed layout
// <dir of the executable>/../share/zelvor/hilfe/zelvor.html, then the source tree's copy.
// Empty when no readable file is found.
QString HilfedokumentSuchen();

// Shows the help window "zelvor – Hilfe" (non-modal, one for the whole program, reused and raised)
// at the section that belongs to the help context. False when the document cannot be found or read;
// the caller then reports "Onlinehilfe nicht gefunden!".
bool HilfeZeigen(QWidget* besitzer, int kontext);

}  // namespace zelvor
