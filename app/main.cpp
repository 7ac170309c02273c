#include <QApplication>

#include "app/CZelvorApp.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  zelvor::CZelvorApp::DeutschEinrichten();
  zelvor::CZelvorApp zelvor;
  int ende = -1;
  if (!zelvor.InitInstance(QApplication::arguments().mid(1), &ende)) return 1;
  if (ende >= 0) return ende;
  return QApplication::exec();
}
