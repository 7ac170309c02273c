#pragma once
// "Info über zelvor": the program's icon, name and version.
#include <QDialog>

namespace zelvor {

class CAboutDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace zelvor
