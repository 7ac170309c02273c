#pragma once
// The deliverability view: the analysis of the document's last run on one scrolling page, printed as
// one page. It keeps nothing of the document; every paint analyses the run afresh.
#include <functional>
#include <memory>
#include <string>

#include "views/CAnsicht.h"

namespace zelvor {

class CLieferfaehigkeit : public CAnsicht {
  Q_OBJECT
 public:
  CLieferfaehigkeit(const CZelvorDoc& doc, std::function<std::string()> titel, QWidget* parent = nullptr);

  void OnInitialUpdate() override;
  // The text block may have grown or shrunk: the scrolling surface follows it.
  void OnUpdate() override;
  std::unique_ptr<Druckvorlage> Vorlage() const override;
  // The picture, and the text block as plain text, as "zelvor-cli analyze" prints it.
  std::unique_ptr<QMimeData> Kopierdaten() const override;

 protected:
  int AngekuendigteSeiten() const override { return 1; }
  void paintEvent(QPaintEvent* e) override;

 private:
  void FlaecheAnpassen();
};

}  // namespace zelvor
