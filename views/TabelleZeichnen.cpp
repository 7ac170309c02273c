#include "views/TabelleZeichnen.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "report/Anzeigetext.h"
#include "report/Tabellenseiten.h"
#include "views/Lometric.h"

namespace zelvor {
namespace {

// Character cell heights in logical units: the screen is read at arm's length, paper closer.
constexpr int SCHRIFT_BILDSCHIRM = 55;
constexpr int SCHRIFT_DRUCK = TABELLE_DRUCKSCHRIFT;

// A fixed-pitch face: the table's columns are made of blanks. "Courier New" resolves to a metric twin
// (Liberation Mono) where it is not installed; the hints keep it fixed-pitch where neither is.
QFont Tabellenschrift() {
  QFont f(QStringLiteral("Courier New"));
  f.setWeight(static_cast<QFont::Weight>(600));
  f.setStyleHint(QFont::TypeWriter);
  f.setFixedPitch(true);
  return f;
}

// Sets the table font of the given cell height on the painter; answers the width and height of "0" in
// logical units, which are the left margin and the line pitch.
QSizeF SchriftWaehlen(Lometric& lo, int hoehe) {
  lo.Maler().setFont(lo.Schrift(Tabellenschrift(), hoehe));
  return {lo.TextBreite(QStringLiteral("0")), lo.Zeilenhoehe()};
}

// The screen font's cell as a paint measures it, on a device of the same resolution.
QSizeF BildschirmZelle(double dpiX, double dpiY) {
  QImage geraet(1, 1, QImage::Format_RGB32);
  geraet.setDotsPerMeterX(static_cast<int>(std::lround(dpiX / 0.0254)));
  geraet.setDotsPerMeterY(static_cast<int>(std::lround(dpiY / 0.0254)));
  QPainter p(&geraet);
  Lometric lo(p, QPointF(0, 0), dpiX, dpiY);
  return SchriftWaehlen(lo, SCHRIFT_BILDSCHIRM);
}

class Tabellendruck : public Druckvorlage {
 public:
  Tabellendruck(const CZelvorDoc& doc, std::string titel) : m_doc(doc), m_titel(std::move(titel)) {}

  int Seitenanzahl(QSizeF seite) const override {
    return ::zelvor::Seitenanzahl(Zeilen(), ZeilenJeSeite(seite.width(), seite.height()));
  }

  void SeiteZeichnen(QPainter& p, QSizeF seite, int seiteNr) const override {
    // Each page takes its line count from its own shape, so one print may mix portrait and landscape.
    const Zeilenbereich bereich = SeitenZeilen(seiteNr, ZeilenJeSeite(seite.width(), seite.height()), Zeilen());
    Lometric lo(p, QPointF(0, 0));
    p.save();
    const QSizeF zelle = SchriftWaehlen(lo, SCHRIFT_DRUCK);
    const double cx = zelle.width(), cy = zelle.height();
    lo.Text(cx, -cy, QString::fromStdString(Seitenkopf(m_titel)));
    for (int i = bereich.von; i < bereich.bis; ++i)
      lo.Text(3 * cx, -(i - bereich.von + 3) * cy, QString::fromStdString(FuerAnzeige(m_doc.m_Ergebnis[i], ANZEIGE_ZEILE_ZEICHEN)));
    p.restore();
  }

 private:
  int Zeilen() const { return static_cast<int>(m_doc.m_Ergebnis.size()); }

  const CZelvorDoc& m_doc;
  std::string m_titel;
};

}  // namespace

void TabelleZeichnen(QPainter& p, QPointF ursprung, const CStringArray& zeilen, QRectF sichtbar) {
  Lometric lo(p, ursprung);
  p.save();
  const QSizeF zelle = SchriftWaehlen(lo, SCHRIFT_BILDSCHIRM);
  const double cx = zelle.width(), cy = zelle.height();
  const int anzahl = static_cast<int>(zeilen.size());
  int von = 0, bis = anzahl;
  const double abstandPx = lo.GeraetY(cy);
  if (!sichtbar.isEmpty() && abstandPx > 0) {
    // A line one pitch beyond each edge is kept, for glyphs that reach out of their cell.
    const double oben = std::floor((sichtbar.top() - ursprung.y()) / abstandPx) - 1;
    const double unten = std::ceil((sichtbar.bottom() - ursprung.y()) / abstandPx) + 1;
    von = static_cast<int>(std::clamp(oben, 0.0, static_cast<double>(anzahl)));
    bis = static_cast<int>(std::clamp(unten, static_cast<double>(von), static_cast<double>(anzahl)));
  }
  for (int i = von; i < bis; ++i) lo.Text(cx, -i * cy, QString::fromStdString(FuerAnzeige(zeilen[i], ANZEIGE_ZEILE_ZEICHEN)));
  p.restore();
}

int TabellenHoehe(int zeilenAnzahl, double dpiY) {
  return TabellenFlaechenhoehe(zeilenAnzahl, BildschirmZelle(dpiY, dpiY).height());
}

int TabellenBreite(const CStringArray& zeilen, double dpiX) {
  const int zeichen = std::min(LaengsteZeile(zeilen), static_cast<int>(ANZEIGE_ZEILE_ZEICHEN));  // as drawn
  return TabellenFlaechenbreite(zeichen, BildschirmZelle(dpiX, dpiX).width());
}

int TabellenHoehe(int zeilenAnzahl) {
  const QScreen* bildschirm = QGuiApplication::primaryScreen();
  return TabellenHoehe(zeilenAnzahl, bildschirm ? bildschirm->logicalDotsPerInchY() : 96.0);
}

std::unique_ptr<Druckvorlage> TabellenDruckvorlage(const CZelvorDoc& doc, std::string titel) {
  return std::make_unique<Tabellendruck>(doc, std::move(titel));
}

}  // namespace zelvor
