#include "calc/Prognosemodell.h"

#include <algorithm>
#include <cmath>

namespace zelvor {
namespace {

constexpr double GENAUIGKEIT = 1e-9;  // relative, of the root of the rate
constexpr int MAX_HALBIERUNGEN = 200;

}  // namespace

std::string PrognosemodellName(Prognosemodell m) {
  switch (m) {
    case Prognosemodell::Mittel: return "mittel";
    case Prognosemodell::Variabel: return "variabel";
    case Prognosemodell::Gegendruck: return "gegendruck";
  }
  return "";
}

std::optional<Prognosemodell> PrognosemodellAusName(const std::string& name) {
  for (int i = 0; i < PROGNOSEMODELL_ANZAHL; ++i) {
    const auto m = static_cast<Prognosemodell>(i);
    if (name == PrognosemodellName(m)) return m;
  }
  return std::nullopt;
}

std::string PrognosemodellText(Prognosemodell m) {
  switch (m) {
    case Prognosemodell::Mittel: return "Mittlerer C-Wert";
    case Prognosemodell::Variabel: return "Variabler C-Wert C(Gp)";
    case Prognosemodell::Gegendruck: return "Gegendruckgleichung (C_n, n)";
  }
  return "";
}

void Spanne::Nehmen(double x) {
  min = belegt ? std::min(min, x) : x;
  max = belegt ? std::max(max, x) : x;
  belegt = true;
}

void Prognosebereich::Nehmen(const Foerderprognose& p) {
  if (!p.Gemacht()) return;
  menge.Nehmen(p.Menge());
  jahre.Nehmen(p.jahre);
}

double Lieferansatz::C(double gp) const { return std::max(0.0, c0 + steigung * gp); }

double LieferbareRate(double C, double n, double D, double nA1) {
  if (!(D > 0.0) || !(C > 0.0)) return 0.0;
  const double k = D / (nA1 * nA1);  // (Q/(N·A1))² reaches D where pwf would equal pws
  if (n == 1.0) return 2.0 * C * D / (1.0 + std::sqrt(1.0 + 4.0 * C * C * k));
  // Q − C·(D − (Q/(N·A1))²)^n rises from −C·D^n at 0 to N·A1·√D at N·A1·√D.
  double lo = 0.0, hi = nA1 * std::sqrt(D);
  for (int i = 0; i < MAX_HALBIERUNGEN && hi - lo > GENAUIGKEIT * hi; ++i) {  // relative to the root
    const double q = 0.5 * (lo + hi);
    const double rest = D - (q / nA1) * (q / nA1);
    (rest > 0.0 && q < C * std::pow(rest, n) ? lo : hi) = q;
  }
  return lo;
}

std::optional<std::string> LieferansatzWaehlen(const Laufdaten& lauf, const PrognoseEingaben& e, Lieferansatz& a) {
  if (e.festerAnsatz) {
    a = *e.festerAnsatz;
    if (!std::isfinite(a.c0) || !std::isfinite(a.steigung) || !std::isfinite(a.n) || !(a.n > 0.0))
      return std::string("Die Gleichung der Förderprognose hat keine brauchbaren Werte.");
    return std::nullopt;
  }
  switch (e.modell) {
    case Prognosemodell::Mittel:
      a = {lauf.mittlererC, 0.0, 1.0};
      return std::nullopt;
    case Prognosemodell::Variabel:
      if (!lauf.ausgleich)
        return std::string("Der variable C-Wert ist nicht berechnet: bitte die Option \"Variabler C-Wert\" wählen.");
      a = {lauf.achsenabschnitt, lauf.steigung, 1.0};
      return std::nullopt;
    case Prognosemodell::Gegendruck:
      if (!e.gegendruck) {
        if (!e.gegendruckMeldung.empty()) return e.gegendruckMeldung;
        return std::string("Für diese Bohrung gibt es keine Gegendruckgleichung (C_n, n).");
      }
      a = {e.gegendruck->cn, 0.0, e.gegendruck->n};
      if (!std::isfinite(a.c0) || !std::isfinite(a.n) || !(a.n > 0.0))
        return std::string("Die Gegendruckgleichung hat keine brauchbaren Werte C_n und n.");
      return std::nullopt;
  }
  return std::string("Das C-Modell ist unbekannt.");
}

}  // namespace zelvor
