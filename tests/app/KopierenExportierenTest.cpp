// "Kopieren" and "Exportieren..." through the main window's commands.
#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QStatusBar>
#include <QStandardPaths>
#ifdef ZELVOR_MIT_SVG
#include <QSvgRenderer>
#endif
#include <QTemporaryDir>
#include <QtTest>

#include "app/Anwendungstexte.h"
#include "app/CMainFrame.h"
#include "app/CZelvorApp.h"
#include "app/Dokumentsteuerung.h"
#include "app/Exportieren.h"
#include "SkriptRueckfrage.h"
#include "views/CGrafik.h"
#include "views/Lometric.h"

using namespace zelvor;

class KopierenExportierenTest : public QObject {
  Q_OBJECT
  std::unique_ptr<SkriptRueckfrage> m_Fragen;
  std::unique_ptr<CZelvorApp> m_App;
  CMainFrame* m_Rahmen = nullptr;
  Dokumentsteuerung* m_Dok = nullptr;
  QTemporaryDir m_Ordner;

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void init() {
    m_Fragen = std::make_unique<SkriptRueckfrage>();
    m_App = std::make_unique<CZelvorApp>();
    int ende = -1;
    QVERIFY(m_App->InitInstance({}, &ende));
    m_Rahmen = m_App->Rahmen();
    m_Dok = m_App->Dokument();
    m_Dok->EingabeSetzen([](Eingabewerte&) { return true; });
    QVERIFY(m_Rahmen->DateiOeffnen(QStringLiteral(ZELVOR_EXAMPLES_DIR "/suessgas.zlv")));
  }

  void cleanup() {
    m_App.reset();
    m_Fragen.reset();
  }

  void copyGivesTheTableAsTextAndTheGraphAsPicture() {
    m_Rahmen->Aktion(ID_EDIT_COPY)->trigger();
    const QStringList zeilen = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
    QCOMPARE(zeilen.size() - 1, static_cast<qsizetype>(m_Dok->Doc().m_Ergebnis.size()));
    QCOMPARE(zeilen.front(), QString::fromStdString(m_Dok->Doc().m_Ergebnis.front()));

    m_Rahmen->AnsichtWechseln(CMainFrame::ANSICHT_GRAFIK);
    m_Rahmen->Aktion(ID_EDIT_COPY)->trigger();
    const QMimeData* daten = QGuiApplication::clipboard()->mimeData();
    QImage bild;
    QVERIFY(bild.loadFromData(daten->data(QStringLiteral("image/png")), "PNG"));
    QCOMPARE(bild.size(), m_Rahmen->Grafik()->Bild().size());
#ifdef ZELVOR_MIT_SVG
    QVERIFY(QSvgRenderer(daten->data(QStringLiteral("image/svg+xml"))).isValid());
#else
    QVERIFY(!daten->hasFormat(QStringLiteral("image/svg+xml")));  // the PNG picture only
#endif

    // The forecast: its whole page as a picture and its table and summary as text.
    m_Rahmen->AnsichtWechseln(CMainFrame::ANSICHT_PROGNOSE);
    m_Rahmen->Aktion(ID_EDIT_COPY)->trigger();
    daten = QGuiApplication::clipboard()->mimeData();
    QVERIFY(bild.loadFromData(daten->data(QStringLiteral("image/png")), "PNG"));
    QCOMPARE(bild.size(), m_Rahmen->GetActiveView()->Bild().size());
    QVERIFY(bild.height() > bild.width());
    QVERIFY(daten->text().contains(QStringLiteral("    Zeit bis zur Aufgabe     (Jahre):")));

    // The deliverability view likewise: its picture and its text block.
    m_Rahmen->AnsichtWechseln(CMainFrame::ANSICHT_LIEFERFAEHIGKEIT);
    m_Rahmen->Aktion(ID_EDIT_COPY)->trigger();
    daten = QGuiApplication::clipboard()->mimeData();
    QVERIFY(bild.loadFromData(daten->data(QStringLiteral("image/png")), "PNG"));
    QVERIFY(daten->text().startsWith(QStringLiteral("Lieferfähigkeit\n")));
    QVERIFY(daten->text().contains(QStringLiteral("Offene Förderleistung AOF")));
  }

