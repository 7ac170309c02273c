#include "export/Feldexport.h"

#include <algorithm>

#include "report/Feldtabelle.h"

namespace zelvor {

std::vector<Exporttabelle> FeldTabellen(const Feldergebnis& f) {
  Exporttabelle bohrungen{"Feldbohrungen", {}, {}};
  const std::vector<Feldspalte> spalten = Feldspalten();
  for (Feldspalte s : spalten) bohrungen.spalten.push_back({FeldspalteAngabe(s).titel, std::max(FeldspalteAngabe(s).stellen, 0)});
  for (const Feldbohrung& b : f.bohrungen) {
    std::vector<Exportwert> zeile;
    for (Feldspalte s : spalten) {
      if (FeldspalteAngabe(s).stellen < 0) {
        zeile.emplace_back(FeldZelle(b, s));
      } else if (const auto wert = FeldWert(b, s)) {
        zeile.emplace_back(*wert);
      } else {
        zeile.emplace_back(std::monostate{});
      }
    }
    bohrungen.zeilen.push_back(std::move(zeile));
  }
  Exporttabelle verlauf{"Feldverlauf",
                        {{"Jahre", 2},
                         {"Feldrate (m3/h)", 0},
                         {"Förderung ab jetzt (Mio m3)", 1},
                         {"Gp Feld (Mio m3)", 1},
                         {"Bohrungen in Förderung", 0}},
                        {}};
  const Feldverlauf& v = f.verlauf;
  if (f.stand) verlauf.spalten.push_back({"Datum", 0});
  for (std::size_t k = 0; k < v.jahre.size(); ++k) {
    verlauf.zeilen.push_back({v.jahre[k], v.rate[k], v.gpAbJetzt[k], v.gp[k], static_cast<double>(v.bohrungen[k])});
    if (!f.stand) continue;
    const std::optional<Tag> t = TagNachJahren(*f.stand, v.jahre[k]);
    verlauf.zeilen.back().push_back(t ? Exportwert(DatumText(*t)) : Exportwert());
  }
  return {std::move(bohrungen), std::move(verlauf)};
}

}  // namespace zelvor
