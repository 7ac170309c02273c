#include "dialogs/Ratendateiwahl.h"

#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>

#include "dialogs/Dateidialog.h"

namespace zelvor {
namespace {

// Enter on a pattern typed into the name field ("*.csv", "*.xlsx") lists the files it matches, as the
// pattern the field starts with does, instead of looking for a file of that name.
class MusterEingabe : public QObject {
 public:
  explicit MusterEingabe(QFileDialog& dialog) : QObject(&dialog), m_dialog(dialog) {}

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override {
    if (ereignis->type() != QEvent::KeyPress) return false;
    const int taste = static_cast<QKeyEvent*>(ereignis)->key();
    auto* feld = qobject_cast<QLineEdit*>(objekt);
    if (!feld || (taste != Qt::Key_Return && taste != Qt::Key_Enter)) return false;
    const QString muster = feld->text().trimmed();
    if (!muster.contains(QLatin1Char('*')) && !muster.contains(QLatin1Char('?'))) return false;
    // The typed pattern becomes the chosen filter; the kinds stay offered beneath it.
    m_dialog.setNameFilters(QStringList{muster} + RatendateiFilter());
    m_dialog.selectNameFilter(muster);
    feld->setText(muster);
    return true;
  }

 private:
  QFileDialog& m_dialog;
};

}  // namespace

QStringList RatendateiFilter() {
  return {QStringLiteral("Ratendateien (*.TXT)"), QStringLiteral("CSV- und Textdateien (*.csv *.tsv *.txt *.dat)"),
          QStringLiteral("Arbeitsmappen (*.xlsx *.ods)"),
          QStringLiteral("Alle lesbaren Dateien (*.TXT *.csv *.tsv *.dat *.xlsx *.ods)"), QStringLiteral("Alle Dateien (*)")};
}

void RatendateidialogEinrichten(QFileDialog& dialog) {
  dialog.setWindowTitle(QStringLiteral("Öffnen"));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  // A platform dialog may match its patterns case-sensitively; Qt's own matches them as told below.
  DateidialogEinrichten(dialog);
  dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
  dialog.setNameFilters(RatendateiFilter());
  // The file name field starts with the pattern itself.
  dialog.selectFile(QString::fromLatin1(RATENDATEI_MUSTER));
  if (auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
    name->installEventFilter(new MusterEingabe(dialog));
}

QString RatendateiWaehlen(QWidget* besitzer) {
  QFileDialog dialog(besitzer);
  RatendateidialogEinrichten(dialog);
  if (dialog.exec() != QDialog::Accepted) return {};
  const QStringList gewaehlt = dialog.selectedFiles();
  return gewaehlt.isEmpty() ? QString() : gewaehlt.front();
}

}  // namespace zelvor
