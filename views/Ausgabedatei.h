#pragma once
// Writing what the views make (pictures, printed pages) to a file the user named. Every such file goes
// through the crash-safe replacement the well file uses: a link stays a link and its regular target is
// replaced, a target that is no regular file (a device, a pipe) is refused, and a failed write leaves
// the previous file whole. Messages are German.
#include <QByteArray>
#include <QImage>
#include <QString>

namespace zelvor {

class Druckvorlage;

// "" on success, else a message naming the file and the reason.
QString AusgabedateiSchreiben(const QString& pfad, const QByteArray& inhalt);
// The same for what a renderer made: empty inhalt means the picture or the pages could not be made, and
// the file is left as it was.
QString ErzeugtesSchreiben(const QString& pfad, const QByteArray& inhalt);

// The picture as PNG bytes; empty when it cannot be encoded.
QByteArray PngDaten(const QImage& bild);

// The printed pages on A4, portrait or landscape, as PDF bytes; empty when they cannot be made.
QByteArray PdfDaten(const Druckvorlage& vorlage, bool quer);

}  // namespace zelvor
