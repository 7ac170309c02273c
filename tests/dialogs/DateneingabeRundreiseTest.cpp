// The data entry round trip with the real dialog: "Daten ändern", "Neu" and opening a file run it; OK hands
// the values to the well, which evaluates and redraws; Cancel leaves everything as it was.
#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "Dialoghilfen.h"
#include "SkriptDienste.h"
#include "app/Dokumentsteuerung.h"

using namespace zelvor;

namespace {

// Runs `schritte` on the dialog as soon as it is open and modal; they end it with OK or Cancel. A dialog
// still open after them (a failed check inside) is cancelled, so that the test goes on.
void ImDialog(std::function<void(DlgInput&)> schritte) {
  auto* takt = new QTimer(qApp);
  auto* uhr = new QElapsedTimer;
  uhr->start();
  QObject::connect(takt, &QTimer::timeout, [=] {
    if (auto* d = qobject_cast<DlgInput*>(QApplication::activeModalWidget())) {
      takt->stop();
      takt->deleteLater();
      delete uhr;
      d->activateWindow();
      if (!QTest::qWaitForWindowActive(d)) qWarning("the dialog did not become active");
      schritte(*d);
      if (d->isVisible()) d->reject();
    } else if (uhr->elapsed() > 10000) {
      takt->stop();
      takt->deleteLater();
      delete uhr;
    }
  });
  takt->start(5);
}

void Doppelklick(DlgInput& d, int zeile) {
  const QPoint p = d.m_Liste->visualItemRect(d.m_Liste->item(zeile)).center();
  QTest::mouseClick(d.m_Liste->viewport(), Qt::LeftButton, {}, p);
  QTest::mouseDClick(d.m_Liste->viewport(), Qt::LeftButton, {}, p);
}

void Ok(DlgInput& d) { QTest::mouseClick(d.Element(IDC_OK), Qt::LeftButton); }
void Abbrechen(DlgInput& d) { QTest::mouseClick(d.Element(IDC_ABBRECHEN), Qt::LeftButton); }

// Deletes every line with the option "Zeile löschen", answering Yes.
void AlleZeilenLoeschen(DlgInput& d, SkriptDienste& s) {
  QTest::mouseClick(d.Element(IDC_ZEILE_LOESCHEN), Qt::LeftButton);
  while (d.m_Liste->count() > 0) {
    s.antworten.push_back(true);
    Doppelklick(d, 0);
    Verlassen(d, IDC_ZEILE);
  }
}

}  // namespace

class DateneingabeRundreiseTest : public QObject {
  Q_OBJECT

  SkriptDienste m_s;
  std::unique_ptr<Dokumentsteuerung> m_dok;

  CZelvorDoc& Doc() { return m_dok->Doc(); }

 private slots:
  void init() {
    m_s = SkriptDienste{};
    m_dok = std::make_unique<Dokumentsteuerung>();
    m_dok->EingabeSetzen([this](Eingabewerte& w) { return EingabeDialogAusfuehren(nullptr, w, m_s.Dienste()); });
    m_dok->OnNewDocument();
    const Eingabewerte w = GueltigeBohrung();
    Doc().m_Gasbohrung = w.m_Gasbohrung;
    Doc().m_OGIP = w.m_OGIP;
    Doc().m_Initialdruck = w.m_Initialdruck;
    Doc().m_Temperatur = w.m_Temperatur;
    Doc().m_Kopftemperatur = w.m_Kopftemperatur;
    Doc().m_Teufe = w.m_Teufe;
    Doc().m_Bohrlochlaenge = w.m_Bohrlochlaenge;
    Doc().m_Durchmesser = 6.2f;
    Doc().m_A1 = 90.84961234567;
    Doc().m_B1 = 1.4741234;
    Doc().m_WGV = 12.5f;
    Doc().m_Ratenzeilen = w.m_Ratenzeilen;
    Doc().m_Ergebnis = {"vorige Auswertung"};
  }

  void AbbrechenAendertNichts() {
    QSignalSpy neuZeichnen(m_dok.get(), &Dokumentsteuerung::AnsichtenAktualisieren);
    const CZelvorDoc vorher = Doc();
    ImDialog([this](DlgInput& d) {
      Tippen(d, IDC_GASBOHRUNG, QStringLiteral("Andere"));
      Tippen(d, IDC_CH4, QStringLiteral("90"));
      Verlassen(d, IDC_CH4);
      AlleZeilenLoeschen(d, m_s);
      QTest::mouseClick(d.Element(IDC_INJEKTION), Qt::LeftButton);
      Abbrechen(d);
    });
    m_dok->OnDatenAendern();
    QVERIFY(m_s.fragen.size() == 4);  // the dialog really ran
    QCOMPARE(Doc().m_Gasbohrung, vorher.m_Gasbohrung);
    QCOMPARE(Doc().m_Komponenten, vorher.m_Komponenten);
    QCOMPARE(Doc().m_Ratenzeilen, vorher.m_Ratenzeilen);
    QCOMPARE(Doc().m_bInjektion, 0);
    QCOMPARE(Doc().m_Ergebnis, vorher.m_Ergebnis);
    QVERIFY(!m_dok->IsModified());
    QCOMPARE(neuZeichnen.count(), 0);
  }

