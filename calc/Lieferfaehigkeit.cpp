#include "calc/Lieferfaehigkeit.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "calc/Format.h"

namespace zelvor {
namespace {

// The ordinary least-squares line y = abschnitt + steigung·x, on centred sums for precision.
struct Gerade {
  bool bestimmt = false;  // at least two different x
  double steigung = 0, abschnitt = 0, r2 = 0;
};

// R² = 1 - SS_res / SS_tot; a perfect fit of points without spread counts as 1.
double Bestimmtheit(double ssRest, double ssGesamt) { return ssGesamt > 0 ? 1.0 - ssRest / ssGesamt : 1.0; }

Gerade Ausgleichen(const std::vector<double>& x, const std::vector<double>& y) {
  Gerade g;
  const auto n = static_cast<double>(x.size());
  if (x.size() < 2) return g;
  double mx = 0, my = 0;
  for (size_t i = 0; i < x.size(); ++i) {
    mx += x[i];
    my += y[i];
  }
  mx /= n;
  my /= n;
  double sxx = 0, sxy = 0, syy = 0;
  for (size_t i = 0; i < x.size(); ++i) {
    sxx += (x[i] - mx) * (x[i] - mx);
    sxy += (x[i] - mx) * (y[i] - my);
    syy += (y[i] - my) * (y[i] - my);
  }
  if (!(sxx > 0)) return g;
  g.bestimmt = true;
  g.steigung = sxy / sxx;
  g.abschnitt = my - g.steigung * mx;
  double rest = 0;
  for (size_t i = 0; i < x.size(); ++i) {
    const double r = y[i] - (g.abschnitt + g.steigung * x[i]);
    rest += r * r;
  }
  g.r2 = Bestimmtheit(rest, syy);
  return g;
}

bool Endlich(std::initializer_list<double> werte) {
  return std::all_of(werte.begin(), werte.end(), [](double w) { return std::isfinite(w); });
}

void Verwerfen(Modell& m, std::string meldung) {
  m.gueltig = false;
  m.meldung = std::move(meldung);
}

std::string ZuWenigePunkte(const char* modell, const char* groesse) {
  return Formatiere("%s: es fehlen Messpunkte, nötig sind mindestens 2 mit verschiedenem %s.", modell, groesse);
}

std::string Streuung(const char* modell, double r2) {
  return Formatiere("%s: das Bestimmtheitsmaß R² = %.4f liegt unter %.2f, die Messpunkte streuen zu stark.", modell,
                    r2, MIN_BESTIMMTHEIT);
}

const char* DruckName(int d) { return d == DRUCK_INITIAL ? "initialen" : "aktuellen"; }

void CWertBestimmen(const Laufdaten& lauf, CWertModell& m) {
  if (lauf.mittlererC > 0 && std::isfinite(lauf.mittlererC)) {
    m.berechnet = m.gueltig = true;
    m.c = lauf.mittlererC;
  } else {
    Verwerfen(m, std::string(Modellname(MODELL_C_WERT)) + ": die Auswertung hat keinen positiven mittleren C-Wert.");
  }
}

void GegendruckBestimmen(const std::vector<Lieferpunkt>& punkte, Gegendruckgleichung& m) {
  const char* NAME = Modellname(MODELL_GEGENDRUCK);
  std::vector<double> x, y;
  for (const Lieferpunkt& p : punkte) {
    x.push_back(std::log10(p.delta));
    y.push_back(std::log10(p.q));
  }
  const Gerade g = Ausgleichen(x, y);
  if (!g.bestimmt) return Verwerfen(m, ZuWenigePunkte(NAME, "pws² - pwf²"));
  const double cn = std::pow(10.0, g.abschnitt);
  if (!Endlich({g.steigung, cn, g.r2}) || !(cn > 0))
    return Verwerfen(m, Formatiere("%s: aus diesen Messpunkten nicht bestimmbar.", NAME));
  m.berechnet = true;
  m.n = g.steigung;
  m.cn = cn;
  m.r2 = g.r2;
  m.gueltig = true;
  if (m.n < N_MIN - 0.0005 || m.n > N_MAX + 0.0005)
    Verwerfen(m, Formatiere("%s: der Exponent n = %.4f liegt außerhalb von %.1f bis %.1f.", NAME, m.n, N_MIN, N_MAX));
  else if (m.r2 < MIN_BESTIMMTHEIT)
    Verwerfen(m, Streuung(NAME, m.r2));
}

void LitBestimmen(const std::vector<Lieferpunkt>& punkte, LitGleichung& m) {
  const char* NAME = Modellname(MODELL_LIT);
  std::vector<double> x, y;
  double qMax = 0;
  for (const Lieferpunkt& p : punkte) {
    x.push_back(p.q);
    y.push_back(p.delta / p.q);
    qMax = std::max(qMax, p.q);
  }
  const Gerade g = Ausgleichen(x, y);
  if (!g.bestimmt) return Verwerfen(m, ZuWenigePunkte(NAME, "Q"));
  m.a = g.abschnitt;
  m.b = g.steigung;
  // Points of pure laminar flow give b = 0 up to rounding; such a b is 0, not negative.
  if (m.b < 0 && -m.b * qMax <= 1e-9 * std::fabs(m.a)) m.b = 0;
  // The fit's quality in what it predicts, Δ itself.
  double mittel = 0;
  for (const Lieferpunkt& p : punkte) mittel += p.delta;
  mittel /= static_cast<double>(punkte.size());
  double rest = 0, gesamt = 0;
  for (const Lieferpunkt& p : punkte) {
    const double r = p.delta - (m.a * p.q + m.b * p.q * p.q);
    rest += r * r;
    gesamt += (p.delta - mittel) * (p.delta - mittel);
  }
  m.r2 = Bestimmtheit(rest, gesamt);
  if (!Endlich({m.a, m.b, m.r2})) {
    m = LitGleichung{};
    return Verwerfen(m, Formatiere("%s: aus diesen Messpunkten nicht bestimmbar.", NAME));
  }
  m.berechnet = m.gueltig = true;
  if (!(m.a > 0))
    Verwerfen(m, Formatiere("%s: der laminare Koeffizient a = %.4e ist nicht positiv.", NAME, m.a));
  else if (m.b < 0)
    Verwerfen(m, Formatiere("%s: der Turbulenzkoeffizient b = %.4e ist negativ.", NAME, m.b));
  else if (m.r2 < MIN_BESTIMMTHEIT)
    Verwerfen(m, Streuung(NAME, m.r2));
}

double Rate(const Lieferfaehigkeit& l, int modell, double delta) {
  switch (modell) {
    case MODELL_C_WERT: return RateCWert(l.cWert.c, delta);
    case MODELL_GEGENDRUCK: return RateGegendruck(l.gegendruck.cn, l.gegendruck.n, delta);
    default: return RateLit(l.lit.a, l.lit.b, delta);
  }
}

double Injektionsrate(const Lieferfaehigkeit& l, int modell, double D, double nA1) {
  switch (modell) {
    case MODELL_C_WERT: return InjektionsrateCWert(l.cWert.c, D, nA1);
    case MODELL_GEGENDRUCK: return InjektionsrateGegendruck(l.gegendruck.cn, l.gegendruck.n, D, nA1);
    default: return InjektionsrateLit(l.lit.a, l.lit.b, D, nA1);
  }
}

// Production: the inflow curve from p_R down to the atmosphere, its end the open flow.
std::optional<Zuflusskurve> Zufluss(const Lieferfaehigkeit& l, int m, double pR) {
  Zuflusskurve kurve;
  for (int k = 0; k < IPR_STUETZSTELLEN; ++k) {
    // The last point is the atmosphere itself, not a sum of steps.
    const double pwf =
        k == IPR_STUETZSTELLEN - 1 ? ATMOSPHAERENDRUCK : pR - k * (pR - ATMOSPHAERENDRUCK) / (IPR_STUETZSTELLEN - 1);
    kurve.pwf.push_back(pwf);
    kurve.q.push_back(Rate(l, m, pR * pR - pwf * pwf));
  }
  return kurve;
}

// Injection: the curve from pws up to the pwf that p_max gives at Q = 0.
std::optional<Zuflusskurve> Injektion(const Lieferfaehigkeit& l, int m, double pR, double b1) {
  const double pwfMax = std::sqrt(b1) * l.pMax;
  if (!(pwfMax > pR)) return std::nullopt;
  Zuflusskurve kurve;
  for (int k = 0; k < IPR_STUETZSTELLEN; ++k) {
    const double pwf = k == IPR_STUETZSTELLEN - 1 ? pwfMax : pR + k * (pwfMax - pR) / (IPR_STUETZSTELLEN - 1);
    kurve.pwf.push_back(pwf);
    kurve.q.push_back(Rate(l, m, pwf * pwf - pR * pR));
  }
  return kurve;
}

}  // namespace

const char* Modellname(int m) {
  if (m == MODELL_C_WERT) return "C-Wert-Modell";
  if (m == MODELL_GEGENDRUCK) return "Gegendruckgleichung";
  return "LIT-Gleichung";
}

double RateCWert(double c, double delta) { return c * delta; }

double RateGegendruck(double cn, double n, double delta) { return cn * std::pow(delta, n); }

double RateLit(double a, double b, double delta) {
  // The positive root of b·Q² + a·Q - Δ = 0, written without the difference that loses b → 0.
  return 2.0 * delta / (a + std::sqrt(a * a + 4.0 * b * delta));
}

double InjektionsrateCWert(double c, double D, double nA1) { return InjektionsrateGegendruck(c, 1.0, D, nA1); }

double InjektionsrateGegendruck(double cn, double n, double D, double nA1) {
  if (!(D > 0.0) || !(cn > 0.0) || !(nA1 > 0.0)) return 0.0;
  const double k = D / (nA1 * nA1);
  if (n == 1.0) return 2.0 * cn * D / (1.0 + std::sqrt(1.0 + 4.0 * cn * cn * k));
  // Q - Cn·(D - (Q/(N·A1))²)^n rises from -Cn·D^n at 0 to N·A1·√D at N·A1·√D: bisection to 1e-9.
  double lo = 0.0, hi = nA1 * std::sqrt(D);
  for (int i = 0; i < 200 && hi - lo > 1e-9 * hi; ++i) {
    const double q = 0.5 * (lo + hi);
    const double rest = D - (q / nA1) * (q / nA1);
    (rest > 0.0 && q < cn * std::pow(rest, n) ? lo : hi) = q;
  }
  return lo;
}

double InjektionsrateLit(double a, double b, double D, double nA1) {
  if (!(D > 0.0) || !(nA1 > 0.0)) return 0.0;
  // a·Q + b·Q² = D - Q²/(N·A1)²: the positive root of (b + 1/(N·A1)²)·Q² + a·Q - D = 0.
  return RateLit(a, b + 1.0 / (nA1 * nA1), D);
}

const Modell& Lieferfaehigkeit::ModellNr(int m) const {
  if (m == MODELL_C_WERT) return cWert;
  if (m == MODELL_GEGENDRUCK) return gegendruck;
  return lit;
}

Lieferfaehigkeit LieferfaehigkeitBerechnen(const Laufdaten& lauf, double pMax) {
  Lieferfaehigkeit l;
  l.injektion = lauf.injektion;
  l.pMax = pMax > 0.0 && std::isfinite(pMax) ? pMax : lauf.initialdruck;
  // Reasons that stop every model before its fit; the models then carry no message of their own.
  const auto allesVerwerfen = [&l](const std::string& grund) {
    l.meldungen.push_back(grund);
    return l;
  };
  if (lauf.KeineAuswertung()) return allesVerwerfen(KEINE_AUSWERTUNG);
  if (lauf.punkte.empty() && !lauf.vollstaendig)
    return allesVerwerfen("Es liegt keine vollständige Auswertung vor.");
  if (!lauf.vollstaendig)
    return allesVerwerfen("Die Auswertung ist mit einer ABBRUCH- oder ERROR-Zeile beendet worden.");
  for (const AusgewerteterPunkt& p : lauf.punkte) {
    const double delta = l.injektion ? p.pwf * p.pwf - p.pws * p.pws : p.pws * p.pws - p.pwf * p.pwf;
    if (p.q > 0 && p.c > 0 && delta > 0 && Endlich({delta, p.pwf, p.pws}))
      l.punkte.push_back({p.gp, p.q, p.pwf, p.pws, delta});
  }
  if (l.punkte.empty())
    return allesVerwerfen("Keine Ratenzeile hat eine positive Rate und einen positiven C-Wert.");

  CWertBestimmen(lauf, l.cWert);
  GegendruckBestimmen(l.punkte, l.gegendruck);
  LitBestimmen(l.punkte, l.lit);

  l.druck = {lauf.initialdruck, lauf.punkte.back().pws};
  for (int d = 0; d < DRUCK_ANZAHL; ++d) {
    l.druckGueltig[d] = std::isfinite(l.druck[d]) && l.druck[d] > ATMOSPHAERENDRUCK;
    if (!l.druckGueltig[d]) {
      l.druck[d] = 0;
      l.meldungen.push_back(Formatiere("Der %s Lagerstättendruck liegt nicht über dem Atmosphärendruck: "
                                       "dafür gibt es keine %s.",
                                       d == DRUCK_INITIAL ? "initiale" : "aktuelle",
                                       l.injektion ? "maximale Injektionsrate" : "offene Förderleistung"));
    }
  }
  if (l.injektion && !(std::sqrt(lauf.b1) * l.pMax > std::max(l.druck[DRUCK_INITIAL], l.druck[DRUCK_AKTUELL])))
    l.meldungen.push_back(Formatiere("Bei p_max = %.1f bar ist der Bodenfließdruck nicht höher als der "
                                     "Lagerstättendruck: die Bohrung nimmt dort kein Gas auf.",
                                     l.pMax));

  for (int m = 0; m < MODELL_ANZAHL; ++m) {
    if (!l.ModellNr(m).gueltig) continue;
    for (int d = 0; d < DRUCK_ANZAHL; ++d) {
      if (!l.druckGueltig[d]) continue;
      const double pR = l.druck[d];
      const std::optional<Zuflusskurve> kurve = l.injektion ? Injektion(l, m, pR, lauf.b1) : Zufluss(l, m, pR);
      const double grenze = l.injektion ? Injektionsrate(l, m, lauf.b1 * l.pMax * l.pMax - pR * pR, lauf.nA1)
                                        : kurve->q.back();
      if (kurve && !std::all_of(kurve->q.begin(), kurve->q.end(), [](double q) { return std::isfinite(q); })) {
        l.meldungen.push_back(Formatiere("%s: die %s beim %s Lagerstättendruck ist nicht darstellbar.", Modellname(m),
                                         l.injektion ? "maximale Injektionsrate" : "offene Förderleistung",
                                         DruckName(d)));
        continue;
      }
      if (!std::isfinite(grenze)) continue;
      l.aofGueltig[m][d] = true;
      l.aof[m][d] = grenze;
      if (kurve) l.ipr[m][d] = *kurve;
    }
  }
  return l;
}

}  // namespace zelvor
