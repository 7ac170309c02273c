#include "calc/Speicherlauf.h"

#include <cmath>

namespace zelvor {

Speicherlauf::Speicherlauf(const Speicherzustand& zustand, double gp, const Aquiferfortschreibung* aquifer)
    : m_zustand(&zustand) {
  if (aquifer) {
    m_aquifer = *aquifer;
    const Aquiferstand& s = m_aquifer->Stand();
    m_morgen = zustand.BeiDruck(gp, s.p, s.pz);
  } else {
    m_morgen = zustand.Bei(gp);
  }
}

bool Speicherlauf::Weiter(double gp) {
  if (!m_aquifer) {
    m_morgen = m_zustand->Bei(gp);
    return true;
  }
  const Aquiferstand s = m_aquifer->Probe(1.0, gp);
  if (!(s.p > 0.0) || !std::isfinite(s.p)) return false;
  m_aquifer->Annehmen(s);
  m_morgen = m_zustand->BeiDruck(gp, s.p, s.pz);
  return true;
}

Kennlinienpunkt Speicherlauf::Sofort(double gp) const {
  if (!m_aquifer) return m_zustand->Bei(gp);
  const Aquiferstand s = m_aquifer->Probe(0.0, gp);
  return m_zustand->BeiDruck(gp, s.p, s.pz);
}

}  // namespace zelvor
