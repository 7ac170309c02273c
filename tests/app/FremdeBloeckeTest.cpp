// A well file with a block of a newer version: opening says so in one message, and a save writes the
// block back unchanged.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "SkriptRueckfrage.h"
#include "app/Dokumentsteuerung.h"

using namespace zelvor;

class FremdeBloeckeTest : public QObject {
  Q_OBJECT
 private slots:
  void aBlockOfANewerVersionIsSaidAndKept() {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("neu.zlv"));
    QVERIFY(QFile::copy(QStringLiteral(ZELVOR_EXAMPLES_DIR "/speicher.zlv"), pfad));
    QFile::setPermissions(pfad, QFile::ReadOwner | QFile::WriteOwner);
    const QByteArray block("ZNEU\x06\x00\x00\x00\x01\x00neu!", 14);
    {
      QFile f(pfad);
      QVERIFY(f.open(QIODevice::Append));
      f.write(block);
    }
    SkriptRueckfrage fragen;
    Dokumentsteuerung dok;
    QVERIFY(dok.OnOpenDocument(pfad, false));
    QCOMPARE(fragen.meldungen.size(), 1);
    QVERIFY(fragen.meldungen.first().contains(QStringLiteral("neueren Programmversion oder ist beschädigt")));
    dok.Doc().m_Gasbohrung = "Umbenannt";
    dok.SetModifiedFlag();
    QVERIFY(dok.OnSaveDocument(pfad));
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.readAll().endsWith(block));
  }
};

QTEST_MAIN(FremdeBloeckeTest)
#include "FremdeBloeckeTest.moc"