  // Every OK evaluates, marks the well modified and redraws, even without an edit; the shown numbers
  // come back exactly, the water-gas ratio too.
  void OkOhneAenderungWertetAus() {
    QSignalSpy neuZeichnen(m_dok.get(), &Dokumentsteuerung::AnsichtenAktualisieren);
    const CZelvorDoc vorher = Doc();
    ImDialog([](DlgInput& d) { Ok(d); });
    m_dok->OnDatenAendern();
    QVERIFY(m_dok->IsModified());
    QCOMPARE(neuZeichnen.count(), 1);
    QVERIFY(Doc().m_Ergebnis != vorher.m_Ergebnis);
    QVERIFY(!Doc().m_Ergebnis.empty());
    QCOMPARE(Doc().m_MaxWerte, 4);
    QCOMPARE(Doc().m_A1, vorher.m_A1);
    QCOMPARE(Doc().m_B1, vorher.m_B1);
    QCOMPARE(Doc().m_WGV, 12.5f);
    QCOMPARE(Doc().m_Durchmesser, 6.2f);
    QCOMPARE(Doc().m_Ratenzeilen, vorher.m_Ratenzeilen);
  }

  void EingabenKommenZurueck() {
    ImDialog([this](DlgInput& d) {
      m_s.antworten = {true};
      Doppelklick(d, 1);
      Tippen(d, IDC_ZEILE, QStringLiteral("2 12500 174.5"));
      // Leaving the line field changes the line and shows every member anew, so the other fields are
      // typed afterwards.
      Tippen(d, IDC_GASBOHRUNG, QStringLiteral("test 7"));  // case counts
      Tippen(d, IDC_WGV, QStringLiteral("20"));
      Tippen(d, IDC_BOHRUNGSANZAHL, QStringLiteral("2"));
      QTest::mouseClick(d.Element(IDC_VARIABLER_C), Qt::LeftButton);
      Ok(d);
    });
    m_dok->OnDatenAendern();
    QCOMPARE(m_s.fragen.size(), 1);
    QCOMPARE(Doc().m_Gasbohrung, std::string("test 7"));
    QCOMPARE(Doc().m_WGV, 20.0f);
    QCOMPARE(Doc().m_Bohrungsanzahl, 2);
    QCOMPARE(Doc().m_bVariablerC, 1);
    QCOMPARE(Doc().m_Ratenzeilen[1], std::string("  2.000          12500.00            174.50"));
    QVERIFY(m_dok->IsModified());
  }

  // A dialog whose lines were all deleted leaves the well its lines; the next run shows them again.
  void GeleerteListeBehaeltZeilen() {
    const CStringArray zeilen = Doc().m_Ratenzeilen;
    ImDialog([this](DlgInput& d) {
      AlleZeilenLoeschen(d, m_s);
      QCOMPARE(d.m_Liste->count(), 0);
      Ok(d);
    });
    m_dok->OnDatenAendern();
    QCOMPARE(Doc().m_Ratenzeilen, zeilen);
    QCOMPARE(Doc().m_MaxWerte, 4);
    QVERIFY(m_dok->IsModified());

    QStringList gezeigt;
    ImDialog([&gezeigt](DlgInput& d) {
      gezeigt = Listenzeilen(d);
      Abbrechen(d);
    });
    m_dok->OnDatenAendern();
    QCOMPARE(gezeigt, Zeilen(zeilen));
  }

  // "Neu" shows the defaults and an empty list; A1 must be entered before OK is taken.
  void NeuZeigtDieStandardwerte() {
    m_dok->SetModifiedFlag(false);
    QString name;
    int zeilen = -1;
    ImDialog([&](DlgInput& d) {
      name = Feldtext(d, IDC_GASBOHRUNG);
      zeilen = d.m_Liste->count();
      Ok(d);
      QCOMPARE(m_s.meldungen, QStringList{QStringLiteral("Original Gas in Place muß größer Null sein!")});
      m_s.Vergessen();
      Tippen(d, IDC_OGIP, QStringLiteral("500"));
      Tippen(d, IDC_A1, QStringLiteral("80"));
      Ok(d);
    });
    m_dok->OnFileNew();
    QCOMPARE(name, QStringLiteral("Bohrung 1"));
    QCOMPARE(zeilen, 0);
    QCOMPARE(Doc().m_A1, 80.0);
    QVERIFY(!Doc().m_Ergebnis.empty());
    QVERIFY(m_dok->IsModified());
  }

  // Opening a well runs the dialog before the open completes; the opened well is unmodified.
  void OeffnenLaeuftDurchDenDialog() {
    QString name;
    int zeilen = -1;
    ImDialog([&](DlgInput& d) {
      name = Feldtext(d, IDC_GASBOHRUNG);
      zeilen = d.m_Liste->count();
      Ok(d);
    });
    QVERIFY(m_dok->OnOpenDocument(QStringLiteral(ZELVOR_EXAMPLES_DIR "/suessgas.zlv")));
    QVERIFY(!name.isEmpty());
    QCOMPARE(name.toStdString(), Doc().m_Gasbohrung);
    QCOMPARE(zeilen, static_cast<int>(Doc().m_Ratenzeilen.size()));
    QVERIFY(zeilen > 0);
    QVERIFY(!Doc().m_Ergebnis.empty());
    QVERIFY(!m_dok->IsModified());
  }
};

QTEST_MAIN(DateneingabeRundreiseTest)
#include "DateneingabeRundreiseTest.moc"
