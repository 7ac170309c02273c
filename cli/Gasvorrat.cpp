#include "cli/Gasvorrat.h"

#include <string>

#include "cli/Argumente.h"
#include "cli/Befehle.h"
#include "cli/Json.h"
#include "doc/CZelvorDoc.h"
#include "doc/Dateizugriff.h"
#include "doc/DokumentAbgleich.h"
#include "doc/ZlvArchiv.h"
#include "report/Abgleichtext.h"

namespace zelvor::cli {
namespace {

// A value the match could not compute is null, never a made-up number.
std::string Wert(bool gesetzt, double wert) { return gesetzt ? JsonZahl(wert) : "null"; }

std::string WertJson(const Abgleichwert& w) {
  const bool m = w.moeglich;
  return "{\"moeglich\": " + std::string(m ? "true" : "false") + ", \"S\": " + Wert(m, w.s) + ", \"C\": " +
         Wert(m, w.c) + ", \"RMS\": " + Wert(m, w.rms) + ", \"Trend\": " + Wert(m, w.trend) +
         ", \"CMittel\": " + Wert(m, w.cMittel) + "}";
}

std::string Json(const Gasvorratsabgleich& a) {
  const bool g = a.Gemacht();
  std::string j = "{\n  \"Meldung\": " + JsonText(a.meldung) + ",\n";
  j += "  \"OGIP\": " + JsonZahl(a.ogip) + ", \"n\": " + JsonZahl(a.n) +
       ", \"Gegendruck\": " + (a.gegendruck ? "true" : "false") + ",\n";
  j += "  \"GStern\": " + Wert(g, a.g) + ", \"GUnten\": " + Wert(g, a.gUnten) + ", \"GOben\": " + Wert(g, a.gOben) +
       ", \"Suchbereich\": [" + Wert(g, a.gMin) + ", " + Wert(g, a.gMax) + "],\n";
  j += "  \"t\": " + Wert(g, a.t) + ", \"SGrenze\": " + Wert(g, a.sGrenze) + ", \"GpSpanne\": " + JsonZahl(a.gpSpanne) +
       ",\n";
  for (const auto& [name, w] : {std::pair{"Stern", &a.stern}, std::pair{"Unten", &a.unten},
                                std::pair{"Oben", &a.oben}, std::pair{"Eingabe", &a.eingabe}})
    j += std::string("  \"") + name + "\": " + WertJson(*w) + ",\n";
  j += "  \"Punkte\": [";
  for (size_t i = 0; i < a.punkte.size(); ++i)
    j += std::string(i ? ", " : "") + "{\"Gp\": " + JsonZahl(a.punkte[i].gp) + ", \"Q\": " + JsonZahl(a.punkte[i].q) +
         ", \"pwf\": " + JsonZahl(a.punkte[i].pwf) + "}";
  j += "],\n  \"Profil\": [";
  for (size_t i = 0; i < a.profil.size(); ++i)
    j += std::string(i ? ", " : "") + "{\"G\": " + JsonZahl(a.profil[i].g) + ", \"S\": " + JsonZahl(a.profil[i].s) + "}";
  j += "],\n  \"Text\": " + JsonTextListe(AbgleichText(a)) + "\n";
  return j + "}\n";
}

}  // namespace

int Ogip(const Argumente& a, std::ostream& out, std::ostream& err) {
  CZelvorDoc doc;
  if (Auswerten(a, doc, err) == Lauf::Fehler) return FEHLER;
  const bool mitGegendruck = a.gegendruck || doc.m_Prognose.modell == Prognosemodell::Gegendruck;
  const Gasvorratsabgleich abgleich = DokumentAbgleich(doc, mitGegendruck);
  if (a.json) {
    out << Json(abgleich);
  } else {
    for (const std::string& zeile : AbgleichText(abgleich)) out << zeile << '\n';
  }
  if (!abgleich.Gemacht()) {
    if (a.json) err << abgleich.meldung << '\n';
    return ABGEBROCHEN;
  }
  if (!a.uebernehmen) return ERFOLG;
  // Only OGIP changes in the file: the well is read again without the rate file or options of this call,
  // under the lock, so that a change made meanwhile by another call is kept.
  Dateisperre sperre;
  if (const std::string m = DateiSperren(a.datei, sperre, SPERRE_WARTEN); !m.empty()) return Fehler(err, m);
  CZelvorDoc datei;
  const ZlvErgebnis r = ZlvDateiLaden(a.datei, datei);
  if (r.status != ZlvStatus::Ok) return Fehler(err, r.meldung);
  if (const auto m = GasvorratUebernehmen(datei, abgleich.g)) return Fehler(err, "OGIP: " + *m);
  const std::string fehler = ZlvDateiSpeichern(a.datei, datei);
  if (!fehler.empty()) return Fehler(err, fehler);
  if (!a.json) out << "Das OGIP der Bohrung ist jetzt " << datei.m_OGIP << " Mio m3.\n";
  return ERFOLG;
}

}  // namespace zelvor::cli
