#include "views/CLieferfaehigkeit.h"

#include <QPainter>
#include <cmath>

#include "report/Lieferfaehigkeitstext.h"
#include "views/LieferfaehigkeitZeichnen.h"

namespace zelvor {

CLieferfaehigkeit::CLieferfaehigkeit(const CZelvorDoc& doc, std::function<std::string()> titel, QWidget* parent)
    : CAnsicht(doc, std::move(titel), parent) {}

void CLieferfaehigkeit::OnInitialUpdate() {
  FlaecheAnpassen();
  viewport()->update();
}

void CLieferfaehigkeit::OnUpdate() {
  FlaecheAnpassen();
  CAnsicht::OnUpdate();
}

void CLieferfaehigkeit::FlaecheAnpassen() {
  const QSizeF f = LieferfaehigkeitFlaeche(m_Doc, false);
  SetScrollSizes(QSize(static_cast<int>(std::ceil(f.width())), static_cast<int>(std::ceil(f.height()))),
                 QSize(1250, 1100), QSize(50, 45));
}

std::unique_ptr<Druckvorlage> CLieferfaehigkeit::Vorlage() const {
  return LieferfaehigkeitDruckvorlage(m_Doc, m_Titel ? m_Titel() : std::string());
}

std::unique_ptr<QMimeData> CLieferfaehigkeit::Kopierdaten() const {
  std::unique_ptr<QMimeData> daten = CAnsicht::Kopierdaten();
  QString text;
  for (const std::string& zeile : LieferfaehigkeitText(LieferfaehigkeitBerechnen(m_Doc.m_Lauf)))
    text += QString::fromStdString(zeile) + '\n';
  daten->setText(text);
  return daten;
}

void CLieferfaehigkeit::paintEvent(QPaintEvent*) {
  QPainter p(viewport());
  LieferfaehigkeitZeichnen(p, Ursprung(), m_Doc, m_Titel ? m_Titel() : std::string());
}

}  // namespace zelvor
