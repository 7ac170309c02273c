// A save that fails (a full disk, simulated by a file size limit; a read-only folder) says so, keeps the
// well modified and leaves the file that was there intact; a save over a file changed since asks first.
#include <sys/resource.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include "SkriptRueckfrage.h"
#include "app/Dokumentsteuerung.h"
#include "doc/ZlvArchiv.h"

using namespace zelvor;

class SpeicherfehlerTest : public QObject {
  Q_OBJECT
 private slots:
  void aFullDiskKeepsThePreviousFile() {
    QTemporaryDir ordner;
    SkriptRueckfrage fragen;
    Dokumentsteuerung dok;
    dok.OnNewDocument();
    const QString pfad = ordner.filePath(QStringLiteral("voll.zlv"));
    QVERIFY(dok.OnSaveDocument(pfad));
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray vorher = f.readAll();
    f.close();

    // A well far larger than the limit: 2000 rate lines of about 40 bytes.
    for (int i = 0; i < 2000; ++i) dok.Doc().m_Ratenzeilen.push_back("  1.000        10000.00            180.00");
    dok.SetModifiedFlag();

    std::signal(SIGXFSZ, SIG_IGN);  // the write is to fail, not to end the process
    rlimit alt{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &alt), 0);
    rlimit eng = alt;
    eng.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &eng), 0);
    const bool gespeichert = dok.OnSaveDocument(pfad);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &alt), 0);

    QVERIFY(!gespeichert);
    QCOMPARE(fragen.fehler.size(), 1);
    QVERIFY(fragen.fehler.first().contains(QStringLiteral("kann nicht geschrieben werden")));
    QVERIFY(dok.IsModified());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), vorher);
    QCOMPARE(QDir(ordner.path()).entryList(QDir::Files), QStringList{QStringLiteral("voll.zlv")});
  }

  void aReadOnlyFolderKeepsThePreviousFile() {
    if (geteuid() == 0) QSKIP("root writes into read-only folders");
    QTemporaryDir ordner;
    SkriptRueckfrage fragen;
    Dokumentsteuerung dok;
    dok.OnNewDocument();
    const QString pfad = ordner.filePath(QStringLiteral("schreibgeschuetzt.zlv"));
    QVERIFY(dok.OnSaveDocument(pfad));
    QFile::setPermissions(ordner.path(), QFile::ReadOwner | QFile::ExeOwner);
    dok.Doc().m_Gasbohrung = "geändert";
    dok.SetModifiedFlag();
    const bool gespeichert = dok.OnSaveDocument(pfad);
    QFile::setPermissions(ordner.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!gespeichert);
    QCOMPARE(fragen.fehler.size(), 1);
    QVERIFY(dok.IsModified());
    CZelvorDoc gelesen;
    QCOMPARE(int(ZlvDateiLaden(pfad.toStdString(), gelesen).status), int(ZlvStatus::Ok));
    QCOMPARE(gelesen.m_Gasbohrung, std::string("Bohrung 1"));
  }

  // Another program changed the well since it was opened: saving over it asks first, and only Ja
  // overwrites; a well saved here and unchanged since is saved without a question.
  void aWellChangedOnDiskIsOverwrittenOnlyOnJa() {
    QTemporaryDir ordner;
    SkriptRueckfrage fragen;
    Dokumentsteuerung dok;
    const QString pfad = ordner.filePath(QStringLiteral("geteilt.zlv"));
    QVERIFY(QFile::copy(QStringLiteral(ZELVOR_EXAMPLES_DIR "/suessgas.zlv"), pfad));
    QVERIFY(dok.OnOpenDocument(pfad, false));
    CZelvorDoc anderes = dok.Doc();
    anderes.m_Gasbohrung = "von zelvor-cli";
    QCOMPARE(ZlvDateiSpeichern(pfad.toStdString(), anderes), std::string());
    dok.Doc().m_Gasbohrung = "im Fenster";
    dok.SetModifiedFlag();

    QVERIFY(!dok.OnFileSave());  // the scripted answer is Nein
    QCOMPARE(fragen.fragen.size(), 1);
    QVERIFY(fragen.fragen.first().contains(QStringLiteral("seit dem Öffnen von einem anderen Programm geändert")));
    QVERIFY(dok.IsModified());
    CZelvorDoc gelesen;
    QCOMPARE(int(ZlvDateiLaden(pfad.toStdString(), gelesen).status), int(ZlvStatus::Ok));
    QCOMPARE(gelesen.m_Gasbohrung, std::string("von zelvor-cli"));

    fragen.antworten = {Rueckfrage::Antwort::Ja};
    QVERIFY(dok.OnFileSave());
    QCOMPARE(int(ZlvDateiLaden(pfad.toStdString(), gelesen).status), int(ZlvStatus::Ok));
    QCOMPARE(gelesen.m_Gasbohrung, std::string("im Fenster"));
    dok.SetModifiedFlag();
    QVERIFY(dok.OnFileSave());
    QCOMPARE(fragen.fragen.size(), 2);
  }
};

QTEST_MAIN(SpeicherfehlerTest)
#include "SpeicherfehlerTest.moc"
