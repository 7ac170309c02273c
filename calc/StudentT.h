#pragma once
// Quantiles of Student's t distribution, for confidence intervals of fitted values.

namespace zelvor {

// The two-sided 95 % quantile t(0.975; freiheitsgrade): 12.706 for 1, 2.228 for 10, towards 1.960 for
// many. 0 for fewer than 1 degree of freedom.
double StudentT95(int freiheitsgrade);

}  // namespace zelvor
