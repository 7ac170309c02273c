// The input dialog's fields: start, data exchange with its range refusals, composition sum, OK checks,
// keys, help, the injection box and the A1/B1 proposal.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "Dialoghilfen.h"
#include "SkriptDienste.h"
#include "calc/A1B1Vorschlag.h"

using namespace zelvor;

namespace {

QString Anzeige(const DlgInput& d, int id) { return qobject_cast<QLabel*>(d.Element(id))->text(); }

int FokusId(const DlgInput& d) {
  for (const Austauschfeld& f : Austauschfelder())
    if (d.Element(f.id)->hasFocus()) return f.id;
  return 0;
}

}  // namespace

class DlgInputTest : public QObject {
  Q_OBJECT

 private slots:
  void StartZeigtDieWerteUndDieSumme() {
    SkriptDienste s;
    DlgInput d(s.Dienste());
    Eingabewerte w = GueltigeBohrung();
    w.m_Komponenten[3] = 50.0f;
    w.m_bInjektion = 1;
    w.m_bGeaendert = 1;  // whatever comes in, a run starts with unedited lines
    QVERIFY(Zeigen(d, w));
    QCOMPARE(d.windowTitle(), QStringLiteral("Eingabedialog zum Programm Zelvor"));
    QCOMPARE(Feldtext(d, IDC_GASBOHRUNG), QStringLiteral("Test 7"));
    QCOMPARE(Feldtext(d, IDC_CH4), QStringLiteral("50"));
    QCOMPARE(Feldtext(d, IDC_H2S), QStringLiteral("0"));
    QCOMPARE(Feldtext(d, IDC_DURCHMESSER), QStringLiteral("6.2"));
    QCOMPARE(Feldtext(d, IDC_B1), QStringLiteral("1.4"));
    QCOMPARE(Feldtext(d, IDC_BOHRUNGSANZAHL), QStringLiteral("1"));
    QCOMPARE(Anzeige(d, IDC_SUMME), QStringLiteral(" 50.00"));
    QCOMPARE(Listenzeilen(d), Zeilen(w.m_Ratenzeilen));
    QVERIFY(d.m_Liste->selectedItems().isEmpty());
    QVERIFY(qobject_cast<QRadioButton*>(d.Element(IDC_ZEILE_AENDERN))->isChecked());
    QVERIFY(qobject_cast<QCheckBox*>(d.Element(IDC_INJEKTION))->isChecked());
    QCOMPARE(d.m_bGeaendert, 0);
    QCOMPARE(d.m_nAuswahl, -1);
    QVERIFY(d.Element(IDC_GASBOHRUNG)->hasFocus());
    QVERIFY(qobject_cast<QPushButton*>(d.Element(IDC_OK))->isDefault());
    QVERIFY(s.meldungen.isEmpty());
  }

  void SummeBeimVerlassenEinesKomponentenfelds() {
    SkriptDienste s;
    DlgInput d(s.Dienste());
    QVERIFY(Zeigen(d));
    QCOMPARE(Anzeige(d, IDC_SUMME), QStringLiteral("100.00"));
    Tippen(d, IDC_CH4, QStringLiteral("50"));
    QCOMPARE(Anzeige(d, IDC_SUMME), QStringLiteral("100.00"));  // typing alone changes nothing
    Verlassen(d, IDC_CH4);
    QCOMPARE(Anzeige(d, IDC_SUMME), QStringLiteral(" 50.00"));
    QCOMPARE(d.m_Komponenten[3], 50.0f);
    Tippen(d, IDC_C10H22, QStringLiteral("2.5"));
    Verlassen(d, IDC_C10H22);
    QCOMPARE(Anzeige(d, IDC_SUMME), QStringLiteral(" 52.50"));
    QCOMPARE(d.m_Komponenten[14], 2.5f);
    QVERIFY(s.meldungen.isEmpty());
  }

