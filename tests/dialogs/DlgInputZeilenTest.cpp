// Editing the rate lines in the input dialog: double-click, the four options, the operation when the
// line field is left, its question and status text, and the lines the dialog hands back.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QtTest>

#include "Dialoghilfen.h"
#include "SkriptDienste.h"

using namespace zelvor;

namespace {

QString Status(const DlgInput& d) { return qobject_cast<QLabel*>(d.Element(IDC_STATUS))->text(); }

void Doppelklick(DlgInput& d, int zeile) {
  const QPoint p = d.m_Liste->visualItemRect(d.m_Liste->item(zeile)).center();
  QTest::mouseClick(d.m_Liste->viewport(), Qt::LeftButton, {}, p);
  QTest::mouseDClick(d.m_Liste->viewport(), Qt::LeftButton, {}, p);
}

void Option(DlgInput& d, int id) { QTest::mouseClick(d.Element(id), Qt::LeftButton); }

int Auswahl(const DlgInput& d) {
  const auto a = d.m_Liste->selectedItems();
  return a.isEmpty() ? -1 : d.m_Liste->row(a.front());
}

// The line field, typed over and left by Tab.
void ZeileEingeben(DlgInput& d, const QString& text) {
  Tippen(d, IDC_ZEILE, text);
  Verlassen(d, IDC_ZEILE);
}

const QString NEU = QStringLiteral("  1.500          11000.00            178.00");

}  // namespace

class DlgInputZeilenTest : public QObject {
  Q_OBJECT

 private slots:
  void DoppelklickHoltDieZeileInsFeld() {
    SkriptDienste s;
    DlgInput d(s.Dienste());
    QVERIFY(Zeigen(d));
    Doppelklick(d, 2);
    QCOMPARE(Feldtext(d, IDC_ZEILE), Listenzeilen(d)[2]);
    QCOMPARE(Status(d), QStringLiteral("3.Zeile ausgewählt"));
    QCOMPARE(d.m_nAuswahl, 2);
    QVERIFY(d.Element(IDC_ZEILE)->hasFocus());
    QCOMPARE(d.Eingabefeld(IDC_ZEILE)->selectedText(), Listenzeilen(d)[2]);
    QVERIFY(s.fragen.isEmpty());
    QVERIFY(s.meldungen.isEmpty());
  }

  // The list reports a double-click without a selected line: nothing is taken, nothing moves.
  void DoppelklickOhneAuswahlLaesstAllesStehen() {
    SkriptDienste s;
    DlgInput d(s.Dienste());
    QVERIFY(Zeigen(d));
    Doppelklick(d, 1);
    d.Eingabefeld(IDC_ZEILE)->setText(QStringLiteral("getippt"));
    d.m_Liste->clearSelection();
    d.Element(IDC_GASBOHRUNG)->setFocus();
    QCOMPARE(s.meldungen, QStringList{QStringLiteral("Die Zeile nicht 3  Werte")});  // the field was left
    s.Vergessen();
    d.OnDblclkListe();
    QCOMPARE(Feldtext(d, IDC_ZEILE), QStringLiteral("getippt"));
    QCOMPARE(Status(d), QStringLiteral("2.Zeile ausgewählt"));
    QVERIFY(d.Element(IDC_GASBOHRUNG)->hasFocus());
    QCOMPARE(d.m_nAuswahl, -1);
    // Below the last line of a short list.
    DlgInput kurz(s.Dienste());
    Eingabewerte w = GueltigeBohrung();
    w.m_Ratenzeilen.resize(1);
    QVERIFY(Zeigen(kurz, w));
    const QPoint unten(5, kurz.m_Liste->viewport()->height() - 3);
    QTest::mouseDClick(kurz.m_Liste->viewport(), Qt::LeftButton, {}, unten);
    QCOMPARE(Feldtext(kurz, IDC_ZEILE), QString());
    QCOMPARE(Status(kurz), QString());
    QVERIFY(s.meldungen.isEmpty());
  }

