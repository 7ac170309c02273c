#pragma once
// What the table view and the graph view share: a scrolling surface in logical units (0.1 mm, y up),
// the document they show (read afresh on every paint, never copied) and the three print commands.
#include <QAbstractScrollArea>
#include <QByteArray>
#include <QImage>
#include <QMimeData>
#include <QSize>
#include <functional>
#include <memory>
#include <string>

#include "doc/CZelvorDoc.h"
#include "views/Drucken.h"

namespace zelvor {

class CAnsicht : public QAbstractScrollArea {
  Q_OBJECT
 public:
  // titel gives the document's title as the window caption shows it.
  CAnsicht(const CZelvorDoc& doc, std::function<std::string()> titel, QWidget* parent = nullptr);

  // Runs when the view is first shown and whenever a file has been opened.
  virtual void OnInitialUpdate() = 0;
  // The document changed: redraw.
  virtual void OnUpdate();

  // Print with the print dialog, print without it, print preview. False when the printer could not be
  // opened (a cancelled dialog is no failure).
  bool OnFilePrint();
  bool OnFilePrintDirect();
  void OnFilePrintPreview();

  // The view's pages, as printer, preview and PDF export print them.
  virtual std::unique_ptr<Druckvorlage> Vorlage() const = 0;

  // "Kopieren": what the clipboard gets. By default the view's picture as PNG and SVG.
  virtual std::unique_ptr<QMimeData> Kopierdaten() const;
  // The view's whole surface as the screen shows it, for the clipboard and "Exportieren...": its size in
  // logical units and its drawing with (0, 0) at the top-left. By default the first printed page.
  virtual QSize Bildflaeche() const { return Gesamtgroesse(); }
  virtual void BildZeichnen(QPainter& p) const;
  QImage Bild(double dpi = 96) const;
  QByteArray SvgBild() const;  // one user unit per 0.1 mm
  // The picture as PNG or SVG, or the printed pages as PDF, told by the extension, written as the well
  // file is (views/Ausgabedatei.h). "" on success, else a German message with the reason.
  QString BildExportieren(const QString& pfad) const;

  // Scroll sizes in logical units; the scroll bars follow the device's resolution.
  QSize Gesamtgroesse() const { return m_gesamt; }

 protected:
  // The page count announced to the print dialog.
  virtual int AngekuendigteSeiten() const = 0;
  // Around every print, preview included (also a cancelled one).
  virtual void OnPreparePrinting() {}
  virtual void OnEndPrinting() {}

  void SetScrollSizes(QSize gesamt, QSize seite, QSize zeile);
  // Device position of the logical point (0, 0) on the viewport, after scrolling.
  QPointF Ursprung() const;

  // Back to the top-left corner of the surface.
  void NachObenRollen();

  // The keys of a scrolling view: arrows by a line step, Page Up/Down by a page, Home/End to the left and
  // right edge, Ctrl+Home/Ctrl+End to the top and the bottom.
  void keyPressEvent(QKeyEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void scrollContentsBy(int dx, int dy) override;

  const CZelvorDoc& m_Doc;
  std::function<std::string()> m_Titel;

 private:
  void ScrollbalkenEinrichten();
  QSize m_gesamt{0, 0};
  QSize m_seite{0, 0};
  QSize m_zeile{0, 0};
};

}  // namespace zelvor
