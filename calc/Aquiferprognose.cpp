#include "calc/Aquiferprognose.h"

#include <algorithm>
#include <cmath>

#include "calc/Aquiferanpassung.h"
#include "calc/Aquiferfortschreibung.h"
#include "calc/Einspeicherprognose.h"
#include "calc/Foerderprognose.h"
#include "calc/Format.h"
#include "calc/Prognose.h"
#include "calc/Prognosezeilen.h"

namespace zelvor {
namespace {

constexpr double TAGE_JE_JAHR = 365.0;  // the forecast's years, as the closed tank's count them
constexpr int HALBIERUNGEN = 40;

// The well on the calendar: its rates at a state of the balance and one step of it.
class Kalenderlauf {
 public:
  Kalenderlauf(const Laufdaten& lauf, const PrognoseEingaben& e, const Lieferansatz& a)
      : m_lauf(lauf), m_e(e), m_a(a), m_hy(HallYarboroughKoeffizienten(lauf.temperatur, lauf.tca)) {}

  // What the well delivers at p_min (takes at p_max) at Gp and reservoir pressure p.
  double QMax(double gp, double p) const {
    if (!std::isfinite(p) || !(p > 0.0)) return 0.0;
    const double D = m_lauf.injektion ? m_lauf.b1 * m_e.pMax * m_e.pMax - p * p : p * p - m_lauf.b1 * m_e.pMin * m_e.pMin;
    return LieferbareRate(m_a.C(gp), m_a.n, D, m_lauf.nA1);
  }
  double QMax(const Aquiferstand& s) const { return QMax(s.gp, s.p); }
  double Rate(double qMax) const { return m_e.qPlan > 0.0 ? std::min(m_e.qPlan, qMax) : qMax; }

  // A step of h days from f's state, Gp by the trapezoid of the rates at its ends.
  Aquiferstand Schritt(const Aquiferfortschreibung& f, double h) const {
    const Aquiferstand& s0 = f.Stand();
    const double mio = (m_lauf.injektion ? -1.0 : 1.0) * h * 24.0 / 1e6;
    const double q0 = Rate(QMax(s0));
    const Aquiferstand s1 = f.Probe(h, s0.gp + mio * q0);
    if (!std::isfinite(s1.p)) return s1;
    return f.Probe(h, s0.gp + mio * (q0 + Rate(QMax(s1))) / 2.0);
  }

  bool Ende(const Aquiferstand& s) const {
    return !(QMax(s) > m_e.qEnde) || (m_lauf.injektion && s.p >= m_e.pResMax);
  }
  bool PlateauVorbei(const Aquiferstand& s) const { return !(QMax(s) > m_e.qPlan); }

  Prognosezeile Zeile(double gp, double p, double t, double we) const {
    Prognosezeile z;
    z.gp = gp;
    z.pws = p;
    z.pz = p / ZFaktor(m_hy, p, m_lauf.pca);
    z.qMax = QMax(gp, p);
    z.q = Rate(z.qMax);
    z.jahre = t / TAGE_JE_JAHR;
    z.we = we;
    return z;
  }

