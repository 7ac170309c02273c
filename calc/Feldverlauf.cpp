#include "calc/Feldverlauf.h"

#include <algorithm>
#include <cmath>

namespace zelvor {
namespace {

// The index of the first row later than t (1 ≤ i < size for t inside the forecast).
std::size_t Folgezeile(const Bohrungsverlauf& v, double t) {
  return static_cast<std::size_t>(
      std::upper_bound(v.begin(), v.end(), t, [](double z, const Verlaufspunkt& p) { return z < p.jahre; }) -
      v.begin());
}

template <typename Wert>
double Interpoliert(const Bohrungsverlauf& v, double t, Wert wert) {
  const std::size_t i = Folgezeile(v, t);
  if (i == 0) return wert(v.front());
  if (i >= v.size()) return wert(v.back());
  const Verlaufspunkt& a = v[i - 1];
  const Verlaufspunkt& b = v[i];
  const double dt = b.jahre - a.jahre;
  if (!(dt > 0)) return wert(b);
  return wert(a) + (wert(b) - wert(a)) * (t - a.jahre) / dt;
}

// The round step (1, 2, 2.5 or 5 times a power of ten) next to wert: the smallest above it (aufwaerts)
// or the largest below it.
double RunderSchritt(double wert, bool aufwaerts) {
  const double zehnerpotenz = std::pow(10.0, std::floor(std::log10(wert)));
  const double faktoren[] = {1.0, 2.0, 2.5, 5.0, 10.0};
  if (aufwaerts) {
    for (double f : faktoren)
      if (f * zehnerpotenz >= wert * (1.0 - 1e-12)) return f * zehnerpotenz;
    return 10.0 * zehnerpotenz;
  }
  double schritt = zehnerpotenz;
  for (double f : faktoren)
    if (f * zehnerpotenz <= wert * (1.0 + 1e-12)) schritt = f * zehnerpotenz;
  return schritt;
}

}  // namespace

double RateZurZeit(const Bohrungsverlauf& v, double t) {
  if (v.empty() || t < v.front().jahre || t > v.back().jahre) return 0;
  return Interpoliert(v, t, [](const Verlaufspunkt& p) { return p.q; });
}

double LieferbarZurZeit(const Bohrungsverlauf& v, double t) {
  if (v.empty() || t < v.front().jahre || t > v.back().jahre) return 0;
  return Interpoliert(v, t, [](const Verlaufspunkt& p) { return p.qMax; });
}

double GpZurZeit(const Bohrungsverlauf& v, double t) {
  if (v.empty()) return 0;
  return Interpoliert(v, t, [](const Verlaufspunkt& p) { return p.gp; });
}

double LetzteAufgabe(const std::vector<const Bohrungsverlauf*>& verlaeufe) {
  double ende = 0;
  for (const Bohrungsverlauf* v : verlaeufe)
    if (v && !v->empty() && std::isfinite(v->back().jahre)) ende = std::max(ende, v->back().jahre);
  return ende;
}

std::vector<double> Zeitraster(double ende, std::size_t hoechstensSchritte) {
  std::vector<double> zeiten{0.0};
  if (!(ende > 0) || !std::isfinite(ende)) return zeiten;
  hoechstensSchritte = std::max<std::size_t>(hoechstensSchritte, 1);
  const double grenze = static_cast<double>(hoechstensSchritte);
  double schritt = 1.0;
  if (ende < 10.0) {
    schritt = RunderSchritt(ende / 10.0, false);  // at least 10 steps
  } else if (ende > grenze) {
    schritt = RunderSchritt(ende / grenze, true);  // at most the limit
  }
  for (std::size_t k = 1;; ++k) {
    const double t = static_cast<double>(k) * schritt;
    if (t >= ende * (1.0 - 1e-12)) break;
    zeiten.push_back(t);
  }
  zeiten.push_back(ende);
  return zeiten;
}

Feldverlauf FeldverlaufBerechnen(const std::vector<const Bohrungsverlauf*>& verlaeufe, const std::vector<double>& zeiten) {
  Feldverlauf f;
  f.jahre = zeiten;
  f.raten.assign(verlaeufe.size(), std::vector<double>(zeiten.size(), 0.0));
  f.rate.assign(zeiten.size(), 0.0);
  f.gpAbJetzt.assign(zeiten.size(), 0.0);
  f.gp.assign(zeiten.size(), 0.0);
  f.bohrungen.assign(zeiten.size(), 0);
  for (std::size_t b = 0; b < verlaeufe.size(); ++b) {
    if (!verlaeufe[b] || verlaeufe[b]->empty()) continue;
    const Bohrungsverlauf& v = *verlaeufe[b];
    for (std::size_t k = 0; k < zeiten.size(); ++k) {
      const double q = RateZurZeit(v, zeiten[k]);
      const double gp = GpZurZeit(v, zeiten[k]);
      f.raten[b][k] = q;
      f.rate[k] += q;
      f.gp[k] += gp;
      f.gpAbJetzt[k] += gp - v.front().gp;
      if (q > 0) ++f.bohrungen[k];
    }
  }
  return f;
}

}  // namespace zelvor
