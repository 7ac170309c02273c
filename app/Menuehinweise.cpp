#include "app/Menuehinweise.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMainWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace zelvor {
namespace {

void Zeigen(QMainWindow& fenster, const QAction* a) {
  if (!a || a->isSeparator() || a->menu()) return;
  if (a->statusTip().isEmpty())
    fenster.statusBar()->clearMessage();
  else
    fenster.statusBar()->showMessage(a->statusTip());
}

// Qt highlights no disabled item and sends the prompt of a context menu's item to the menu itself, not
// to the window: the mouse over an item says which prompt to show. Moving onto a disabled item of a menu
// of the menu bar, the menu clears the previous item's prompt after this filter has run; the prompt is
// therefore shown again once the menu has handled the move.
class Mausbeobachter : public QObject {
 public:
  Mausbeobachter(QMainWindow& fenster, QMenu& menue) : QObject(&menue), m_Fenster(&fenster) {}

 protected:
  bool eventFilter(QObject* objekt, QEvent* e) override {
    if (e->type() == QEvent::MouseMove && m_Fenster) {
      auto* menue = static_cast<QMenu*>(objekt);
      if (QAction* a = menue->actionAt(static_cast<QMouseEvent*>(e)->position().toPoint()); a && a != m_Zuletzt) {
        m_Zuletzt = a;
        Zeigen(*m_Fenster, a);
        QTimer::singleShot(0, this, [this, menue, aktion = QPointer<QAction>(a)] {
          if (aktion && m_Fenster && menue->isVisible() && m_Zuletzt == aktion) Zeigen(*m_Fenster, aktion);
        });
      }
    } else if (e->type() == QEvent::Hide) {
      m_Zuletzt = nullptr;
    }
    return false;
  }

 private:
  QPointer<QMainWindow> m_Fenster;
  const QAction* m_Zuletzt = nullptr;
};

// Qt clears a button's prompt when the mouse leaves the button; a drag of the toolbar moves the bar
// away under the mouse without that leave.
class Leistenbeobachter : public QObject {
 public:
  Leistenbeobachter(QMainWindow& fenster, QToolBar& leiste) : QObject(&leiste), m_Fenster(&fenster) {}

 protected:
  bool eventFilter(QObject* objekt, QEvent* e) override {
    if ((e->type() == QEvent::Move || e->type() == QEvent::MouseButtonRelease) && m_Fenster) {
      auto* leiste = static_cast<QToolBar*>(objekt);
      QWidget* unter = QApplication::widgetAt(QCursor::pos());
      auto* knopf = qobject_cast<QToolButton*>(unter);
      if (!knopf || knopf->parentWidget() != leiste) m_Fenster->statusBar()->clearMessage();
    }
    return false;
  }

 private:
  QPointer<QMainWindow> m_Fenster;
};

}  // namespace

void SymbolleistenhinweiseEinrichten(QMainWindow& fenster, QToolBar& leiste) {
  leiste.installEventFilter(new Leistenbeobachter(fenster, leiste));
}

void MenuehinweiseEinrichten(QMainWindow& fenster, QMenu& menue) {
  QObject::connect(&menue, &QMenu::hovered, &fenster, [&fenster](QAction* a) { Zeigen(fenster, a); });
  QObject::connect(&menue, &QMenu::aboutToHide, &fenster, [&fenster] { fenster.statusBar()->clearMessage(); });
  menue.installEventFilter(new Mausbeobachter(fenster, menue));
}

void MenuehinweiseEinrichten(QMainWindow& fenster) {
  for (QMenu* menue : fenster.findChildren<QMenu*>()) MenuehinweiseEinrichten(fenster, *menue);
}

}  // namespace zelvor
