#pragma once
// The field window's diagram: the field's diagram page (name, summary, stacked rate diagram) at a
// readable size, fitted to the widget's width but never shrunk below LESBAR_MIN of its true size; the
// widget then asks for the height that needs, for a scroll area around it. The diagrams stand beside the
// text when the landscape arrangement fits at that size.
#include <QWidget>
#include <string>

#include "views/AnalyseseiteZeichnen.h"

namespace zelvor {

class CFelddiagramm : public QWidget {
  Q_OBJECT
 public:
  explicit CFelddiagramm(QWidget* eltern = nullptr);
  void SeiteSetzen(Analyseseite seite, std::string titel);
  const Analyseseite& Seite() const { return m_Seite; }

  // The smallest and largest scale of the page on the screen (1 = true size).
  static constexpr double LESBAR_MIN = 0.9, LESBAR_MAX = 1.4;
  // The scale for a page `seite` pixels wide at its true size in `breite` pixels.
  static double Massstab(double breite, double seite);
  // The scale and arrangement the current width gives.
  double Faktor() const;
  bool Quer() const;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  // The page's true size in pixels, stacked or landscape.
  QSizeF Pixel(bool quer) const;
  void HoeheAnpassen();

 private:
  Analyseseite m_Seite;
  std::string m_Titel;
};

}  // namespace zelvor
