#include "cli/Speicher.h"

#include <string>

#include "calc/Format.h"
#include "cli/Befehle.h"
#include "cli/Json.h"
#include "doc/CZelvorDoc.h"
#include "doc/DokumentSpeicher.h"
#include "doc/Eingabepruefung.h"
#include "export/Transparenzexport.h"
#include "report/Speichertext.h"

namespace zelvor::cli {
namespace {

std::string OptionalerTag(const std::optional<Tag>& t) { return t ? JsonText(DatumIso(*t)) : "null"; }

std::string Punkte(const std::vector<Kennlinienpunkt>& punkte, double h, const char* einzug) {
  std::string j = "[";
  for (std::size_t i = 0; i < punkte.size(); ++i) {
    const Kennlinienpunkt& p = punkte[i];
    j += std::string(i ? ",\n" : "\n") + einzug + "{\"Fuellgrad\": " + JsonZahl(100.0 * p.fuellgrad) +
         ", \"Inventar\": " + JsonZahl(p.inventar) + ", \"Gp\": " + JsonZahl(p.gp) + ", \"PZ\": " + JsonZahl(p.pz) +
         ", \"pws\": " + JsonZahl(p.pws) + ", \"Qaus\": " + JsonZahl(p.qAus) + ", \"Qein\": " + JsonZahl(p.qEin) +
         ", \"Hinweis\": " + JsonText(p.hinweis) + ", \"AusAnlage\": " + (p.ausAnlage ? "true" : "false") +
         ", \"EinAnlage\": " + (p.einAnlage ? "true" : "false");
    if (h > 0.0)
      j += ", \"InventarGWh\": " + JsonZahl(MioM3InGwh(p.inventar, h)) + ", \"QausGWhd\": " +
           JsonZahl(RateInGwhTag(p.qAus, h)) + ", \"QeinGWhd\": " + JsonZahl(RateInGwhTag(p.qEin, h));
    j += "}";
  }
  return j + "]";
}

std::string Json(const Speicherkennlinien& k, double h) {
  std::string j = "{\n  \"Meldung\": " + JsonText(k.meldung) + ",\n  \"Arbeitsgas\": " + JsonZahl(k.volumen.arbeitsgas) +
                  ", \"Kissengas\": " + JsonZahl(k.volumen.kissengas) + ", \"Pmin\": " + JsonZahl(k.eingaben.pMin) +
                  ", \"Pmax\": " + JsonZahl(k.eingaben.pMax) + ",\n  \"Hinweise\": " + JsonTextListe(k.hinweise) +
                  ",\n  \"Punkte\": " + Punkte(k.punkte, h, "    ");
  // With an aquifer each season's curve, or why it is missing.
  if (k.MitAquifer()) {
    j += ",\n  \"Aquifer\": " + JsonText(k.aquifer) + ",\n  \"Richtungen\": [";
    for (std::size_t i = 0; i < k.richtungen.size(); ++i) {
      const Kennlinie& r = k.richtungen[i];
      j += std::string(i ? ",\n    " : "\n    ") + "{\"Richtung\": " + JsonText(KennlinienrichtungText(r.richtung)) +
           ", \"Meldung\": " + JsonText(r.meldung) + ", \"Punkte\": " + Punkte(r.punkte, h, "      ") + "}";
    }
    j += "]";
  }
  return j + "\n}\n";
}

std::string Json(const Speicherjahr& s) {
  std::string j = "{\n  \"Meldung\": " + JsonText(s.meldung) + (s.aquifer.empty() ? "" : ", \"Aquifer\": " + JsonText(s.aquifer)) + ",\n  \"Start\": " +
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
         ", \"SpaetesterBeginn\": " + OptionalerTag(z.spaetesterBeginn) + ", \"Gesetzlich\": " +
         (z.gesetzlich ? "true" : "false") + ", \"Quelle\": " + JsonText(z.quelle) +
         ", \"Anlage\": " + JsonText(z.anlage) + "}";
  }
  j += "],\n  \"ZieleGesetzlich\": " + std::string(s.eingaben.gesetzlich ? "true" : "false") +
       ", \"Anlage\": " + JsonText(s.eingaben.anlage) + ",\n  \"OhneVorgaben\": [";
  for (std::size_t i = 0; i < s.ohneVorgaben.size(); ++i)
    j += std::string(i ? ", " : "") + "{\"Von\": " + JsonText(DatumIso(s.ohneVorgaben[i].von)) +
         ", \"Bis\": " + JsonText(DatumIso(s.ohneVorgaben[i].bis)) + "}";
  j += "],\n  \"Nachweise\": [";
  for (std::size_t i = 0; i < s.nachweise.size(); ++i) {
    const Augustnachweis& n = s.nachweise[i];
    j += std::string(i ? ",\n    " : "\n    ") + "{\"Datum\": " + JsonText(DatumIso(n.datum)) +
         ", \"Fuellgrad\": " + JsonZahl(100.0 * n.fuellgrad) + ", \"Folgeziele\": [";
    for (std::size_t k = 0; k < n.folgeziele.size(); ++k) {
      const Augustnachweis::Folgeziel& f = n.folgeziele[k];
      j += std::string(k ? ", " : "") + "{\"Datum\": " + JsonText(DatumIso(f.datum)) + ", \"Ziel\": " +
           JsonZahl(100.0 * f.ziel) + ", \"Erreichbar\": " + JsonZahl(100.0 * f.erreichbar) +
           ", \"Erfuellt\": " + (f.erreicht ? "true" : "false") + ", \"Quelle\": " + JsonText(f.quelle) + "}";
    }
    j += "]}";
  }
  const double h = s.eingaben.brennwert;
  if (h > 0.0)
    j += "],\n  \"Brennwert\": " + JsonZahl(h) + ", \"ArbeitsgasGWh\": " + JsonZahl(MioM3InGwh(s.volumen.arbeitsgas, h)) +
         ", \"KissengasGWh\": " + JsonZahl(MioM3InGwh(s.volumen.kissengas, h));
  else
    j += "]";
  j += ",\n  \"Tage\": [";
  for (std::size_t i = 0; i < s.tage.size(); ++i) {
    const Speichertag& d = s.tage[i];
    j += std::string(i ? ",\n    " : "\n    ") + "{\"Datum\": " + JsonText(DatumIso(d.tag)) +
         ", \"Fuellgrad\": " + JsonZahl(100.0 * d.fuellgrad) + ", \"Inventar\": " + JsonZahl(d.inventar) +
         ", \"Gp\": " + JsonZahl(d.gp) + ", \"pws\": " + JsonZahl(d.pws) + ", \"Q\": " + JsonZahl(d.q) +
         ", \"Qmoeglich\": " + JsonZahl(d.qMoeglich) + ", \"Qein\": " + JsonZahl(d.qEin) +
         ", \"Qaus\": " + JsonZahl(d.qAus);
    if (h > 0.0)
      j += ", \"InventarGWh\": " + JsonZahl(MioM3InGwh(d.inventar, h)) + ", \"QGWhd\": " + JsonZahl(RateInGwhTag(d.q, h));
    j += "}";
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
    out << Json(k, doc.m_Speicher.brennwert);
  } else {
    for (const std::string& z : KennlinienText(k, doc.m_Speicher.brennwert)) out << z << '\n';
  }
  return k.Gemacht() ? ERFOLG : ABGEBROCHEN;
}

int SpeicherjahrBefehl(const Argumente& a, std::ostream& out, std::ostream& err) {
  CZelvorDoc doc;
  if (Auswerten(a, doc, err) == Lauf::Fehler) return FEHLER;
  const Speicherjahr s = DokumentSpeicherjahr(doc);
  if (a.transparenz) {
    if (const auto m = AusgabeUeberschreibtEingabe(*a.ausgabe, a)) return Fehler(err, *m);
    if (!s.Gemacht()) return Fehler(err, s.meldung);
    if (std::string fehler = TransparenzSchreiben(*a.ausgabe, s); !fehler.empty()) return Fehler(err, fehler);
    out << "Die Transparenzdaten des Speicherjahres sind in die Datei " << *a.ausgabe << " geschrieben.\n";
    return ERFOLG;
  }
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
