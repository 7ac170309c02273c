#include "calc/Arps.h"

#include <algorithm>
#include <cmath>

namespace zelvor {
namespace {

constexpr double KLEIN = 1e-9;

// The plain hyperbolic (no terminal decline) with the exponential and the harmonic as its limits.
double RateH(double qi, double di, double b, double t) {
  if (b < KLEIN) return qi * std::exp(-di * t);
  return qi * std::exp(-std::log1p(b * di * t) / b);
}

double KumuliertH(double qi, double di, double b, double t) {
  if (t <= 0 || di <= 0) return qi * std::max(t, 0.0);
  const double q = RateH(qi, di, b, t);
  if (b < KLEIN) return (qi - q) / di;
  if (std::fabs(b - 1.0) < KLEIN) return qi / di * std::log(qi / q);
  // qi^b / ((1 − b)·Di) · (qi^(1−b) − q^(1−b)), written as qi/((1−b)Di) · (1 − (q/qi)^(1−b)).
  return qi / ((1.0 - b) * di) * (1.0 - std::pow(q / qi, 1.0 - b));
}

std::optional<double> JahreBisH(double qi, double di, double b, double q) {
  if (q >= qi) return 0.0;
  if (q <= 0 || di <= 0) return std::nullopt;
  if (b < KLEIN) return std::log(qi / q) / di;
  return std::expm1(b * std::log(qi / q)) / (b * di);
}

}  // namespace

std::string RueckgangsmodellName(Rueckgangsmodell m) {
  switch (m) {
    case Rueckgangsmodell::Exponentiell: return "exponentiell";
    case Rueckgangsmodell::Harmonisch: return "harmonisch";
    case Rueckgangsmodell::Hyperbolisch: return "hyperbolisch";
    case Rueckgangsmodell::Modifiziert: return "modifiziert";
  }
  return "hyperbolisch";
}

std::optional<Rueckgangsmodell> RueckgangsmodellAusName(const std::string& name) {
  for (int i = 0; i < RUECKGANGSMODELL_ANZAHL; ++i) {
    const auto m = static_cast<Rueckgangsmodell>(i);
    if (RueckgangsmodellName(m) == name) return m;
  }
  return std::nullopt;
}

std::string RueckgangsmodellText(Rueckgangsmodell m) {
  switch (m) {
    case Rueckgangsmodell::Exponentiell: return "exponentiell (b = 0)";
    case Rueckgangsmodell::Harmonisch: return "harmonisch (b = 1)";
    case Rueckgangsmodell::Hyperbolisch: return "hyperbolisch (b angepasst)";
    case Rueckgangsmodell::Modifiziert: return "modifiziert hyperbolisch (mit Endabfall)";
  }
  return "";
}

double NominalAusEffektiv(double effektiv) { return -std::log1p(-effektiv); }

std::optional<double> Arps::Wechsel() const {
  if (dTerminal <= 0) return std::nullopt;
  if (di <= dTerminal) return 0.0;
  if (b < KLEIN) return std::nullopt;
  return (di / dTerminal - 1.0) / (b * di);
}

double Arps::Rate(double t) const {
  const std::optional<double> w = Wechsel();
  if (!w || t <= *w) return RateH(qi, di, b, t);
  return RateH(qi, di, b, *w) * std::exp(-dTerminal * (t - *w));
}

double Arps::Kumuliert(double t) const {
  const std::optional<double> w = Wechsel();
  if (!w || t <= *w) return KumuliertH(qi, di, b, t);
  const double qw = RateH(qi, di, b, *w);
  return KumuliertH(qi, di, b, *w) + qw / dTerminal * -std::expm1(-dTerminal * (t - *w));
}

std::optional<double> Arps::JahreBis(double q) const {
  const std::optional<double> w = Wechsel();
  if (!w) return JahreBisH(qi, di, b, q);
  const double qw = RateH(qi, di, b, *w);
  if (q >= qw) return JahreBisH(qi, di, b, q);
  if (q <= 0) return std::nullopt;
  return *w + std::log(qw / q) / dTerminal;
}

}  // namespace zelvor
