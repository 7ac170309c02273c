#pragma once
// Shared steps of the dialog tests: a well that passes every check, showing the dialog active, typing
// into a field as the user does after Tab (the whole text selected, typed over).
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

#include "dialogs/DlgInput.h"

namespace zelvor {

inline Eingabewerte GueltigeBohrung() {
  Eingabewerte w;
  w.m_Gasbohrung = "Test 7";
  w.m_Komponenten[3] = 100.0f;
  w.m_OGIP = 1000.0f;
  w.m_Initialdruck = 200.0f;
  w.m_Temperatur = 100.0f;
  w.m_Kopftemperatur = 20.0f;
  w.m_Teufe = 3000.0f;
  w.m_Bohrlochlaenge = 3000.0f;
  w.m_Durchmesser = 6.2f;
  w.m_A1 = 100.0;
  w.m_B1 = 1.4;
  w.m_Bohrungsanzahl = 1;
  w.m_Ratenzeilen = {"  1.000          10000.00            180.00", "  2.000          12000.00            175.00",
                     "  3.000          11000.00            170.00", "  4.000           9000.00            165.00"};
  return w;
}

// Fills and shows the dialog; the window is active so that focus changes reach it.
inline bool Zeigen(DlgInput& d, const Eingabewerte& w = GueltigeBohrung()) {
  static_cast<Eingabewerte&>(d) = w;
  d.show();
  if (!QTest::qWaitForWindowExposed(&d)) return false;
  d.activateWindow();
  return QTest::qWaitForWindowActive(&d);
}

inline void Tippen(DlgInput& d, int id, const QString& text) {
  QLineEdit* feld = d.Eingabefeld(id);
  feld->setFocus(Qt::TabFocusReason);
  feld->selectAll();
  if (text.isEmpty()) QTest::keyClick(feld, Qt::Key_Backspace);
  QTest::keyClicks(feld, text);
}

inline void Verlassen(DlgInput& d, int id) { QTest::keyClick(d.Element(id), Qt::Key_Tab); }

inline QString Feldtext(const DlgInput& d, int id) { return d.Eingabefeld(id)->text(); }

inline QStringList Listenzeilen(const DlgInput& d) {
  QStringList zeilen;
  for (int i = 0; i < d.m_Liste->count(); ++i) zeilen << d.m_Liste->item(i)->text();
  return zeilen;
}

inline QStringList Zeilen(const CStringArray& a) {
  QStringList zeilen;
  for (const std::string& z : a) zeilen << QString::fromStdString(z);
  return zeilen;
}

}  // namespace zelvor
