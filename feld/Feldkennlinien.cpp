#include "feld/Feldkennlinien.h"

#include <cmath>

namespace zelvor {

bool Feldkennlinien::Hinzufuegen(const std::vector<Kennlinienpunkt>& punkte, const Speichervolumen& v,
                                 double brennwert) {
  if (punkte.size() != FELDKENNLINIEN_PUNKTE) return false;
  for (std::size_t k = 0; k < punkte.size(); ++k)
    if (std::fabs(punkte[k].fuellgrad - static_cast<double>(k) * FELDKENNLINIEN_SCHRITT) > 1e-9) return false;
  if (m_punkte.empty()) {
    m_punkte.resize(FELDKENNLINIEN_PUNKTE);
    for (std::size_t k = 0; k < m_punkte.size(); ++k) m_punkte[k].fuellgrad = punkte[k].fuellgrad;
  }
  ++m_bohrungen;
  if (brennwert <= 0) ++m_ohneBrennwert;
  m_arbeitsgas += v.arbeitsgas;
  m_kissengas += v.kissengas;
  for (std::size_t k = 0; k < punkte.size(); ++k) {
    const Kennlinienpunkt& p = punkte[k];
    Feldkennlinienpunkt& s = m_punkte[k];
    s.inventar += p.inventar;
    // 1 Mio m3 at 1 kWh/m3 is 1 GWh; the energy only while no summed well lacks its calorific value.
    s.inventarGwh = m_ohneBrennwert ? std::nullopt : std::optional<double>(s.inventarGwh.value_or(0) + p.inventar * brennwert);
    s.qAus += p.qAus;
    s.qEin += p.qEin;
    s.ohneAus += p.qAus > 0 ? 0 : 1;
    s.ohneEin += p.qEin > 0 ? 0 : 1;
  }
  return true;
}

}  // namespace zelvor
