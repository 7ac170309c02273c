#include "calc/StudentT.h"

#include <array>
#include <cstddef>

namespace zelvor {

double StudentT95(int freiheitsgrade) {
  // The printed tables' values up to 30; beyond, the Cornish-Fisher series in 1/ν, within 1e-4.
  static constexpr std::array<double, 30> TABELLE = {
      12.7062, 4.3027, 3.1824, 2.7764, 2.5706, 2.4469, 2.3646, 2.3060, 2.2622, 2.2281,
      2.2010,  2.1788, 2.1604, 2.1448, 2.1314, 2.1199, 2.1098, 2.1009, 2.0930, 2.0860,
      2.0796,  2.0739, 2.0687, 2.0639, 2.0595, 2.0555, 2.0518, 2.0484, 2.0452, 2.0423};
  if (freiheitsgrade < 1) return 0.0;
  if (freiheitsgrade <= static_cast<int>(TABELLE.size())) return TABELLE[static_cast<std::size_t>(freiheitsgrade - 1)];
  constexpr double z = 1.959963984540054;
  const double z2 = z * z, nu = freiheitsgrade;
  return z + (z2 + 1) * z / (4 * nu) + ((5 * z2 + 16) * z2 + 3) * z / (96 * nu * nu) +
         (((3 * z2 + 19) * z2 + 17) * z2 - 15) * z / (384 * nu * nu * nu);
}

}  // namespace zelvor
