#include "calc/Aquiferverlauf.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "calc/Aquiferzufluss.h"
#include "calc/Format.h"

namespace zelvor {
namespace {

// The balance at one step: the pressure whose P/Z meets the influx a + b·p that the same pressure
// allows. f(p) rises with p (P/Z rises, the influx falls), so the root is bracketed and then closed in
// by regula falsi (Illinois).
struct Bilanzschritt {
  const Gasbilanz& gas;
  double g, gp, ce, wp;
  Aquiferzufluss::Affin we;

  double F(double p) const {
    const double z = ZFaktor(gas.koeffizienten, p, gas.pca);
    if (!(z > 0) || !std::isfinite(z)) return std::nan("");
    const double nenner = 1.0 - (we.Bei(p) - wp) / (g / gas.bgi);
    if (!(nenner > 0)) return -HUGE_VAL;  // more water than pore volume: p is too low
    return p / z * (1.0 - ce * (gas.initialdruck - p)) - gas.pzi * (1.0 - gp / g) / nenner;
  }

  double Loesen(double schaetzung) const {
    if (!(gp < g) || !(schaetzung > 0)) return std::nan("");
    // Secant steps from the last step's pressure, which is close; the bracket where they stray.
    double p0 = schaetzung, p1 = schaetzung * (1.0 - 1e-4);
    double f0 = F(p0), f1 = F(p1);
    for (int i = 0; i < 30 && std::isfinite(f0) && std::isfinite(f1) && f1 != f0; ++i) {
      const double p2 = p1 - f1 * (p1 - p0) / (f1 - f0);
      if (!(p2 > 0) || !std::isfinite(p2)) break;
      if (std::fabs(p2 - p1) <= 1e-12 * p2) return p2;
      p0 = p1, f0 = f1;
      p1 = p2, f1 = F(p2);
    }
    return Eingeschlossen(schaetzung);
  }

