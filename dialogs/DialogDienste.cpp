#include "dialogs/DialogDienste.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>

#include "dialogs/Ratendateiwahl.h"

namespace zelvor {

DialogDienste StandardDienste() {
  DialogDienste d;
  d.meldung = [](QWidget* besitzer, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("zelvor"), text, QMessageBox::Ok, besitzer);
    box.exec();
  };
  d.frage = [](QWidget* besitzer, const QString& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("zelvor"), text, QMessageBox::Yes | QMessageBox::No,
                    besitzer);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
  };
  d.hilfe = [](QWidget*, int) { return false; };
  d.ratendateiWaehlen = [](QWidget* besitzer) { return RatendateiWaehlen(besitzer); };
  d.zwischenablage = [] { return QGuiApplication::clipboard()->text(); };
  return d;
}

}  // namespace zelvor