  void Aendern_data() {
    QTest::addColumn<bool>("ja");
    QTest::newRow("Ja") << true;
    QTest::newRow("Nein") << false;
  }
  void Aendern() {
    QFETCH(bool, ja);
    SkriptDienste s;
    DlgInput d(s.Dienste());
    QVERIFY(Zeigen(d));
    const QStringList vorher = Listenzeilen(d);
    s.antworten = {ja};
    Doppelklick(d, 1);  // "Zeile ändern" is in force after the start
    ZeileEingeben(d, QStringLiteral("1.5 11000 178"));
    QCOMPARE(s.fragen, QStringList{QStringLiteral("Soll diese Zeile geändert werden?\n") + NEU});
    QStringList erwartet = vorher;
    if (ja) erwartet[1] = NEU;
    QCOMPARE(Listenzeilen(d), erwartet);
    QCOMPARE(Zeilen(d.m_Ratenzeilen), erwartet);
    QCOMPARE(d.m_bGeaendert, ja ? 1 : 0);
    QCOMPARE(Status(d), ja ? QStringLiteral("2.Zeile wurde geändert") : QStringLiteral("2.Zeile ausgewählt"));
    if (ja) {
      QCOMPARE(Feldtext(d, IDC_ZEILE), NEU);
      QCOMPARE(Auswahl(d), -1);
    } else {
      QCOMPARE(Feldtext(d, IDC_ZEILE), QStringLiteral("1.5 11000 178"));  // nothing shown anew
    }
  }

