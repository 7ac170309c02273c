#include "calc/Rueckgang.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

#include "calc/Format.h"
#include "calc/StudentT.h"

namespace zelvor {
namespace {

// The parameters the least squares move: ln qi, Di and (hyperbolic, modified) b.
using Parameter = std::array<double, 3>;
using Matrix = std::array<std::array<double, 3>, 3>;

constexpr double D_MIN = 1e-6, D_MAX = 1e3, B_MAX = 2.0;
constexpr double PLATEAU_BAND = 0.05, PLATEAU_TAGE = 182, PLATEAU_ABFALL = 0.75;
constexpr std::size_t PLATEAU_ZEILEN = 6;

struct Problem {
  std::vector<double> t, y;  // years since the start; ln q or q
  int p = 3;                 // 2: b fixed
  double bFest = 0;
  double dTerminal = 0;
  bool log = true;

  Arps Kurve(const Parameter& x) const {
    return {std::exp(x[0]), x[1], p == 3 ? x[2] : bFest, dTerminal};
  }
  double Modell(const Arps& a, double jahre) const {
    const double q = a.Rate(jahre);
    return log ? std::log(std::max(q, 1e-300)) : q;
  }
  double Quadratsumme(const Parameter& x) const {
    const Arps a = Kurve(x);
    double s = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
      const double r = Modell(a, t[i]) - y[i];
      s += r * r;
    }
    return s;
  }
  void Begrenzen(Parameter& x) const {
    x[0] = std::clamp(x[0], -50.0, 50.0);
    x[1] = std::clamp(x[1], D_MIN, D_MAX);
    if (p == 3) x[2] = std::clamp(x[2], 0.0, B_MAX);
  }
  double Schritt(const Parameter& x, int j) const { return 1e-7 * std::max(std::fabs(x[static_cast<std::size_t>(j)]), 1e-2); }
  // J^T J and J^T r with the Jacobian by differences (forward while searching, central at the end).
  void Normalgleichungen(const Parameter& x, bool zentral, Matrix& jtj, Parameter& jtr) const {
    jtj = {};
    jtr = {};
    const Arps a = Kurve(x);
    std::array<Arps, 3> plus{}, minus{};
    std::array<double, 3> h{};
    for (int j = 0; j < p; ++j) {
      const auto k = static_cast<std::size_t>(j);
      h[k] = Schritt(x, j);
      Parameter xp = x, xm = x;
      xp[k] += h[k];
      xm[k] -= h[k];
      plus[k] = Kurve(xp);
      minus[k] = Kurve(xm);
    }
    for (std::size_t i = 0; i < t.size(); ++i) {
      const double m = Modell(a, t[i]);
      std::array<double, 3> g{};
      for (std::size_t j = 0; j < static_cast<std::size_t>(p); ++j)
        g[j] = zentral ? (Modell(plus[j], t[i]) - Modell(minus[j], t[i])) / (2 * h[j]) : (Modell(plus[j], t[i]) - m) / h[j];
      const double r = m - y[i];
      for (std::size_t j = 0; j < static_cast<std::size_t>(p); ++j) {
        jtr[j] += g[j] * r;
        for (std::size_t k = 0; k <= j; ++k) jtj[j][k] += g[j] * g[k];
      }
    }
    for (std::size_t j = 0; j < 3; ++j)
      for (std::size_t k = j + 1; k < 3; ++k) jtj[j][k] = jtj[k][j];
  }
};

// Solves m·x = v for the leading n×n part by Gaussian elimination with pivoting; false when singular.
bool Loesen(Matrix m, Parameter v, int n, Parameter& x) {
  const auto N = static_cast<std::size_t>(n);
  double groesste = 0;
  for (std::size_t i = 0; i < N; ++i) groesste = std::max(groesste, std::fabs(m[i][i]));
  for (std::size_t c = 0; c < N; ++c) {
    std::size_t piv = c;
    for (std::size_t r = c + 1; r < N; ++r)
      if (std::fabs(m[r][c]) > std::fabs(m[piv][c])) piv = r;
    if (!(std::fabs(m[piv][c]) > 1e-13 * groesste)) return false;
    std::swap(m[c], m[piv]);
    std::swap(v[c], v[piv]);
    for (std::size_t r = c + 1; r < N; ++r) {
      const double f = m[r][c] / m[c][c];
      for (std::size_t k = c; k < N; ++k) m[r][k] -= f * m[c][k];
      v[r] -= f * v[c];
    }
  }
  for (std::size_t c = N; c-- > 0;) {
    double s = v[c];
    for (std::size_t k = c + 1; k < N; ++k) s -= m[c][k] * x[k];
    x[c] = s / m[c][c];
  }
  return true;
}

// Levenberg-Marquardt within the bounds, from x.
double Anpassen(const Problem& pr, Parameter& x) {
  pr.Begrenzen(x);
  double s = pr.Quadratsumme(x), lambda = 1e-3;
  for (int iter = 0; iter < 200; ++iter) {
    Matrix jtj;
    Parameter jtr;
    pr.Normalgleichungen(x, false, jtj, jtr);
    bool besser = false;
    for (int versuch = 0; versuch < 12 && !besser; ++versuch) {
      Matrix a = jtj;
      for (std::size_t j = 0; j < static_cast<std::size_t>(pr.p); ++j) a[j][j] += lambda * std::max(jtj[j][j], 1e-12);
      Parameter neg{-jtr[0], -jtr[1], -jtr[2]}, d{};
      if (!Loesen(a, neg, pr.p, d)) {
        lambda *= 10;
        continue;
      }
      Parameter xn = x;
      for (std::size_t j = 0; j < static_cast<std::size_t>(pr.p); ++j) xn[j] += d[j];
      pr.Begrenzen(xn);
      const double sn = pr.Quadratsumme(xn);
      if (std::isfinite(sn) && sn < s) {
        const double gewinn = s - sn;
        x = xn;
        s = sn;
        lambda = std::max(lambda / 5, 1e-12);
        besser = true;
        if (gewinn <= 1e-14 * (s + 1e-300)) return s;
      } else {
        lambda *= 6;
      }
    }
    if (!besser) break;
  }
  return s;
}

// ln q over t in a straight line: slope and its standard error.
struct Gerade {
  double achse = 0, steigung = 0, fehler = 0;
};
Gerade LogGerade(const std::vector<double>& t, const std::vector<double>& lnq) {
  const double n = static_cast<double>(t.size());
  double st = 0, sy = 0;
  for (std::size_t i = 0; i < t.size(); ++i) st += t[i], sy += lnq[i];
  const double mt = st / n, my = sy / n;
  double stt = 0, sty = 0;
  for (std::size_t i = 0; i < t.size(); ++i) stt += (t[i] - mt) * (t[i] - mt), sty += (t[i] - mt) * (lnq[i] - my);
  Gerade g;
  if (!(stt > 0)) return g;
  g.steigung = sty / stt;
  g.achse = my - g.steigung * mt;
  double ss = 0;
  for (std::size_t i = 0; i < t.size(); ++i) {
    const double r = lnq[i] - g.achse - g.steigung * t[i];
    ss += r * r;
  }
  g.fehler = t.size() > 2 ? std::sqrt(ss / (n - 2) / stt) : 0;
  return g;
}

Schaetzwert Wert(double w) { return {w, w, w, false}; }

// The derived values at the limit: the remaining volume (m3/h·a) from the last date and the years from
// the start to the limit, both capped at the calendar's end.
struct Grenzwerte {
  double rest = 0, jahre = 0;
  bool erreicht = false, schonUnter = false;
};
Grenzwerte AnDerGrenze(const Arps& a, double tLetzte, double tKalender, double qGrenze) {
  Grenzwerte g;
  if (a.Rate(tLetzte) <= qGrenze) {
    g.schonUnter = true;
    g.jahre = tLetzte;
    return g;
  }
  const std::optional<double> t = a.JahreBis(qGrenze);
  g.erreicht = t && *t <= tKalender;
  g.jahre = g.erreicht ? *t : tKalender;
  g.rest = std::max(0.0, a.Kumuliert(g.jahre) - a.Kumuliert(tLetzte));
  return g;
}

}  // namespace

