#pragma once
// Dialog units: the layout of a dialog template is given in fractions of its font's average character
// width (x, a quarter of it) and height (y, an eighth), so the same template fits any font.
#include <QFont>
#include <QRect>

namespace zelvor {

class Dialogeinheiten {
 public:
  explicit Dialogeinheiten(const QFont& schrift);

  int BasisX() const { return m_BasisX; }  // average character width, px
  int BasisY() const { return m_BasisY; }  // character height, px

  int X(int einheiten) const;
  int Y(int einheiten) const;
  QRect Rechteck(int x, int y, int breite, int hoehe) const;

 private:
  int m_BasisX;
  int m_BasisY;
};

// The font of the input dialog: a sans-serif face like the template's, at the size whose rounded average
// width matches its true one, so that labels take the room the template gives them.
QFont DialogSchrift();

}  // namespace zelvor
