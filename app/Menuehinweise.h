#pragma once
// The status bar's prompt for the highlighted menu item, in every menu of the window and its context
// menu, for enabled and disabled items alike; "Bereit" again when the menu closes.
class QMainWindow;
class QMenu;
class QToolBar;

namespace zelvor {

// For every menu the window holds now.
void MenuehinweiseEinrichten(QMainWindow& fenster);
void MenuehinweiseEinrichten(QMainWindow& fenster, QMenu& menue);

// A toolbar that was dragged to another place leaves no button's prompt behind: once it has moved, the
// prompt goes unless the mouse is over one of its buttons.
void SymbolleistenhinweiseEinrichten(QMainWindow& fenster, QToolBar& leiste);

}  // namespace zelvor
