#pragma once
// Proposal of the vertical pressure loss coefficients A1 and B1 from the well's geometry, temperatures,
// water-gas ratio and gas: the static gas column from the initial pressure up to the wellhead.
#include "calc/Gaseigenschaften.h"

#include <array>
#include <string>

namespace zelvor {

inline constexpr std::array<float, KOMPONENTEN> MOLMASSEN = {
    34.076f, 44.010f, 28.016f, 16.042f, 30.068f, 44.094f, 58.120f, 58.120f,
    72.146f, 72.146f, 86.172f, 100.198f, 114.224f, 128.25f, 142.276f};

struct A1B1Eingaben {
  std::array<float, KOMPONENTEN> komponenten{};  // mole %
  float temperatur = 0;      // reservoir, °C
  float kopftemperatur = 0;  // wellhead, °C
  float initialdruck = 0;    // bar, taken as the static bottomhole pressure
  float teufe = 0;           // reservoir depth H, m
  float bohrlochlaenge = 0;  // well length L, m
  float durchmesser = 0;     // tubing diameter D, cm
  float wgv = 0;             // water-gas ratio, l/1000 m3
};

struct A1B1Vorschlag {
  bool gueltig = false;
  // Why there is no proposal; empty when the input is refused without a word (water-gas ratio
  // outside 0 to 200, which the dialog's own validation reports).
  std::string meldung;
  double kopfdruck = 0;        // static wellhead pressure p_wh, bar
  double mittlererDruck = 0;   // p_m, bar
  double bodendruck = 0;       // p_res, bar
  double mittlereTemperatur = 0;  // T_m, °C
  double wgv = 0;
  double gasdichte = 0;        // kg/m3 at normal conditions
  double teufe = 0;
  double bohrlochlaenge = 0;
  double z = 0;                // mean Z-value
  double a1 = 0;
  double b1 = 0;
};

A1B1Vorschlag A1B1Berechnen(const A1B1Eingaben& e);

// The text of the proposal box; with the closing question when the user is to decide.
std::string A1B1Text(const A1B1Vorschlag& v, bool mitFrage);

}  // namespace zelvor
