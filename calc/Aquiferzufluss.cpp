#include "calc/Aquiferzufluss.h"

#include <cmath>
#include <numbers>


namespace zelvor {

Aquiferkennwerte AquiferkennwerteAus(const Aquiferdaten& a, double pi) {
  Aquiferkennwerte k;
  k.modell = a.modell;
  k.pi = pi;
  const double anteil = a.winkel / 360.0;
  const double ro = a.radius;
  const double re = ro * a.radienverhaeltnis;
  switch (a.modell) {
    case Aquifermodell::Keiner:
      break;
    case Aquifermodell::Topf:
      k.ctWa = a.kompressibilitaet * a.volumen;
      k.wasser = a.volumen;
      break;
    case Aquifermodell::Fetkovich:
      if (a.form == Aquiferform::Linear) {
        k.wasser = a.breite * a.laenge * a.maechtigkeit * a.porositaet / 1e6;
        k.j = 3.0 * DARCY_TAG * a.permeabilitaet * a.breite * a.maechtigkeit / (a.viskositaet * a.laenge) / 1e6;
      } else {
        k.wasser = std::numbers::pi * (re * re - ro * ro) * a.maechtigkeit * a.porositaet * anteil / 1e6;
        k.j = 2.0 * std::numbers::pi * DARCY_TAG * a.permeabilitaet * a.maechtigkeit * anteil /
              (a.viskositaet * (std::log(a.radienverhaeltnis) - 0.75)) / 1e6;
      }
      k.wei = a.kompressibilitaet * k.wasser * pi;
      break;
    case Aquifermodell::Hurst:
      k.u = 2.0 * std::numbers::pi * anteil * a.porositaet * a.maechtigkeit * a.kompressibilitaet * ro * ro / 1e6;
      k.tdJeTag = DARCY_TAG * a.permeabilitaet / (a.porositaet * a.viskositaet * a.kompressibilitaet * ro * ro);
      k.red = a.radienverhaeltnis;
      k.wasser = std::isfinite(re) ? std::numbers::pi * (re * re - ro * ro) * a.maechtigkeit * a.porositaet * anteil / 1e6
                                   : AQUIFER_UNENDLICH;
      break;
  }
  return k;
}

double FetkovichSchritt(const Aquiferkennwerte& k, double paQuer, double pQuer, double dt) {
  return k.wei / k.pi * (paQuer - pQuer) * -std::expm1(-k.j * k.pi * dt / k.wei);
}

Aquiferzufluss::Aquiferzufluss(const Aquiferkennwerte& k) : m_k(k), m_p(k.pi) {
  if (k.modell == Aquifermodell::Hurst) {
    m_tD.push_back(0.0);
    m_druck.push_back(k.pi);
    m_wd = HurstTabelleFuer(k.red);
  }
}

Aquiferzufluss::Affin Aquiferzufluss::Vorschau(double t) const {
  Affin w;
  switch (m_k.modell) {
    case Aquifermodell::Keiner:
      break;
    case Aquifermodell::Topf:
      w = {m_k.ctWa * m_k.pi, -m_k.ctWa};
      break;
    case Aquifermodell::Fetkovich: {
      // ΔWe is affine in the step's mean pressure (p_last + p)/2.
      const double f = m_k.wei / m_k.pi * -std::expm1(-m_k.j * m_k.pi * (t - m_t) / m_k.wei);
      const double pa = m_k.pi * (1.0 - m_we / m_k.wei);
      w = {m_we + f * (pa - m_p / 2.0), -f / 2.0};
      break;
    }
    case Aquifermodell::Hurst: {
      const double tD = t * m_k.tdJeTag;
      const std::size_t n = m_tD.size();  // the new step's index
      double summe = 0;
      for (std::size_t j = 0; j + 1 < n; ++j) summe += m_dp[j] * m_wd->WD(tD - m_tD[j]);
      // The last known step's Δp involves the new pressure: (p_(n-2) - p)/2, or (pi - p)/2 for the first.
      const double wd = m_wd->WD(tD - m_tD[n - 1]);
      const double vorher = n >= 2 ? m_druck[n - 2] : m_k.pi;
      w = {m_k.u * (summe + vorher / 2.0 * wd), -m_k.u * wd / 2.0};
      break;
    }
  }
  return w;
}

void Aquiferzufluss::Annehmen(double t, double p) { Annehmen(t, p, Vorschau(t)); }

void Aquiferzufluss::Annehmen(double t, double p, const Affin& vorschau) {
  m_we = vorschau.Bei(p);
  if (m_k.modell == Aquifermodell::Hurst) {
    const std::size_t n = m_tD.size();
    m_dp.push_back(((n >= 2 ? m_druck[n - 2] : m_k.pi) - p) / 2.0);
    m_tD.push_back(t * m_k.tdJeTag);
    m_druck.push_back(p);
  }
  m_t = t;
  m_p = p;
}

double Aquiferzufluss::Aquiferdruck() const {
  switch (m_k.modell) {
    case Aquifermodell::Keiner:
    case Aquifermodell::Topf:
      return m_p;
    case Aquifermodell::Fetkovich:
      return m_k.pi * (1.0 - m_we / m_k.wei);
    case Aquifermodell::Hurst:
      if (!std::isfinite(m_k.wasser) || !(m_k.wasser > 0) || !(m_k.red > 1)) return std::nan("");
      // ct·Wa = U·(R² - 1)/2 for the part of the circle the aquifer fills.
      return m_k.pi - m_we / (m_k.u * (m_k.red * m_k.red - 1.0) / 2.0);
  }
  return m_p;
}

}  // namespace zelvor
