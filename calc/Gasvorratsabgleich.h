#pragma once
// The gas in place from the flowing data: the original gas in place G that makes the well's
// deliverability level over its life. For a trial G the run's own material balance gives P/Z and pws
// for every evaluated line, the model Q = C·(pws² - pwf²)^n its best C (least squares of the relative
// residuals), and S(G) their sum of squares. The match is the G that minimises S, with a 95 % interval
// from the profile of S. pwf comes from the run and does not depend on G. An injection well's pressure
// difference is pwf² - pws², the run's sign: for a storage the match checks the booked inventory.
#include <optional>
#include <string>
#include <vector>

#include "calc/Laufdaten.h"

namespace zelvor {

// The search reaches up to this many times the entered OGIP.
inline constexpr double ABGLEICH_SUCHFAKTOR = 100.0;
// Below this share of G* the rate lines' Gp span tells too little about depletion.
inline constexpr double ABGLEICH_MIN_SPANNE = 0.05;

struct AbgleichEingaben {
  double n = 1.0;                // exponent of the deliverability equation (1: the run's own model)
  bool gegendruck = false;       // n is the back-pressure fit's
  std::string gegendruckMeldung;  // why the asked-for back-pressure n is missing; refuses the match
};

// What the rate lines say at one trial G.
struct Abgleichwert {
  bool moeglich = false;  // every line has P/Z > 0 and pws > pwf (injection: pws < pwf)
  double s = 0;           // sum of squared relative residuals
  double c = 0;           // best C, m3/h per bar^(2n)
  double rms = 0;         // sqrt(S / m)
  double trend = 0;       // slope of the lines' own C-values Q/(pws² - pwf²)^n over Gp, per Mio m3
  double cMittel = 0;     // their mean
};

struct Abgleichpunkt {
  double gp = 0, q = 0, pwf = 0;
  double we = 0;  // the net water influx the run took for the line (an aquifer's, kept as G is varied)
};

struct Profilpunkt {
  double g = 0, s = 0;
};

struct Gasvorratsabgleich {
  std::string meldung;  // why no match was made (one German sentence); empty when it was
  bool injektion = false;
  double n = 1.0;
  bool gegendruck = false;
  double ogip = 0;               // entered, Mio m3
  double gMin = 0, gMax = 0;     // the search range
  std::vector<Abgleichpunkt> punkte;
  double gpSpanne = 0;           // Mio m3
  double g = 0, gUnten = 0, gOben = 0;  // G* and its 95 % interval
  Abgleichwert stern, unten, oben;      // at G*, G_lo, G_hi
  Abgleichwert eingabe;                 // at the entered OGIP (moeglich may be false there)
  double t = 0;                  // Student's t of m - 2 degrees of freedom
  double sGrenze = 0;            // S(G*)·(1 + t²/(m - 2))
  std::vector<Profilpunkt> profil;  // S over the search grid, feasible G only, ascending
  std::vector<Profilpunkt> fein;    // S densely around G* for the diagram, when Feinprofil filled it

  bool Gemacht() const { return meldung.empty(); }
};

// S and C at one trial G, for the profile plot and the tests. A production run's points with Q > 0.
Abgleichwert AbgleichBei(const Laufdaten& lauf, double n, double g);

Gasvorratsabgleich GasvorratAbgleichen(const Laufdaten& lauf, const AbgleichEingaben& e = {});

// Points of the dense profile around G*.
inline constexpr int ABGLEICH_FEINPUNKTE = 120;

// S of a made match at `punkte` even steps over its interval and half the interval's width on either
// side (within the search range), and at G* and the interval's ends themselves, ascending: a smooth
// curve where the scan's grid is coarse. Empty for a refused match.
std::vector<Profilpunkt> Feinprofil(const Laufdaten& lauf, const Gasvorratsabgleich& a, int punkte = ABGLEICH_FEINPUNKTE);

// P/Z of a line from its flowing data alone, with a C and n: pws² = pwf² + (Q/C)^(1/n) (injection:
// pwf² - (Q/C)^(1/n)), then P/Z with the run's gas properties. NaN when it cannot be computed.
double PZAusFliessdaten(const Laufdaten& lauf, const Abgleichpunkt& p, double c, double n);

}  // namespace zelvor