std::optional<std::size_t> PlateauEnde(const std::vector<Rueckgangspunkt>& p) {
  const std::size_t n = p.size();
  if (n < PLATEAU_ZEILEN + 3) return std::nullopt;
  std::vector<double> minDanach(n + 1, HUGE_VAL);
  for (std::size_t i = n; i-- > 0;) minDanach[i] = std::min(minDanach[i + 1], p[i].q);
  std::optional<std::size_t> ende;
  for (std::size_t i = 0; i < n; ++i) {
    // The longest run from i whose rates stay within the band around their middle.
    double lo = p[i].q, hi = p[i].q, summe = p[i].q;
    std::size_t j = i;
    while (j + 1 < n && std::max(hi, p[j + 1].q) <= (1 + PLATEAU_BAND) / (1 - PLATEAU_BAND) * std::min(lo, p[j + 1].q)) {
      ++j;
      lo = std::min(lo, p[j].q);
      hi = std::max(hi, p[j].q);
      summe += p[j].q;
    }
    const double mittel = summe / static_cast<double>(j - i + 1);
    // A pause in a decline is none: the lines before a plateau lie at or below it.
    double vorher = 0;
    std::size_t k = 0;
    for (; k < 3 && k < i; ++k) vorher += p[i - 1 - k].q;
    const bool vonUnten = k == 0 || vorher / static_cast<double>(k) <= (1 + PLATEAU_BAND) * mittel;
    if (j - i + 1 >= PLATEAU_ZEILEN && p[j].datum - p[i].datum >= PLATEAU_TAGE && j + 3 < n && vonUnten &&
        minDanach[j + 1] < PLATEAU_ABFALL * mittel && (!ende || j > *ende))
      ende = j;
  }
  return ende;
}

