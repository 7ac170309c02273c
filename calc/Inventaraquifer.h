#pragma once
// The inventory check of a storage with an aquifer model. The inventory a survey's P/Z implies is the
// gas that the pore space holds once the water that has moved by that day is taken out of it,
//     G - Gp = G·(P/Z)/pzi·(1 - ce·(pi - p))·(1 - (We - Wp)/(G/Bgi)),
// with We and Wp from the model's history over the dated rate lines and surveys. The water explains why
// the same inventory stands at a higher pressure after injection than after withdrawal, so the trend
// has one offset. A loss lowers the pressure and so draws more water in than the booked history does:
// the history is run again with the loss the trend has found (as gas that left the reservoir) until the
// trend stays put, and the rate's interval is widened by the share of a change in the loss that the
// water hides.
#include <vector>

#include "calc/Aquiferverlauf.h"
#include "calc/Inventarpruefung.h"

namespace zelvor {

struct Inventaraquifer {
  Gasbilanz gas;
  Aquiferdaten daten;
  std::vector<Aquiferereignis> zeilen;  // the rate lines the history runs along, with their booked Gp
};

// The most runs of the history before the loss and the influx are taken as not settling.
inline constexpr int INVENTAR_HOECHSTITERATIONEN = 60;

// As InventarPruefen, with the model's water at each survey in place of the run's constant influx.
Inventarpruefung InventarPruefenMitAquifer(const Laufdaten& lauf, std::vector<Inventarmessung> messungen,
                                           const std::vector<std::pair<Tag, double>>& verlauf,
                                           const Inventaraquifer& aquifer);

}  // namespace zelvor
