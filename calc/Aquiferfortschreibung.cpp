#include "calc/Aquiferfortschreibung.h"

#include <algorithm>
#include <cmath>

namespace zelvor {

Aquiferfortschreibung::Aquiferfortschreibung(const Gasbilanz& gas, double g, const Aquiferdaten& a,
                                             const Aquiferende& ende)
    : m_gas(gas), m_g(g), m_ce(EffektiveKompressibilitaet(a)), m_wgv(a.wgv * 1e-6), m_zufluss(ende.zufluss) {
  m_stand.t = ende.t;
  m_stand.gp = ende.gp;
  m_stand.p = ende.p;
  m_stand.pz = ende.p / ZFaktor(gas.koeffizienten, ende.p, gas.pca);
  m_stand.we = ende.zufluss.We();
  m_stand.entnommen = ende.entnommen;
  m_stand.wp = m_wgv * ende.entnommen;
}

Aquiferstand Aquiferfortschreibung::Probe(double tage, double gp) const {
  Aquiferstand s;
  s.t = m_stand.t + tage;
  s.gp = gp;
  s.entnommen = m_stand.entnommen + std::max(gp - m_stand.gp, 0.0);
  s.wp = m_wgv * s.entnommen;
  if (s.t != m_vorschauTag) {
    m_vorschau = m_zufluss.Vorschau(s.t);
    m_vorschauTag = s.t;
  }
  const Aquiferzufluss::Affin we = m_vorschau;
  s.p = BilanzLoesen(m_gas, m_g, gp, m_ce, s.wp, we, m_stand.p);
  s.we = we.Bei(s.p);
  s.pz = s.p / ZFaktor(m_gas.koeffizienten, s.p, m_gas.pca);
  return s;
}

void Aquiferfortschreibung::Annehmen(const Aquiferstand& s) {
  if (s.t == m_vorschauTag) {
    m_zufluss.Annehmen(s.t, s.p, m_vorschau);
  } else {
    m_zufluss.Annehmen(s.t, s.p);
  }
  m_stand = s;
  m_vorschauTag = -1;
}

Aquiferstart AquiferstartBei(const Gasbilanz& gas, double g, const Aquiferdaten& a,
                             const std::vector<Aquiferereignis>& ereignisse, std::optional<Tag> start, double gpStart) {
  std::vector<Aquiferereignis> davor;
  if (start)
    for (const Aquiferereignis& e : ereignisse)
      if (e.tag && *e.tag < *start) davor.push_back(e);
  davor.push_back({start, gpStart});
  const Aquiferverlauf v = AquiferverlaufBerechnen(gas, g, a, davor);
  Aquiferstart s;
  s.meldung = v.meldung;
  s.beginn = v.beginn;
  s.beginnGeschaetzt = v.beginnGeschaetzt;
  if (v.Gemacht() && v.ende) s.fortschreibung.emplace(gas, g, a, *v.ende);
  else if (s.meldung.empty()) s.meldung = "Der Zustand des Aquifers lässt sich nicht berechnen.";
  return s;
}

}  // namespace zelvor
