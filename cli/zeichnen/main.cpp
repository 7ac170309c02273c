// zelvor-cli-zeichnen: graph and print of zelvor-cli, which hands them over to this program so that
// zelvor-cli itself needs no Qt. Runs without a display.
#include <QGuiApplication>
#include <clocale>
#include <iostream>

#include "cli/Argumente.h"
#include "cli/Befehle.h"
#include "cli/Maskierung.h"
#include "cli/zeichnen/Feldbild.h"
#include "cli/zeichnen/Zeichenbefehle.h"

namespace {

// Qt's notes and warnings (no runtime directory, a painter that could not begin on an unwritable file)
// are not for the user of a command line, who gets one German line per failure from us instead.
QtMessageHandler qtStandard = nullptr;

void QtMeldung(QtMsgType typ, const QMessageLogContext& ort, const QString& text) {
  if ((typ == QtCriticalMsg || typ == QtFatalMsg) && qtStandard) qtStandard(typ, ort, text);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace zelvor::cli;
  const bool feld = argc >= 2 && std::string(argv[1]) == "feld";
  // No control character from a well reaches the terminal as it is.
  SichtbarerStrom sichtbar(std::cerr.rdbuf());
  std::ostream err(&sichtbar);
  Argumente a;
  if (!feld) {
    if (const auto m = ArgumenteLesen(argc, argv, a)) return Aufruffehler(err, *m);
    if (!IstZeichenbefehl(a.befehl))
      return Aufruffehler(err, "Dieses Programm führt nur graph, print und feld mit Bildausgabe aus.");
  }

#ifndef _WIN32
  // Without a display. Windows always has its desktop, and Qt's offscreen platform there knows no fonts.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
  qtStandard = qInstallMessageHandler(QtMeldung);
  int qtArgc = 1;  // the arguments are ours; Qt must not read options of its own from them
  QGuiApplication app(qtArgc, argv);
  // Qt switches LC_NUMERIC to the user's locale; the texts of the evaluation need the decimal point.
  std::setlocale(LC_NUMERIC, "C");

  const int status = feld                   ? Feldbild(argc, argv, err)
                     : a.befehl == "graph" ? Graph(a, err)
                                           : Print(a, err);
  err.flush();
  std::cerr.flush();
  return status;
}