  // Each kind of the dialog writes its file; a name without the kind's extension gets it.
  void exportWritesEveryKind() {
    const struct {
      Exportart art;
      const char* datei;
      const char* anfang;
    } faelle[] = {
        {Exportart::Png, "a.png", "\x89PNG"},      {Exportart::Svg, "a.svg", "<?xml"},
        {Exportart::Pdf, "a.pdf", "%PDF"},         {Exportart::Csv, "b.csv", "Ratenzeilen\r\n"},
        {Exportart::CsvExcelDeutsch, "c.csv", "\xEF\xBB\xBFRatenzeilen"}, {Exportart::Xlsx, "d.xlsx", "PK"},
    };
    for (const auto& f : faelle) {
      const QString pfad = m_Ordner.filePath(QString::fromLatin1(f.datei));
      ExportwahlSetzen([&](QWidget*, const QString&) {
        return Exportziel{QFileInfo(pfad).path() + QLatin1Char('/') + QFileInfo(pfad).completeBaseName(), f.art};
      });
      m_Rahmen->Aktion(ID_EXPORTIEREN)->trigger();
      if (f.art == Exportart::Svg && !SVG_MOEGLICH) {  // said in one sentence, nothing written
        QCOMPARE(m_Fragen->meldungen, QStringList{QString::fromUtf8(KEIN_SVG)});
        m_Fragen->meldungen.clear();
        QVERIFY(!QFile::exists(pfad));
        continue;
      }
      QFile datei(pfad);
      QVERIFY2(datei.open(QIODevice::ReadOnly), f.datei);
      QVERIFY2(datei.readAll().startsWith(f.anfang), f.datei);
    }
    QVERIFY(m_Fragen->meldungen.isEmpty());
  }

  // Every export is written where the user chose, through the well file's replacement: a link stays a
  // link and its regular target gets the picture; a device behind a link is refused with the reason and
  // left alone. A success says so in the status bar.
  void exportWritesThroughLinksAndRefusesDevices() {
#ifdef _WIN32
    QSKIP("no symbolic links and no /dev/full on Windows");
#endif
    const QString ziel = m_Ordner.filePath(QStringLiteral("ziel.bin"));
    QFile alt(ziel);
    QVERIFY(alt.open(QIODevice::WriteOnly));
    alt.write("alt");
    alt.close();
    const QString zuDatei = m_Ordner.filePath(QStringLiteral("bild.png"));
    const QString zuGeraet = m_Ordner.filePath(QStringLiteral("voll.svg"));
    QVERIFY(QFile::link(ziel, zuDatei));
    QVERIFY(QFile::link(QStringLiteral("/dev/full"), zuGeraet));
    const struct {
      QString pfad;
      Exportart art;
      bool geschrieben;
    } faelle[] = {
        {zuDatei, Exportart::Png, true},
        {zuGeraet, Exportart::Svg, false},
        {zuGeraet + QStringLiteral(".pdf"), Exportart::Pdf, true},  // a new file beside the link
    };
    m_Rahmen->AnsichtWechseln(CMainFrame::ANSICHT_GRAFIK);
    for (const auto& f : faelle) {
      m_Fragen->meldungen.clear();
      m_Rahmen->statusBar()->clearMessage();
      ExportwahlSetzen([&](QWidget*, const QString&) { return Exportziel{f.pfad, f.art}; });
      m_Rahmen->Aktion(ID_EXPORTIEREN)->trigger();
      if (f.geschrieben) {
        QVERIFY2(m_Fragen->meldungen.isEmpty(), qPrintable(m_Fragen->meldungen.join('\n')));
        QCOMPARE(m_Rahmen->statusBar()->currentMessage(),
                 QStringLiteral("Die Ansicht ist in die Datei %1 exportiert.").arg(f.pfad));
      } else {
        QCOMPARE(m_Fragen->meldungen.size(), 1);
        QVERIFY2(m_Fragen->meldungen.front().contains(QStringLiteral("keine gewöhnliche Datei")),
                 qPrintable(m_Fragen->meldungen.front()));
        QCOMPARE(m_Rahmen->statusBar()->currentMessage(), QString());
      }
    }
    QVERIFY(QFileInfo(zuDatei).isSymLink());
    QVERIFY(QFileInfo(zuGeraet).isSymLink());
    QVERIFY(QFileInfo(QStringLiteral("/dev/full")).exists() && !QFileInfo(QStringLiteral("/dev/full")).isFile());
    QVERIFY(QFileInfo::exists(zuGeraet + QStringLiteral(".pdf")));
    QVERIFY(alt.open(QIODevice::ReadOnly));
    QVERIFY(alt.readAll().startsWith("\x89PNG"));
  }

  void aFailedExportIsTold() {
    ExportwahlSetzen([&](QWidget*, const QString&) {
      return Exportziel{m_Ordner.filePath(QStringLiteral("fehlt/a.xlsx")), Exportart::Xlsx};
    });
    m_Rahmen->Aktion(ID_EXPORTIEREN)->trigger();
    QCOMPARE(m_Fragen->meldungen.size(), 1);
  }
};

QTEST_MAIN(KopierenExportierenTest)
#include "KopierenExportierenTest.moc"
