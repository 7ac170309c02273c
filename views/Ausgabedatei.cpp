#include "views/Ausgabedatei.h"

#include <QBuffer>
#include <QFile>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>
#include <span>

#include "doc/Dateizugriff.h"
#include "views/Drucken.h"

namespace zelvor {
namespace {

// No printed view comes near this; it only bounds the read-back of the scratch file.
constexpr std::size_t MAX_PDF = 256u << 20;

}  // namespace

QString AusgabedateiSchreiben(const QString& pfad, const QByteArray& inhalt) {
  const std::span<const unsigned char> bytes(reinterpret_cast<const unsigned char*>(inhalt.constData()),
                                             static_cast<std::size_t>(inhalt.size()));
  return QString::fromStdString(DateiErsetzen(QFile::encodeName(pfad).toStdString(), bytes));
}

QString ErzeugtesSchreiben(const QString& pfad, const QByteArray& inhalt) {
  if (inhalt.isEmpty())
    return QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden: ihr Inhalt kann nicht erzeugt werden.").arg(pfad);
  return AusgabedateiSchreiben(pfad, inhalt);
}

QByteArray PngDaten(const QImage& bild) {
  QByteArray daten;
  QBuffer puffer(&daten);
  if (!puffer.open(QIODevice::WriteOnly) || !bild.save(&puffer, "PNG")) return {};
  return daten;
}

QByteArray PdfDaten(const Druckvorlage& vorlage, bool quer) {
  // The printer writes to a file name only: it prints into a scratch file of its own, never into the
  // user's file, which is then replaced as a whole.
  QTemporaryDir ordner;
  if (!ordner.isValid()) return {};
  const QString pfad = ordner.filePath(QStringLiteral("seiten.pdf"));
  QPrinter drucker(QPrinter::HighResolution);
  drucker.setOutputFormat(QPrinter::PdfFormat);
  drucker.setOutputFileName(pfad);
  drucker.setPageSize(QPageSize(QPageSize::A4));
  drucker.setPageOrientation(quer ? QPageLayout::Landscape : QPageLayout::Portrait);
  if (!AufDruckerAusgeben(drucker, vorlage)) return {};
  std::vector<unsigned char> inhalt;
  if (!DateiLesen(QFile::encodeName(pfad).toStdString(), inhalt, MAX_PDF).empty()) return {};
  return QByteArray(reinterpret_cast<const char*>(inhalt.data()), static_cast<qsizetype>(inhalt.size()));
}

}  // namespace zelvor
