#include "cli/Analyse.h"

#include "calc/Lieferfaehigkeit.h"
#include "cli/Argumente.h"
#include "cli/Befehle.h"
#include "cli/Json.h"
#include "doc/CZelvorDoc.h"
#include "doc/DokumentPrognose.h"
#include "report/Lieferfaehigkeitstext.h"

namespace zelvor::cli {
namespace {

const char* const MODELL_SCHLUESSEL[MODELL_ANZAHL] = {"CWertModell", "Gegendruckgleichung", "LIT"};
const char* const DRUCK_SCHLUESSEL[DRUCK_ANZAHL] = {"initial", "aktuell"};

std::string Wahr(bool b) { return b ? "true" : "false"; }

std::string Zahlen(const std::vector<double>& werte) {
  std::string s = "[";
  for (size_t i = 0; i < werte.size(); ++i) s += (i ? ", " : "") + JsonZahl(werte[i]);
  return s + "]";
}

// A value that is not set is null, never a made-up number.
std::string Wert(bool gesetzt, double wert) { return gesetzt ? JsonZahl(wert) : "null"; }

std::string ModellJson(const Lieferfaehigkeit& l, int m) {
  const Modell& modell = l.ModellNr(m);
  std::string j = "{\"berechnet\": " + Wahr(modell.berechnet) + ", \"gueltig\": " + Wahr(modell.gueltig);
  const bool b = modell.berechnet;
  if (m == MODELL_C_WERT) j += ", \"C\": " + Wert(b, l.cWert.c);
  if (m == MODELL_GEGENDRUCK)
    j += ", \"n\": " + Wert(b, l.gegendruck.n) + ", \"Cn\": " + Wert(b, l.gegendruck.cn) +
         ", \"R2\": " + Wert(b, l.gegendruck.r2);
  if (m == MODELL_LIT)
    j += ", \"a\": " + Wert(b, l.lit.a) + ", \"b\": " + Wert(b, l.lit.b) + ", \"R2\": " + Wert(b, l.lit.r2);
  return j + ", \"Meldung\": " + JsonText(modell.meldung) + "}";
}

}  // namespace

std::string LieferfaehigkeitJson(const Lieferfaehigkeit& l) {
  std::string j = "{\n";
  // An injection well's "AOF" is the maximum injection rate at p_max, its "IPR" the injection curves.
  j += std::string("  \"Injektion\": ") + Wahr(l.injektion) + ", \"pMax\": " + Wert(l.injektion, l.pMax) + ",\n";
  j += "  \"Atmosphaerendruck\": " + JsonZahl(ATMOSPHAERENDRUCK) + ",\n";
  j += "  \"Lagerstaettendruck\": {";
  for (int d = 0; d < DRUCK_ANZAHL; ++d)
    j += std::string(d ? ", " : "") + "\"" + DRUCK_SCHLUESSEL[d] + "\": " + Wert(l.druckGueltig[d], l.druck[d]);
  j += "},\n  \"Messpunkte\": [";
  for (size_t i = 0; i < l.punkte.size(); ++i) {
    const Lieferpunkt& p = l.punkte[i];
    j += std::string(i ? ",\n    " : "\n    ") + "{\"Gp\": " + JsonZahl(p.gp) + ", \"Q\": " + JsonZahl(p.q) +
         ", \"pwf\": " + JsonZahl(p.pwf) + ", \"pws\": " + JsonZahl(p.pws) + ", \"Delta\": " + JsonZahl(p.delta) + "}";
  }
  j += "],\n";
  for (int m = 0; m < MODELL_ANZAHL; ++m)
    j += std::string("  \"") + MODELL_SCHLUESSEL[m] + "\": " + ModellJson(l, m) + ",\n";
  j += "  \"AOF\": {";
  for (int m = 0; m < MODELL_ANZAHL; ++m) {
    j += std::string(m ? ", " : "") + "\"" + MODELL_SCHLUESSEL[m] + "\": {";
    for (int d = 0; d < DRUCK_ANZAHL; ++d)
      j += std::string(d ? ", " : "") + "\"" + DRUCK_SCHLUESSEL[d] + "\": " + Wert(l.aofGueltig[m][d], l.aof[m][d]);
    j += "}";
  }
  j += "},\n  \"IPR\": {";
  for (int m = 0; m < MODELL_ANZAHL; ++m) {
    j += std::string(m ? ",\n    " : "\n    ") + "\"" + MODELL_SCHLUESSEL[m] + "\": {";
    for (int d = 0; d < DRUCK_ANZAHL; ++d)
      j += std::string(d ? ", " : "") + "\"" + DRUCK_SCHLUESSEL[d] + "\": {\"pwf\": " + Zahlen(l.ipr[m][d].pwf) +
           ", \"Q\": " + Zahlen(l.ipr[m][d].q) + "}";
    j += "}";
  }
  j += "},\n  \"Meldungen\": " + JsonTextListe(l.meldungen) + ",\n";
  j += "  \"Text\": " + JsonTextListe(LieferfaehigkeitText(l)) + "\n";
  return j + "}\n";
}

int Analyze(const Argumente& a, std::ostream& out, std::ostream& err) {
  CZelvorDoc doc;
  if (Auswerten(a, doc, err) == Lauf::Fehler) return FEHLER;
  // An aborted run is no error of the call: the analysis says why it has nothing.
  const Lieferfaehigkeit l = DokumentLieferfaehigkeit(doc);
  if (a.json) {
    out << LieferfaehigkeitJson(l);
  } else {
    for (const std::string& zeile : LieferfaehigkeitText(l)) out << zeile << '\n';
  }
  return l.IrgendeinModell() ? ERFOLG : ABGEBROCHEN;
}

}  // namespace zelvor::cli
