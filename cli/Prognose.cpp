#include "cli/Prognose.h"

#include <optional>
#include <string>
#include <utility>

#include "calc/Prognose.h"
#include "cli/Argumente.h"
#include "cli/Befehle.h"
#include "cli/Json.h"
#include "doc/CZelvorDoc.h"
#include "doc/DokumentAbgleich.h"
#include "doc/DokumentPrognose.h"
#include "report/Prognosetext.h"

namespace zelvor::cli {
namespace {

// On the calendar, the ISO date `jahre` after the start (null beyond the calendar's years); "" without
// a start, so that an undated forecast's JSON stays as it was.
std::string Datum(std::optional<Tag> start, double jahre) {
  if (!start) return "";
  const std::optional<Tag> t = TagNachJahren(*start, jahre);
  return t ? JsonText(DatumIso(*t)) : "null";
}

std::string BereichJson(const std::optional<Prognosebereich>& b, std::optional<Tag> start) {
  if (!b) return "null";
  std::string j = "{\"GUnten\": " + JsonZahl(b->gUnten) + ", \"GOben\": " + JsonZahl(b->gOben);
  for (const auto& [name, p] : {std::pair{"Unten", &b->unten}, std::pair{"Oben", &b->oben}}) {
    j += std::string(", \"") + name + "\": {\"Meldung\": " + JsonText(p->meldung) +
         ", \"Restreserven\": " + (p->Gemacht() ? JsonZahl(p->Restreserven()) : "null") +
         ", \"Jahre\": " + (p->Gemacht() ? JsonZahl(p->jahre) : "null");
    if (start) j += ", \"Datum\": " + (p->Gemacht() ? Datum(start, p->jahre) : std::string("null"));
    j += "}";
  }
  // The ranges over the whole interval, as the text shows them.
  for (const auto& [name, s] : {std::pair{"Menge", &b->menge}, std::pair{"JahreSpanne", &b->jahre}})
    j += std::string(", \"") + name + "\": " +
         (s->belegt ? "[" + JsonZahl(s->min) + ", " + JsonZahl(s->max) + "]" : std::string("null"));
  if (start && b->jahre.belegt)
    j += ", \"DatumSpanne\": [" + Datum(start, b->jahre.min) + ", " + Datum(start, b->jahre.max) + "]";
  return j + "}";
}

std::string Json(const Foerderprognose& p, const std::optional<Prognosebereich>& bereich, std::optional<Tag> start) {
  std::string j = "{\n  \"Meldung\": " + JsonText(p.meldung) + ",\n";
  j += std::string("  \"Injektion\": ") + (p.injektion ? "true" : "false") + ", \"Voll\": " + (p.voll ? "true" : "false") +
       ", \"Einspeicherbar\": " + JsonZahl(p.injektion && p.Gemacht() ? p.Einspeicherbar() : 0.0) + ",\n";
  j += "  \"GpStart\": " + JsonZahl(p.gpStart) + ", \"GpEnde\": " + JsonZahl(p.gpEnde) + ", \"QmaxStart\": " +
       JsonZahl(p.qMaxStart) + ", \"Ausbeute\": " + JsonZahl(p.Gemacht() ? p.Ausbeute() : 0.0) +
       ", \"PlateauJahre\": " + JsonZahl(p.plateauJahre) + ", \"Jahre\": " + JsonZahl(p.jahre) + ",\n";
  if (start)
    j += "  \"Start\": " + JsonText(DatumIso(*start)) + ", \"Ende\": " + (p.Gemacht() ? Datum(start, p.jahre) : "null") +
         ",\n";
  j += "  \"Zeilen\": [";
  for (std::size_t i = 0; i < p.zeilen.size(); ++i) {
    const Prognosezeile& z = p.zeilen[i];
    j += std::string(i ? ",\n    " : "\n    ") + "{\"Gp\": " + JsonZahl(z.gp) + ", \"PZ\": " + JsonZahl(z.pz) +
         ", \"pws\": " + JsonZahl(z.pws) + ", \"Qmax\": " + JsonZahl(z.qMax) + ", \"Q\": " + JsonZahl(z.q) +
         ", \"Jahre\": " + JsonZahl(z.jahre) + (start ? ", \"Datum\": " + Datum(start, z.jahre) : std::string()) +
         ", \"Plateauende\": " + (z.plateauEnde ? "true" : "false") +
         (p.aquifer ? ", \"We\": " + JsonZahl(z.we) : std::string()) + "}";
  }
  j += "],\n  \"Bereich\": " + BereichJson(bereich, start);
  if (p.aquifer) {
    const Aquiferprognosewerte& w = *p.aquifer;
    const Foerderprognose* o = w.ohneAquifer.get();
    j += ",\n  \"Aquifer\": {\"Modell\": " + JsonText(w.modell) + ", \"WeStart\": " + JsonZahl(w.weStart) +
         ", \"WeEnde\": " + JsonZahl(w.weEnde) + ", \"Horizont\": " + (w.horizont ? "true" : "false") +
         ", \"OhneLoesung\": " + (w.ohneLoesung ? "true" : "false") +
         ", \"OhneZufluss\": {\"Meldung\": " + JsonText(o ? o->meldung : std::string()) +
         ", \"GpEnde\": " + JsonZahl(o && o->Gemacht() ? o->gpEnde : 0.0) +
         ", \"Menge\": " + JsonZahl(o && o->Gemacht() ? o->Menge() : 0.0) +
         ", \"Jahre\": " + JsonZahl(o && o->Gemacht() ? o->jahre : 0.0) + "}}";
  }
  return j + "\n}\n";
}

}  // namespace

int Forecast(const Argumente& a, std::ostream& out, std::ostream& err) {
  CZelvorDoc doc;
  if (Auswerten(a, doc, err) == Lauf::Fehler) return FEHLER;
  Prognoseeinstellungen e = doc.m_Prognose;
  // --plateau and --end are an injection well's planned and minimum injection rate.
  const bool injektion = doc.m_Lauf.injektion;
  for (const auto& [option, wert] : a.prognose) {
    std::optional<std::string> m;
    if (option == "--pmin") m = PminSetzen(e, wert);
    if (option == "--plateau") m = injektion ? QInjektionSetzen(e, wert) : QPlanSetzen(e, wert);
    if (option == "--end") m = injektion ? QMindestSetzen(e, wert) : QEndeSetzen(e, wert);
    if (option == "--pmax") m = PmaxSetzen(e, wert);
    if (option == "--pres-max") m = PresMaxSetzen(e, wert);
    if (option == "--model") m = ModellSetzen(e, wert);
    if (option == "--steps") m = SchritteSetzen(e, wert);
    if (m) return Fehler(err, option + ": " + *m);
  }
  if (const auto m = PrognoseeinstellungenPruefen(e)) return Fehler(err, *m);
  VariablenCFuerPrognoseEinschalten(doc, e.modell);
  const PrognoseEingaben eingaben = DokumentPrognoseEingaben(doc, e);
  const Foerderprognose p = PrognoseBerechnen(doc.m_Lauf, eingaben);
  // The range from the gas-in-place match, with n as the match of these settings takes it.
  std::optional<Prognosebereich> bereich;
  if (p.Gemacht())
    bereich = DokumentPrognosebereich(doc, eingaben, p, e.modell == Prognosemodell::Gegendruck);
  const std::optional<Tag> start = PrognoseStart(doc);
  if (a.json) {
    out << Json(p, bereich, start);
  } else if (!p.Gemacht()) {
    out << p.meldung << '\n';
  } else {
    const std::optional<Fuellstandsspalte> fuellstand = DokumentFuellstandsspalte(doc);
    for (const std::string& zeile : PrognoseText(p, bereich ? &*bereich : nullptr, start, fuellstand ? &*fuellstand : nullptr))
      out << zeile << '\n';
  }
  return p.Gemacht() ? ERFOLG : ABGEBROCHEN;
}

}  // namespace zelvor::cli
