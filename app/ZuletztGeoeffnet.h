#pragma once
// The list of the four wells opened or saved last, newest first, kept in the user's settings.
#include <QStringList>

namespace zelvor {

class ZuletztGeoeffnet {
 public:
  QStringList Liste() const;
  // Puts the path at the top (once), dropping the oldest beyond four.
  void Hinzufuegen(const QString& pfad);
  // A file that could not be opened leaves the list.
  void Entfernen(const QString& pfad);
};

}  // namespace zelvor
