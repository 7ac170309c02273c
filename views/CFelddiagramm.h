#pragma once
// The field window's diagram: the field's diagram page (name, summary, stacked rate diagram) shrunk or
// grown to the widget, side by side on a wide widget.
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

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  Analyseseite m_Seite;
  std::string m_Titel;
};

}  // namespace zelvor
