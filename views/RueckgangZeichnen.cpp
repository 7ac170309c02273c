#include "views/RueckgangZeichnen.h"

#include "doc/DokumentPrognose.h"
#include "doc/DokumentRueckgang.h"
#include "report/Rueckgangsdiagramme.h"
#include "report/Rueckgangstext.h"

namespace zelvor {

Analyseseite RueckgangSeite(const CZelvorDoc& doc) {
  const Rueckgang r = DokumentRueckgang(doc);
  Analyseseite s{doc.m_Gasbohrung, QStringLiteral("Förderrückgang"), RueckgangText(r), {}};
  // The forecast needs an evaluation; the fit does not, so a well not evaluated still shows its decline.
  std::optional<Foerderprognose> p;
  if (doc.m_Lauf.vollstaendig) p = DokumentPrognose(doc);
  const bool prognose = p && p->Gemacht();
  const std::optional<Tag> start = prognose ? PrognoseStart(doc) : std::nullopt;
  if (prognose)
    if (const std::string v = RueckgangVergleich(r, *p, start); !v.empty()) {
      s.text.emplace_back();
      for (std::string& z : Umbrochen(v)) s.text.push_back(std::move(z));
    }
  if (r.punkte.empty()) return s;
  Diagramm zeit = RueckgangDiagrammZeit(r, prognose ? &*p : nullptr, start);
  if (!DiagrammLeer(zeit)) s.diagramme.push_back(std::move(zeit));
  Diagramm gp = RueckgangDiagrammGp(r);
  if (!DiagrammLeer(gp)) s.diagramme.push_back(std::move(gp));
  return s;
}

}  // namespace zelvor
