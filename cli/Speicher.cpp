#include "cli/Speicher.h"

#include <string>

#include "calc/Format.h"
#include "cli/Befehle.h"
#include "cli/Json.h"
#include "doc/CZelvorDoc.h"
#include "doc/DokumentSpeicher.h"
#include "doc/Eingabepruefung.h"
#include "report/Speichertext.h"

namespace zelvor::cli {
namespace {

std::string OptionalerTag(const std::optional<Tag>& t) { return t ? JsonText(DatumIso(*t)) : "null"; }

std::string Json(const Speicherkennlinien& k) {
  std::string j = "{\n  \"Meldung\": " + JsonText(k.meldung) + ",\n  \"Arbeitsgas\": " + JsonZahl(k.volumen.arbeitsgas) +
                  ", \"Kissengas\": " + JsonZahl(k.volumen.kissengas) + ", \"Pmin\": " + JsonZahl(k.eingaben.pMin) +
                  ", \"Pmax\": " + JsonZahl(k.eingaben.pMax) + ",\n  \"Hinweise\": " + JsonTextListe(k.hinweise) +
                  ",\n  \"Punkte\": [";
  for (std::size_t i = 0; i < k.punkte.size(); ++i) {
    const Kennlinienpunkt& p = k.punkte[i];
    j += std::string(i ? ",\n    " : "\n    ") + "{\"Fuellgrad\": " + JsonZahl(100.0 * p.fuellgrad) +
         ", \"Inventar\": " + JsonZahl(p.inventar) + ", \"Gp\": " + JsonZahl(p.gp) + ", \"PZ\": " + JsonZahl(p.pz) +
         ", \"pws\": " + JsonZahl(p.pws) + ", \"Qaus\": " + JsonZahl(p.qAus) + ", \"Qein\": " + JsonZahl(p.qEin) +
         ", \"Hinweis\": " + JsonText(p.hinweis) + "}";
  }
  return j + "]\n}\n";
}

std::string Json(const Speicherjahr& s) {
  std::string j = "{\n  \"Meldung\": " + JsonText(s.meldung) + ",\n  \"Start\": " +
                  (s.Gemacht() ? JsonText(DatumIso(s.eingaben.start)) : "null") +
                  ", \"AlleZieleErfuellt\": " + (s.Gemacht() && s.AlleZieleErfuellt() ? "true" : "false") +
                  ",\n  \"Hinweise\": " + JsonTextListe(s.hinweise) + ",\n  \"Ziele\": [";
  for (std::size_t i = 0; i < s.ziele.size(); ++i) {
    const Zielergebnis& z = s.ziele[i];
    j += std::string(i ? ",\n    " : "\n    ") + "{\"Datum\": " + JsonText(DatumIso(z.datum)) +
         ", \"Ziel\": " + JsonZahl(100.0 * z.ziel.fuellgrad) + ", \"Erreicht\": " + JsonZahl(100.0 * z.erreicht) +
         ", \"Erfuellt\": " + (z.erfuellt ? "true" : "false") +
         ", \"Einspeicherziel\": " + (z.einspeicherziel ? "true" : "false") +
         ", \"ErreichtAm\": " + OptionalerTag(z.erreichtAm) +
         ", \"SpaetesterBeginn\": " + OptionalerTag(z.spaetesterBeginn) + "}";
  }
  j += "],\n  \"Tage\": [";
  for (std::size_t i = 0; i < s.tage.size(); ++i) {
    const Speichertag& d = s.tage[i];
    j += std::string(i ? ",\n    " : "\n    ") + "{\"Datum\": " + JsonText(DatumIso(d.tag)) +
         ", \"Fuellgrad\": " + JsonZahl(100.0 * d.fuellgrad) + ", \"Inventar\": " + JsonZahl(d.inventar) +
         ", \"Gp\": " + JsonZahl(d.gp) + ", \"pws\": " + JsonZahl(d.pws) + ", \"Q\": " + JsonZahl(d.q) +
         ", \"Qmoeglich\": " + JsonZahl(d.qMoeglich) + "}";
  }
  return j + "]\n}\n";
}

}  // namespace

int Kennlinien(const Argumente& a, std::ostream& out, std::ostream& err) {
  float schritt = 10;
  if (a.schritt) {
    if (auto m = FloatLesen(*a.schritt, 0.1, 100, schritt)) return Fehler(err, "--schritt: " + *m);
  }
  CZelvorDoc doc;
  if (Auswerten(a, doc, err) == Lauf::Fehler) return FEHLER;
  const Speicherkennlinien k = DokumentKennlinien(doc, schritt / 100.0);
  if (a.json) {
    out << Json(k);
  } else {
    for (const std::string& z : KennlinienText(k, doc.m_Speicher.brennwert)) out << z << '\n';
  }
  return k.Gemacht() ? ERFOLG : ABGEBROCHEN;
}

int SpeicherjahrBefehl(const Argumente& a, std::ostream& out, std::ostream& err) {
  CZelvorDoc doc;
  if (Auswerten(a, doc, err) == Lauf::Fehler) return FEHLER;
  const Speicherjahr s = DokumentSpeicherjahr(doc);
  if (a.json) {
    out << Json(s);
  } else if (!s.Gemacht()) {
    out << s.meldung << '\n';
  } else {
    for (const std::string& z : SpeicherjahrText(s)) out << z << '\n';
  }
  return s.Gemacht() && s.AlleZieleErfuellt() ? ERFOLG : ABGEBROCHEN;
}

}  // namespace zelvor::cli
