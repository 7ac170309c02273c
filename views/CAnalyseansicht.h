#pragma once
// A view of one analysis page ("Materialbilanz", "Speicherkennlinien"): the page its maker draws from the
// document's last run, on one scrolling page, printed as one page, copied as picture and text. It keeps
// nothing of the document; every paint makes the page afresh.
#include <functional>
#include <memory>
#include <string>

#include "views/AnalyseseiteZeichnen.h"
#include "views/CAnsicht.h"

namespace zelvor {

class CAnalyseansicht : public CAnsicht {
  Q_OBJECT
 public:
  using Seitenmacher = Analyseseite (*)(const CZelvorDoc&);
  CAnalyseansicht(const CZelvorDoc& doc, std::function<std::string()> titel, Seitenmacher seite,
                  QWidget* parent = nullptr);

  void OnInitialUpdate() override;
  void OnUpdate() override;
  std::unique_ptr<Druckvorlage> Vorlage() const override;
  // The picture, and the text block as plain text.
  std::unique_ptr<QMimeData> Kopierdaten() const override;
  QSize Bildflaeche() const override;
  void BildZeichnen(QPainter& p) const override;

 protected:
  int AngekuendigteSeiten() const override { return 1; }
  void paintEvent(QPaintEvent* e) override;

 private:
  std::string Titel() const { return m_Titel ? m_Titel() : std::string(); }
  Seitenmacher m_Seite;
};

}  // namespace zelvor
