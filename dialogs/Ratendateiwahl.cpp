#include "dialogs/Ratendateiwahl.h"

#include <QFileDialog>

#include "dialogs/Dateidialog.h"

namespace zelvor {

void RatendateidialogEinrichten(QFileDialog& dialog) {
  dialog.setWindowTitle(QStringLiteral("Öffnen"));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  // A platform dialog may match its patterns case-sensitively; Qt's own matches them as told below.
  DateidialogEinrichten(dialog);
  dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
  dialog.setNameFilter(QString::fromLatin1(RATENDATEI_MUSTER));
  // The file name field starts with the pattern itself.
  dialog.selectFile(QString::fromLatin1(RATENDATEI_MUSTER));
}

QString RatendateiWaehlen(QWidget* besitzer) {
  QFileDialog dialog(besitzer);
  RatendateidialogEinrichten(dialog);
  if (dialog.exec() != QDialog::Accepted) return {};
  const QStringList gewaehlt = dialog.selectedFiles();
  return gewaehlt.isEmpty() ? QString() : gewaehlt.front();
}

}  // namespace zelvor
