#pragma once
// The balance with an aquifer carried on in time past its history: the forecasts and the storage
// operations step on from the state the dated history reached, the influx and the aquifer's pressure
// carried over, not started again.
#include <optional>
#include <string>
#include <vector>

#include "calc/Aquiferverlauf.h"

namespace zelvor {

struct Aquiferstand {
  double t = 0;           // days since the start of production
  double gp = 0;          // Mio m3
  double p = 0;           // reservoir pressure, bar; NaN where the balance has no solution
  double pz = 0;          // bar
  double we = 0, wp = 0;  // cumulative influx and produced water, Mio m3
  double entnommen = 0;   // the gas withdrawn so far, Mio m3 (injection does not lower it)
};

class Aquiferfortschreibung {
 public:
  Aquiferfortschreibung(const Gasbilanz& gas, double g, const Aquiferdaten& a, const Aquiferende& ende);

  // The state tage days after the current one with Gp gp, without taking the step.
  Aquiferstand Probe(double tage, double gp) const;
  // Takes a step that Probe made from the current state.
  void Annehmen(const Aquiferstand& s);
  const Aquiferstand& Stand() const { return m_stand; }
  // The aquifer's mean pressure now (NaN when unbounded).
  double Aquiferdruck() const { return m_zufluss.Aquiferdruck(); }
  double Gasvorrat() const { return m_g; }

 private:
  Gasbilanz m_gas;
  double m_g = 0, m_ce = 0, m_wgv = 0;
  Aquiferzufluss m_zufluss;
  Aquiferstand m_stand;
  // The influx's preview of the last day asked: the steps of a forecast ask the same day twice, and
  // van Everdingen-Hurst's sum runs over the whole history.
  mutable double m_vorschauTag = -1;
  mutable Aquiferzufluss::Affin m_vorschau;
};

// Where the history stands on the day start with Gp gpStart: it runs over the points dated before that
// day, then over (start, gpStart) itself. The pot needs no date. A reason in `meldung` when the history
// cannot be computed.
struct Aquiferstart {
  std::string meldung;
  std::optional<Aquiferfortschreibung> fortschreibung;
  Tag beginn = 0;  // the start of production (models with time)
  bool beginnGeschaetzt = false;
  bool Gemacht() const { return meldung.empty() && fortschreibung.has_value(); }
};
Aquiferstart AquiferstartBei(const Gasbilanz& gas, double g, const Aquiferdaten& a,
                             const std::vector<Aquiferereignis>& ereignisse, std::optional<Tag> start, double gpStart);

}  // namespace zelvor
