#include "calc/HurstEinfluss.h"

#include <array>
#include <boost/math/special_functions/bessel.hpp>
#include <cmath>
#include <map>
#include <memory>
#include <mutex>
#include <numbers>
#include <vector>

namespace zelvor {
namespace {

// Stehfest's weights for N = 12 terms: enough digits for a smooth, monotone W_D in double precision.
constexpr int STEHFEST_N = 12;

std::array<double, STEHFEST_N> StehfestGewichte() {
  std::array<double, STEHFEST_N> v{};
  const auto fak = [](int n) {
    double f = 1;
    for (int i = 2; i <= n; ++i) f *= i;
    return f;
  };
  const int h = STEHFEST_N / 2;
  for (int i = 1; i <= STEHFEST_N; ++i) {
    double s = 0;
    for (int k = (i + 1) / 2; k <= std::min(i, h); ++k)
      s += std::pow(k, h) * fak(2 * k) / (fak(h - k) * fak(k) * fak(k - 1) * fak(i - k) * fak(2 * k - i));
    v[i - 1] = ((i + h) % 2 == 0 ? 1.0 : -1.0) * s;
  }
  return v;
}

// The Laplace transform of W_D. Unbounded: K1(x)/(s^1.5·K0(x)) with x = √s. Closed at r_e = R·r_o:
// [I1(Rx)K1(x) - K1(Rx)I1(x)] / (s^1.5·[I0(x)K1(Rx) + K0(x)I1(Rx)]), divided through by I1(Rx) so that
// nothing overflows: the outer boundary's share K1(Rx)/I1(Rx) vanishes where Rx is large.
double WDLaplace(double s, double r) {
  namespace bm = boost::math;
  const double x = std::sqrt(s);
  const double k0 = bm::cyl_bessel_k(0, x), k1 = bm::cyl_bessel_k(1, x);
  const double nenner = s * x;
  if (!std::isfinite(r) || r * x > 600.0) return k1 / (nenner * k0);
  const double verhaeltnis = bm::cyl_bessel_k(1, r * x) / bm::cyl_bessel_i(1, r * x);
  const double i0 = bm::cyl_bessel_i(0, x), i1 = bm::cyl_bessel_i(1, x);
  return (k1 - verhaeltnis * i1) / (nenner * (i0 * verhaeltnis + k0));
}

// The grid: t_D from 1e-3 to 1e9, twenty points a decade, W_D interpolated in log-log (cubic Hermite).
constexpr double LOG_MIN = -3.0, LOG_MAX = 9.0;
constexpr int JE_DEKADE = 20;
constexpr int PUNKTE = static_cast<int>((LOG_MAX - LOG_MIN) * JE_DEKADE) + 1;

}  // namespace

double HurstWDGenau(double tD, double r) {
  if (!(tD > 0)) return 0.0;
  static const std::array<double, STEHFEST_N> gewichte = StehfestGewichte();
  const double a = std::numbers::ln2 / tD;
  double summe = 0;
  for (int i = 0; i < STEHFEST_N; ++i) summe += gewichte[i] * WDLaplace(a * (i + 1), r);
  return a * summe;
}

HurstTabelle::HurstTabelle(double r) : m_logWD(PUNKTE), m_ende(std::isfinite(r) ? (r * r - 1.0) / 2.0 : 0.0) {
  for (int i = 0; i < PUNKTE; ++i) {
    const double tD = std::pow(10.0, LOG_MIN + static_cast<double>(i) / JE_DEKADE);
    double w = HurstWDGenau(tD, r);
    // A closed aquifer's W_D never exceeds its rest value; the inversion's last digits may.
    if (m_ende > 0) w = std::min(w, m_ende);
    m_logWD[i] = std::log(std::max(w, 1e-300));
  }
}

double HurstTabelle::WD(double tD) const {
  if (!(tD > 0)) return 0.0;
  const double l = std::log10(tD);
  // Early: the short-time expansion, the same for every ratio; late, a closed aquifer is at rest.
  if (l < LOG_MIN) return 2.0 * std::sqrt(tD / std::numbers::pi) + tD / 2.0;
  if (l >= LOG_MAX) return m_ende > 0 ? m_ende : std::exp(m_logWD.back()) * (tD / 1e9) * (std::log(1e9) / std::log(tD));
  const double u = (l - LOG_MIN) * JE_DEKADE;
  const int i = std::min(static_cast<int>(u), PUNKTE - 2);
  const double f = u - i;
  // Catmull-Rom through the neighbours; one-sided at the ends.
  const auto y = [&](int k) { return m_logWD[std::clamp(k, 0, PUNKTE - 1)]; };
  const double y0 = y(i - 1), y1 = y(i), y2 = y(i + 1), y3 = y(i + 2);
  const double m1 = i > 0 ? (y2 - y0) / 2 : y2 - y1, m2 = i + 2 < PUNKTE ? (y3 - y1) / 2 : y2 - y1;
  const double f2 = f * f, f3 = f2 * f;
  const double w = std::exp((2 * f3 - 3 * f2 + 1) * y1 + (f3 - 2 * f2 + f) * m1 + (-2 * f3 + 3 * f2) * y2 +
                            (f3 - f2) * m2);
  return m_ende > 0 ? std::min(w, m_ende) : w;
}

std::shared_ptr<const HurstTabelle> HurstTabelleFuer(double r) {
  static std::mutex schutz;
  static std::map<double, std::shared_ptr<const HurstTabelle>> tabellen;
  const double schluessel = std::isfinite(r) ? r : -1.0;
  {
    std::lock_guard<std::mutex> sperre(schutz);
    auto it = tabellen.find(schluessel);
    if (it != tabellen.end()) return it->second;
  }
  auto neu = std::make_shared<const HurstTabelle>(r);
  std::lock_guard<std::mutex> sperre(schutz);
  // A fit tries many ratios: the oldest go when too many are kept (whoever holds one keeps it alive).
  if (tabellen.size() >= 256) tabellen.erase(tabellen.begin());
  return tabellen.emplace(schluessel, std::move(neu)).first->second;
}

double HurstWD(double tD, double r) { return HurstTabelleFuer(r)->WD(tD); }

}  // namespace zelvor
