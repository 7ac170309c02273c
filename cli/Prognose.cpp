#include "cli/Prognose.h"

#include <optional>
#include <string>

#include "calc/Foerderprognose.h"
#include "cli/Argumente.h"
#include "cli/Befehle.h"
#include "cli/Json.h"
#include "doc/CZelvorDoc.h"
#include "doc/DokumentPrognose.h"
#include "report/Prognosetext.h"

namespace zelvor::cli {
namespace {

std::string Json(const Foerderprognose& p) {
  std::string j = "{\n  \"Meldung\": " + JsonText(p.meldung) + ",\n";
  j += "  \"GpStart\": " + JsonZahl(p.gpStart) + ", \"GpEnde\": " + JsonZahl(p.gpEnde) + ", \"QmaxStart\": " +
       JsonZahl(p.qMaxStart) + ", \"Ausbeute\": " + JsonZahl(p.Gemacht() ? p.Ausbeute() : 0.0) +
       ", \"PlateauJahre\": " + JsonZahl(p.plateauJahre) + ", \"Jahre\": " + JsonZahl(p.jahre) + ",\n  \"Zeilen\": [";
  for (std::size_t i = 0; i < p.zeilen.size(); ++i) {
    const Prognosezeile& z = p.zeilen[i];
    j += std::string(i ? ",\n    " : "\n    ") + "{\"Gp\": " + JsonZahl(z.gp) + ", \"PZ\": " + JsonZahl(z.pz) +
         ", \"pws\": " + JsonZahl(z.pws) + ", \"Qmax\": " + JsonZahl(z.qMax) + ", \"Q\": " + JsonZahl(z.q) +
         ", \"Jahre\": " + JsonZahl(z.jahre) + ", \"Plateauende\": " + (z.plateauEnde ? "true" : "false") + "}";
  }
  return j + "]\n}\n";
}

}  // namespace

int Forecast(const Argumente& a, std::ostream& out, std::ostream& err) {
  CZelvorDoc doc;
  if (Auswerten(a, doc, err) == Lauf::Fehler) return FEHLER;
  Prognoseeinstellungen e = doc.m_Prognose;
  for (const auto& [option, wert] : a.prognose) {
    std::optional<std::string> m;
    if (option == "--pmin") m = PminSetzen(e, wert);
    if (option == "--plateau") m = QPlanSetzen(e, wert);
    if (option == "--end") m = QEndeSetzen(e, wert);
    if (option == "--model") m = ModellSetzen(e, wert);
    if (option == "--steps") m = SchritteSetzen(e, wert);
    if (m) return Fehler(err, option + ": " + *m);
  }
  if (const auto m = PrognoseeinstellungenPruefen(e)) return Fehler(err, *m);
  VariablenCFuerPrognoseEinschalten(doc, e.modell);
  const Foerderprognose p = PrognoseBerechnen(doc.m_Lauf, PrognoseEingabenAus(doc.m_Lauf, e));
  if (a.json) {
    out << Json(p);
  } else if (!p.Gemacht()) {
    out << p.meldung << '\n';
  } else {
    for (const std::string& zeile : PrognoseText(p)) out << zeile << '\n';
  }
  return p.Gemacht() ? ERFOLG : ABGEBROCHEN;
}

}  // namespace zelvor::cli
