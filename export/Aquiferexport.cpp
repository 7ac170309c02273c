#include <cmath>
#include <string>

#include "doc/DokumentAbgleich.h"
#include "doc/DokumentAquifer.h"
#include "export/Exporttabellen.h"
#include "report/Aquifertext.h"

namespace zelvor {
namespace {

Exportwert Zahl(double w) { return std::isfinite(w) ? Exportwert(w) : Exportwert(); }
Exportwert Datum(const std::optional<Tag>& t) { return t ? Exportwert(DatumText(*t)) : Exportwert(); }

}  // namespace

std::vector<Exporttabelle> AquiferTabellen(const CZelvorDoc& doc) {
  if (!doc.m_Aquifer.Gesetzt()) return {};
  // The history under the current settings.
  Exporttabelle verlauf;
  verlauf.name = "Aquiferverlauf";
  verlauf.spalten = {{"Datum", 0},   {"Punkt", 0},       {"Gp (Mio m3)", 3}, {"p (bar)", 2},
                     {"P/Z (bar)", 2}, {"WE (Mio m3)", 4}, {"Wp (Mio m3)", 4}, {"pa (bar)", 2}};
  const Aquiferverlauf v = DokumentAquiferverlauf(doc);
  const Aquiferdatenlage lage = AquiferdatenlageAus(doc, DokumentMessbilanz(doc));
  if (!v.Gemacht()) {
    verlauf.zeilen.push_back({std::monostate{}, v.meldung});
  } else {
    for (const Aquiferzeile& z : AquiferzeilenAus(lage, v)) {
      const Aquiferzustand& s = z.zustand;
      verlauf.zeilen.push_back({Datum(s.tag), z.art, s.gp, s.p, s.pz, s.we, s.wp, Zahl(s.pa)});
    }
  }
  // The fit to the surveys: its values, then its points for the diagnostic plots.
  const Aquiferanpassung a = DokumentAquiferanpassung(doc);
  Exporttabelle werte = Wertetabelle("Aquiferanpassung");
  const auto zeile = [&](std::string name, Exportwert w, const char* einheit) {
    werte.zeilen.push_back({std::move(name), std::move(w), std::string(einheit)});
  };
  zeile("Modell", std::string(AquifermodellName(a.modell)), "");
  Exporttabelle punkte;
  punkte.name = "Aquiferdiagramme";
  punkte.spalten = {{"Datum", 0},          {"Gp (Mio m3)", 3},   {"P/Z gemessen (bar)", 2}, {"P/Z Modell (bar)", 2},
                    {"WE (Mio m3)", 4},    {"F/Eg (Mio m3)", 2}, {"We/Eg (Mio m3)", 2}};
  if (!a.Gemacht()) {
    zeile("Keine Anpassung", a.meldung, "");
    return {std::move(verlauf), std::move(werte), std::move(punkte)};
  }
  const auto bereich = [&](const std::string& name, const Aquiferwert& w, const char* einheit) {
    zeile(name, w.wert, einheit);
    zeile(name + ", 95 % unten", w.unten, einheit);
    zeile(name + ", 95 % oben", w.oben, einheit);
  };
  bereich("Gasvorrat G", a.g, "Mio m3");
  if (a.mitGroesse) bereich(a.groesseName, a.groesse, "");
  if (a.mitPermeabilitaet) bereich("AquiferPermeabilitaet", a.permeabilitaet, "mD");
  zeile("Messungen", static_cast<double>(a.messungen), "-");
  zeile("Angepasste Größen", static_cast<double>(a.parameter), "-");
  zeile("Student-t (95 %)", a.t, "-");
  zeile("Fehlerquadratsumme", a.s, "bar2");
  zeile("Mittlere Abweichung", a.rms, "bar");
  zeile("Geschlossener Speicher: Gasvorrat", a.gTank, "Mio m3");
  zeile("Geschlossener Speicher: mittlere Abweichung", a.rmsTank, "bar");
  zeile("F-Test: F", a.f, "-");
  zeile("F-Test: F (95 %)", a.fKritisch, "-");
  zeile("Vergleich", a.vergleich, "");
  if (!a.hinweis.empty()) zeile("Hinweis", a.hinweis, "");
  for (const AquiferDiagnosepunkt& p : a.punkte)
    punkte.zeilen.push_back({Datum(p.tag), p.gp, p.pzGemessen, Zahl(p.pzModell), p.we,
                             p.imDiagramm ? Exportwert(p.fEg) : Exportwert(), p.imDiagramm ? Exportwert(p.weEg) : Exportwert()});
  return {std::move(verlauf), std::move(werte), std::move(punkte)};
}

}  // namespace zelvor
