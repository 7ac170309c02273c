#pragma once
// The table view: the evaluation's result lines, one per screen line in a fixed-pitch font, scrolled in
// logical units and printed page by page under the "Dokument:" header.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "views/CAnsicht.h"

namespace zelvor {

class CZelvorView : public CAnsicht {
  Q_OBJECT
 public:
  CZelvorView(const CZelvorDoc& doc, std::function<std::string()> titel, QWidget* parent = nullptr);

  void OnInitialUpdate() override;
  // The table may have grown or shrunk: the scrolling surface follows it (length and longest line); a
  // new table is shown from its first line.
  void OnUpdate() override;

  std::unique_ptr<Druckvorlage> Vorlage() const override;
  // The whole result table as plain text, one line each.
  std::unique_ptr<QMimeData> Kopierdaten() const override;

  // How often the initial update ran (the frame runs it on first showing and after each opened file).
  int InitialUpdates() const { return m_initialUpdates; }

 protected:
  // Before the print dialog the pages are counted as portrait; each printed page then counts its own.
  int AngekuendigteSeiten() const override;
  void paintEvent(QPaintEvent* e) override;

 private:
  void FlaecheAnpassen();

  int m_initialUpdates = 0;
  std::optional<std::uint64_t> m_gezeigterStand;  // the table last shown; none before the first
};

}  // namespace zelvor
