#pragma once
// "Info über zelvor": the program's icon, name, version and licence, with the licence text and the
// notices of the libraries it uses a button away.
#include <QDialog>

namespace zelvor {

class CAboutDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CAboutDlg(QWidget* parent = nullptr);

  // The texts the buttons show, compiled into the program (empty if the resource is missing).
  static QString Lizenztext();
  static QString Drittsoftwaretext();

 private:
  void TextZeigen(const QString& titel, const QString& text);
};

}  // namespace zelvor
