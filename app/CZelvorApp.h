#pragma once
// Start-up: German texts, the well document and its main window, and the command line
// (nothing: a new well; a path: open it; --print PATH: print its table and end).
#include <QStringList>
#include <memory>

namespace zelvor {

class CMainFrame;
class Dokumentsteuerung;

class CZelvorApp {
 public:
  CZelvorApp();
  ~CZelvorApp();

  // Loads Qt's German texts; call once after the QApplication exists.
  static void DeutschEinrichten();

  // Carries out the command line (without the program name). False when start-up fails; exit code in
  // *ende when the program has already done its work (printing).
  bool InitInstance(const QStringList& argumente, int* ende);

  CMainFrame* Rahmen() const { return m_Rahmen.get(); }
  Dokumentsteuerung* Dokument() const { return m_Dokument.get(); }

 private:
  std::unique_ptr<Dokumentsteuerung> m_Dokument;
  std::unique_ptr<CMainFrame> m_Rahmen;
};

}  // namespace zelvor
