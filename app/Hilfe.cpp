#include "app/Hilfe.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QPointer>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

namespace zelvor {
namespace {

// Help context numbers and the anchor each one opens; an empty anchor is the top of the document.
struct Kontextziel {
  int kontext;
  const char* anker;
};
constexpr Kontextziel KONTEXTZIELE[] = {
    {32774, ""},  // "Online Hilfe" and the input dialog's "Hilfe" button
};

QString Anker(int kontext) {
  for (const Kontextziel& z : KONTEXTZIELE) {
    if (z.kontext == kontext) return QString::fromLatin1(z.anker);
  }
  return {};
}

bool Lesbar(const QString& pfad) {
  const QFileInfo info(pfad);
  return info.isFile() && info.isReadable();
}

// One help window for the whole program; it deletes itself when closed.
QPointer<QTextBrowser> g_fenster;

QTextBrowser* Fenster(QWidget* besitzer) {
  if (g_fenster) return g_fenster;
  auto* browser = new QTextBrowser(besitzer);
  browser->setWindowFlags(Qt::Window);
  browser->setAttribute(Qt::WA_DeleteOnClose);
  browser->setObjectName(QStringLiteral("zelvorHilfe"));
  browser->setWindowTitle(QStringLiteral("zelvor – Hilfe"));
  // Anchors inside the document are followed by the browser; anything outside goes to the desktop.
  browser->setOpenExternalLinks(true);
  browser->resize(760, 640);
  auto* schliessen = new QShortcut(QKeySequence(Qt::Key_Escape), browser);
  QObject::connect(schliessen, &QShortcut::activated, browser, &QWidget::close);
  g_fenster = browser;
  return browser;
}

}  // namespace

QString HilfedokumentSuchen() {
  if (qEnvironmentVariableIsSet("ZELVOR_HILFE")) {
    const QString pfad = qEnvironmentVariable("ZELVOR_HILFE");
    return Lesbar(pfad) ? pfad : QString();
  }
  const QString installiert =
      QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/zelvor/hilfe/zelvor.html"));
  if (Lesbar(installiert)) return installiert;
#ifdef _WIN32
  // The unpacked Windows zip: the help folder beside the program.
  const QString entpackt = QCoreApplication::applicationDirPath() + QStringLiteral("/hilfe/zelvor.html");
  if (Lesbar(entpackt)) return entpackt;
#endif
#ifdef ZELVOR_QUELLHILFE
  const QString quelle = QString::fromUtf8(ZELVOR_QUELLHILFE);
  if (Lesbar(quelle)) return quelle;
#endif
  return {};
}

bool HilfeZeigen(QWidget* besitzer, int kontext) {
  const QString pfad = HilfedokumentSuchen();
  if (pfad.isEmpty()) return false;
  QFile datei(pfad);
  if (!datei.open(QIODevice::ReadOnly)) return false;
  datei.close();

  QTextBrowser* browser = Fenster(besitzer);
  QUrl ziel = QUrl::fromLocalFile(QFileInfo(pfad).absoluteFilePath());
  const QString anker = Anker(kontext);
  if (!anker.isEmpty()) ziel.setFragment(anker);
  browser->setSource(ziel);
  // The browser keeps its scroll position when the same document is shown again.
  if (anker.isEmpty()) browser->verticalScrollBar()->setValue(0);
  browser->show();
  browser->raise();
  browser->activateWindow();
  return true;
}

}  // namespace zelvor
