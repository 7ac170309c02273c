#pragma once
// The deliverability analysis of a production well, from the points of a complete evaluation run: the
// back-pressure equation Q = Cn·Δ^n, the LIT (Houpeurt/Forchheimer) equation Δ = a·Q + b·Q², the
// open-flow potential (AOF) of these two and of the run's own model (n = 1, the mean C-value) at the
// initial and the current reservoir pressure, and the inflow curves (IPR) Q over pwf. Δ = pws² - pwf²
// in bar², Q in m3/h. A model that cannot be made says why in one German sentence; every number a model
// or pressure reports is finite.
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

Lieferfaehigkeit LieferfaehigkeitBerechnen(const Laufdaten& lauf);

// "C-Wert-Modell", "Gegendruckgleichung", "LIT-Gleichung".
const char* Modellname(int modell);

// The rate each model gives for a drawdown Δ = p_R² - pwf² (bar²). The LIT form stays exact for b → 0.
double RateCWert(double c, double delta);
double RateGegendruck(double cn, double n, double delta);
double RateLit(double a, double b, double delta);

}  // namespace zelvor
