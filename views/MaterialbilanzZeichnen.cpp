#include "views/MaterialbilanzZeichnen.h"

#include "doc/Analysehinweis.h"
#include "doc/DokumentAbgleich.h"
#include "doc/DokumentSpeicher.h"
#include "report/Abgleichdiagramme.h"
#include "report/Abgleichtext.h"
#include "report/Speichertext.h"

namespace zelvor {

Analyseseite MaterialbilanzSeite(const CZelvorDoc& doc) {
  const Gasvorratsabgleich a = DokumentAbgleich(doc);
  Analyseseite s{doc.m_Gasbohrung, QStringLiteral("Materialbilanz"), AbgleichText(a), {}};
  // The surveys beside the flowing match; a well without them shows the page as it always did.
  const Messbilanz m = DokumentMessbilanz(doc);
  for (std::string& zeile : MessbilanzText(m, a)) s.text.push_back(std::move(zeile));
  // A storage well's surveys also check its booked inventory.
  const Inventarpruefung inventar = DokumentInventarpruefung(doc);
  const bool mitInventar = !inventar.punkte.empty() || !inventar.meldung.empty();
  if (mitInventar)
    for (std::string& zeile : InventarText(inventar)) s.text.push_back(std::move(zeile));
  // Which evaluation this is, when the table shows another one.
  if (const std::string hinweis = Analysehinweis(doc); !hinweis.empty()) s.text.insert(s.text.begin(), {hinweis, ""});
  const Messbilanz* messungen = m.messungen > 0 ? &m : nullptr;
  if (a.Gemacht())
    s.diagramme = {AbgleichPZDiagramm(a, doc.m_Lauf, messungen), AbgleichProfilDiagramm(a)};
  else if (messungen && m.Gemacht())
    s.diagramme = {AbgleichPZDiagramm(a, doc.m_Lauf, messungen)};
  if (mitInventar && !inventar.punkte.empty()) s.diagramme.push_back(InventarDiagramm(inventar));
  return s;
}

}  // namespace zelvor
