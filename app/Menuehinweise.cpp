#include "app/Menuehinweise.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QStatusBar>

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
// to the window: the mouse over an item says which prompt to show.
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

}  // namespace

void MenuehinweiseEinrichten(QMainWindow& fenster, QMenu& menue) {
  QObject::connect(&menue, &QMenu::hovered, &fenster, [&fenster](QAction* a) { Zeigen(fenster, a); });
  QObject::connect(&menue, &QMenu::aboutToHide, &fenster, [&fenster] { fenster.statusBar()->clearMessage(); });
  menue.installEventFilter(new Mausbeobachter(fenster, menue));
}

void MenuehinweiseEinrichten(QMainWindow& fenster) {
  for (QMenu* menue : fenster.findChildren<QMenu*>()) MenuehinweiseEinrichten(fenster, *menue);
}

}  // namespace zelvor
