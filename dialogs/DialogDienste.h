#pragma once
// What the input dialog needs from the program around it: message boxes, Yes/No questions, the help
// the choice of a rate file and the clipboard's text. The program passes its own services; tests pass scripted ones.
#include <QString>
#include <functional>

class QWidget;

namespace zelvor {

struct DialogDienste {
  // A message with an OK button.
  std::function<void(QWidget* besitzer, const QString& text)> meldung;
  // A question where only Yes acts; true for Yes.
  std::function<bool(QWidget* besitzer, const QString& text)> frage;
  // Shows the help topic of the context; false when there is no help to show.
  std::function<bool(QWidget* besitzer, int kontext)> hilfe;
  // The rate file to import, or an empty string when the user cancels.
  std::function<QString(QWidget* besitzer)> ratendateiWaehlen;
  // The text on the clipboard, for pasting rate lines.
  std::function<QString()> zwischenablage;
};

// Message boxes, no help, and the rate file dialog. Services left empty by a caller fall back to these.
DialogDienste StandardDienste();

}  // namespace zelvor