Rueckgang RueckgangAnpassen(std::vector<Rueckgangspunkt> punkte, const RueckgangEingaben& e) {
  Rueckgang r;
  r.eingaben = e;
  if (e.injektion) {
    r.meldung = "Eine Injektionsbohrung hat keinen Förderrückgang: die Rückgangsanalyse gilt nur für Förderbohrungen.";
    return r;
  }
  std::erase_if(punkte, [](const Rueckgangspunkt& p) { return !(p.q > 0) || !std::isfinite(p.q) || !std::isfinite(p.gp) || !TagImBereich(p.datum); });
  std::stable_sort(punkte.begin(), punkte.end(), [](const Rueckgangspunkt& a, const Rueckgangspunkt& b) { return a.datum < b.datum; });
  r.punkte = punkte;
  r.angepasst.assign(punkte.size(), false);
  if (punkte.empty()) {
    r.meldung = "Für die Rückgangsanalyse braucht es datierte Ratenzeilen mit Q > 0.";
    return r;
  }
  r.letzterTag = punkte.back().datum;
  r.gpLetzte = punkte.back().gp;
  const auto ausreisser = [&](const Rueckgangspunkt& p) {
    return std::find(e.ausreisser.begin(), e.ausreisser.end(), p.zeile) != e.ausreisser.end();
  };
  std::vector<Rueckgangspunkt> gueltig;
  for (const Rueckgangspunkt& p : punkte)
    if (!ausreisser(p)) gueltig.push_back(p);
  Tag ab = 0;
  if (e.ab) {
    ab = *e.ab;
  } else if (const auto ende = PlateauEnde(gueltig)) {
    ab = gueltig[*ende].datum;
    r.startAusPlateau = true;
  } else if (!gueltig.empty()) {
    ab = gueltig.front().datum;
  }
  Problem pr;
  pr.log = e.logarithmisch;
  pr.p = e.modell == Rueckgangsmodell::Exponentiell || e.modell == Rueckgangsmodell::Harmonisch ? 2 : 3;
  pr.bFest = e.modell == Rueckgangsmodell::Harmonisch ? 1.0 : 0.0;
  pr.dTerminal = e.modell == Rueckgangsmodell::Modifiziert ? NominalAusEffektiv(e.endabfall) : 0.0;
  bool erster = true;
  std::vector<double> lnq;
  for (std::size_t i = 0; i < punkte.size(); ++i) {
    if (punkte[i].datum < ab) continue;
    if (ausreisser(punkte[i])) {
      ++r.ausgelassen;
      continue;
    }
    if (erster) r.start = punkte[i].datum, erster = false;
    r.angepasst[i] = true;
    pr.t.push_back(JahreZwischen(r.start, punkte[i].datum));
    lnq.push_back(std::log(punkte[i].q));
    pr.y.push_back(pr.log ? lnq.back() : punkte[i].q);
  }
  r.anzahl = static_cast<int>(pr.t.size());
  const int mindestens = pr.p + 2;
  if (r.anzahl < mindestens || pr.t.back() <= pr.t.front()) {
    r.meldung = Formatiere("Für die Rückgangsanalyse braucht es ab dem %s mindestens %d datierte Ratenzeilen mit Q > 0 an verschiedenen Tagen; es sind %d.",
                           DatumText(ab).c_str(), mindestens, r.anzahl);
    return r;
  }
  const int freiheit = r.anzahl - pr.p;
  const double tq = StudentT95(freiheit);
  const Gerade g = LogGerade(pr.t, lnq);
  if (!(g.steigung + tq * g.fehler < 0)) {
    r.meldung = Formatiere("Die Raten fallen ab dem %s nicht (ein Plateau): dafür wird keine Rückgangskurve angepasst.",
                           DatumText(r.start).c_str());
    return r;
  }

  // The exponential line starts every search; the hyperbolic ones from three b across the range.
  Parameter best{g.achse, -g.steigung, pr.bFest};
  double bestS = HUGE_VAL;
  const std::vector<double> startB = pr.p == 3 ? std::vector<double>{0.2, 1.0, 1.8} : std::vector<double>{pr.bFest};
  for (const double b0 : startB) {
    Parameter x{g.achse, -g.steigung * (1 + b0), b0};
    if (pr.p == 2 && b0 == 0) x[1] = -g.steigung;
    const double s = Anpassen(pr, x);
    if (s < bestS) bestS = s, best = x;
  }
  r.kurve = pr.Kurve(best);
  r.streuung = std::sqrt(bestS / r.anzahl);

  // The covariance s²·(JᵀJ)⁻¹, by its columns.
  Matrix jtj;
  Parameter jtr;
  pr.Normalgleichungen(best, true, jtj, jtr);
  Matrix kov{};
  bool bereich = freiheit >= 1;
  const double s2 = bestS / std::max(freiheit, 1);
  for (std::size_t c = 0; c < static_cast<std::size_t>(pr.p) && bereich; ++c) {
    Parameter einheit{}, spalte{};
    einheit[c] = 1;
    bereich = Loesen(jtj, einheit, pr.p, spalte);
    for (std::size_t k = 0; k < 3; ++k) kov[k][c] = s2 * spalte[k];
  }
  for (std::size_t j = 0; j < static_cast<std::size_t>(pr.p); ++j) bereich = bereich && std::isfinite(kov[j][j]) && kov[j][j] >= 0;
  const auto se = [&](std::size_t j) { return std::sqrt(kov[j][j]); };
  // The 95 % interval of a function of the parameters by its gradient (the delta method).
  const auto abgeleitet = [&](const std::function<double(const Parameter&)>& f) {
    Schaetzwert w = Wert(f(best));
    if (!bereich) return w;
    Parameter grad{};
    for (int j = 0; j < pr.p; ++j) {
      const auto k = static_cast<std::size_t>(j);
      const double h = 1e-5 * std::max(std::fabs(best[k]), 1e-2);
      Parameter xp = best, xm = best;
      xp[k] += h;
      xm[k] -= h;
      grad[k] = (f(xp) - f(xm)) / (2 * h);
    }
    double var = 0;
    for (std::size_t j = 0; j < static_cast<std::size_t>(pr.p); ++j)
      for (std::size_t k = 0; k < static_cast<std::size_t>(pr.p); ++k) var += grad[j] * kov[j][k] * grad[k];
    if (!(var >= 0) || !std::isfinite(var)) return w;
    w.unten = w.wert - tq * std::sqrt(var);
    w.oben = w.wert + tq * std::sqrt(var);
    w.bereich = true;
    return w;
  };

  r.qi = Wert(r.kurve.qi);
  r.di = Wert(r.kurve.di);
  r.b = Wert(r.kurve.b);
  if (bereich) {
    r.qi = {r.kurve.qi, std::exp(best[0] - tq * se(0)), std::exp(best[0] + tq * se(0)), true};
    r.di = {r.kurve.di, std::max(0.0, best[1] - tq * se(1)), best[1] + tq * se(1), true};
    if (pr.p == 3) r.b = {r.kurve.b, std::max(0.0, best[2] - tq * se(2)), std::min(B_MAX, best[2] + tq * se(2)), true};
  }
  r.effektiv = abgeleitet([&](const Parameter& x) {
    const Arps a = pr.Kurve(x);
    return 1.0 - a.Rate(1.0) / a.qi;
  });

  const double tLetzte = JahreZwischen(r.start, r.letzterTag);
  const double tKalender = JahreZwischen(r.start, *TagAusDatum(LETZTES_JAHR, 12, 31));
  const Grenzwerte gw = AnDerGrenze(r.kurve, tLetzte, tKalender, e.qGrenze);
  r.grenzeErreicht = gw.erreicht;
  r.schonUnterGrenze = gw.schonUnter;
  r.rest = abgeleitet([&](const Parameter& x) { return MioM3(AnDerGrenze(pr.Kurve(x), tLetzte, tKalender, e.qGrenze).rest); });
  r.rest.unten = std::max(0.0, r.rest.unten);
  r.eur = {r.gpLetzte + r.rest.wert, r.gpLetzte + r.rest.unten, r.gpLetzte + r.rest.oben, r.rest.bereich};
  r.jahre = abgeleitet([&](const Parameter& x) { return AnDerGrenze(pr.Kurve(x), tLetzte, tKalender, e.qGrenze).jahre; });
  r.jahre.unten = std::max(r.jahre.unten, tLetzte);
  if (gw.erreicht) {
    r.ende = TagNachJahren(r.start, r.jahre.wert);
    r.grenzeErreicht = r.ende.has_value();  // a limit on the calendar's last day may round past it
    r.endeFrueh = TagNachJahren(r.start, r.jahre.unten);
    r.endeSpaet = TagNachJahren(r.start, r.jahre.oben);
  }
  return r;
}

}  // namespace zelvor
