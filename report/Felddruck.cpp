#include "report/Felddruck.h"

#include "calc/Format.h"
#include "report/Feldtabelle.h"

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
  return teile;
}

}  // namespace zelvor
