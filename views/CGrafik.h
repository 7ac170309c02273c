#pragma once
// The graph view: the well's two series as curves over the cumulative production, with a zoom, printed
// as one page. It keeps no copy of the series; every paint scales them afresh from the document.
#include <QRect>
#include <functional>
#include <memory>
#include <string>

#include "report/Grafiklayout.h"
#include "report/Grafikskalierung.h"
#include "views/CAnsicht.h"

namespace zelvor {

class CGrafik : public CAnsicht {
  Q_OBJECT
 public:
  CGrafik(const CZelvorDoc& doc, std::function<std::string()> titel, QWidget* parent = nullptr);

  // Back to the screen layout (the zoom stays as it was).
  void OnInitialUpdate() override;
  // Toggles the zoom: a frame half as large again in both directions, same ticks and labels.
  void OnGrafiklupe();
  bool Grafiklupe() const { return m_bGrafiklupe; }

  // The frame size of the current layout, in logical units.
  int Breite() const { return breite; }
  int Hoehe() const { return hoehe; }
  // How often the initial update ran (the frame runs it on first showing and after each opened file).
  int InitialUpdates() const { return m_InitialUpdates; }

  std::unique_ptr<Druckvorlage> Vorlage() const override;
  QSize Bildflaeche() const override;
  void BildZeichnen(QPainter& p) const override;

 protected:
  int AngekuendigteSeiten() const override { return 1; }
  void OnPreparePrinting() override;
  void OnEndPrinting() override;
  void paintEvent(QPaintEvent* e) override;

 private:
  // Extremes and scaling from the document, then frame and points.
  void OnCompute();
  // Frame and points for the current flags, on the ranges as they are.
  void worldtrans();
  // A page is about to be printed: its shape decides portrait or landscape.
  void SeiteDrucken(QSizeF seite);

  bool m_bPrint = false;
  bool m_bHochformat = true;
  bool m_bGrafiklupe = false;
  QRect m_rectPrint;  // printable area of the page being printed, logical units, y up
  Skalierung m_Skalierung;  // kept between paints: an empty series keeps the ranges it had
  int breite = 0;
  int hoehe = 0;
  Grafiklayout m_Layout;
  int m_InitialUpdates = 0;
  std::function<void(QSizeF)> m_SeiteDrucken;
};

}  // namespace zelvor
