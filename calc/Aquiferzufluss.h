#pragma once
// The water that an aquifer has pushed into the reservoir, step by step in time along the pressure at
// their boundary. Units of the program: bar, days, Mio m3 of water at reservoir conditions.
// - pot: We = ct·Wa·(pi - p), no time;
// - Fetkovich (pseudo-steady state): over a step of dt at the mean boundary pressure p̄,
//   ΔWe = Wei/pi·(p̄a - p̄)·(1 - exp(-J·pi·dt/Wei)), p̄a = pi·(1 - We/Wei);
// - van Everdingen-Hurst: We(t_n) = U·Σ Δp_j·W_D(t_Dn - t_Dj) with the usual steps Δp_0 = (pi - p_1)/2,
//   Δp_j = (p_(j-1) - p_(j+1))/2.
#include <memory>
#include <vector>

#include "calc/Aquiferdaten.h"
#include "calc/HurstEinfluss.h"

namespace zelvor {

// Darcy's law in the program's units: m3/d through 1 m2 over 1 m at 1 bar, for 1 mD and 1 mPa·s.
inline constexpr double DARCY_TAG = 8.5270e-3;

// What the models need, made from the settings and the initial pressure.
struct Aquiferkennwerte {
  Aquifermodell modell = Aquifermodell::Keiner;
  double pi = 0;        // bar
  double ctWa = 0;      // pot: Mio m3 per bar
  double wei = 0;       // Fetkovich: the most water the aquifer can give, down to 0 bar, Mio m3
  double j = 0;         // Fetkovich: Mio m3 per day and bar
  double u = 0;         // van Everdingen-Hurst: Mio m3 per bar
  double tdJeTag = 0;   // van Everdingen-Hurst: t_D of one day
  double red = 0;       // van Everdingen-Hurst: r_e/r_o, infinite when unbounded
  double wasser = 0;    // the aquifer's water, Mio m3 (infinite when unbounded)
};
Aquiferkennwerte AquiferkennwerteAus(const Aquiferdaten& a, double pi);

// One Fetkovich step: the influx of a step of dt days at the mean boundary pressure pQuer, starting
// from the mean aquifer pressure paQuer.
double FetkovichSchritt(const Aquiferkennwerte& k, double paQuer, double pQuer, double dt);

// The influx of one model along the times and boundary pressures it is given, in order.
class Aquiferzufluss {
 public:
  explicit Aquiferzufluss(const Aquiferkennwerte& k);

  // We at day t (after the last accepted step), as a + b·p of the boundary pressure p at t.
  struct Affin {
    double a = 0, b = 0;
    double Bei(double p) const { return a + b * p; }
  };
  Affin Vorschau(double t) const;
  // Takes the step to day t with boundary pressure p; with the preview of day t when the caller has it.
  void Annehmen(double t, double p);
  void Annehmen(double t, double p, const Affin& vorschau);

  double We() const { return m_we; }
  // The aquifer's mean pressure: the boundary's for the pot, Fetkovich's p̄a, for van Everdingen-Hurst
  // what its water's expansion implies; NaN for an unbounded aquifer.
  double Aquiferdruck() const;

 private:
  Aquiferkennwerte m_k;
  double m_we = 0;
  double m_t = 0, m_p = 0;  // the last step
  std::vector<double> m_tD, m_druck;  // van Everdingen-Hurst: every step's t_D and pressure
  std::vector<double> m_dp;           // its Δp_j where known (all but the last step's)
  std::shared_ptr<const HurstTabelle> m_wd;
};

}  // namespace zelvor
