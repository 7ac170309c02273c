#include "views/SpeicherkennlinienZeichnen.h"

#include "doc/Analysehinweis.h"
#include "doc/DokumentSpeicher.h"
#include "report/Speichertext.h"

namespace zelvor {

Analyseseite SpeicherkennlinienSeite(const CZelvorDoc& doc) {
  Analyseseite s{doc.m_Gasbohrung, QStringLiteral("Speicherkennlinien"), {}, {}};
  // A production well, or a storage well without its volumes: what to set, and nothing to draw.
  if (const std::string hinweis = SpeicherHinweis(doc); !hinweis.empty()) {
    s.text = {hinweis};
    return s;
  }
  const Speicherkennlinien k = DokumentKennlinien(doc);
  s.text = KennlinienText(k, doc.m_Speicher.brennwert);
  // Which evaluation this is, when the table shows another one.
  if (const std::string hinweis = Analysehinweis(doc); !hinweis.empty()) s.text.insert(s.text.begin(), {hinweis, ""});
  for (Diagramm& d : KennlinienDiagramme(k))
    if (!DiagrammLeer(d)) s.diagramme.push_back(std::move(d));
  return s;
}

}  // namespace zelvor
