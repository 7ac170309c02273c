#include "views/MaterialbilanzZeichnen.h"

#include "doc/DokumentAbgleich.h"
#include "report/Abgleichdiagramme.h"
#include "report/Abgleichtext.h"

namespace zelvor {

Analyseseite MaterialbilanzSeite(const CZelvorDoc& doc) {
  const Gasvorratsabgleich a = DokumentAbgleich(doc);
  Analyseseite s{doc.m_Gasbohrung, QStringLiteral("Materialbilanz"), AbgleichText(a), {}};
  if (a.Gemacht()) s.diagramme = {AbgleichPZDiagramm(a, doc.m_Lauf), AbgleichProfilDiagramm(a)};
  return s;
}

}  // namespace zelvor
