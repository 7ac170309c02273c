#include "views/LieferfaehigkeitZeichnen.h"

#include "doc/Analysehinweis.h"
#include "doc/DokumentPrognose.h"
#include "report/Lieferdiagramme.h"
#include "report/Lieferfaehigkeitstext.h"
#include "views/AnalyseseiteZeichnen.h"

namespace zelvor {
namespace {

// The page's content: the text block, and the diagrams that have something to show.
Analyseseite Seite(const CZelvorDoc& doc) {
  const Lieferfaehigkeit l = DokumentLieferfaehigkeit(doc);
  Analyseseite s{doc.m_Gasbohrung, QStringLiteral("Lieferfähigkeit"), LieferfaehigkeitSeitentext(l, Analysehinweis(doc)),
                 {}};
  for (Diagramm d : {GegendruckDiagramm(l), ZuflussDiagramm(l)})
    if (!DiagrammLeer(d)) s.diagramme.push_back(std::move(d));
  return s;
}

}  // namespace

QSizeF LieferfaehigkeitFlaeche(const CZelvorDoc& doc, bool quer) { return AnalyseseiteFlaeche(Seite(doc), quer); }

void LieferfaehigkeitZeichnen(QPainter& p, QPointF ursprung, const CZelvorDoc& doc, const std::string& titel,
                              bool quer, double faktor) {
  AnalyseseiteZeichnen(p, ursprung, Seite(doc), titel, quer, faktor);
}

std::unique_ptr<Druckvorlage> LieferfaehigkeitDruckvorlage(const CZelvorDoc& doc, std::string titel) {
  return AnalyseseiteDruckvorlage([&doc] { return Seite(doc); }, std::move(titel));
}

QImage LieferfaehigkeitBild(const CZelvorDoc& doc, const std::string& titel, double dpi) {
  return AnalyseseiteBild(Seite(doc), titel, dpi);
}

QString LieferfaehigkeitAlsSvg(const QString& pfad, const CZelvorDoc& doc, const std::string& titel) {
  return AnalyseseiteAlsSvg(pfad, Seite(doc), titel);
}

}  // namespace zelvor