  // Leaving a composition field shows only the sum anew: a value typed into a field after one the read
  // stopped at keeps its text, and so does every other typed value.
  void KomponentenfeldVerlassenBehaeltGetippteWerte() {
    SkriptDienste s;
    DlgInput d(s.Dienste());
    QVERIFY(Zeigen(d));
    Tippen(d, IDC_WASSERINVASION, QStringLiteral("20000"));
    Tippen(d, IDC_OGIP, QStringLiteral("1500"));
    Tippen(d, IDC_H2S, QStringLiteral("101"));
    Verlassen(d, IDC_H2S);
    QCOMPARE(s.meldungen, QStringList{QStringLiteral("Bitte geben Sie eine Zahl zwischen 0 und 10000 ein.")});
    QCOMPARE(Feldtext(d, IDC_H2S), QStringLiteral("101"));
    QCOMPARE(Feldtext(d, IDC_OGIP), QStringLiteral("1500"));
    QCOMPARE(Feldtext(d, IDC_WASSERINVASION), QStringLiteral("20000"));
  }

  // The read goes in the exchange order and stops at the first bad field, with the focus in it.
  void LesenStopptAmErstenFalschenFeld() {
    SkriptDienste s;
    DlgInput d(s.Dienste());
    QVERIFY(Zeigen(d));
    d.Eingabefeld(IDC_OGIP)->setText(QStringLiteral("90001"));
    d.Eingabefeld(IDC_WASSERINVASION)->setText(QStringLiteral("-1"));  // exchanged before OGIP
    d.Eingabefeld(IDC_GASBOHRUNG)->setText(QStringLiteral("Neu"));
    QVERIFY(!d.UpdateData(true));
    QCOMPARE(s.meldungen, QStringList{QStringLiteral("Bitte geben Sie eine Zahl zwischen 0 und 10000 ein.")});
    QCOMPARE(FokusId(d), int(IDC_WASSERINVASION));
    QCOMPARE(d.Eingabefeld(IDC_WASSERINVASION)->selectedText(), QStringLiteral("-1"));
    QCOMPARE(d.m_Gasbohrung, std::string("Neu"));  // fields before it are taken
    QCOMPARE(d.m_Wasserinvasion, -1.0f);           // the refused number is held
    QCOMPARE(d.m_OGIP, 1000.0f);                   // later fields are not read

    s.Vergessen();
    d.Eingabefeld(IDC_WASSERINVASION)->setText(QStringLiteral("0"));
    QVERIFY(!d.UpdateData(true));
    QCOMPARE(s.meldungen, QStringList{QStringLiteral("Bitte geben Sie eine Zahl zwischen 0 und 90000 ein.")});
    QCOMPARE(FokusId(d), int(IDC_OGIP));
    QCOMPARE(d.m_OGIP, 90001.0f);
  }

