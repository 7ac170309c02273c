#include "dialogs/Dialogeinheiten.h"

#include <QFontMetrics>

namespace zelvor {
namespace {

// x * zaehler / nenner, rounded half away from zero, as templates are scaled.
int Skalieren(int x, int zaehler, int nenner) {
  const long long p = static_cast<long long>(x) * zaehler;
  const long long halb = nenner / 2;
  return static_cast<int>(p >= 0 ? (p + halb) / nenner : (p - halb) / nenner);
}

}  // namespace

Dialogeinheiten::Dialogeinheiten(const QFont& schrift) {
  const QFontMetrics m(schrift);
  // The average width is taken over the 52 letters, rounded to whole pixels.
  const int breite = m.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  m_BasisX = (breite / 26 + 1) / 2;
  m_BasisY = m.height();
}

int Dialogeinheiten::X(int einheiten) const { return Skalieren(einheiten, m_BasisX, 4); }
int Dialogeinheiten::Y(int einheiten) const { return Skalieren(einheiten, m_BasisY, 8); }

QRect Dialogeinheiten::Rechteck(int x, int y, int breite, int hoehe) const {
  const int links = X(x);
  const int oben = Y(y);
  return QRect(links, oben, X(x + breite) - links, Y(y + hoehe) - oben);
}

QFont DialogSchrift() {
#ifdef _WIN32
  QFont schrift(QStringLiteral("Arial"));  // Liberation Sans's metric twin, on every Windows
#else
  QFont schrift(QStringLiteral("Liberation Sans"));
#endif
  schrift.setStyleHint(QFont::SansSerif);
  schrift.setPointSize(9);
  return schrift;
}

}  // namespace zelvor
