#pragma once
// The deliverability analysis of a well, from the points of a complete evaluation run: the
// back-pressure equation Q = Cn·Δ^n, the LIT (Houpeurt/Forchheimer) equation Δ = a·Q + b·Q², and the
// run's own model (n = 1, the mean C-value). Δ in bar², Q in m3/h.
// A production well: Δ = pws² - pwf²; the open-flow potential (AOF) of each model at the initial and
// the current reservoir pressure, and the inflow curves (IPR) Q over pwf down to the atmosphere.
// An injection well: Δ = pwf² - pws², the run's sign; in place of the AOF the maximum injection rate at
// the maximum wellhead injection pressure p_max, where pwf² = B1·p_max² - (Q/(N·A1))², and injection
// curves Q over pwf from pws up to the pwf of p_max at Q = 0.
// A model that cannot be made says why in one German sentence; every number a model or pressure
// reports is finite.
#include <array>
#include <string>
#include <vector>

#include "calc/Laufdaten.h"

namespace zelvor {

inline constexpr double ATMOSPHAERENDRUCK = 1.01325;  // bar, the bottomhole pressure of open flow
// Below this coefficient of determination the points scatter too much for a fit to mean anything: a
// tenth of their spread unexplained already moves n by more than the range of 0.5 to 1.0 allows.
inline constexpr double MIN_BESTIMMTHEIT = 0.9;
// The physically sensible range of n: 1 for laminar, 0.5 for fully turbulent flow. A value that shows
// as 0.500 or 1.000 with three decimals counts as inside.
inline constexpr double N_MIN = 0.5;
inline constexpr double N_MAX = 1.0;
inline constexpr int IPR_STUETZSTELLEN = 41;  // points of an inflow curve, p_R down to the atmosphere

enum Liefermodell { MODELL_C_WERT, MODELL_GEGENDRUCK, MODELL_LIT, MODELL_ANZAHL };
enum Lagerstaettendruck { DRUCK_INITIAL, DRUCK_AKTUELL, DRUCK_ANZAHL };

// An evaluated rate line with Q > 0 and C > 0.
struct Lieferpunkt {
  double gp = 0, q = 0, pwf = 0, pws = 0;
  double delta = 0;  // pws² - pwf²
};

struct Modell {
  bool berechnet = false;  // the fit was made: its values are set (and finite)
  bool gueltig = false;    // and usable for AOF and IPR
  std::string meldung;     // why not, when not gueltig and the analysis reached the fits
};
struct CWertModell : Modell {
  double c = 0;  // m3/h per bar²
};
struct Gegendruckgleichung : Modell {
  double n = 0, cn = 0, r2 = 0;  // cn in m3/h per bar^(2n); r2 of log10 Q on log10 Δ
};
struct LitGleichung : Modell {
  double a = 0, b = 0, r2 = 0;  // a in bar²/(m3/h), b in bar²/(m3/h)²; r2 of the fitted Δ
};

struct Zuflusskurve {
  std::vector<double> pwf;  // bar, from p_R down to ATMOSPHAERENDRUCK
  std::vector<double> q;    // m3/h
};

struct Lieferfaehigkeit {
  bool injektion = false;  // aof and ipr hold the maximum injection rates and the injection curves
  double pMax = 0;         // injection: maximum wellhead injection pressure, bar
  std::vector<std::string> meldungen;  // why no model at all could be made, and notes on the pressures
  std::vector<Lieferpunkt> punkte;
  CWertModell cWert;
  Gegendruckgleichung gegendruck;
  LitGleichung lit;
  std::array<double, DRUCK_ANZAHL> druck{};  // p_R: the initial pressure, pws of the last evaluated line
  std::array<bool, DRUCK_ANZAHL> druckGueltig{};
  // By model and pressure; a value is set exactly where its model and its pressure are usable.
  std::array<std::array<bool, DRUCK_ANZAHL>, MODELL_ANZAHL> aofGueltig{};
  std::array<std::array<double, DRUCK_ANZAHL>, MODELL_ANZAHL> aof{};
  std::array<std::array<Zuflusskurve, DRUCK_ANZAHL>, MODELL_ANZAHL> ipr{};

  const Modell& ModellNr(int m) const;
  bool IrgendeinModell() const { return cWert.gueltig || gegendruck.gueltig || lit.gueltig; }
};

// pMax: the maximum wellhead injection pressure of an injection well (bar); 0 or less takes the
// initial reservoir pressure. A production well ignores it.
Lieferfaehigkeit LieferfaehigkeitBerechnen(const Laufdaten& lauf, double pMax = 0);

// "C-Wert-Modell", "Gegendruckgleichung", "LIT-Gleichung".
const char* Modellname(int modell);

// The rate each model gives for a drawdown Δ = p_R² - pwf² (bar²). The LIT form stays exact for b → 0.
double RateCWert(double c, double delta);
double RateGegendruck(double cn, double n, double delta);
double RateLit(double a, double b, double delta);

// The maximum injection rate of a model at p_max: the Q ≥ 0 with Δ(Q) = D - (Q/(N·A1))² on the model's
// curve, D = B1·p_max² - pws². 0 when D ≤ 0.
double InjektionsrateCWert(double c, double D, double nA1);
double InjektionsrateGegendruck(double cn, double n, double D, double nA1);
double InjektionsrateLit(double a, double b, double D, double nA1);

}  // namespace zelvor
