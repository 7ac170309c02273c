#pragma once
// The view "Speicherkennlinien": a storage well's withdrawal and injection capacity by fill level, on one
// scrolling page, printed as one page. It keeps nothing of the document.
#include <functional>
#include <memory>
#include <string>

#include "views/CAnsicht.h"

namespace zelvor {

class CSpeicherkennlinien : public CAnsicht {
  Q_OBJECT
 public:
  CSpeicherkennlinien(const CZelvorDoc& doc, std::function<std::string()> titel, QWidget* parent = nullptr);

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
};

}  // namespace zelvor
