#include "views/CPrognose.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>
#include <cmath>

#include "doc/DokumentAbgleich.h"
#include "doc/DokumentPrognose.h"
#include "report/Prognosetext.h"
#include "views/PrognoseZeichnen.h"

namespace zelvor {

CPrognose::CPrognose(const CZelvorDoc& doc, std::function<std::string()> titel, QWidget* parent)
    : CAnsicht(doc, std::move(titel), parent) {}

void CPrognose::OnInitialUpdate() {
  FlaecheAnpassen();
  viewport()->update();
}

void CPrognose::OnUpdate() {
  FlaecheAnpassen();
  CAnsicht::OnUpdate();
}

void CPrognose::FlaecheAnpassen() {
  SetScrollSizes(Bildflaeche(), QSize(1250, 1100), QSize(50, 45));
}

QSize CPrognose::Bildflaeche() const {
  const QSizeF f = PrognoseFlaeche(m_Doc);
  return {static_cast<int>(std::ceil(f.width())), static_cast<int>(std::ceil(f.height()))};
}

void CPrognose::BildZeichnen(QPainter& p) const {
  PrognoseZeichnen(p, QPointF(0, 0), m_Doc, m_Titel ? m_Titel() : std::string());
}

std::unique_ptr<QMimeData> CPrognose::Kopierdaten() const {
  std::unique_ptr<QMimeData> daten = CAnsicht::Kopierdaten();
  QString text;
  const std::optional<Prognosebereich> bereich = DokumentPrognosebereich(m_Doc);
  const std::optional<Fuellstandsspalte> fuellstand = DokumentFuellstandsspalte(m_Doc);
  for (const std::string& zeile : PrognoseText(DokumentPrognose(m_Doc), bereich ? &*bereich : nullptr,
                                               PrognoseStart(m_Doc), fuellstand ? &*fuellstand : nullptr))
    text += QString::fromStdString(zeile) + '\n';
  daten->setText(text);
  return daten;
}

std::unique_ptr<Druckvorlage> CPrognose::Vorlage() const {
  return PrognoseDruckvorlage(m_Doc, m_Titel ? m_Titel() : std::string());
}

int CPrognose::AngekuendigteSeiten() const {
  return Vorlage()->Seitenanzahl(DruckbereichLogisch(AnwendungsDrucker()));
}

void CPrognose::paintEvent(QPaintEvent* e) {
  QPainter p(viewport());
  PrognoseZeichnen(p, Ursprung(), m_Doc, m_Titel ? m_Titel() : std::string(), QRectF(e->rect()));
}

}  // namespace zelvor
