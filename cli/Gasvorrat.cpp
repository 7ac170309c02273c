#include "cli/Gasvorrat.h"

#include <string>
#include <vector>

#include "calc/Datum.h"

#include "cli/Aquifer.h"
#include "cli/Argumente.h"
#include "cli/Befehle.h"
#include "cli/Json.h"
#include "doc/CZelvorDoc.h"
#include "doc/Dateizugriff.h"
#include "doc/DokumentAbgleich.h"
#include "doc/DokumentAquifer.h"
#include "doc/DokumentSpeicher.h"
#include "doc/ZlvArchiv.h"
#include "report/Abgleichtext.h"
#include "report/Aquifertext.h"
#include "report/Speichertext.h"

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

std::string MessbilanzJson(const Messbilanz& m) {
  const PZGerade& g = m.gerade;
  const PZBilanz& b = m.bilanz;
  const bool gg = m.Gemacht() && g.Gemacht(), bg = m.Gemacht() && b.Gemacht();
  std::string j = "{\"Meldung\": " + JsonText(m.meldung) + ", \"PZi\": " + Wert(m.Gemacht(), m.pzi) + ",\n    \"Punkte\": [";
  for (size_t i = 0; i < m.punkte.size(); ++i) {
    const Messpunkt& p = m.punkte[i];
    j += std::string(i ? ", " : "") + "{\"Datum\": " + (p.datum ? JsonText(DatumIso(*p.datum)) : "null") +
         ", \"Gp\": " + JsonZahl(p.gp) + ", \"pws\": " + JsonZahl(p.pws) + ", \"Z\": " + JsonZahl(p.z) +
         ", \"PZ\": " + JsonZahl(p.pz) + "}";
  }
  j += "],\n    \"Gerade\": {\"Meldung\": " + JsonText(m.Gemacht() ? g.meldung : m.meldung) + ", \"a\": " + Wert(gg, g.a) +
       ", \"b\": " + Wert(gg, g.b) + ", \"aUnten\": " + Wert(gg, g.aUnten) + ", \"aOben\": " + Wert(gg, g.aOben) +
       ", \"G\": " + Wert(gg, g.g) + ", \"GUnten\": " + Wert(gg, g.gUnten) + ", \"GOben\": " + Wert(gg, g.gOben) +
       ", \"R2\": " + Wert(gg, g.r2) + ", \"t\": " + Wert(gg, g.t) + ", \"Aufwaerts\": " +
       (gg && g.aufwaerts ? "true" : "false") + "},\n";
  j += "    \"Bilanz\": {\"Meldung\": " + JsonText(m.Gemacht() ? b.meldung : m.meldung) + ", \"G\": " + Wert(bg, b.g) +
       ", \"GUnten\": " + Wert(bg, b.gUnten) + ", \"GOben\": " + Wert(bg, b.gOben) + ", \"S\": " + Wert(bg, b.s) +
       ", \"t\": " + Wert(bg, b.t) + "}}";
  return j;
}

std::string InventarJson(const Inventarpruefung& p) {
  const bool g = p.Gemacht();
  std::string j = "{\"Meldung\": " + JsonText(p.meldung) + ", \"Rate\": " + Wert(g, p.rate) + ", \"Unten\": " +
                  Wert(g, p.unten) + ", \"Oben\": " + Wert(g, p.oben) + ", \"Getrennt\": " + (p.getrennt ? "true" : "false") +
                  ", \"Hysterese\": " + Wert(g && p.getrennt, p.hysterese) + ", \"Satz\": " + JsonText(p.satz);
  // A check with an aquifer model names it and each survey's water; a well without one keeps its keys.
  const bool aquifer = p.aquifer != Aquifermodell::Keiner;
  if (aquifer)
    j += ", \"Aquifer\": " + JsonText(AquifermodellName(p.aquifer)) + ", \"Erklaerung\": " +
         JsonText(InventarErklaerung(p)) + ", \"Iterationen\": " + std::to_string(p.iterationen);
  j += ", \"Punkte\": [";
  for (std::size_t k = 0; k < p.punkte.size(); ++k) {
    const Inventarpunkt& q = p.punkte[k];
    j += std::string(k ? ", " : "") + "{\"Datum\": " + JsonText(DatumIso(q.messung.datum)) + ", \"Gp\": " +
         JsonZahl(q.messung.gp) + ", \"PZ\": " + JsonZahl(q.messung.pz) + ", \"Gebucht\": " + JsonZahl(q.gebucht) +
         ", \"Bilanz\": " + JsonZahl(q.bilanz) + ", \"Verlust\": " + JsonZahl(q.verlust) + ", \"Richtung\": " +
         JsonText(RichtungText(q.richtung)) + (aquifer ? ", \"WENetto\": " + JsonZahl(q.weNetto) : std::string()) + "}";
  }
  return j + "]}";
}

