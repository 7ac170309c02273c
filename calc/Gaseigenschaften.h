#pragma once
// Gas properties of a natural gas from its composition: pseudo-critical values (Kay's rule with the
// Wichert-Aziz correction for H2S and CO2) and the Z-factor (Hall-Yarborough).
// Callers use bar and °C; inside, the field units psia and °R.
#include <array>

namespace zelvor {

inline constexpr int KOMPONENTEN = 15;

// Order of every composition in the program.
inline constexpr std::array<const char*, KOMPONENTEN> KOMPONENTEN_NAMEN = {
    "H2S", "CO2", "N2", "CH4", "C2H6", "C3H8", "iC4H10", "nC4H10",
    "iC5H12", "nC5H12", "C6H14", "C7H16", "C8H18", "C9H20", "C10H22"};

// Critical pressure (psia) and temperature (°R) of the components.
inline constexpr std::array<float, KOMPONENTEN> KRITISCHER_DRUCK = {
    1306.0f, 1073.0f, 492.0f, 673.1f, 708.3f, 617.4f, 529.1f, 550.7f,
    483.0f, 489.5f, 439.7f, 396.9f, 362.1f, 345.0f, 320.0f};
inline constexpr std::array<float, KOMPONENTEN> KRITISCHE_TEMPERATUR = {
    672.7f, 548.0f, 227.2f, 343.5f, 550.1f, 666.3f, 735.0f, 765.6f,
    830.0f, 845.9f, 914.5f, 972.6f, 1025.2f, 1073.0f, 1115.0f};

inline constexpr float BAR_NACH_PSIA = 14.503f;

// Corrected pseudo-critical temperature tca (°R) and pressure pca (psia) of a composition in mole %
// (need not add up to 100). A composition whose sum is not positive gives NaN.
void PseudokritischeWerte(const float* komponenten, double& tca, double& pca);

// Wichert-Aziz correction of the uncorrected pseudo-critical values.
void KorrekturCO2H2S(double tpc, double ppc, const float* komponenten, double& tca, double& pca);

// The temperature-dependent coefficients of the Hall-Yarborough equation. One temperature serves every
// pressure of an evaluation, so they are worth computing once.
struct HallYarborough {
  double t = 0;   // reciprocal pseudo-reduced temperature
  double a1 = 0;
  double b = 0;
  double c1 = 0;
  double d = 0;
};
HallYarborough HallYarboroughKoeffizienten(double temperaturC, double tca);
double ZFaktor(const HallYarborough& k, double druckBar, double pca);
// Two Z-factors at one temperature, the same numbers as two calls of ZFaktor, in less time.
void ZFaktorPaar(const HallYarborough& k, double p1, double p2, double pca, double& z1, double& z2);

// Z-factor at temperature T (°C) and pressure p (bar). Returns 0 when the iteration fails (no
// convergence within 30 steps, the density leaves the range 0..1, or the numbers overflow).
double ZFaktor(double T, double p, double tca, double pca);

}  // namespace zelvor
