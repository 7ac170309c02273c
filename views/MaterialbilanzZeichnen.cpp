#include "views/MaterialbilanzZeichnen.h"

#include "doc/Analysehinweis.h"
#include "doc/DokumentAbgleich.h"
#include "report/Abgleichdiagramme.h"
#include "report/Abgleichtext.h"

namespace zelvor {

Analyseseite MaterialbilanzSeite(const CZelvorDoc& doc) {
  const Gasvorratsabgleich a = DokumentAbgleich(doc);
  Analyseseite s{doc.m_Gasbohrung, QStringLiteral("Materialbilanz"), AbgleichText(a), {}};
  // Which evaluation this is, when the table shows another one.
  if (const std::string hinweis = Analysehinweis(doc); !hinweis.empty()) s.text.insert(s.text.begin(), {hinweis, ""});
  if (a.Gemacht()) s.diagramme = {AbgleichPZDiagramm(a, doc.m_Lauf), AbgleichProfilDiagramm(a)};
  return s;
}

}  // namespace zelvor
