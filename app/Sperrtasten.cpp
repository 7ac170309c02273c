#include "app/Sperrtasten.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

namespace zelvor {
Sperrtastenanzeige::Sperrtastenanzeige(QStatusBar& leiste, Sperrtastenquelle quelle)
    : QObject(&leiste), m_Quelle(std::move(quelle)) {
  const char* texte[] = {"UF", "NUM", "RF"};
  for (std::size_t i = 0; i < m_Felder.size(); ++i) {
    auto* feld = new QLabel(QString::fromLatin1(texte[i]), &leiste);
    feld->setObjectName(QString::fromLatin1(texte[i]));
    feld->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    feld->setAlignment(Qt::AlignCenter);
    feld->setMinimumWidth(feld->fontMetrics().horizontalAdvance(QStringLiteral("NUM")) + 12);
    leiste.addPermanentWidget(feld);
    m_Felder[i] = feld;
  }
  if (auto* anwendung = QCoreApplication::instance()) anwendung->installEventFilter(this);
  Aktualisieren();
}

void Sperrtastenanzeige::Aktualisieren() {
  const std::optional<Sperrtastenzustand> z = m_Quelle ? m_Quelle() : std::nullopt;
  // A pane is drawn in its normal colour while its lock is on, grey while it is off or unknown.
  m_Felder[0]->setEnabled(z && z->grossschreibung);
  m_Felder[1]->setEnabled(z && z->num);
  m_Felder[2]->setEnabled(z && z->rollen);
}

bool Sperrtastenanzeige::eventFilter(QObject*, QEvent* ereignis) {
  const QEvent::Type art = ereignis->type();
  if (art == QEvent::ApplicationStateChange) {
    Aktualisieren();
  } else if (art == QEvent::KeyPress || art == QEvent::KeyRelease) {
    // A key event passes its window, the focus widget and the widgets above it: read the state once.
    const auto* taste = static_cast<const QKeyEvent*>(ereignis);
    if (taste != m_LetzteTaste || taste->timestamp() != m_LetzteZeit) {
      m_LetzteTaste = taste;
      m_LetzteZeit = taste->timestamp();
      Aktualisieren();
    }
  }
  return false;
}

}  // namespace zelvor
