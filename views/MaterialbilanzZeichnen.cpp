#include "views/MaterialbilanzZeichnen.h"

#include "doc/Analysehinweis.h"
#include "doc/DokumentAbgleich.h"
#include "doc/DokumentAquifer.h"
#include "doc/DokumentSpeicher.h"
#include "report/Abgleichdiagramme.h"
#include "report/Abgleichtext.h"
#include "report/Aquiferdiagramme.h"
#include "report/Aquifertext.h"
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
  // A well with an aquifer model: its fit, its curve in the P/Z diagram, Cole's and Havlena-Odeh's plots.
  if (doc.m_Aquifer.Gesetzt() && !doc.m_Lauf.KeineAuswertung()) {
    const Aquiferanpassung f = DokumentAquiferanpassung(doc);
    s.text.push_back("");
    for (std::string& zeile : AquiferanpassungText(f)) s.text.push_back(std::move(zeile));
    if (f.Gemacht()) {
      if (s.diagramme.empty()) s.diagramme.push_back(AbgleichPZDiagramm(a, doc.m_Lauf, messungen));
      AquiferPZKurve(s.diagramme.front(), f);
      s.diagramme.push_back(ColeDiagramm(f));
      s.diagramme.push_back(HavlenaOdehDiagramm(f));
    }
  }
  if (mitInventar && !inventar.punkte.empty()) s.diagramme.push_back(InventarDiagramm(inventar));
  return s;
}

}  // namespace zelvor
