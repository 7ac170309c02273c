#include "views/CAnsicht.h"

#include "views/Ausgabedatei.h"
#include "views/Lometric.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace zelvor {
namespace {
int Pixel(int logisch, int dpi) { return static_cast<int>(std::lround(logisch * dpi / 254.0)); }
}  // namespace

CAnsicht::CAnsicht(const CZelvorDoc& doc, std::function<std::string()> titel, QWidget* parent)
    : QAbstractScrollArea(parent), m_Doc(doc), m_Titel(std::move(titel)) {
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
  setFocusPolicy(Qt::StrongFocus);  // the keys scroll the view
}

void CAnsicht::OnUpdate() { viewport()->update(); }

bool CAnsicht::OnFilePrint() {
  QPrinter& drucker = AnwendungsDrucker();
  OnPreparePrinting();
  bool ok = true;
  if (DruckerWaehlen(drucker, this, AngekuendigteSeiten())) ok = AufDruckerAusgeben(drucker, *Vorlage());
  // Also after a cancelled dialog: the view returns to its screen layout.
  OnEndPrinting();
  return ok;
}

bool CAnsicht::OnFilePrintDirect() {
  QPrinter& drucker = AnwendungsDrucker();
  OnPreparePrinting();
  const bool ok = AufDruckerAusgeben(drucker, *Vorlage());
  OnEndPrinting();
  return ok;
}

void CAnsicht::OnFilePrintPreview() {
  OnPreparePrinting();
  Seitenansicht(AnwendungsDrucker(), this, *Vorlage());
  OnEndPrinting();
}

void CAnsicht::SetScrollSizes(QSize gesamt, QSize seite, QSize zeile) {
  m_gesamt = gesamt;
  m_seite = seite;
  m_zeile = zeile;
  ScrollbalkenEinrichten();
}

void CAnsicht::ScrollbalkenEinrichten() {
  const int dx = logicalDpiX(), dy = logicalDpiY();
  const QSize sicht = viewport()->size();
  QScrollBar* h = horizontalScrollBar();
  QScrollBar* v = verticalScrollBar();
  h->setRange(0, std::max(0, Pixel(m_gesamt.width(), dx) - sicht.width()));
  v->setRange(0, std::max(0, Pixel(m_gesamt.height(), dy) - sicht.height()));
  h->setPageStep(std::max(1, std::min(Pixel(m_seite.width(), dx), sicht.width())));
  v->setPageStep(std::max(1, std::min(Pixel(m_seite.height(), dy), sicht.height())));
  h->setSingleStep(std::max(1, Pixel(m_zeile.width(), dx)));
  v->setSingleStep(std::max(1, Pixel(m_zeile.height(), dy)));
}

QPointF CAnsicht::Ursprung() const {
  return {-static_cast<double>(horizontalScrollBar()->value()), -static_cast<double>(verticalScrollBar()->value())};
}

void CAnsicht::NachObenRollen() {
  horizontalScrollBar()->setValue(horizontalScrollBar()->minimum());
  verticalScrollBar()->setValue(verticalScrollBar()->minimum());
}

void CAnsicht::keyPressEvent(QKeyEvent* e) {
  QScrollBar* h = horizontalScrollBar();
  QScrollBar* v = verticalScrollBar();
  const bool strg = e->modifiers() & Qt::ControlModifier;
  switch (e->key()) {
    case Qt::Key_Up: v->triggerAction(QAbstractSlider::SliderSingleStepSub); break;
    case Qt::Key_Down: v->triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
    case Qt::Key_Left: h->triggerAction(QAbstractSlider::SliderSingleStepSub); break;
    case Qt::Key_Right: h->triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
    case Qt::Key_PageUp: v->triggerAction(QAbstractSlider::SliderPageStepSub); break;
    case Qt::Key_PageDown: v->triggerAction(QAbstractSlider::SliderPageStepAdd); break;
    case Qt::Key_Home:
      if (strg) v->setValue(v->minimum());
      h->setValue(h->minimum());
      break;
    case Qt::Key_End:
      if (strg) {
        v->setValue(v->maximum());
        h->setValue(h->minimum());
      } else {
        h->setValue(h->maximum());
      }
      break;
    default: QAbstractScrollArea::keyPressEvent(e); return;
  }
  e->accept();
}

void CAnsicht::resizeEvent(QResizeEvent* e) {
  QAbstractScrollArea::resizeEvent(e);
  ScrollbalkenEinrichten();
}

void CAnsicht::scrollContentsBy(int, int) { viewport()->update(); }

}  // namespace zelvor

namespace zelvor {

void CAnsicht::BildZeichnen(QPainter& p) const {
  const QSize flaeche = Bildflaeche();
  Vorlage()->SeiteZeichnen(p, QSizeF(flaeche), 1);
}

QImage CAnsicht::Bild(double dpi) const {
  const QSize flaeche = Bildflaeche();
  QImage bild = WeissesBild(flaeche.width(), flaeche.height(), dpi);
  QPainter p(&bild);
  BildZeichnen(p);
  return bild;
}

QByteArray CAnsicht::SvgBild() const {
  return SvgDaten(Bildflaeche(), m_Doc.m_Gasbohrung, [this](QPainter& p) { BildZeichnen(p); });
}

std::unique_ptr<QMimeData> CAnsicht::Kopierdaten() const {
  auto daten = std::make_unique<QMimeData>();
  daten->setData(QStringLiteral("image/png"), PngDaten(Bild()));
  if (SVG_MOEGLICH) daten->setData(QStringLiteral("image/svg+xml"), SvgBild());
  return daten;
}

QString CAnsicht::BildExportieren(const QString& pfad) const {
  const QString endung = QFileInfo(pfad).suffix().toLower();
  QByteArray daten;
  if (endung == QStringLiteral("pdf"))
    daten = PdfDaten(*Vorlage(), false);
  else if (endung == QStringLiteral("png"))
    daten = PngDaten(Bild());
  else if (endung == QStringLiteral("svg") && !SVG_MOEGLICH)
    return QString::fromUtf8(KEIN_SVG);
  else if (endung == QStringLiteral("svg"))
    daten = SvgBild();
  else
    return QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden: die Endung nennt kein Bildformat.").arg(pfad);
  if (daten.isEmpty())
    return QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden: das Bild ließ sich nicht erzeugen.").arg(pfad);
  return AusgabedateiSchreiben(pfad, daten);
}

}  // namespace zelvor