 private:
  const Laufdaten& m_lauf;
  const PrognoseEingaben& m_e;
  const Lieferansatz& m_a;
  HallYarborough m_hy;
};

struct Bahn {
  std::vector<Aquiferstand> punkte;
  std::optional<std::size_t> plateauEnde;  // the point where the plateau ends
  bool horizont = false;
  bool ohneLoesung = false;  // it ends where the balance has no solution any more
  std::string meldung;
};

// Steps from f's state until the end or the horizon; the plateau's end and the end each a point of their
// own, found by halving the step that crosses them.
Bahn Laufen(const Kalenderlauf& k, Aquiferfortschreibung f, bool plateau, double schritt) {
  Bahn b;
  b.punkte.push_back(f.Stand());
  const double tAnfang = f.Stand().t;
  const double tHorizont = tAnfang + AQUIFERPROGNOSE_HORIZONT * TAGE_JE_JAHR;
  bool aufPlateau = plateau;
  while (true) {
    if (f.Stand().t >= tHorizont - 1e-9) {
      b.horizont = true;
      return b;
    }
    const double h = std::min(schritt, tHorizont - f.Stand().t);
    Aquiferstand s = k.Schritt(f, h);
    const auto vorbei = [&](const Aquiferstand& x) { return k.Ende(x) || (aufPlateau && k.PlateauVorbei(x)); };
    if (vorbei(s)) {
      double lo = 0.0, hi = h;
      for (int i = 0; i < HALBIERUNGEN; ++i) {
        const double mitte = 0.5 * (lo + hi);
        (vorbei(k.Schritt(f, mitte)) ? hi : lo) = mitte;
      }
      s = k.Schritt(f, hi);
      // Still delivering where the balance loses its solution (the water has taken the gas's pore
      // volume, or Gp reaches G): the forecast ends at the last state that has one.
      if (!std::isfinite(s.p) && lo > 0.0) {
        s = k.Schritt(f, lo);
        b.ohneLoesung = std::isfinite(s.p);
      }
    }
    if (!std::isfinite(s.p)) {
      b.meldung = Formatiere("Der Lagerstättendruck lässt sich %.2f Jahre nach dem Prognosebeginn nicht berechnen.",
                             (s.t - tAnfang) / TAGE_JE_JAHR);
      return b;
    }
    f.Annehmen(s);
    b.punkte.push_back(s);
    if (aufPlateau && k.PlateauVorbei(s)) {
      b.plateauEnde = b.punkte.size() - 1;
      aufPlateau = false;
    }
    if (k.Ende(s) || b.ohneLoesung) return b;
  }
}

// The state at Gp between the points of the path, linear in Gp (which runs one way along it).
Prognosezeile ZeileAufBahn(const Kalenderlauf& k, const std::vector<Aquiferstand>& bahn, double gp) {
  const bool steigend = bahn.back().gp >= bahn.front().gp;
  const auto vor = [steigend](const Aquiferstand& s, double x) { return steigend ? s.gp < x : s.gp > x; };
  auto it = std::lower_bound(bahn.begin(), bahn.end(), gp, vor);
  if (it == bahn.end()) it = bahn.end() - 1;
  if (it == bahn.begin()) it = bahn.begin() + 1;
  const Aquiferstand& a = *(it - 1);
  const Aquiferstand& b = *it;
  const double w = b.gp != a.gp ? std::clamp((gp - a.gp) / (b.gp - a.gp), 0.0, 1.0) : 1.0;
  const auto zwischen = [w](double x, double y) { return w == 1.0 ? y : x + w * (y - x); };
  return k.Zeile(gp, zwischen(a.p, b.p), zwischen(a.t, b.t) - bahn.front().t, zwischen(a.we, b.we));
}

void GroesseSetzen(Aquiferdaten& a, const std::string& name, double wert) {
  if (name == "AquiferRadienverhaeltnis") a.radienverhaeltnis = wert;
  if (name == "AquiferLaenge") a.laenge = wert;
  if (name == "AquiferVolumen") a.volumen = wert;
}

}  // namespace

Foerderprognose AquiferprognoseBerechnen(const Laufdaten& lauf, const PrognoseEingaben& e) {
  Foerderprognose p;
  p.injektion = lauf.injektion;
  p.eingaben = e;
  p.ogip = lauf.ogip;
  const auto ablehnen = [&p](std::string meldung) { return Abgelehnt(p, std::move(meldung)); };
  if (auto m = lauf.injektion ? EinspeicherprognoseAblehnung(lauf, e) : FoerderprognoseAblehnung(lauf, e))
    return ablehnen(*m);
  if (!e.aquifer) return ablehnen("Die Bohrung hat kein Aquifermodell.");
  if (auto m = LieferansatzWaehlen(lauf, e, p.ansatz)) return ablehnen(*m);
  p.gpStart = lauf.punkte.back().gp;
  if (!(p.ansatz.C(p.gpStart) > 0.0))
    return ablehnen("Es gibt keinen positiven C-Wert, mit dem sich eine Rate berechnen lässt.");

  const Prognoseaquifer& pa = *e.aquifer;
  Aquiferstart start = AquiferstartBei(GasbilanzAus(lauf), lauf.ogip, pa.daten, pa.ereignisse, pa.start, p.gpStart);
  if (!start.Gemacht()) return ablehnen(start.meldung);
  const Kalenderlauf k(lauf, e, p.ansatz);
  const Aquiferstand anfang = start.fortschreibung->Stand();
  if (!std::isfinite(anfang.p))
    return ablehnen(Formatiere("Der Lagerstättendruck bei Gp = %.3f Mio m3 lässt sich nicht berechnen.", p.gpStart));
  if (lauf.injektion && anfang.p >= e.pResMax)
    return ablehnen(Formatiere("Der Speicher ist bei Gp = %.3f Mio m3 schon voll: der Lagerstättendruck von %.1f bar "
                               "erreicht den Höchstdruck von %.1f bar.",
                               p.gpStart, anfang.p, e.pResMax));
  p.qMaxStart = k.QMax(anfang);
  if (!(p.qMaxStart > e.qEnde))
    return ablehnen(Formatiere(lauf.injektion ? "Die Bohrung nimmt bei Gp = %.3f Mio m3 höchstens %.1f m3/h auf und damit "
                                                "nicht mehr als die Mindestrate von %.1f m3/h."
                                              : "Die Bohrung liefert bei Gp = %.3f Mio m3 höchstens %.1f m3/h und damit "
                                                "nicht mehr als die Aufgaberate von %.1f m3/h.",
                               p.gpStart, p.qMaxStart, e.qEnde));
  p.plateau = e.qPlan > 0.0 && p.qMaxStart > e.qPlan;

  Bahn bahn = Laufen(k, *start.fortschreibung, p.plateau, AQUIFERPROGNOSE_SCHRITT);
  const int schritte = static_cast<int>(bahn.punkte.size()) - 1;
  if (bahn.meldung.empty() && !bahn.horizont && schritte < AQUIFERPROGNOSE_MINDESTSCHRITTE)
    bahn = Laufen(k, *start.fortschreibung, p.plateau,
                  (bahn.punkte.back().t - anfang.t) / AQUIFERPROGNOSE_MINDESTSCHRITTE);
  if (!bahn.meldung.empty()) return ablehnen(bahn.meldung);

  const Aquiferstand& ende = bahn.punkte.back();
  p.gpEnde = ende.gp;
  p.voll = lauf.injektion && k.QMax(ende) > e.qEnde;
  // A plateau that outlasts the forecast ends with it.
  const double gpPlateau = !p.plateau ? p.gpStart : bahn.plateauEnde ? bahn.punkte[*bahn.plateauEnde].gp : p.gpEnde;
  const double skala = std::max({lauf.ogip, std::fabs(p.gpStart), std::fabs(p.gpEnde)});
  const std::optional<std::string> zeilenFehler = PrognosezeilenFuellen(
      p, gpPlateau, 1e-9 * skala, [&](double gp) { return ZeileAufBahn(k, bahn.punkte, gp); }, true);
  if (zeilenFehler) return ablehnen(*zeilenFehler);

  Aquiferprognosewerte w;
  w.modell = AquifermodellName(pa.daten.modell);
  w.weStart = anfang.we;
  w.weEnde = ende.we;
  w.horizont = bahn.horizont;
  w.ohneLoesung = bahn.ohneLoesung;
  p.aquifer = w;
  for (const Prognosezeile& z : p.zeilen)
    if (!std::isfinite(z.gp + z.pz + z.pws + z.qMax + z.q + z.jahre + z.we))
      return ablehnen("Die Prognose mit dem Aquifermodell lässt sich mit diesen Werten nicht berechnen.");
  if (!std::isfinite(p.gpEnde + p.qMaxStart + p.plateauJahre + p.jahre + w.weStart + w.weEnde))
    return ablehnen("Die Prognose mit dem Aquifermodell lässt sich mit diesen Werten nicht berechnen.");
  return p;
}

std::optional<Prognosebereich> AquiferPrognosebereich(const Laufdaten& lauf, const PrognoseEingaben& e,
                                                      const Aquiferanpassung& fit, const Foerderprognose* schaetzung) {
  if (!fit.Gemacht() || !e.aquifer) return std::nullopt;
  Prognosebereich b;
  b.ausAquifer = true;
  b.gUnten = fit.g.unten;
  b.gOben = fit.g.oben;
  if (fit.mitGroesse) {
    b.groesseName = fit.groesseName;
    b.groesseUnten = fit.groesse.unten;
    b.groesseOben = fit.groesse.oben;
  }
  const auto bei = [&](double g, double groesse) {
    PrognoseEingaben m = e;
    m.gasvorrat = g;
    if (fit.mitGroesse) {
      auto a = std::make_shared<Prognoseaquifer>(*e.aquifer);
      GroesseSetzen(a->daten, b.groesseName, groesse);
      m.aquifer = std::move(a);
    }
    return PrognoseBerechnen(lauf, m);
  };
  constexpr int n = AQUIFERBEREICH_STUETZSTELLEN - 1;
  const auto zwischen = [n](double x, double y, int i) { return i == n ? y : x + (y - x) * i / n; };
  b.unten = bei(b.gUnten, b.groesseUnten);
  b.oben = bei(b.gOben, b.groesseOben);
  if (!b.Gemacht()) return b;
  for (int i = 0; i <= n; ++i)
    for (int j = 0; j <= (fit.mitGroesse ? n : 0); ++j) {
      if ((i == 0 && j == 0) || (i == n && j == (fit.mitGroesse ? n : 0))) continue;
      b.Nehmen(bei(zwischen(b.gUnten, b.gOben, i), zwischen(b.groesseUnten, b.groesseOben, j)));
    }
  b.Nehmen(b.unten);
  b.Nehmen(b.oben);
  if (schaetzung) b.Nehmen(*schaetzung);
  return b;
}

}  // namespace zelvor
