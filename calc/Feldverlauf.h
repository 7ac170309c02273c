#pragma once
// The deliverability of a field over time: every production well follows its own forecast, and at
// common times (years from now) the field's rate is the sum of the wells' rates, until the last well is
// abandoned. A well's rate and Gp between two of its forecast's rows are interpolated linearly in time;
// after its last row (the abandonment) it delivers nothing.
#include <cstddef>
#include <vector>

namespace zelvor {

// One row of a well's forecast: the time from now, its cumulative production, its rate and the rate it
// could deliver at its minimum wellhead pressure (at least q).
struct Verlaufspunkt {
  double jahre = 0;  // years from now
  double gp = 0;     // Mio m3
  double q = 0;      // m3/h
  double qMax = 0;   // m3/h
};
using Bohrungsverlauf = std::vector<Verlaufspunkt>;  // ascending in time; empty: no forecast

// A well at time t: its rate (0 before the first and after the last row) and its Gp (the first row's
// before, the last row's after).
double RateZurZeit(const Bohrungsverlauf& v, double t);
double GpZurZeit(const Bohrungsverlauf& v, double t);
// Its deliverable rate at time t, 0 outside its rows as the rate.
double LieferbarZurZeit(const Bohrungsverlauf& v, double t);

// The time at which the last well is abandoned (0 without any forecast).
double LetzteAufgabe(const std::vector<const Bohrungsverlauf*>& verlaeufe);

// Common times from 0 to ende: a round step (1 year where that gives between 10 and 100 steps, else a
// finer or coarser one of 1, 2, 2.5 or 5 times a power of ten) and ende itself as the last time.
std::vector<double> Zeitraster(double ende, std::size_t hoechstensSchritte = 100);

struct Feldverlauf {
  std::vector<double> jahre;
  std::vector<std::vector<double>> raten;  // [well][time], in the order of the wells given
  std::vector<double> rate;                // the field's rate, m3/h
  std::vector<double> gpAbJetzt;           // the field's production from now on, Mio m3
  std::vector<double> gp;                  // the wells' cumulative production together, Mio m3
  std::vector<int> bohrungen;              // wells still producing
};

Feldverlauf FeldverlaufBerechnen(const std::vector<const Bohrungsverlauf*>& verlaeufe, const std::vector<double>& zeiten);

}  // namespace zelvor
