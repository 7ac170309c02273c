#pragma once
// The decline analysis ("Förderrückgang") of a production well's dated rate lines: an Arps curve fitted
// by least squares to the logarithms of the rates, so that every line counts with its relative error
// (the rates span orders of magnitude, and their scatter grows with them); each parameter with its 95 %
// interval (Student's t); and to an economic limit rate the remaining volume, the end date and the EUR,
// each with its interval from the parameters' covariance.
#include <optional>
#include <string>
#include <vector>

#include "calc/Arps.h"
#include "calc/Datum.h"

namespace zelvor {

struct Rueckgangspunkt {
  int zeile = 0;  // the rate line's number, from 1
  Tag datum = 0;
  double gp = 0;  // Mio m3
  double q = 0;   // m3/h
};

struct RueckgangEingaben {
  Rueckgangsmodell modell = Rueckgangsmodell::Hyperbolisch;
  std::optional<Tag> ab;  // the fitted period's start; nothing: the end of the last plateau
  double qGrenze = 500;   // economic limit, m3/h
  double endabfall = 0.06;  // the modified hyperbolic's terminal decline, effective per year (a fraction)
  std::vector<int> ausreisser;  // line numbers left out of the fit
  bool injektion = false;
  // Least squares on ln q; false: on q itself (only to show that the logarithms fit better).
  bool logarithmisch = true;
};

// A value with its 95 % interval. Without an interval (too few degrees of freedom, parameters that the
// rates do not determine) unten and oben equal the value and `bereich` is false.
struct Schaetzwert {
  double wert = 0, unten = 0, oben = 0;
  bool bereich = false;
};

struct Rueckgang {
  std::string meldung;  // why there is no fit (one German sentence); empty when there is
  RueckgangEingaben eingaben;
  std::vector<Rueckgangspunkt> punkte;  // every dated line with Q > 0, by date
  std::vector<bool> angepasst;          // per point: it belongs to the fit
  Tag start = 0;                        // t = 0 of the curve: the first fitted line's date
  bool startAusPlateau = false;         // the start is the end of a plateau found in the rates
  int ausgelassen = 0;                  // points of the period left out as outliers
  int anzahl = 0;                       // points fitted
  Arps kurve;
  Schaetzwert qi, di, b;                // m3/h, 1/a nominal, -
  Schaetzwert effektiv;                 // the first year's effective decline 1 − q(1)/qi, a fraction
  double streuung = 0;                  // root mean square of the residuals (of ln q)
  // The history's last dated line: where the remaining volume begins.
  Tag letzterTag = 0;
  double gpLetzte = 0;  // Mio m3
  // At the limit. grenzeErreicht false: the limit lies beyond the calendar (or the rate is already
  // below it); the volumes then count to the calendar's end.
  bool grenzeErreicht = false;
  bool schonUnterGrenze = false;  // the fitted rate at the last date is at or below the limit
  Schaetzwert rest, eur;          // Mio m3
  Schaetzwert jahre;              // from the curve's start to the limit
  std::optional<Tag> ende, endeFrueh, endeSpaet;  // nothing: beyond 31.12.2199

  bool Gemacht() const { return meldung.empty(); }
};

// Years from `start` to `t` (365 days a year, as the forecast counts).
inline double JahreZwischen(Tag start, Tag t) { return (static_cast<double>(t) - start) / 365.0; }

// The last line of the last plateau among the points (sorted by date, outliers out): a run of at least six
// lines spanning half a year whose rates stay within ±5 % of their middle, reached from below or level
// (the three lines before it are not higher: a pause in a decline is no plateau), after which the rate
// falls below 75 % of it; nothing when there is none.
std::optional<std::size_t> PlateauEnde(const std::vector<Rueckgangspunkt>& punkte);

Rueckgang RueckgangAnpassen(std::vector<Rueckgangspunkt> punkte, const RueckgangEingaben& e);

}  // namespace zelvor
