#include "views/CGrafik.h"

#include <QPainter>
#include <algorithm>

#include "views/GrafikZeichnen.h"

namespace zelvor {

CGrafik::CGrafik(const CZelvorDoc& doc, std::function<std::string()> titel, QWidget* parent)
    : CAnsicht(doc, std::move(titel), parent), m_SeiteDrucken([this](QSizeF seite) { SeiteDrucken(seite); }) {
  worldtrans();
}

void CGrafik::OnInitialUpdate() {
  ++m_InitialUpdates;
  m_bHochformat = true;
  m_bPrint = false;
  SetScrollSizes(QSize(GRAFIK_FLAECHE_BREITE, GRAFIK_FLAECHE_HOEHE), QSize(1250, 1100), QSize(50, 44));
  worldtrans();
  viewport()->update();
}

void CGrafik::OnGrafiklupe() {
  m_bGrafiklupe = !m_bGrafiklupe;
  OnCompute();
  viewport()->update();
}

void CGrafik::OnCompute() {
  m_Layout = GrafikBerechnen(m_Doc, m_Skalierung, {m_bPrint, m_bHochformat, m_bGrafiklupe});
  breite = m_Layout.rahmen.breite;
  hoehe = m_Layout.rahmen.hoehe;
}

void CGrafik::worldtrans() {
  const int n = std::clamp(m_Doc.m_MaxWerte, 0, MAX_KURVENWERTE);
  m_Layout = GrafiklayoutBerechnen(m_Skalierung, {m_bPrint, m_bHochformat, m_bGrafiklupe}, n,
                                   m_Doc.m_Kurve1X.data(), m_Doc.m_Kurve1Y.data(), m_Doc.m_Kurve2Y.data());
  breite = m_Layout.rahmen.breite;
  hoehe = m_Layout.rahmen.hoehe;
}

void CGrafik::OnPreparePrinting() {
  // While the print runs, a repaint of the window shows the printing layout.
  m_bPrint = true;
  worldtrans();
}

void CGrafik::SeiteDrucken(QSizeF seite) {
  m_rectPrint = QRect(0, 0, static_cast<int>(seite.width()), -static_cast<int>(seite.height()));
  m_bHochformat = DruckZustand(seite.width(), seite.height(), m_bGrafiklupe).hochformat;
  worldtrans();
}

// Also runs after a cancelled print dialog, so the screen never keeps the page layout.
void CGrafik::OnEndPrinting() {
  m_bHochformat = true;
  m_bPrint = false;
  worldtrans();
  viewport()->update();
}

std::unique_ptr<Druckvorlage> CGrafik::Vorlage() const {
  return GrafikDruckvorlage(m_Doc, m_Titel ? m_Titel() : std::string(), m_bGrafiklupe, m_Skalierung, m_SeiteDrucken);
}

void CGrafik::paintEvent(QPaintEvent*) {
  OnCompute();
  QPainter p(viewport());
  GrafikZeichnen(p, Ursprung(), m_Doc, m_Titel ? m_Titel() : std::string(), m_Layout);
}

}  // namespace zelvor

namespace zelvor {

QSize CGrafik::Bildflaeche() const { return {GRAFIK_FLAECHE_BREITE, GRAFIK_FLAECHE_HOEHE}; }

void CGrafik::BildZeichnen(QPainter& p) const {
  GrafikZustand zustand;  // the screen's layout, with the zoom as it is
  zustand.grafiklupe = m_bGrafiklupe;
  GrafikZeichnen(p, QPointF(0, 0), m_Doc, m_Titel(), zustand);
}

}  // namespace zelvor
