#pragma once
// Template 130, the input dialog's controls: kind, text and place in dialog units, in template order,
// which is also the tab order of the controls that take the focus by Tab.
#include <QHash>
#include <vector>

class QDialog;
class QWidget;

namespace zelvor {

enum class Steuerart { Eingabe, Text, Knopf, Standardknopf, Liste, Option, Schalter, Rahmen };

struct Vorlagenelement {
  int id;  // 0 for labels without a function
  Steuerart art;
  const char* text;  // UTF-8
  int x, y, breite, hoehe;
};

inline constexpr int VORLAGE_BREITE = 365;
inline constexpr int VORLAGE_HOEHE = 286;

const std::vector<Vorlagenelement>& DlgInputVorlage();

// Creates the controls on the dialog, places them in its font's dialog units, sets caption, size and tab
// order. Returns the controls by id.
QHash<int, QWidget*> DlgInputAnlegen(QDialog& dialog);

}  // namespace zelvor
