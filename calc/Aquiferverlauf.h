#pragma once
// The reservoir's pressure history with an aquifer: from the start of production, step by step in time,
// the material balance
//     P/Z·(1 - ce·(pi - p)) = pzi·(1 - Gp/G) / (1 - (We - Wp·Bw)/(G/Bgi))
// solved together with the aquifer's influx We, whose boundary pressure is the balance's own p. The steps
// are the days of the dated rate lines and surveys, with steps of at most a quarter between them (Gp
// there by the calendar between its neighbours). The pot model needs no time: each line on its own.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "calc/Aquiferdaten.h"
#include "calc/Aquiferzufluss.h"
#include "calc/Datum.h"
#include "calc/Gaseigenschaften.h"

namespace zelvor {

// The water's compressibility in the gas zone's pore-volume term, 1/bar; Bw is taken as 1.
inline constexpr double WASSER_KOMPRESSIBILITAET = 4.35e-5;
// The longest step between two dated points, days.
inline constexpr double AQUIFER_HOECHSTSCHRITT = 91.3125;
// Points of a history at most (dated lines and surveys); more refuse the computation.
inline constexpr std::size_t AQUIFER_HOECHSTPUNKTE = 5000;

// The gas's part of the balance: what a run computed before its lines.
struct Gasbilanz {
  double initialdruck = 0;  // bar
  double pzi = 0;           // bar
  double bgi = 0;           // standard volumes per reservoir volume, as the run prints it
  double pca = 0;
  HallYarborough koeffizienten;
};

// A point of the history: a dated rate line or survey (the pot also takes undated ones).
struct Aquiferereignis {
  std::optional<Tag> tag;
  double gp = 0;  // Mio m3
};

struct Aquiferzustand {
  std::optional<Tag> tag;
  double gp = 0;
  double p = 0;       // reservoir pressure, bar
  double pz = 0;      // its P/Z, bar
  double we = 0;      // cumulative influx, Mio m3
  double wp = 0;      // produced water, Mio m3
  double pa = 0;      // the aquifer's mean pressure, bar (NaN unbounded)
};

// Where a history's computation stands after its last step, so that it can be carried on in time.
struct Aquiferende {
  Aquiferzufluss zufluss;
  double t = 0;          // days since the start of production
  double gp = 0, p = 0;  // Mio m3, bar
  double entnommen = 0;  // the gas withdrawn so far (the produced water follows it), Mio m3
};

struct Aquiferverlauf {
  std::string meldung;          // why there is no history (one German sentence); empty when there is
  Tag beginn = 0;               // the start of production (models with time)
  bool beginnGeschaetzt = false;  // from the first two dated lines, not from the setting
  std::vector<Aquiferzustand> punkte;  // per event, in the order given
  std::vector<Aquiferzustand> schritte;  // every step of the computation, in time
  std::shared_ptr<const Aquiferende> ende;  // after the last step
  bool Gemacht() const { return meldung.empty(); }
};

// The influx's share in the balance, ce = (cf + cw·Swc)/(1 - Swc).
double EffektiveKompressibilitaet(const Aquiferdaten& a);

// The start of production: the setting, or where the first two dated points with rising Gp extrapolate
// to Gp = 0 (at the earliest point itself when it holds Gp ≤ 0). Nothing when neither exists.
std::optional<Tag> FoerderbeginnAus(const Aquiferdaten& a, const std::vector<Aquiferereignis>& ereignisse,
                                    bool* geschaetzt = nullptr);

// The history for gas in place g (Mio m3).
Aquiferverlauf AquiferverlaufBerechnen(const Gasbilanz& gas, double g, const Aquiferdaten& a,
                                       const std::vector<Aquiferereignis>& ereignisse);

// The pressure at Gp whose P/Z meets the influx we(p) that the same pressure allows, with wp of produced
// water, searched from schaetzung (the last step's pressure). NaN when the balance has no solution.
double BilanzLoesen(const Gasbilanz& gas, double g, double gp, double ce, double wp, Aquiferzufluss::Affin we,
                    double schaetzung);

// P/Z and pressure of the balance at Gp with a given net influx (We - Wp) and ce, without a model: the
// closed tank with ce = 0 and the influx 0. NaN when it has no solution.
double BilanzDruck(const Gasbilanz& gas, double g, double gp, double ce, double weNetto);

}  // namespace zelvor