  void BereicheUndKeineZahlen_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("meldung");
    const QString keineZahl = QStringLiteral("Bitte geben Sie eine Zahl ein.");
    QTest::newRow("Initialdruck 0") << int(IDC_INITIALDRUCK) << "0"
                                    << "Bitte geben Sie eine Zahl zwischen 1 und 1000 ein.";
    QTest::newRow("Bohrungsanzahl 21") << int(IDC_BOHRUNGSANZAHL) << "21"
                                       << "Bitte geben Sie eine ganze Zahl zwischen 1 und 20 ein.";
    QTest::newRow("Bohrungsanzahl 0") << int(IDC_BOHRUNGSANZAHL) << "0"
                                      << "Bitte geben Sie eine ganze Zahl zwischen 1 und 20 ein.";
    QTest::newRow("WGV 201") << int(IDC_WGV) << "201" << "Bitte geben Sie eine Zahl zwischen 0 und 200 ein.";
    QTest::newRow("A1 negativ") << int(IDC_A1) << "-1" << "Bitte geben Sie eine Zahl zwischen 0 und 10000 ein.";
    QTest::newRow("H2S nan") << int(IDC_H2S) << "nan" << keineZahl;
    QTest::newRow("CO2 inf") << int(IDC_CO2) << "inf" << keineZahl;
    QTest::newRow("A1 -inf") << int(IDC_A1) << "-inf" << keineZahl;
    QTest::newRow("OGIP Komma") << int(IDC_OGIP) << "12,5" << keineZahl;
    QTest::newRow("Temperatur leer") << int(IDC_TEMPERATUR) << "" << keineZahl;
    QTest::newRow("Bohrungsanzahl nan") << int(IDC_BOHRUNGSANZAHL) << "nan"
                                        << "Bitte geben Sie eine ganze Zahl ein.";
  }
  void BereicheUndKeineZahlen() {
    QFETCH(int, id);
    QFETCH(QString, text);
    QFETCH(QString, meldung);
    SkriptDienste s;
    DlgInput d(s.Dienste());
    QVERIFY(Zeigen(d));
    const Eingabemaske vorher = d;
    d.Eingabefeld(id)->setText(text);
    QVERIFY(!d.UpdateData(true));
    QCOMPARE(s.meldungen, QStringList{meldung});
    QCOMPARE(FokusId(d), id);
    const bool keineZahl = !meldung.contains(QStringLiteral("zwischen"));
    if (keineZahl) QCOMPARE(FeldText(d, id), FeldText(vorher, id));  // the member keeps its value
  }

  // Leaving a composition field reads everything; a bad field elsewhere is reported once, and the
  // sum is formed all the same.
  void FalschesFeldBeimVerlassenEinmalGemeldet() {
    SkriptDienste s;
    DlgInput d(s.Dienste());
    QVERIFY(Zeigen(d));
    d.Eingabefeld(IDC_OGIP)->setText(QStringLiteral("abc"));
    Tippen(d, IDC_CH4, QStringLiteral("80"));
    Verlassen(d, IDC_CH4);
    QCOMPARE(s.meldungen, QStringList{QStringLiteral("Bitte geben Sie eine Zahl ein.")});
    QCOMPARE(FokusId(d), int(IDC_OGIP));
    // OGIP comes before the composition in the exchange order, so the read stopped before CH4.
    QCOMPARE(Anzeige(d, IDC_SUMME), QStringLiteral("100.00"));
  }

  void OkPruefungenInIhrerReihenfolge_data() {
    QTest::addColumn<QString>("ch4");
    QTest::addColumn<QString>("c2h6");
    QTest::addColumn<QString>("ogip");
    QTest::addColumn<QString>("a1");
    QTest::addColumn<QString>("teufe");
    QTest::addColumn<QString>("meldung");
    const QString komponenten = QStringLiteral("Bitte gaskomponenten korrigieren!");
    const QString ogip = QStringLiteral("Original Gas in Place muß größer Null sein!");
    const QString a1 = QStringLiteral("Der A1-Wert muß größer Null sein!");
    const QString teufe = QStringLiteral("ERROR!!Die Lagerstättenteufe ist größer als die Bohrlochlänge!");
    QTest::newRow("alles falsch") << "0" << "0" << "0" << "0" << "3001" << komponenten;
    QTest::newRow("Summe 102") << "100" << "2" << "1000" << "100" << "3000" << komponenten;
    QTest::newRow("Summe 0") << "0" << "0" << "1000" << "100" << "3000" << komponenten;
    QTest::newRow("OGIP vor A1") << "100" << "0" << "0" << "0" << "3001" << ogip;
    QTest::newRow("A1 vor Teufe") << "50" << "0" << "1000" << "0" << "3001" << a1;
    QTest::newRow("Teufe") << "100" << "1.99" << "1000" << "100" << "3000.5" << teufe;
    QTest::newRow("Teufe gleich Laenge") << "100" << "0" << "1000" << "100" << "3000" << QString();
    QTest::newRow("Summe 50") << "50" << "0" << "1000" << "100" << "3000" << QString();
    QTest::newRow("Summe 101.99") << "100" << "1.99" << "1000" << "100" << "3000" << QString();
  }
  void OkPruefungenInIhrerReihenfolge() {
    QFETCH(QString, ch4);
    QFETCH(QString, c2h6);
    QFETCH(QString, ogip);
    QFETCH(QString, a1);
    QFETCH(QString, teufe);
    QFETCH(QString, meldung);
    SkriptDienste s;
    DlgInput d(s.Dienste());
    QVERIFY(Zeigen(d));
    d.Eingabefeld(IDC_CH4)->setText(ch4);  // not left: OK takes the composition over itself
    d.Eingabefeld(IDC_C2H6)->setText(c2h6);
    d.Eingabefeld(IDC_OGIP)->setText(ogip);
    d.Eingabefeld(IDC_A1)->setText(a1);
    d.Eingabefeld(IDC_TEUFE)->setText(teufe);
    Tippen(d, IDC_GASBOHRUNG, QStringLiteral("Bohrung"));
    QTest::mouseClick(d.Element(IDC_OK), Qt::LeftButton);
    if (meldung.isEmpty()) {
      QVERIFY(s.meldungen.isEmpty());
      QCOMPARE(d.result(), int(QDialog::Accepted));
      QVERIFY(!d.isVisible());
      QCOMPARE(d.m_Gasbohrung, std::string("Bohrung"));
    } else {
      QCOMPARE(s.meldungen, QStringList{meldung});
      QVERIFY(d.isVisible());
      QCOMPARE(d.result(), int(QDialog::Rejected));
      QCOMPARE(d.m_Komponenten[3], ch4.toFloat());  // taken over by the check
    }
  }

  // A field OK cannot read is reported once; the dialog stays open with the focus and the typed text in
  // that field, instead of putting the old value back and closing with it.
  void OkMitUnlesbaremFeldBleibtOffen() {
    const struct {
      int id;
      const char* text;
      const char* meldung;
    } faelle[] = {
        {IDC_WGV, "250", "Bitte geben Sie eine Zahl zwischen 0 und 200 ein."},
        {IDC_OGIP, "abc", "Bitte geben Sie eine Zahl ein."},
        {IDC_OGIP, "nan", "Bitte geben Sie eine Zahl ein."},
    };
    for (const auto& f : faelle) {
      SkriptDienste s;
      DlgInput d(s.Dienste());
      QVERIFY(Zeigen(d, GueltigeBohrung()));
      d.Eingabefeld(f.id)->setText(QString::fromUtf8(f.text));
      QTest::mouseClick(d.Element(IDC_OK), Qt::LeftButton);
      QCOMPARE(s.meldungen, QStringList{QString::fromUtf8(f.meldung)});
      QVERIFY(d.isVisible());
      QCOMPARE(d.result(), int(QDialog::Rejected));
      QCOMPARE(FokusId(d), f.id);
      QCOMPARE(d.Eingabefeld(f.id)->text(), QString::fromUtf8(f.text));
    }
  }

  void EnterPrueftEscapeBricht() {
    SkriptDienste s;
    DlgInput d(s.Dienste());
    Eingabewerte w = GueltigeBohrung();
    w.m_A1 = 0;
    QVERIFY(Zeigen(d, w));
    Tippen(d, IDC_INITIALDRUCK, QStringLiteral("250"));
    QTest::keyClick(d.Element(IDC_INITIALDRUCK), Qt::Key_Return);
    QCOMPARE(s.meldungen, QStringList{QStringLiteral("Der A1-Wert muß größer Null sein!")});
    QVERIFY(d.isVisible());
    QTest::keyClick(d.Element(IDC_INITIALDRUCK), Qt::Key_Escape);
    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), int(QDialog::Rejected));

    DlgInput ok(s.Dienste());
    QVERIFY(Zeigen(ok));
    Tippen(ok, IDC_A1, QStringLiteral("55.5"));
    QTest::keyClick(ok.Element(IDC_A1), Qt::Key_Enter);
    QCOMPARE(ok.result(), int(QDialog::Accepted));
    QCOMPARE(ok.m_A1, 55.5);
  }

  void AbbrechenKnopf() {
    SkriptDienste s;
    DlgInput d(s.Dienste());
    QVERIFY(Zeigen(d));
    QTest::mouseClick(d.Element(IDC_ABBRECHEN), Qt::LeftButton);
    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), int(QDialog::Rejected));
  }

  void HilfeFragtNachKontext32774() {
    SkriptDienste s;
    DlgInput d(s.Dienste());
    QVERIFY(Zeigen(d));
    QTest::mouseClick(d.Element(IDC_HILFE), Qt::LeftButton);
    QCOMPARE(s.hilfeKontexte, QList<int>{32774});
    QCOMPARE(s.meldungen, QStringList{QStringLiteral("Onlinehilfe nicht gefunden!")});
    s.hilfeVorhanden = true;
    s.Vergessen();
    QTest::mouseClick(d.Element(IDC_HILFE), Qt::LeftButton);
    QVERIFY(s.meldungen.isEmpty());
    QVERIFY(d.isVisible());
  }

  // The injection box keeps its member in step by itself; the other boxes reach theirs by a read, and a
  // double-click on a line leaves them as clicked.
  void InjektionUeberstehtAnzeigeOhneLesen() {
    SkriptDienste s;
    DlgInput d(s.Dienste());
    QVERIFY(Zeigen(d));
    QTest::mouseClick(d.Element(IDC_INJEKTION), Qt::LeftButton);
    QTest::mouseClick(d.Element(IDC_GRAFIK_RATEN), Qt::LeftButton);
    QCOMPARE(d.m_bInjektion, 1);
    QCOMPARE(d.m_bGrafikRaten, 0);
    const QRect zeile = d.m_Liste->visualItemRect(d.m_Liste->item(0));
    QTest::mouseClick(d.m_Liste->viewport(), Qt::LeftButton, {}, zeile.center());
    QTest::mouseDClick(d.m_Liste->viewport(), Qt::LeftButton, {}, zeile.center());
    QCOMPARE(Feldtext(d, IDC_ZEILE), QString::fromStdString(GueltigeBohrung().m_Ratenzeilen[0]));
    QVERIFY(qobject_cast<QCheckBox*>(d.Element(IDC_INJEKTION))->isChecked());
    QVERIFY(qobject_cast<QCheckBox*>(d.Element(IDC_GRAFIK_RATEN))->isChecked());
    QTest::mouseClick(d.Element(IDC_INJEKTION), Qt::LeftButton);
    QCOMPARE(d.m_bInjektion, 0);
  }

  void A1B1Vorschlag() {
    SkriptDienste s;
    DlgInput d(s.Dienste());
    Eingabewerte w = GueltigeBohrung();
    w.m_A1 = 0;
    w.m_B1 = 0;
    w.m_Komponenten[3] = 50;
    QVERIFY(Zeigen(d, w));
    // The field being edited is left by the click, so its value counts.
    Tippen(d, IDC_CH4, QStringLiteral("100"));
    A1B1Eingaben e;
    e.komponenten[3] = 100;
    e.temperatur = 100;
    e.kopftemperatur = 20;
    e.initialdruck = 200;
    e.teufe = 3000;
    e.bohrlochlaenge = 3000;
    e.durchmesser = 6.2f;
    const zelvor::A1B1Vorschlag v = A1B1Berechnen(e);
    QVERIFY(v.gueltig);
    s.antworten = {false};
    QTest::mouseClick(d.Element(IDC_A1B1), Qt::LeftButton);
    QCOMPARE(s.fragen, QStringList{QString::fromStdString(A1B1Text(v, true))});
    QVERIFY(s.fragen.front().contains(QStringLiteral("A1-Wert: 90.85\nB1-Wert: 1.474")));
    QCOMPARE(Feldtext(d, IDC_A1), QStringLiteral("0"));
    QCOMPARE(d.m_A1, 0.0);

    s.antworten = {true};
    QTest::mouseClick(d.Element(IDC_A1B1), Qt::LeftButton);
    QCOMPARE(d.m_A1, v.a1);
    QCOMPARE(d.m_B1, v.b1);
    QCOMPARE(Feldtext(d, IDC_A1), QString::fromStdString(FeldText(d, IDC_A1)));
    QCOMPARE(Feldtext(d, IDC_A1).toDouble(), v.a1);
    QCOMPARE(Feldtext(d, IDC_B1).toDouble(), v.b1);
    QVERIFY(s.meldungen.isEmpty());
    // The A1 check no longer fires, and the shown values come back exactly.
    QTest::mouseClick(d.Element(IDC_OK), Qt::LeftButton);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(d.m_A1, v.a1);
    QCOMPARE(d.m_B1, v.b1);
  }

  void A1B1OhneVorschlag_data() {
    QTest::addColumn<QString>("laenge");
    QTest::addColumn<QString>("teufe");
    QTest::addColumn<QString>("wgv");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("Laenge 0") << "0" << "0" << "0" << "Bitte Bohrlochlänge eingeben!";
    QTest::newRow("Teufe 0") << "3000" << "0" << "0" << "Bitte Lagerstättenteufe eingeben!";
    QTest::newRow("Teufe groesser") << "3000" << "3001" << "0"
                                    << "Die Teufe darf nicht größer als die Bohrlochslänge sein!";
    // Refused by the read first; the proposal then ends without a word of its own.
    QTest::newRow("WGV") << "3000" << "3000" << "201" << "Bitte geben Sie eine Zahl zwischen 0 und 200 ein.";
  }
  void A1B1OhneVorschlag() {
    QFETCH(QString, laenge);
    QFETCH(QString, teufe);
    QFETCH(QString, wgv);
    QFETCH(QString, meldung);
    SkriptDienste s;
    DlgInput d(s.Dienste());
    QVERIFY(Zeigen(d));
    d.Eingabefeld(IDC_BOHRLOCHLAENGE)->setText(laenge);
    d.Eingabefeld(IDC_TEUFE)->setText(teufe);
    d.Eingabefeld(IDC_WGV)->setText(wgv);
    s.antworten = {true};
    d.BerechneA1B1();
    QCOMPARE(s.meldungen, QStringList{meldung});
    QVERIFY(s.fragen.isEmpty());
    QCOMPARE(d.m_A1, 100.0);
  }

  void Tabulatorreihenfolge() {
    SkriptDienste s;
    DlgInput d(s.Dienste());
    QVERIFY(Zeigen(d));
    const QList<int> erwartet = {1000, 1002, 1004, 1006, 1008, 1010, 1012, 1014, 1016, 1003, 1005, 1007, 1009,
                                 1011, 1013, 1015, 1017, 1032, 1018, 1024, 1019, 1025, 1022, 1026, 1020, 1021,
                                 2,    1001, 1035, 1028, 1027, 1043, 1036, 1037, 1038, 1039, 1040, 1041, 1042};
    QList<int> kette;
    QWidget* w = d.Element(IDC_GASBOHRUNG);
    do {
      if (w->focusPolicy() & Qt::TabFocus) {
        const QString name = w->objectName();
        kette << (name.startsWith(QStringLiteral("id")) ? name.mid(2).toInt() : -1);
      }
      w = w->nextInFocusChain();
    } while (w != d.Element(IDC_GASBOHRUNG));
    QCOMPARE(kette, erwartet);
    // The option buttons take the focus by a click only.
    for (int id : OPTIONSFELDER) QCOMPARE(d.Element(id)->focusPolicy(), Qt::ClickFocus);
    // And Tab really walks it.
    QTest::keyClick(d.Element(IDC_GASBOHRUNG), Qt::Key_Tab);
    QVERIFY(d.Element(IDC_H2S)->hasFocus());
    d.Element(IDC_NC4H10)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(d.Element(IDC_NC4H10), Qt::Key_Tab);
    QVERIFY(d.Element(IDC_IC5H12)->hasFocus());
  }

  // No control has a mnemonic: Alt with a letter types nothing into the field, without Alt it types.
  void AltBuchstabeTipptNichts() {
    SkriptDienste s;
    DlgInput d(s.Dienste());
    QVERIFY(Zeigen(d));
    QLineEdit* feld = d.Eingabefeld(IDC_GASBOHRUNG);
    feld->setFocus(Qt::TabFocusReason);
    feld->selectAll();
    for (Qt::Key k : {Qt::Key_N, Qt::Key_A, Qt::Key_1}) QTest::keyClick(feld, k, Qt::AltModifier);
    QCOMPARE(feld->text(), QStringLiteral("Test 7"));
    QTest::keyClick(feld, Qt::Key_N);
    QCOMPARE(feld->text(), QStringLiteral("n"));
  }
};

QTEST_MAIN(DlgInputTest)
#include "DlgInputTest.moc"
