#pragma once
// Alt with a letter that matches no mnemonic reaches the focused field as a plain key press carrying
// its letter; the dialogs swallow it, so that it types nothing.
class QEvent;
class QObject;

namespace zelvor {

// True for a key press on a line edit with Alt (without Ctrl) and a printable text.
bool AltTasteOhneMnemonik(const QObject* objekt, const QEvent* ereignis);

}  // namespace zelvor