std::string Json(const Gasvorratsabgleich& a, const Messbilanz& m, const Inventarpruefung& inventar,
                 const Aquiferanpassung* aquifer) {
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
  j += "],\n";
  std::vector<std::string> text = AbgleichText(a);
  if (m.messungen > 0) {
    j += "  \"Schliessdruckmessungen\": " + MessbilanzJson(m) + ",\n";
    for (std::string& z : MessbilanzText(m, a)) text.push_back(std::move(z));
  }
  if (aquifer) {
    j += "  \"Aquifer\": " + AquiferanpassungJson(*aquifer) + ",\n";
    for (std::string& z : AquiferanpassungText(*aquifer)) text.push_back(std::move(z));
  }
  if (!inventar.punkte.empty() || !inventar.meldung.empty()) {
    j += "  \"Inventarpruefung\": " + InventarJson(inventar) + ",\n";
    for (std::string& z : InventarText(inventar)) text.push_back(std::move(z));
  }
  j += "  \"Text\": " + JsonTextListe(text) + "\n";
  return j + "}\n";
}

}  // namespace

int Ogip(const Argumente& a, std::ostream& out, std::ostream& err) {
  CZelvorDoc doc;
  if (Auswerten(a, doc, err) == Lauf::Fehler) return FEHLER;
  const bool mitGegendruck = a.gegendruck || doc.m_Prognose.modell == Prognosemodell::Gegendruck;
  const Gasvorratsabgleich abgleich = DokumentAbgleich(doc, mitGegendruck);
  const Messbilanz messbilanz = DokumentMessbilanz(doc);
  const Inventarpruefung inventar = DokumentInventarpruefung(doc);
  // The aquifer fit where the well has a model or it is asked for.
  std::optional<Aquiferanpassung> aquifer;
  if (doc.m_Aquifer.Gesetzt() || a.aquiferUebernehmen) aquifer = DokumentAquiferanpassung(doc);
  if (a.json) {
    out << Json(abgleich, messbilanz, inventar, aquifer ? &*aquifer : nullptr);
  } else {
    for (const std::string& zeile : AbgleichText(abgleich)) out << zeile << '\n';
    for (const std::string& zeile : MessbilanzText(messbilanz, abgleich)) out << zeile << '\n';
    if (aquifer)
      for (const std::string& zeile : AquiferanpassungText(*aquifer)) out << zeile << '\n';
    if (!inventar.punkte.empty() || !inventar.meldung.empty())
      for (const std::string& zeile : InventarText(inventar)) out << zeile << '\n';
  }
  // --apply-aquifer adopts G with the fitted aquifer settings, and fails only when the fit has none.
  if (a.aquiferUebernehmen) {
    if (!aquifer->Gemacht()) {
      err << aquifer->meldung << '\n';
      return ABGEBROCHEN;
    }
  } else if (a.messungenUebernehmen) {
    if (!messbilanz.Gemacht() || !messbilanz.bilanz.Gemacht()) {
      err << (messbilanz.Gemacht() ? messbilanz.bilanz.meldung : messbilanz.meldung) << '\n';
      return ABGEBROCHEN;
    }
  } else if (!abgleich.Gemacht()) {
    if (a.json) err << abgleich.meldung << '\n';
    return ABGEBROCHEN;
  }
  if (!a.uebernehmen && !a.messungenUebernehmen && !a.aquiferUebernehmen) return ERFOLG;
  const double g = a.messungenUebernehmen ? messbilanz.bilanz.g : abgleich.g;
  // Only OGIP changes in the file: the well is read again without the rate file or options of this call,
  // under the lock, so that a change made meanwhile by another call is kept.
  Dateisperre sperre;
  if (const std::string m = DateiSperren(a.datei, sperre, SPERRE_WARTEN); !m.empty()) return Fehler(err, m);
  CZelvorDoc datei;
  const ZlvErgebnis r = ZlvDateiLaden(a.datei, datei);
  if (r.status != ZlvStatus::Ok) return Fehler(err, r.meldung);
  if (a.aquiferUebernehmen) {
    if (const auto m = AquiferUebernehmen(datei, *aquifer)) return Fehler(err, "Aquifer: " + *m);
  } else if (const auto m = GasvorratUebernehmen(datei, g)) {
    return Fehler(err, "OGIP: " + *m);
  }
  const std::string fehler = ZlvDateiSpeichern(a.datei, datei);
  if (!fehler.empty()) return Fehler(err, fehler);
  if (!a.json) out << "Das OGIP der Bohrung ist jetzt " << datei.m_OGIP << " Mio m3"
                    << (a.aquiferUebernehmen ? ", mit den angepassten Werten des Aquifers.\n" : ".\n");
  return ERFOLG;
}

}  // namespace zelvor::cli
