#pragma once
// Van Everdingen and Hurst's dimensionless cumulative influx W_D(t_D) of a radial aquifer at constant
// terminal pressure: the aquifer unbounded (r_e/r_o infinite) or closed at r_e. Their Laplace-space
// solution, inverted numerically (Stehfest), tabulated per radius ratio on a logarithmic grid of t_D and
// interpolated from there, so that a superposition over hundreds of steps costs little.
#include <memory>
#include <vector>

namespace zelvor {

// W_D of one radius ratio on the grid, interpolated.
class HurstTabelle {
 public:
  explicit HurstTabelle(double radienverhaeltnis);
  double WD(double tD) const;

 private:
  std::vector<double> m_logWD;  // ln W_D at the grid's points
  double m_ende = 0;            // W_D of a closed aquifer at rest, (R² - 1)/2; 0 unbounded
};

// The table of a ratio, made on first use and kept (a few hundred ratios at most), for any thread.
std::shared_ptr<const HurstTabelle> HurstTabelleFuer(double radienverhaeltnis);

// W_D at t_D from the Laplace-space solution itself (slow: for the tables and the tests).
double HurstWDGenau(double tD, double radienverhaeltnis);

// W_D at t_D, from the table of the radius ratio (made on first use and kept, for any thread).
double HurstWD(double tD, double radienverhaeltnis);

}  // namespace zelvor