  // The changed line is on the screen at once, not only in the list's data: what the window shows of the
  // list after the event loop has run is the list drawn with its new lines.
  void GeaenderteZeileWirdSofortGezeigt() {
    SkriptDienste s;
    DlgInput d(s.Dienste());
    QVERIFY(Zeigen(d));
    s.antworten = {true};
    Doppelklick(d, 1);
    QTest::qWait(50);
    const QRect liste(d.m_Liste->viewport()->mapTo(&d, QPoint(0, 0)), d.m_Liste->viewport()->size());
    const auto bildschirm = [&] { return d.screen()->grabWindow(d.winId()).toImage().copy(liste); };
    const QImage vorher = bildschirm();
    ZeileEingeben(d, QStringLiteral("1.5 11000 178"));
    QCOMPARE(Listenzeilen(d)[1], NEU);
    QTRY_COMPARE(bildschirm(), d.m_Liste->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32));
    QVERIFY(bildschirm() != vorher);
  }

  void Anhaengen() {
    SkriptDienste s;
    DlgInput d(s.Dienste());
    QVERIFY(Zeigen(d));
    Option(d, IDC_ZEILE_ANHAENGEN);
    QCOMPARE(Status(d), QStringLiteral("Bitte Zeile durch Doppelklick auswählen"));
    QCOMPARE(d.m_Option, 1);
    s.antworten = {true};
    ZeileEingeben(d, QStringLiteral("1.5 11000 178"));
    QCOMPARE(s.fragen, QStringList{QStringLiteral("Soll diese Zeile angehängt werden?\n") + NEU});
    QCOMPARE(Listenzeilen(d).size(), 5);
    QCOMPARE(Listenzeilen(d)[4], NEU);
    QCOMPARE(Zeilen(d.m_Ratenzeilen), Listenzeilen(d));
    QCOMPARE(Status(d), QStringLiteral("5.Zeile angehängt"));
    QCOMPARE(d.m_bGeaendert, 1);
  }

  void AnhaengenAnLeereListe() {
    SkriptDienste s;
    DlgInput d(s.Dienste());
    Eingabewerte w = GueltigeBohrung();
    w.m_Ratenzeilen.clear();
    QVERIFY(Zeigen(d, w));
    Option(d, IDC_ZEILE_ANHAENGEN);
    QCOMPARE(Status(d), QString());  // with an empty list there is nothing to select
    s.antworten = {true};
    ZeileEingeben(d, QStringLiteral("0 0 0"));
    QCOMPARE(Listenzeilen(d), QStringList{QStringLiteral("  0.000              0.00              0.00")});
    QCOMPARE(Status(d), QStringLiteral("1.Zeile angehängt"));
  }

  void Einfuegen_data() {
    QTest::addColumn<bool>("ja");
    QTest::newRow("Ja") << true;
    QTest::newRow("Nein") << false;
  }
  void Einfuegen() {
    QFETCH(bool, ja);
    SkriptDienste s;
    DlgInput d(s.Dienste());
    QVERIFY(Zeigen(d));
    const QStringList vorher = Listenzeilen(d);
    Option(d, IDC_ZEILE_EINFUEGEN);
    Doppelklick(d, 1);
    s.antworten = {ja};
    ZeileEingeben(d, QStringLiteral("1.5 11000 178"));
    QCOMPARE(s.fragen,
             QStringList{QStringLiteral("Soll diese Zeile vor der markarkierten eingefügt werden?\n") + NEU});
    if (ja) {
      QCOMPARE(Listenzeilen(d), (QStringList{vorher[0], NEU, vorher[1], vorher[2], vorher[3]}));
      QCOMPARE(Status(d), QStringLiteral("2.Zeile eingefügt"));
      QCOMPARE(Auswahl(d), 2);  // the selected line moved down, and its selection with it
    } else {
      QCOMPARE(Listenzeilen(d), vorher);
      QCOMPARE(Auswahl(d), 1);
    }
    QCOMPARE(Zeilen(d.m_Ratenzeilen), Listenzeilen(d));
    QCOMPARE(d.m_bGeaendert, ja ? 1 : 0);
  }

  void Loeschen_data() {
    QTest::addColumn<bool>("ja");
    QTest::newRow("Ja") << true;
    QTest::newRow("Nein") << false;
  }
  void Loeschen() {
    QFETCH(bool, ja);
    SkriptDienste s;
    DlgInput d(s.Dienste());
    QVERIFY(Zeigen(d));
    const QStringList vorher = Listenzeilen(d);
    Option(d, IDC_ZEILE_LOESCHEN);
    Doppelklick(d, 2);
    s.antworten = {ja};
    // The selected line goes, whatever the field holds; the field only shows in the question.
    ZeileEingeben(d, QStringLiteral("9 9 9"));
    QCOMPARE(s.fragen, QStringList{QStringLiteral("Soll diese Zeile wirklich gelöscht werden?\n  9.000              "
                                                  "9.00              9.00")});
    if (ja) {
      QCOMPARE(Listenzeilen(d), (QStringList{vorher[0], vorher[1], vorher[3]}));
      QCOMPARE(Status(d), QStringLiteral("3.Zeile gelöscht"));
      QCOMPARE(Auswahl(d), -1);
    } else {
      QCOMPARE(Listenzeilen(d), vorher);
    }
    QCOMPARE(Zeilen(d.m_Ratenzeilen), Listenzeilen(d));
    QCOMPARE(d.m_bGeaendert, ja ? 1 : 0);
  }

  // Insert and delete need a selected line: without one they are refused like a change, and the user is
  // told how to select one. Nothing is asked, nothing changes.
  void EinfuegenUndLoeschenOhneAuswahl_data() {
    QTest::addColumn<int>("option");
    QTest::newRow("einfügen") << int(IDC_ZEILE_EINFUEGEN);
    QTest::newRow("löschen") << int(IDC_ZEILE_LOESCHEN);
    QTest::newRow("ändern") << int(IDC_ZEILE_AENDERN);
  }
  void EinfuegenUndLoeschenOhneAuswahl() {
    QFETCH(int, option);
    SkriptDienste s;
    DlgInput d(s.Dienste());
    Eingabewerte w = GueltigeBohrung();
    QVERIFY(Zeigen(d, w));
    Option(d, option);
    qobject_cast<QLabel*>(d.Element(IDC_STATUS))->setText(QStringLiteral("vorher"));
    s.antworten = {true};
    ZeileEingeben(d, QStringLiteral("1.5 11000 178"));
    QVERIFY(s.fragen.isEmpty());
    QVERIFY(s.meldungen.isEmpty());
    QCOMPARE(Listenzeilen(d), Zeilen(w.m_Ratenzeilen));
    QCOMPARE(d.m_bGeaendert, 0);
    QCOMPARE(Status(d), option == IDC_ZEILE_AENDERN ? QStringLiteral("vorher")
                                                    : QStringLiteral("Bitte Zeile durch Doppelklick auswählen"));
    QCOMPARE(d.m_Zeile, NEU.toStdString());  // the held line is reformatted all the same
  }

  void UngueltigeZeileLaesstAllesStehen_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("meldung");
    const QString drei = QStringLiteral("Die Zeile nicht 3  Werte");
    QTest::newRow("leer") << "" << drei;
    QTest::newRow("Blank") << " " << drei;
    QTest::newRow("Komma") << "12,5 2000 85" << drei;
    QTest::newRow("Wort") << "12.5 2000 85 Messung" << drei;
    QTest::newRow("nan") << "nan 2000 85" << drei;
    QTest::newRow("inf") << "12.5 inf 85" << drei;
    QTest::newRow("Gp") << "-1 100 50" << "Gp ist kleiner als Null";
    QTest::newRow("Rate") << "1 -100 50" << "Die Rate ist kleiner als Null";
    QTest::newRow("Druck") << "1 100 -5" << "Der Druck ist kleiner als Null";
  }
  void UngueltigeZeileLaesstAllesStehen() {
    QFETCH(QString, text);
    QFETCH(QString, meldung);
    SkriptDienste s;
    DlgInput d(s.Dienste());
    QVERIFY(Zeigen(d));
    const QStringList vorher = Listenzeilen(d);
    Doppelklick(d, 1);
    s.antworten = {true};
    ZeileEingeben(d, text);
    QCOMPARE(s.meldungen, QStringList{meldung});
    QVERIFY(s.fragen.isEmpty());
    QCOMPARE(Listenzeilen(d), vorher);
    QCOMPARE(Zeilen(d.m_Ratenzeilen), vorher);
    QCOMPARE(d.m_bGeaendert, 0);
    QCOMPARE(Feldtext(d, IDC_ZEILE), text);  // kept for correcting
    QCOMPARE(Status(d), QStringLiteral("2.Zeile ausgewählt"));
  }

  // Clicking an option button first makes the line field lose the focus: the option in force until then
  // applies to the field's text, the new one afterwards.
  void OptionsklickWendetDieVorigeOptionAn() {
    SkriptDienste s;
    DlgInput d(s.Dienste());
    QVERIFY(Zeigen(d));
    Doppelklick(d, 0);
    Tippen(d, IDC_ZEILE, QStringLiteral("1.5 11000 178"));
    s.antworten = {true};
    Option(d, IDC_ZEILE_ANHAENGEN);
    QCOMPARE(s.fragen, QStringList{QStringLiteral("Soll diese Zeile geändert werden?\n") + NEU});
    QCOMPARE(Listenzeilen(d)[0], NEU);
    QCOMPARE(Listenzeilen(d).size(), 4);
    QCOMPARE(d.m_Option, 1);
    QVERIFY(qobject_cast<QRadioButton*>(d.Element(IDC_ZEILE_ANHAENGEN))->isChecked());
    QCOMPARE(Status(d), QStringLiteral("Bitte Zeile durch Doppelklick auswählen"));
  }

  // The option buttons and the double-click change the line field, the status and the option only:
  // whatever was typed or clicked elsewhere since the last read stays as it is.
  void OptionUndDoppelklickLassenGetipptesStehen_data() {
    QTest::addColumn<int>("knopf");  // 0: double-click on the 2nd line
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("status");
    const QString bitte = QStringLiteral("Bitte Zeile durch Doppelklick auswählen");
    QTest::newRow("ändern") << int(IDC_ZEILE_AENDERN) << 0 << bitte;
    QTest::newRow("anhängen") << int(IDC_ZEILE_ANHAENGEN) << 1 << bitte;
    QTest::newRow("einfügen") << int(IDC_ZEILE_EINFUEGEN) << 2 << bitte;
    QTest::newRow("löschen") << int(IDC_ZEILE_LOESCHEN) << 3 << bitte;
    QTest::newRow("Doppelklick") << 0 << 0 << QStringLiteral("2.Zeile ausgewählt");
  }

  void OptionUndDoppelklickLassenGetipptesStehen() {
    QFETCH(int, knopf);
    QFETCH(int, option);
    QFETCH(QString, status);
    SkriptDienste s;
    DlgInput d(s.Dienste());
    QVERIFY(Zeigen(d));
    Tippen(d, IDC_CH4, QStringLiteral("90"));
    Verlassen(d, IDC_CH4);  // this read takes every field
    Tippen(d, IDC_OGIP, QStringLiteral("5000"));
    Tippen(d, IDC_GASBOHRUNG, QStringLiteral("Neu 2"));
    QTest::mouseClick(d.Element(IDC_GRAFIK_RATEN), Qt::LeftButton);
    if (knopf)
      Option(d, knopf);
    else
      Doppelklick(d, 1);
    QCOMPARE(Feldtext(d, IDC_CH4), QStringLiteral("90"));
    QCOMPARE(Feldtext(d, IDC_OGIP), QStringLiteral("5000"));
    QCOMPARE(Feldtext(d, IDC_GASBOHRUNG), QStringLiteral("Neu 2"));
    QVERIFY(qobject_cast<QCheckBox*>(d.Element(IDC_GRAFIK_RATEN))->isChecked());
    QCOMPARE(d.m_Option, option);
    QVERIFY(qobject_cast<QRadioButton*>(d.Element(OPTIONSFELDER[static_cast<std::size_t>(option)]))->isChecked());
    QCOMPARE(Status(d), status);
    if (!knopf) QCOMPARE(Feldtext(d, IDC_ZEILE), Listenzeilen(d)[1]);
  }

  // The question that leaving the line field raises takes the rest of the click that left it: the click
  // is carried out after the answer. The previous option applies to the field first, then the clicked
  // one takes effect; a clicked list line is selected.
  void KlickNachDerFrageWirdNachgeholt() {
    SkriptDienste s;
    DlgInput d(s.Dienste());
    QVERIFY(Zeigen(d));
    Doppelklick(d, 1);
    Tippen(d, IDC_ZEILE, QStringLiteral("1.5 11000 178"));
    auto* anhaengen = qobject_cast<QRadioButton*>(d.Element(IDC_ZEILE_ANHAENGEN));
    QTest::mousePress(anhaengen, Qt::LeftButton);  // the release goes to the box
    QCOMPARE(s.fragen.size(), 1);
    QTRY_COMPARE(d.m_Option, 1);
    QVERIFY(anhaengen->isChecked());
    QVERIFY(!anhaengen->isDown());
    QCOMPARE(Status(d), QStringLiteral("Bitte Zeile durch Doppelklick auswählen"));
    QTest::mouseRelease(anhaengen, Qt::LeftButton);  // a late release clicks nothing more
    QCOMPARE(d.m_Option, 1);

    Doppelklick(d, 1);
    Tippen(d, IDC_ZEILE, QStringLiteral("1.5 11000 178"));
    const QPoint dritte = d.m_Liste->visualItemRect(d.m_Liste->item(2)).center();
    QCursor::setPos(d.m_Liste->viewport()->mapToGlobal(dritte));
    QTest::mousePress(d.m_Liste->viewport(), Qt::LeftButton, {}, dritte);
    QCOMPARE(s.fragen.size(), 2);
    QTRY_COMPARE(Auswahl(d), 2);
    QTest::mouseRelease(d.m_Liste->viewport(), Qt::LeftButton, {}, dritte);
    QCOMPARE(Listenzeilen(d).size(), 4);  // both questions answered No
  }

  // With a line pending under "Zeile ändern": "Abbrechen" discards the dialog at once without the line's
  // question; OK asks it and then goes on as OK, though the box took the rest of its click.
  void AbbrechenUndOkNachEinerOffenenZeile() {
    const QString neu = QStringLiteral("  2.500          12000.00            170.00");
    for (const bool ok : {false, true}) {
      SkriptDienste s;
      s.antworten = {true};
      DlgInput d(s.Dienste());
      QVERIFY(Zeigen(d));
      Doppelklick(d, 1);
      Tippen(d, IDC_ZEILE, QStringLiteral("2.5 12000 170"));
      if (!ok) {
        QTest::mouseClick(d.Element(IDC_ABBRECHEN), Qt::LeftButton);
        QVERIFY(s.fragen.isEmpty());
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QVERIFY(!d.isVisible());
        continue;
      }
      auto* knopf = qobject_cast<QAbstractButton*>(d.Element(IDC_OK));
      QTest::mousePress(knopf, Qt::LeftButton);  // the release goes to the box
      QCOMPARE(s.fragen.size(), 1);
      QTRY_VERIFY(!d.isVisible());
      QCOMPARE(d.result(), int(QDialog::Accepted));
      QVERIFY(!knopf->isDown());
      QCOMPARE(Zeilen(d.m_Ratenzeilen)[1], neu);
      QCOMPARE(d.m_bGeaendert, 1);
    }
    // A line refused with a message keeps the dialog open for its correction.
    SkriptDienste s;
    DlgInput d(s.Dienste());
    QVERIFY(Zeigen(d));
    Doppelklick(d, 1);
    Tippen(d, IDC_ZEILE, QStringLiteral("2,5 12000 170"));
    QTest::mousePress(d.Element(IDC_OK), Qt::LeftButton);
    QCOMPARE(s.meldungen, QStringList{QStringLiteral("Die Zeile nicht 3  Werte")});
    QTest::qWait(20);
    QVERIFY(d.isVisible());
    QCOMPARE(Feldtext(d, IDC_ZEILE), QStringLiteral("2,5 12000 170"));
  }

  // Enter in the line field is OK pressed without leaving the field: it takes the line as the click on
  // OK does (question, then OK), and a refused line keeps the dialog open with what was typed.
  void EnterImZeilenfeldWirktWieOk_data() {
    QTest::addColumn<QString>("getippt");
    QTest::addColumn<bool>("ja");
    QTest::newRow("Ja") << "160.0 6300.0 215.0" << true;
    QTest::newRow("Nein") << "160.0 6300.0 215.0" << false;
    QTest::newRow("Dezimalkomma") << "160,0 6300 215" << true;
  }
  void EnterImZeilenfeldWirktWieOk() {
    QFETCH(QString, getippt);
    QFETCH(bool, ja);
    SkriptDienste s;
    s.antworten = {ja};
    DlgInput d(s.Dienste());
    QVERIFY(Zeigen(d));
    const QStringList vorher = Listenzeilen(d);
    Doppelklick(d, 1);
    Tippen(d, IDC_ZEILE, getippt);
    QTest::keyClick(d.Element(IDC_ZEILE), Qt::Key_Return);
    if (getippt.contains(',')) {
      QCOMPARE(s.meldungen, QStringList{QStringLiteral("Die Zeile nicht 3  Werte")});
      QVERIFY(s.fragen.isEmpty());
      QVERIFY(d.isVisible());
      QCOMPARE(Feldtext(d, IDC_ZEILE), getippt);
      return;
    }
    QCOMPARE(s.fragen.size(), 1);
    QVERIFY(s.fragen[0].startsWith(QStringLiteral("Soll diese Zeile geändert werden?\n")));
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(Zeilen(d.m_Ratenzeilen)[1], ja ? QStringLiteral("160.000           6300.00            215.00") : vorher[1]);
    QCOMPARE(d.m_bGeaendert, ja ? 1 : 0);
  }

  // An appended line is scrolled into sight; the empty list shows that it has the focus.
  void ListeZeigtWasSieHat() {
    SkriptDienste s;
    DlgInput d(s.Dienste());
    QVERIFY(Zeigen(d));
    Option(d, IDC_ZEILE_ANHAENGEN);
    for (int i = 0; i < 8; ++i) {
      s.antworten = {true};
      ZeileEingeben(d, QStringLiteral("%1 1000 100").arg(10 + i));
    }
    QCOMPARE(d.m_Liste->count(), 12);
    const QRect letzte = d.m_Liste->visualItemRect(d.m_Liste->item(11));
    QVERIFY(d.m_Liste->viewport()->rect().contains(letzte));

    Eingabewerte leer = GueltigeBohrung();
    leer.m_Ratenzeilen.clear();
    DlgInput e(s.Dienste());
    QVERIFY(Zeigen(e, leer));
    const QImage ohne = e.m_Liste->viewport()->grab().toImage();
    e.Element(IDC_RATENDATEI)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(e.Element(IDC_RATENDATEI), Qt::Key_Tab);
    QVERIFY(e.m_Liste->hasFocus());
    QVERIFY(e.m_Liste->viewport()->grab().toImage() != ohne);
  }

  // OK hands the edited lines back, with the flag that they were edited.
  void OkGibtDieZeilenZurueck() {
    SkriptDienste s;
    Eingabewerte w = GueltigeBohrung();
    {
      DlgInput d(s.Dienste());
      QVERIFY(Zeigen(d, w));
      Option(d, IDC_ZEILE_LOESCHEN);
      Doppelklick(d, 0);
      s.antworten = {true};
      Verlassen(d, IDC_ZEILE);
      QCOMPARE(d.m_Ratenzeilen.size(), std::size_t{3});
      QTest::mouseClick(d.Element(IDC_OK), Qt::LeftButton);
      QCOMPARE(d.result(), int(QDialog::Accepted));
      QCOMPARE(Zeilen(d.m_Ratenzeilen), Zeilen(w.m_Ratenzeilen).mid(1));
      QCOMPARE(d.m_bGeaendert, 1);
    }
  }

  // Each line's date beside its text; the date field takes the chosen line's date, changes it when left,
  // refuses an impossible date with the typed text kept, and an appended line takes the field's date.
  void DatumNebenDerZeile() {
    SkriptDienste s;
    DlgInput d(s.Dienste());
    Eingabewerte w = GueltigeBohrung();
    w.m_RatenDatum = {std::nullopt, TagAusDatum(2024, 3, 1)};
    QVERIFY(Zeigen(d, w));
    const QStringList texte = Listenzeilen(d);
    QCOMPARE(d.m_Liste->item(1)->data(DATUMSROLLE).toString(), QStringLiteral("01.03.2024"));
    Doppelklick(d, 1);
    QCOMPARE(Feldtext(d, IDC_DATUM), QStringLiteral("01.03.2024"));
    Tippen(d, IDC_DATUM, QStringLiteral("31.02.2024"));
    Verlassen(d, IDC_DATUM);
    QCOMPARE(s.meldungen, QStringList{QStringLiteral("\"31.02.2024\" ist kein gültiges Datum. Bitte als TT.MM.JJJJ "
                                                     "eingeben (Jahre 1900 bis 2199).")});
    QCOMPARE(Feldtext(d, IDC_DATUM), QStringLiteral("31.02.2024"));
    s.Vergessen();
    Doppelklick(d, 1);
    Tippen(d, IDC_DATUM, QStringLiteral("15.4.2024"));
    Verlassen(d, IDC_DATUM);
    QVERIFY(s.meldungen.isEmpty());
    QCOMPARE(d.m_RatenDatum[1], TagAusDatum(2024, 4, 15));
    QCOMPARE(d.m_Liste->item(1)->data(DATUMSROLLE).toString(), QStringLiteral("15.04.2024"));
    QCOMPARE(Listenzeilen(d), texte);  // the lines' texts stay as they are
    Option(d, IDC_ZEILE_ANHAENGEN);
    s.antworten = {true};
    ZeileEingeben(d, NEU);
    QCOMPARE(d.m_Liste->count(), texte.size() + 1);
    QCOMPARE(ZeilenDatum(d.m_RatenDatum, texte.size()), TagAusDatum(2024, 4, 15));
    QCOMPARE(d.m_bGeaendert, 1);
  }

  // A date typed into the date field reaches its line however the dialog is left: Enter in the field,
  // or the mouse on OK, also for a line just appended; an impossible date keeps the dialog open.
  void DatumGehtNichtVerloren_data() {
    QTest::addColumn<bool>("anhaengen");
    QTest::addColumn<QString>("datum");
    QTest::addColumn<bool>("enter");
    QTest::newRow("gewählte Zeile, Enter") << false << "10.06.2027" << true;
    QTest::newRow("gewählte Zeile, Maus") << false << "10.06.2027" << false;
    QTest::newRow("gewählte Zeile, unmöglich, Enter") << false << "31.02.2027" << true;
    QTest::newRow("gewählte Zeile, unmöglich, Maus") << false << "31.02.2027" << false;
    QTest::newRow("angehängte Zeile, Enter") << true << "10.06.2027" << true;
    QTest::newRow("angehängte Zeile, Maus") << true << "10.06.2027" << false;
  }
  void DatumGehtNichtVerloren() {
    QFETCH(bool, anhaengen);
    QFETCH(QString, datum);
    QFETCH(bool, enter);
    SkriptDienste s;
    DlgInput d(s.Dienste());
    QVERIFY(Zeigen(d));
    int zeile = 1;
    if (anhaengen) {
      Option(d, IDC_ZEILE_ANHAENGEN);
      s.antworten = {true};
      Tippen(d, IDC_ZEILE, NEU);
      Verlassen(d, IDC_ZEILE);  // on to the date field, after the question
      QCOMPARE(s.fragen.size(), 1);
      QVERIFY(d.Element(IDC_DATUM)->hasFocus());
      zeile = 4;
    } else {
      Doppelklick(d, zeile);
    }
    Tippen(d, IDC_DATUM, datum);
    if (enter)
      QTest::keyClick(d.Element(IDC_DATUM), Qt::Key_Return);
    else
      QTest::mouseClick(d.Element(IDC_OK), Qt::LeftButton);
    QTest::qWait(20);
    if (datum.startsWith(QStringLiteral("31.02"))) {
      // Leaving the field says so; OK, whose click no box took here, says it again instead of closing.
      QVERIFY(!s.meldungen.isEmpty());
      for (const QString& m : s.meldungen) QVERIFY(m.startsWith(QStringLiteral("\"31.02.2027\" ist kein gültiges Datum.")));
      QVERIFY(d.isVisible());
      QCOMPARE(Feldtext(d, IDC_DATUM), datum);
      return;
    }
    QVERIFY(s.meldungen.isEmpty());
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(ZeilenDatum(d.m_RatenDatum, static_cast<std::size_t>(zeile)), TagAusDatum(2027, 6, 10));
    QCOMPARE(d.m_bGeaendert, 1);
    QCOMPARE(s.fragen.size(), anhaengen ? 1 : 0);
  }

  // Going on from the line field to the date field without changing the line's numbers asks nothing and
  // leaves its text as it was (also a rate file's layout); a changed value asks and reformats.
  void AendernMitDenselbenZahlen() {
    SkriptDienste s;
    DlgInput d(s.Dienste());
    Eingabewerte w = GueltigeBohrung();
    w.m_Ratenzeilen[1] = "     2.000     12000.0           175.0";  // as a rate file is read in
    QVERIFY(Zeigen(d, w));
    Doppelklick(d, 1);
    Verlassen(d, IDC_ZEILE);
    QVERIFY(d.Element(IDC_DATUM)->hasFocus());
    QVERIFY(s.fragen.isEmpty());
    QVERIFY(s.meldungen.isEmpty());
    QCOMPARE(Listenzeilen(d)[1], QString::fromStdString(w.m_Ratenzeilen[1]));
    QCOMPARE(Feldtext(d, IDC_ZEILE), QString::fromStdString(w.m_Ratenzeilen[1]));
    QCOMPARE(d.m_bGeaendert, 0);
    s.antworten = {true};
    Tippen(d, IDC_ZEILE, QStringLiteral("2 12000 176"));
    Verlassen(d, IDC_ZEILE);
    QCOMPARE(s.fragen.size(), 1);
    QCOMPARE(Listenzeilen(d)[1], QStringLiteral("  2.000          12000.00            176.00"));
    QCOMPARE(d.m_bGeaendert, 1);
  }
};

QTEST_MAIN(DlgInputZeilenTest)
#include "DlgInputZeilenTest.moc"
