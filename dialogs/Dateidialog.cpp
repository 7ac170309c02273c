#include "dialogs/Dateidialog.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QTreeView>

namespace zelvor {
namespace {

// The file model writes sizes and dates in the system's locale, which on many machines is "C" (English
// month names). The listing follows the interface's locale instead.
class DeutscheDateiliste : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;

  QVariant data(const QModelIndex& index, int role) const override {
    const auto* dateien = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role == Qt::DisplayRole && dateien && index.isValid()) {
      const QModelIndex quelle = mapToSource(index);
      const QLocale sprache;
      if (index.column() == SPALTE_GROESSE && !dateien->isDir(quelle))
        return sprache.formattedDataSize(dateien->size(quelle), 1, QLocale::DataSizeTraditionalFormat);
      if (index.column() == SPALTE_DATUM) return sprache.toString(dateien->lastModified(quelle), QLocale::ShortFormat);
    }
    return QIdentityProxyModel::data(index, role);
  }

  static constexpr int SPALTE_GROESSE = 1;
  static constexpr int SPALTE_DATUM = 3;
};

}  // namespace

void DateidialogEinrichten(QFileDialog& dialog) {
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  // A chosen link is handed back as the link: the file written is the one the user named, and the
  // writer decides what may be replaced behind it.
  dialog.setOption(QFileDialog::DontResolveSymlinks, true);
  dialog.setLocale(QLocale());
  dialog.setProxyModel(new DeutscheDateiliste(&dialog));
  dialog.setViewMode(QFileDialog::Detail);
  dialog.resize(840, 500);
  if (auto* liste = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
    QHeaderView* kopf = liste->header();
    kopf->setStretchLastSection(false);
    kopf->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int spalte = 1; spalte < kopf->count(); ++spalte)
      kopf->setSectionResizeMode(spalte, QHeaderView::ResizeToContents);
  }
}

}  // namespace zelvor
