#include "report/Felddruck.h"

#include "calc/Format.h"
#include "report/Feldtabelle.h"
#include "report/Standortspeichertext.h"

namespace zelvor {

std::vector<Druckteil> FeldDruckteile(const Feldergebnis& f, std::size_t zeichen) {
  std::vector<Druckspalte> bohrungen;
  for (Feldspalte s : Feldspalten()) {
    Druckspalte d{FeldspalteAngabe(s).titel, {}, FeldspalteAngabe(s).stellen >= 0, false};
    d.fliesstext = s == Feldspalte::Datei || s == Feldspalte::Bemerkung;
    for (const Feldbohrung& b : f.bohrungen) d.zellen.push_back(FeldAnzeigezelle(b, s));
    // The well's name leads every part, a long one over two or more lines so that the part keeps room.
    if (s == Feldspalte::Bohrung) {
      d.hoechstens = FELDDRUCK_NAME_ZEICHEN;
      bohrungen.insert(bohrungen.begin(), std::move(d));
    } else {
      bohrungen.push_back(std::move(d));
    }
  }
  std::vector<Druckteil> teile = DrucktabelleTeilen(bohrungen, 1, zeichen);

  const Feldverlauf& v = f.verlauf;
  if (v.jahre.size() > 1) {
    std::vector<Druckspalte> verlauf = {{"Jahre", {}}};
    if (f.stand) verlauf.push_back({"Datum", {}});
    const std::size_t schluessel = verlauf.size();
    for (const char* titel : {"Feldrate (m3/h)", "Förderung ab jetzt (Mio m3)", "Gp Feld (Mio m3)", "Bohrungen in Förderung"})
      verlauf.push_back({titel, {}});
    for (std::size_t k = 0; k < v.jahre.size(); ++k) {
      std::size_t i = 0;
      verlauf[i++].zellen.push_back(Formatiere("%.2f", v.jahre[k]));
      if (f.stand) {
        const std::optional<Tag> t = TagNachJahren(*f.stand, v.jahre[k]);
        verlauf[i++].zellen.push_back(t ? DatumText(*t) : "-");
      }
      verlauf[i++].zellen.push_back(Formatiere("%.0f", v.rate[k]));
      verlauf[i++].zellen.push_back(Formatiere("%.1f", v.gpAbJetzt[k]));
      verlauf[i++].zellen.push_back(Formatiere("%.1f", v.gp[k]));
      verlauf[i++].zellen.push_back(Formatiere("%d", v.bohrungen[k]));
    }
    for (Druckteil& t : DrucktabelleTeilen(verlauf, schluessel, zeichen)) teile.push_back(std::move(t));
  }

  // The site's storage year, weekly and on its target days, led by the date.
  const Standortspeicherjahr& s = f.speicherjahr;
  if (s.Gemacht() && !s.tage.empty()) {
    std::vector<Druckspalte> tage = {{"Datum", {}}};
    for (const char* titel : {"Füllstand (%)", "Inventar (Mio m3)", "Gas im Speicher (Mio m3)", "Einspeisung (m3/h)",
                              "Ausspeisung (m3/h)"})
      tage.push_back({titel, {}});
    for (std::size_t k = 0; k < s.tage.size(); ++k) {
      if (!StandorttagWoechentlich(s, k)) continue;
      const Standorttag& d = s.tage[k];
      tage[0].zellen.push_back(DatumText(d.tag));
      tage[1].zellen.push_back(Formatiere("%.1f", 100.0 * d.fuellgrad));
      tage[2].zellen.push_back(Formatiere("%.1f", d.inventar));
      tage[3].zellen.push_back(Formatiere("%.1f", d.gasImSpeicher));
      tage[4].zellen.push_back(Formatiere("%.1f", d.einspeisung));
      tage[5].zellen.push_back(Formatiere("%.1f", d.ausspeisung));
    }
    for (Druckteil& t : DrucktabelleTeilen(tage, 1, zeichen)) teile.push_back(std::move(t));
  }
  return teile;
}

}  // namespace zelvor
