#include "dialogs/Alttaste.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace zelvor {

bool AltTasteOhneMnemonik(const QObject* objekt, const QEvent* ereignis) {
  if (ereignis->type() != QEvent::KeyPress || !qobject_cast<const QLineEdit*>(objekt)) return false;
  const auto* taste = static_cast<const QKeyEvent*>(ereignis);
  return (taste->modifiers() & Qt::AltModifier) && !(taste->modifiers() & Qt::ControlModifier) &&
         !taste->text().isEmpty() && taste->text().front().isPrint();
}

}  // namespace zelvor