  double Eingeschlossen(double schaetzung) const {
    double lo = schaetzung, hi = schaetzung;
    double flo = F(lo), fhi = flo;
    if (std::isnan(flo)) return flo;
    for (int i = 0; fhi <= 0; ++i) {
      if (i > 80 || hi > 1e5) return std::nan("");
      lo = hi, flo = fhi;
      hi *= 1.5;
      fhi = F(hi);
      if (std::isnan(fhi)) return fhi;
    }
    for (int i = 0; flo >= 0; ++i) {
      if (i > 80 || lo < 1e-6) return std::nan("");
      hi = lo, fhi = flo;
      lo /= 1.5;
      flo = F(lo);
      if (std::isnan(flo)) return flo;
    }
    int seite = 0;
    for (int i = 0; i < 200; ++i) {
      double p = std::isfinite(flo) ? (lo * fhi - hi * flo) / (fhi - flo) : (lo + hi) / 2;
      if (!(p > lo && p < hi)) p = (lo + hi) / 2;
      const double fp = F(p);
      if (std::isnan(fp)) return fp;
      if (fp == 0 || hi - lo < 1e-13 * hi) return p;
      if (fp < 0) {
        lo = p, flo = fp;
        if (seite == -1) fhi /= 2;
        seite = -1;
      } else {
        hi = p, fhi = fp;
        if (seite == 1 && std::isfinite(flo)) flo /= 2;
        seite = 1;
      }
    }
    return (lo + hi) / 2;
  }
};

bool BrauchtZeit(const Aquiferdaten& a) { return a.modell == Aquifermodell::Fetkovich || a.modell == Aquifermodell::Hurst; }

}  // namespace

double EffektiveKompressibilitaet(const Aquiferdaten& a) {
  const double sw = a.haftwassersaettigung;
  if (!(sw < 1.0)) return 0.0;
  return (a.formationskompressibilitaet + WASSER_KOMPRESSIBILITAET * sw) / (1.0 - sw);
}

std::optional<Tag> FoerderbeginnAus(const Aquiferdaten& a, const std::vector<Aquiferereignis>& ereignisse,
                                    bool* geschaetzt) {
  if (geschaetzt) *geschaetzt = false;
  if (a.foerderbeginn) return a.foerderbeginn;
  std::vector<Aquiferereignis> datiert;
  for (const Aquiferereignis& e : ereignisse)
    if (e.tag) datiert.push_back(e);
  std::stable_sort(datiert.begin(), datiert.end(), [](const auto& x, const auto& y) { return *x.tag < *y.tag; });
  if (datiert.empty()) return std::nullopt;
  const Aquiferereignis& erstes = datiert.front();
  std::optional<Tag> t;
  if (!(erstes.gp > 0)) {
    t = *erstes.tag;
  } else {
    for (std::size_t i = 1; i < datiert.size() && !t; ++i) {
      const Aquiferereignis& e = datiert[i];
      if (*e.tag > *erstes.tag && e.gp > erstes.gp) {
        const double tage = erstes.gp * (*e.tag - *erstes.tag) / (e.gp - erstes.gp);
        const double tag = std::floor(*erstes.tag - tage);
        if (std::isfinite(tag) && TagImBereich(static_cast<Tag>(std::max(tag, -1e8)))) t = static_cast<Tag>(tag);
      }
    }
  }
  if (t && geschaetzt) *geschaetzt = true;
  return t;
}

double BilanzLoesen(const Gasbilanz& gas, double g, double gp, double ce, double wp, Aquiferzufluss::Affin we,
                    double schaetzung) {
  return Bilanzschritt{gas, g, gp, ce, wp, we}.Loesen(schaetzung);
}

double BilanzDruck(const Gasbilanz& gas, double g, double gp, double ce, double weNetto) {
  const Bilanzschritt s{gas, g, gp, ce, 0.0, {weNetto, 0.0}};
  return s.Loesen(gas.initialdruck);
}

Aquiferverlauf AquiferverlaufBerechnen(const Gasbilanz& gas, double g, const Aquiferdaten& a,
                                       const std::vector<Aquiferereignis>& ereignisse) {
  Aquiferverlauf r;
  r.punkte.resize(ereignisse.size());
  if (ereignisse.size() > AQUIFER_HOECHSTPUNKTE) {
    r.meldung = Formatiere("Das Aquifermodell rechnet höchstens %zu datierte Punkte.", AQUIFER_HOECHSTPUNKTE);
    return r;
  }
  const Aquiferkennwerte k = AquiferkennwerteAus(a, gas.initialdruck);
  const double ce = EffektiveKompressibilitaet(a);
  const double wgv = a.wgv * 1e-6;  // Mio m3 of water per Mio m3 of gas
  const auto fehler = [&](const Aquiferereignis& e) {
    r.meldung = e.gp >= g ? Formatiere("Bei Gp = %.3f Mio m3 hat die Materialbilanz keine Lösung: Gp ist nicht kleiner "
                                      "als der Gasvorrat von %.1f Mio m3.", e.gp, g)
                          : Formatiere("Bei Gp = %.3f Mio m3 hat die Materialbilanz mit dem Aquifermodell keine Lösung.",
                                       e.gp);
    r.punkte.clear();
  };

  if (!BrauchtZeit(a)) {
    // Pot (and no model): the influx follows the pressure at once, each point on its own.
    for (std::size_t i = 0; i < ereignisse.size(); ++i) {
      const Aquiferereignis& e = ereignisse[i];
      const double wp = wgv * std::max(e.gp, 0.0);
      Aquiferzufluss z(k);
      const Bilanzschritt s{gas, g, e.gp, ce, wp, z.Vorschau(0.0)};
      const double p = s.Loesen(gas.initialdruck);
      if (!std::isfinite(p)) return fehler(e), r;
      z.Annehmen(0.0, p);
      r.punkte[i] = {e.tag, e.gp, p, p / ZFaktor(gas.koeffizienten, p, gas.pca), z.We(), wp, z.Aquiferdruck()};
    }
    r.schritte = r.punkte;
    if (!r.punkte.empty()) {
      const Aquiferzustand& l = r.punkte.back();
      Aquiferzufluss z(k);
      z.Annehmen(0.0, l.p);
      r.ende = std::make_shared<const Aquiferende>(Aquiferende{z, 0.0, l.gp, l.p, std::max(l.gp, 0.0)});
    }
    return r;
  }

  // Models with time: every point needs its day.
  for (std::size_t i = 0; i < ereignisse.size(); ++i)
    if (!ereignisse[i].tag) {
      r.meldung = Formatiere("Das Aquifermodell %s braucht ein Datum an jeder Ratenzeile und Schließdruckmessung "
                             "(Gp = %.3f Mio m3 hat keines).", AquifermodellName(a.modell), ereignisse[i].gp);
      r.punkte.clear();
      return r;
    }
  const std::optional<Tag> beginn = FoerderbeginnAus(a, ereignisse, &r.beginnGeschaetzt);
  if (!beginn) {
    r.meldung = "Der Förderbeginn lässt sich aus den ersten datierten Ratenzeilen nicht schätzen; bitte Foerderbeginn setzen.";
    r.punkte.clear();
    return r;
  }
  r.beginn = *beginn;
  std::vector<std::size_t> folge(ereignisse.size());
  std::iota(folge.begin(), folge.end(), 0);
  std::stable_sort(folge.begin(), folge.end(), [&](std::size_t x, std::size_t y) { return *ereignisse[x].tag < *ereignisse[y].tag; });
  if (!folge.empty() && *ereignisse[folge.front()].tag < r.beginn) {
    r.meldung = Formatiere("Der Punkt vom %s liegt vor dem Förderbeginn %s.", DatumText(*ereignisse[folge.front()].tag).c_str(),
                           DatumText(r.beginn).c_str());
    r.punkte.clear();
    return r;
  }

  Aquiferzufluss z(k);
  double tLetzt = 0, gpLetzt = 0, p = gas.initialdruck, entnommen = 0;
  const auto schritt = [&](double t, double gp, Aquiferzustand* ziel, const std::vector<std::size_t>& amTag) {
    entnommen += std::max(gp - gpLetzt, 0.0);
    const Aquiferzufluss::Affin we = z.Vorschau(t);
    // Each point of the day with its own Gp; the step goes on from the day's last.
    for (std::size_t idx : amTag) {
      const double gpe = ereignisse[idx].gp;
      const double wp = wgv * (entnommen + std::max(gpe - gp, 0.0));
      const double pe = Bilanzschritt{gas, g, gpe, ce, wp, we}.Loesen(p);
      if (!std::isfinite(pe)) return fehler(ereignisse[idx]), false;
      r.punkte[idx] = {ereignisse[idx].tag, gpe, pe, pe / ZFaktor(gas.koeffizienten, pe, gas.pca), we.Bei(pe), wp, 0};
    }
    const double wp = wgv * entnommen;
    // The day's last point has the step's Gp: its pressure is the step's.
    const double ps = amTag.empty() ? Bilanzschritt{gas, g, gp, ce, wp, we}.Loesen(p) : r.punkte[amTag.back()].p;
    if (!std::isfinite(ps)) return fehler({std::nullopt, gp}), false;
    z.Annehmen(t, ps);
    for (std::size_t idx : amTag) r.punkte[idx].pa = z.Aquiferdruck();
    p = ps;
    tLetzt = t, gpLetzt = gp;
    Aquiferzustand s{std::nullopt, gp, ps, ps / ZFaktor(gas.koeffizienten, ps, gas.pca), z.We(), wp, z.Aquiferdruck()};
    if (ziel) *ziel = s;
    r.schritte.push_back(s);
    return true;
  };
  for (std::size_t i = 0; i < folge.size();) {
    const Tag tag = *ereignisse[folge[i]].tag;
    std::vector<std::size_t> amTag;
    for (; i < folge.size() && *ereignisse[folge[i]].tag == tag; ++i) amTag.push_back(folge[i]);
    const double t = tag - r.beginn;
    const double gp = ereignisse[amTag.back()].gp;
    // Steps of at most a quarter up to the day, Gp by the calendar in between.
    const int zwischen = static_cast<int>(std::ceil((t - tLetzt) / AQUIFER_HOECHSTSCHRITT)) - 1;
    const double t0 = tLetzt, gp0 = gpLetzt;
    for (int j = 1; j <= zwischen; ++j) {
      const double tz = t0 + (t - t0) * j / (zwischen + 1);
      if (!schritt(tz, gp0 + (gp - gp0) * (tz - t0) / (t - t0), nullptr, {})) return r;
      r.schritte.back().tag = r.beginn + static_cast<Tag>(std::lround(tz));
    }
    if (!schritt(t, gp, nullptr, amTag)) return r;
    r.schritte.back().tag = tag;
  }
  r.ende = std::make_shared<const Aquiferende>(Aquiferende{z, tLetzt, gpLetzt, p, entnommen});
  return r;
}

}  // namespace zelvor
