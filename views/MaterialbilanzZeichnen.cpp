#include "views/MaterialbilanzZeichnen.h"

#include "doc/Analysehinweis.h"
#include "doc/DokumentAbgleich.h"
#include "report/Abgleichdiagramme.h"
#include "report/Abgleichtext.h"

namespace zelvor {

Analyseseite MaterialbilanzSeite(const CZelvorDoc& doc) {
  const Gasvorratsabgleich a = DokumentAbgleich(doc);
  Analyseseite s{doc.m_Gasbohrung, QStringLiteral("Materialbilanz"), AbgleichText(a), {}};
  // The surveys beside the flowing match; a well without them shows the page as it always did.
  const Messbilanz m = DokumentMessbilanz(doc);
  for (std::string& zeile : MessbilanzText(m, a)) s.text.push_back(std::move(zeile));
  // Which evaluation this is, when the table shows another one.
  if (const std::string hinweis = Analysehinweis(doc); !hinweis.empty()) s.text.insert(s.text.begin(), {hinweis, ""});
  const Messbilanz* messungen = m.messungen > 0 ? &m : nullptr;
  if (a.Gemacht())
    s.diagramme = {AbgleichPZDiagramm(a, doc.m_Lauf, messungen), AbgleichProfilDiagramm(a)};
  else if (messungen && m.Gemacht())
    s.diagramme = {AbgleichPZDiagramm(a, doc.m_Lauf, messungen)};
  return s;
}

}  // namespace zelvor
