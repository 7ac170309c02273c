#include "cli/Rueckgang.h"

#include <optional>
#include <string>

#include "cli/Argumente.h"
#include "cli/Befehle.h"
#include "cli/Json.h"
#include "doc/CZelvorDoc.h"
#include "doc/DokumentPrognose.h"
#include "doc/DokumentRueckgang.h"
#include "report/Rueckgangstext.h"

namespace zelvor::cli {
namespace {

std::string Datum(const std::optional<Tag>& t) { return t ? JsonText(DatumIso(*t)) : "null"; }

std::string Wert(const Schaetzwert& w) {
  return "{\"Wert\": " + JsonZahl(w.wert) + ", \"Unten\": " + (w.bereich ? JsonZahl(w.unten) : "null") +
         ", \"Oben\": " + (w.bereich ? JsonZahl(w.oben) : "null") + "}";
}

std::string Json(const Rueckgang& r, const std::string& vergleich) {
  const RueckgangEingaben& e = r.eingaben;
  std::string j = "{\n  \"Meldung\": " + JsonText(r.meldung) + ",\n";
  j += "  \"Modell\": " + JsonText(RueckgangsmodellName(e.modell)) + ", \"Anpassung\": " +
       JsonText(e.logarithmisch ? "ln q" : "q") + ", \"Grenze\": " + JsonZahl(e.qGrenze) + ",\n";
  if (r.Gemacht()) {
    j += "  \"Start\": " + Datum(r.start) + ", \"StartAusPlateau\": " + (r.startAusPlateau ? "true" : "false") +
         ", \"Anzahl\": " + std::to_string(r.anzahl) + ", \"Ausgelassen\": " + std::to_string(r.ausgelassen) + ",\n";
    j += "  \"qi\": " + Wert(r.qi) + ",\n  \"Di\": " + Wert(r.di) + ",\n  \"b\": " + Wert(r.b) +
         ",\n  \"EffektivErstesJahr\": " + Wert(r.effektiv) + ",\n";
    j += "  \"EndabfallNominal\": " + JsonZahl(r.kurve.dTerminal) + ", \"Streuung\": " + JsonZahl(r.streuung) + ",\n";
    j += "  \"LetztesDatum\": " + Datum(r.letzterTag) + ", \"GpLetzte\": " + JsonZahl(r.gpLetzte) +
         ", \"SchonUnterGrenze\": " + (r.schonUnterGrenze ? "true" : "false") +
         ", \"GrenzeErreicht\": " + (r.grenzeErreicht ? "true" : "false") + ",\n";
    j += "  \"Rest\": " + Wert(r.rest) + ",\n  \"EUR\": " + Wert(r.eur) + ",\n  \"Ende\": " + Datum(r.ende) +
         ", \"EndeFrueh\": " + Datum(r.endeFrueh) + ", \"EndeSpaet\": " + Datum(r.endeSpaet) + ",\n";
  }
  j += "  \"Vergleich\": " + JsonText(vergleich) + ",\n  \"Punkte\": [";
  for (std::size_t i = 0; i < r.punkte.size(); ++i) {
    const Rueckgangspunkt& p = r.punkte[i];
    j += std::string(i ? ",\n    " : "\n    ") + "{\"Zeile\": " + std::to_string(p.zeile) + ", \"Datum\": " + Datum(p.datum) +
         ", \"Gp\": " + JsonZahl(p.gp) + ", \"Q\": " + JsonZahl(p.q) + ", \"Angepasst\": " + (r.angepasst[i] ? "true" : "false") + "}";
  }
  return j + "]\n}\n";
}

}  // namespace

int RueckgangBefehl(const Argumente& a, std::ostream& out, std::ostream& err) {
  CZelvorDoc doc;
  // The fit needs no evaluation; the forecast beside it does, and one that ends early only loses that.
  if (Auswerten(a, doc, err) == Lauf::Fehler) return FEHLER;
  Rueckgangseinstellungen e = doc.m_Rueckgang;
  for (const auto& [option, wert] : a.rueckgang) {
    std::optional<std::string> m;
    if (option == "--modell") m = RueckgangModellSetzen(e, wert);
    if (option == "--ab") m = RueckgangAbSetzen(e, wert);
    if (option == "--bis") m = RueckgangGrenzeSetzen(e, wert);
    if (m) return Fehler(err, option + ": " + *m);
  }
  const Rueckgang r = DokumentRueckgang(doc, e);
  const std::string vergleich = RueckgangVergleich(r, DokumentPrognose(doc), PrognoseStart(doc));
  if (a.json) {
    out << Json(r, vergleich);
  } else {
    for (const std::string& z : RueckgangText(r)) out << z << '\n';
    if (!vergleich.empty()) out << '\n';
    for (const std::string& z : Umbrochen(vergleich)) out << z << '\n';
  }
  return r.Gemacht() ? ERFOLG : ABGEBROCHEN;
}

}  // namespace zelvor::cli
