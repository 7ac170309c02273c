#pragma once
// Arps' decline curves of a production well's rate over time: q(t) = qi / (1 + b·Di·t)^(1/b), with b = 0
// the exponential and b = 1 the harmonic decline; the modified hyperbolic turns exponential where its
// decline has fallen to a terminal one. Time in years of 365 days, rates in m3/h, so that a rate times
// years is a volume in m3/h·a (CumulativeMio turns it into Mio m3).
#include <cstdint>
#include <optional>
#include <string>

namespace zelvor {

// Stored as these numbers in the well file: never renumber.
enum class Rueckgangsmodell : std::int32_t { Exponentiell = 0, Harmonisch = 1, Hyperbolisch = 2, Modifiziert = 3 };
inline constexpr int RUECKGANGSMODELL_ANZAHL = 4;

// "exponentiell", "harmonisch", "hyperbolisch", "modifiziert", as files and the command line name them.
std::string RueckgangsmodellName(Rueckgangsmodell m);
std::optional<Rueckgangsmodell> RueckgangsmodellAusName(const std::string& name);
// As the texts name it ("hyperbolisch (b angepasst)").
std::string RueckgangsmodellText(Rueckgangsmodell m);

inline constexpr double STUNDEN_JE_JAHR_ARPS = 24.0 * 365.0;

// The nominal decline (1/a) of an effective annual one (a fraction): the exponential decline that loses
// that fraction in a year.
double NominalAusEffektiv(double effektiv);

struct Arps {
  double qi = 0;             // m3/h at t = 0
  double di = 0;             // nominal decline at t = 0, 1/a
  double b = 0;              // 0 ... 2
  double dTerminal = 0;      // nominal terminal decline, 1/a; 0: none (the plain hyperbolic)

  // The years after which the decline has fallen to dTerminal (0 when it starts there or below; never
  // for b = 0 above it).
  std::optional<double> Wechsel() const;
  double Rate(double jahre) const;
  // The volume produced from t = 0 to `jahre`, m3/h·a.
  double Kumuliert(double jahre) const;
  // The years until the rate falls to q; nothing when it never does (q ≥ qi gives 0).
  std::optional<double> JahreBis(double q) const;
};

// m3/h·a as Mio m3.
inline double MioM3(double rateMalJahre) { return rateMalJahre * STUNDEN_JE_JAHR_ARPS / 1e6; }

}  // namespace zelvor
