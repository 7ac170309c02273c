#pragma once
// The forecast view: the forecast of the document's last run with its settings, on one scrolling page;
// printed as a diagram page and table pages. It keeps nothing of the document; every paint computes the
// forecast afresh.
#include <functional>
#include <memory>
#include <string>

#include "views/CAnsicht.h"

namespace zelvor {

class CPrognose : public CAnsicht {
  Q_OBJECT
 public:
  CPrognose(const CZelvorDoc& doc, std::function<std::string()> titel, QWidget* parent = nullptr);

  void OnInitialUpdate() override;
  // The table's length follows the settings: the scrolling surface follows it.
  void OnUpdate() override;
  std::unique_ptr<Druckvorlage> Vorlage() const override;

  // The clipboard gets the whole page as a picture and the forecast as text.
  std::unique_ptr<QMimeData> Kopierdaten() const override;
  QSize Bildflaeche() const override;
  void BildZeichnen(QPainter& p) const override;

 protected:
  int AngekuendigteSeiten() const override;
  void paintEvent(QPaintEvent* e) override;

 private:
  void FlaecheAnpassen();
};

}  // namespace zelvor
