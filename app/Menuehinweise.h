#pragma once
// The status bar's prompt for the highlighted menu item, in every menu of the window and its context
// menu, for enabled and disabled items alike; "Bereit" again when the menu closes.
class QMainWindow;
class QMenu;

namespace zelvor {

// For every menu the window holds now.
void MenuehinweiseEinrichten(QMainWindow& fenster);
void MenuehinweiseEinrichten(QMainWindow& fenster, QMenu& menue);

}  // namespace zelvor
