#pragma once
// The gas in place from shut-in pressure surveys: P/Z of each survey with the run's gas properties, and
// two fits over the surveys' (Gp, P/Z), each with a 95 % interval from Student's t.
// (a) The straight line P/Z = a - b·Gp, both free: OGIP = a/b. Its interval is the range of Gp at which
//     the line's 95 % confidence band holds P/Z = 0 (Fieller); a's interval says whether the line starts
//     at the initial P/Z.
// (b) The run's own material balance through the initial P/Z with the entered water influx, the gas in
//     place its only parameter: least squares over the surveys' P/Z, the interval from the profile of
//     the sum of squares, S(G) <= S(G*)·(1 + t²/(m - 1)), as the flowing match makes its own.
#include <optional>
#include <string>
#include <vector>

#include "calc/Datum.h"
#include "calc/Laufdaten.h"

namespace zelvor {

struct Schliessdruck {
  std::optional<Tag> datum;  // carried through to the points
  double gp = 0;      // Mio m3
  double druck = 0;   // bar
  bool kopf = false;  // a shut-in wellhead pressure: pws² = B1·pwh²
};

struct Messpunkt {
  std::optional<Tag> datum;
  double gp = 0, pws = 0, z = 0, pz = 0;
};

struct PZGerade {
  std::string meldung;  // why no line was fitted (one German sentence); empty when it was
  double a = 0, b = 0;  // P/Z = a - b·Gp, bar and bar per Mio m3
  double aUnten = 0, aOben = 0;
  double g = 0, gUnten = 0, gOben = 0;  // OGIP = a/b and its interval, Mio m3
  double r2 = 0;
  double t = 0;  // Student's t of m - 2 degrees of freedom
  // What the line's 95 % confidence band needs: the mean Gp, the Gp's sum of squares about it, the
  // residuals' variance and the number of points.
  double gpMittel = 0, sxx = 0, s2 = 0;
  std::size_t anzahl = 0;
  // Half the band's height at gp, bar: its edges are a - b·gp ± this. aUnten and aOben are its edges at
  // Gp = 0, gUnten and gOben where they reach P/Z = 0.
  double Bandhalbe(double gp) const;
  // The points bend upward away from the line (at least 4 points, a positive curvature that explains
  // most of the scatter): the sign of water influx or of an overpressured reservoir.
  bool aufwaerts = false;
  bool Gemacht() const { return meldung.empty(); }
};

struct PZBilanz {
  std::string meldung;
  double g = 0, gUnten = 0, gOben = 0;  // Mio m3
  double s = 0;                         // sum of squared P/Z residuals at g, bar²
  double t = 0;                         // Student's t of m - 1 degrees of freedom
  bool Gemacht() const { return meldung.empty(); }
};

struct Messbilanz {
  std::string meldung;  // why there is nothing at all (no run, a survey without P/Z); empty otherwise
  std::size_t messungen = 0;  // the surveys given
  double pzi = 0;
  std::vector<Messpunkt> punkte;
  PZGerade gerade;
  PZBilanz bilanz;
  bool Gemacht() const { return meldung.empty(); }
};

// The straight line through the points (x = Gp, y = P/Z).
PZGerade PZGeradeAnpassen(const std::vector<double>& gp, const std::vector<double>& pz);
// The material balance of the run through its initial P/Z, with G searched up to `gMax`.
PZBilanz PZBilanzAnpassen(const Laufdaten& lauf, const std::vector<double>& gp, const std::vector<double>& pz,
                          double gMax);

// P/Z of every survey with the run's Z and both fits.
Messbilanz MessbilanzBerechnen(const Laufdaten& lauf, const std::vector<Schliessdruck>& messungen);

}  // namespace zelvor
