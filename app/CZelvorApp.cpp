#include "app/CZelvorApp.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <clocale>
#include <cstdio>

#include "app/Anwendungstexte.h"
#include "app/CFeldfenster.h"
#include "app/CMainFrame.h"
#include "app/Dokumentsteuerung.h"
#include "views/CAnsicht.h"

// The icons are compiled into the program's library, which the linker only keeps when asked for them.
static void RessourcenEinbinden() { Q_INIT_RESOURCE(zelvor); }

namespace zelvor {
namespace {

// For timing the start: ends the program once the visible view has painted for the first time.
class NachErstemBildBeenden : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Paint) {
      o->removeEventFilter(this);
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return false;
  }
};

}  // namespace

CZelvorApp::CZelvorApp() = default;

CZelvorApp::~CZelvorApp() {
  m_Rahmen.reset();
  m_Dokument.reset();
}

void CZelvorApp::DeutschEinrichten() {
  // The C library must keep its decimal point whatever the user's locale: every number of the program is
  // formatted and read printf/scanf-style.
  std::setlocale(LC_NUMERIC, "C");
  RessourcenEinbinden();
  QApplication::setApplicationName(ANWENDUNGSTITEL);
  QApplication::setOrganizationName(PROFILSCHLUESSEL);
  // No display name: Qt would append it to every window's caption, and only the main window carries the
  // program's name.
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  const QString pfad = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  for (const char* name : {"qtbase_de"}) {
    auto* t = new QTranslator(qApp);
    if (t->load(QString::fromLatin1(name), pfad))
      QApplication::installTranslator(t);
    else
      delete t;
  }
}

bool CZelvorApp::InitInstance(const QStringList& argumente, int* ende) {
  m_Dokument = std::make_unique<Dokumentsteuerung>();
  m_Rahmen = std::make_unique<CMainFrame>(*m_Dokument);

  QString oeffnen, drucken;
  for (qsizetype i = 0; i < argumente.size(); ++i) {
    const QString& a = argumente[i];
    if ((a == QStringLiteral("--print") || a == QStringLiteral("/p")) && i + 1 < argumente.size()) {
      drucken = argumente[++i];
    } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
      std::fprintf(stderr, "zelvor: unbekannte Option %s\n", qPrintable(a));
      return false;
    } else if (oeffnen.isEmpty()) {
      oeffnen = a;
    }
  }

  if (!drucken.isEmpty()) {
    // The shell's print command: read the well, evaluate it, print its table on the printer, end.
    m_Dokument->OnNewDocument();
    if (!m_Dokument->OnOpenDocument(drucken, false)) return false;
    const bool gedruckt = m_Rahmen->GetActiveView()->OnFilePrintDirect();
    if (!gedruckt) std::fprintf(stderr, "zelvor: %s\n", qPrintable(DRUCK_FEHLGESCHLAGEN));
    if (ende) *ende = gedruckt ? 0 : 1;
    return true;
  }

  m_Dokument->OnNewDocument();
  if (qEnvironmentVariableIsSet("ZELVOR_NACH_ERSTEM_BILD_BEENDEN")) {
    // Timing the start: the well is evaluated as if its input dialog had been confirmed unchanged.
    m_Dokument->EingabeSetzen([](Eingabewerte&) { return true; });
    m_Rahmen->GetActiveView()->viewport()->installEventFilter(new NachErstemBildBeenden(m_Rahmen.get()));
  }
  m_Rahmen->show();
  if (oeffnen.endsWith(QStringLiteral(".zlf"), Qt::CaseInsensitive)) {
    // A field file (the Explorer's "Öffnen mit zelvor" on *.zlf): its field window beside the main window,
    // whose double-clicked wells open in the main window.
    auto* feld = new CFeldfenster(m_Rahmen.get());
    CMainFrame* rahmen = m_Rahmen.get();
    QObject::connect(feld, &CFeldfenster::BohrungOeffnen, rahmen, [rahmen](const QString& p) { rahmen->DateiOeffnen(p); });
    feld->show();
    return feld->FeldOeffnen(oeffnen);
  }
  if (!oeffnen.isEmpty() && !m_Dokument->OnOpenDocument(oeffnen)) {
    // A file that cannot be opened ends the start, as a failed shell command does.
    return false;
  }
  return true;
}

}  // namespace zelvor
