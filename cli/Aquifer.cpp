#include "cli/Aquifer.h"

#include <cmath>

#include "cli/Argumente.h"
#include "cli/Befehle.h"
#include "cli/Json.h"
#include "doc/CZelvorDoc.h"
#include "doc/DokumentAbgleich.h"
#include "doc/DokumentAquifer.h"
#include "report/Aquifertext.h"

namespace zelvor::cli {
namespace {

std::string Zahl(double w) { return std::isfinite(w) ? JsonZahl(w) : "null"; }

std::string Datum(const std::optional<Tag>& t) { return t ? JsonText(DatumIso(*t)) : "null"; }

std::string Wert(const Aquiferwert& w) {
  return "{\"Wert\": " + Zahl(w.wert) + ", \"Unten\": " + Zahl(w.unten) + ", \"Oben\": " + Zahl(w.oben) + "}";
}

std::string ZustandJson(const Aquiferzustand& s) {
  return "\"Datum\": " + Datum(s.tag) + ", \"Gp\": " + Zahl(s.gp) + ", \"p\": " + Zahl(s.p) + ", \"PZ\": " + Zahl(s.pz) +
         ", \"WE\": " + Zahl(s.we) + ", \"Wp\": " + Zahl(s.wp) + ", \"pa\": " + Zahl(s.pa);
}

}  // namespace

std::string AquiferanpassungJson(const Aquiferanpassung& a) {
  const bool g = a.Gemacht();
  std::string j = "{\"Meldung\": " + JsonText(a.meldung) + ", \"Modell\": " + JsonText(AquifermodellName(a.modell));
  if (!g) return j + "}";
  j += ", \"Messungen\": " + std::to_string(a.messungen) + ", \"Parameter\": " + std::to_string(a.parameter) +
       ", \"Freiheitsgrade\": " + std::to_string(a.freiheitsgrade) + ", \"t\": " + Zahl(a.t) + ",\n    \"G\": " +
       Wert(a.g);
  if (a.mitGroesse) j += ", \"" + std::string(a.groesseName) + "\": " + Wert(a.groesse);
  if (a.mitPermeabilitaet) j += ", \"AquiferPermeabilitaet\": " + Wert(a.permeabilitaet);
  j += ",\n    \"S\": " + Zahl(a.s) + ", \"RMS\": " + Zahl(a.rms) + ", \"GTank\": " + Zahl(a.gTank) + ", \"STank\": " +
       Zahl(a.sTank) + ", \"RMSTank\": " + Zahl(a.rmsTank) + ", \"F\": " + Zahl(a.f) + ", \"FKritisch\": " +
       Zahl(a.fKritisch) + ", \"Gestuetzt\": " + (a.gestuetzt ? "true" : "false") + ",\n    \"Foerderbeginn\": " +
       (a.modell == Aquifermodell::Topf ? std::string("null") : JsonText(DatumIso(a.beginn))) +
       ", \"FoerderbeginnGeschaetzt\": " + (a.beginnGeschaetzt ? "true" : "false") + ", \"Vergleich\": " +
       JsonText(a.vergleich) + ", \"Hinweis\": " + JsonText(a.hinweis) + ",\n    \"Punkte\": [";
  for (std::size_t i = 0; i < a.punkte.size(); ++i) {
    const AquiferDiagnosepunkt& p = a.punkte[i];
    j += std::string(i ? ",\n      " : "") + "{\"Datum\": " + Datum(p.tag) + ", \"Gp\": " + Zahl(p.gp) +
         ", \"PZGemessen\": " + Zahl(p.pzGemessen) + ", \"PZModell\": " + Zahl(p.pzModell) + ", \"WE\": " + Zahl(p.we) +
         ", \"FEg\": " + (p.imDiagramm ? Zahl(p.fEg) : "null") + ", \"WEEg\": " + (p.imDiagramm ? Zahl(p.weEg) : "null") +
         "}";
  }
  j += "],\n    \"Verlauf\": [";
  for (std::size_t i = 0; i < a.verlauf.size(); ++i)
    j += std::string(i ? ",\n      " : "") + "{" + ZustandJson(a.verlauf[i]) + "}";
  return j + "]}";
}

int AquiferBefehl(const Argumente& a, std::ostream& out, std::ostream& err) {
  CZelvorDoc doc;
  if (Auswerten(a, doc, err) == Lauf::Fehler) return FEHLER;
  const Aquiferverlauf v = DokumentAquiferverlauf(doc);
  const Aquiferdatenlage lage = AquiferdatenlageAus(doc, DokumentMessbilanz(doc));
  const std::vector<Aquiferzeile> zeilen = AquiferzeilenAus(lage, v);
  if (a.json) {
    std::string j = "{\n  \"Meldung\": " + JsonText(v.meldung) + ", \"Modell\": " +
                    JsonText(AquifermodellName(doc.m_Aquifer.modell));
    if (v.Gemacht()) {
      j += ", \"Foerderbeginn\": " +
           (doc.m_Aquifer.modell == Aquifermodell::Topf ? std::string("null") : JsonText(DatumIso(v.beginn))) +
           ", \"FoerderbeginnGeschaetzt\": " + (v.beginnGeschaetzt ? "true" : "false") + ",\n  \"Punkte\": [";
      for (std::size_t i = 0; i < zeilen.size(); ++i)
        j += std::string(i ? ",\n    " : "\n    ") + "{\"Punkt\": " + JsonText(zeilen[i].art) + ", " +
             ZustandJson(zeilen[i].zustand) + "}";
      j += "]";
    }
    out << j << "\n}\n";
  } else {
    for (const std::string& z : AquiferverlaufText(doc.m_Aquifer, v, zeilen)) out << z << '\n';
  }
  if (!v.Gemacht()) {
    if (a.json) err << v.meldung << '\n';
    return ABGEBROCHEN;
  }
  return ERFOLG;
}

}  // namespace zelvor::cli
