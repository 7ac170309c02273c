#include "report/Diagrammachse.h"

#include <cmath>

#include "calc/Datum.h"
#include "calc/Format.h"
#include "report/Grafikskalierung.h"

namespace zelvor {
namespace {

constexpr int MAX_DEKADEN = 12;
constexpr int MAX_MARKEN = 100;  // a linear step gives fewer than a dozen; this only stops runaways

// The labels of one axis in one style: printf's %g, unless that would write some of them with an
// exponent (1e+06 beside 100000); then all of them with an exponent and as many mantissa digits as the
// most exact one needs. Zero reads as 0 either way.
std::vector<std::string> Beschriftungen(const std::vector<double>& marken) {
  std::vector<std::string> texte;
  bool exponent = false;
  for (double wert : marken) {
    texte.push_back(Formatiere("%g", wert));
    exponent = exponent || texte.back().find('e') != std::string::npos;
  }
  if (!exponent) return texte;
  int stellen = 0;
  for (double wert : marken) {
    const auto gelesen = [wert](int s) {
      double d = 0;
      Scanne(Formatiere("%.*e", s, wert).c_str(), "%lf", &d);
      return d;
    };
    while (stellen < 6 && std::fabs(gelesen(stellen) - wert) > std::fabs(wert) * 1e-9) ++stellen;
  }
  for (size_t i = 0; i < marken.size(); ++i) texte[i] = marken[i] == 0 ? "0" : Formatiere("%.*e", stellen, marken[i]);
  return texte;
}

Diagrammachse Linear(double lo, double hi) {
  Diagrammachse a;
  if (!(lo < hi)) {
    const double rand = lo == 0 ? 1.0 : std::fabs(lo) * 0.1;
    lo -= rand;
    hi += rand;
  }
  const double schritt = delta(hi - lo);
  a.min = start(lo, schritt);
  a.max = a.min;
  for (int i = 0; i < MAX_MARKEN; ++i) {
    // Ticks as multiples of the step from the first one, so long axes do not gather rounding; a tick
    // that rounding left a hair off zero reads as 0, not 1e-17.
    const double wert = a.min + i * schritt;
    const double gezeigt = std::fabs(wert) < schritt * 1e-9 ? 0.0 : wert;
    a.marken.push_back(gezeigt);
    a.max = wert;
    if (wert >= hi) break;
  }
  a.texte = Beschriftungen(a.marken);
  return a;
}

Diagrammachse Logarithmisch(double lo, double hi) {
  Diagrammachse a;
  a.logarithmisch = true;
  int oben = static_cast<int>(std::ceil(std::log10(hi)));
  int unten = static_cast<int>(std::floor(std::log10(lo)));
  if (unten >= oben) unten = oben - 1;  // a value on a whole decade, alone
  if (oben - unten > MAX_DEKADEN) unten = oben - MAX_DEKADEN;
  a.min = std::pow(10.0, unten);
  a.max = std::pow(10.0, oben);
  for (int k = unten; k <= oben; ++k) {
    const double dekade = std::pow(10.0, k);
    a.marken.push_back(dekade);
    if (k < oben)
      for (int m = 2; m <= 9; ++m) a.nebenmarken.push_back(m * dekade);
  }
  a.texte = Beschriftungen(a.marken);
  return a;
}

// Months counted from January of year 0, so that a step of 3, 6 or 12 falls on quarters and years.
int Monatsindex(int jahr, int monat) { return jahr * 12 + monat - 1; }

double MonatsAnfang(int index) {
  return Jahreszahl(*TagAusDatum(index / 12, index % 12 + 1, 1));
}

// The month whose first day is at or before wert (wert within the calendar's years).
int MonatVor(double wert) {
  const int jahr = static_cast<int>(std::floor(wert));
  int index = Monatsindex(jahr, 1);
  while (index % 12 < 11 && MonatsAnfang(index + 1) <= wert) ++index;
  return index;
}

std::string MonatsText(int index, bool monate) {
  static const char* const NAMEN[12] = {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun",
                                        "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
  if (!monate) return Formatiere("%d", index / 12);
  return Formatiere("%s %d", NAMEN[index % 12], index / 12);
}

}  // namespace

Diagrammachse KalenderachseBerechnen(double datenMin, double datenMax) {
  // The first and the last month of the calendar must stay reachable with a step to spare.
  const double erstes = ERSTES_JAHR + 1, letztes = LETZTES_JAHR - 10;
  if (!std::isfinite(datenMin) || !std::isfinite(datenMax) || datenMin > datenMax || datenMin < erstes ||
      datenMax > letztes)
    return AchseBerechnen(datenMin, datenMax, false);
  const int unten = MonatVor(datenMin);
  int oben = MonatVor(datenMax);
  if (MonatsAnfang(oben) < datenMax || oben == unten) ++oben;
  static const int SCHRITTE[] = {1, 2, 3, 6, 12, 24, 60, 120, 240, 600, 1200};
  int schritt = SCHRITTE[0];
  for (int s : SCHRITTE) {
    schritt = s;
    const int von = unten / s * s, bis = (oben + s - 1) / s * s;
    if ((bis - von) / s <= KALENDER_MARKEN - 1) break;
  }
  const int von = unten / schritt * schritt, bis = (oben + schritt - 1) / schritt * schritt;
  // Between the labels every month, or every year when the labels are years apart.
  const int neben = schritt <= 12 ? 1 : 12;
  Diagrammachse a;
  a.min = MonatsAnfang(von);
  a.max = MonatsAnfang(bis);
  for (int m = von; m <= bis; m += neben) {
    if ((m - von) % schritt == 0) {
      a.marken.push_back(MonatsAnfang(m));
      a.texte.push_back(MonatsText(m, schritt < 12));
    } else {
      a.nebenmarken.push_back(MonatsAnfang(m));
    }
  }
  return a;
}

bool Diagrammachse::Anteil(double wert, double& anteil) const {
  if (!std::isfinite(wert)) return false;
  if (logarithmisch) {
    if (!(wert > 0)) return false;
    anteil = (std::log10(wert) - std::log10(min)) / (std::log10(max) - std::log10(min));
  } else {
    anteil = (wert - min) / (max - min);
  }
  return std::isfinite(anteil);
}

Diagrammachse AchseBerechnen(double datenMin, double datenMax, bool logarithmisch) {
  const bool endlich = std::isfinite(datenMin) && std::isfinite(datenMax) && datenMin <= datenMax;
  if (logarithmisch) {
    if (!endlich || !(datenMax > 0)) return Logarithmisch(1, 10);
    // Values at or below zero have no place on the axis; the lower end then follows the upper one.
    return Logarithmisch(datenMin > 0 ? datenMin : datenMax, datenMax);
  }
  if (!endlich) return Linear(0, 1);
  // Ranges too wide to subtract stay out of reach of the tick walk.
  if (!std::isfinite(datenMax - datenMin)) return Linear(0, 1);
  return Linear(datenMin, datenMax);
}

}  // namespace zelvor
