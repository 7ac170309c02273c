#include <QApplication>
#include <cstdio>
#include <cstring>

#include "app/CZelvorApp.h"
#include "doc/Programmversion.h"

int main(int argc, char** argv) {
  // Answered before Qt starts, so that it needs no display.
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("zelvor %s\n", zelvor::PROGRAMMVERSION);
    return 0;
  }
  QApplication app(argc, argv);
  zelvor::CZelvorApp::DeutschEinrichten();
  zelvor::CZelvorApp zelvor;
  int ende = -1;
  if (!zelvor.InitInstance(QApplication::arguments().mid(1), &ende)) return 1;
  if (ende >= 0) return ende;
  return QApplication::exec();
}
