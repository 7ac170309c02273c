#pragma once
// The small production well the forecast's tests share, a plateau forecast's settings, and the storage
// well of the storage tests.
#include <string>
#include <vector>

#include "calc/Auswertung.h"
#include "calc/Prognose.h"

namespace zelvor::beispiel {

// Pure methane, 100 °C, 200 bar, OGIP 1000, A1 = 100, B1 = 1.2: the line 100 / 1000 / 100 gives C = 0.050.
inline Laufdaten Lauf(bool injektion = false) {
  const std::vector<std::string> zeilen = {"100 1000 100"};
  AuswertungsEingaben e;
  e.komponenten[3] = 100.0f;
  e.temperatur = 100.0f;
  e.ogip = 1000.0f;
  e.initialdruck = 200.0f;
  e.a1 = 100.0;
  e.b1 = 1.2;
  e.bohrungsanzahl = 1;
  e.injektion = injektion;
  e.ratenzeilen = &zeilen;
  AuswertungsErgebnis r;
  Auswerten(e, r);
  return r.lauf;
}

// p_min 20 bar, a plateau at 1000 m3/h, abandonment at 200 m3/h, 10 steps.
inline PrognoseEingaben Plateau() {
  PrognoseEingaben e;
  e.pMin = 20;
  e.qPlan = 1000;
  e.qEnde = 200;
  e.schritte = 10;
  return e;
}

// A methane storage after injecting down to Gp 500: 62 °C, 182 bar initially, OGIP 1800, A1 = 1356.5,
// B1 = 1.24, two lines injected.
inline Laufdaten Speicher() {
  static const std::vector<std::string> zeilen = {"900 42000 134", "500 43000 165"};
  AuswertungsEingaben e;
  e.komponenten[3] = 100.0f;
  e.temperatur = 62.0f;
  e.ogip = 1800.0f;
  e.initialdruck = 182.0f;
  e.a1 = 1356.5;
  e.b1 = 1.24;
  e.bohrungsanzahl = 1;
  e.injektion = true;
  e.ratenzeilen = &zeilen;
  AuswertungsErgebnis r;
  Auswerten(e, r);
  return r.lauf;
}

}  // namespace zelvor::beispiel
