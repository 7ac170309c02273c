#include "feld/Feldkennlinien.h"

#include <cmath>

namespace zelvor {
namespace {

bool AufDemRaster(const std::vector<Kennlinienpunkt>& punkte) {
  if (punkte.size() != FELDKENNLINIEN_PUNKTE) return false;
  for (std::size_t k = 0; k < punkte.size(); ++k)
    if (std::fabs(punkte[k].fuellgrad - static_cast<double>(k) * FELDKENNLINIEN_SCHRITT) > 1e-9) return false;
  return true;
}

void Summieren(std::vector<Feldkennlinienpunkt>& summe, const std::vector<Kennlinienpunkt>& punkte, double brennwert,
               bool ohneBrennwert) {
  if (summe.empty()) {
    summe.resize(FELDKENNLINIEN_PUNKTE);
    for (std::size_t k = 0; k < summe.size(); ++k) summe[k].fuellgrad = punkte[k].fuellgrad;
  }
  for (std::size_t k = 0; k < punkte.size(); ++k) {
    const Kennlinienpunkt& p = punkte[k];
    Feldkennlinienpunkt& s = summe[k];
    s.inventar += p.inventar;
    // 1 Mio m3 at 1 kWh/m3 is 1 GWh; the energy only while no summed well lacks its calorific value.
    s.inventarGwh = ohneBrennwert ? std::nullopt : std::optional<double>(s.inventarGwh.value_or(0) + p.inventar * brennwert);
    s.qAus += p.qAus;
    s.qEin += p.qEin;
    s.ohneAus += p.qAus > 0 ? 0 : 1;
    s.ohneEin += p.qEin > 0 ? 0 : 1;
  }
}

}  // namespace

bool Feldkennlinien::Hinzufuegen(const std::vector<Kennlinienpunkt>& punkte, const Speichervolumen& v,
                                 double brennwert) {
  if (!AufDemRaster(punkte)) return false;
  ++m_bohrungen;
  if (brennwert <= 0) ++m_ohneBrennwert;
  m_arbeitsgas += v.arbeitsgas;
  m_kissengas += v.kissengas;
  Summieren(m_punkte, punkte, brennwert, m_ohneBrennwert);
  Summieren(m_aus, punkte, brennwert, m_ohneBrennwert);
  return true;
}

bool Feldkennlinien::Hinzufuegen(const std::vector<Kennlinienpunkt>& einspeicherung,
                                 const std::vector<Kennlinienpunkt>& ausspeicherung, const Speichervolumen& v,
                                 double brennwert) {
  if (!AufDemRaster(einspeicherung) || !AufDemRaster(ausspeicherung)) return false;
  ++m_bohrungen;
  ++m_mitAquifer;
  if (brennwert <= 0) ++m_ohneBrennwert;
  m_arbeitsgas += v.arbeitsgas;
  m_kissengas += v.kissengas;
  Summieren(m_punkte, einspeicherung, brennwert, m_ohneBrennwert);
  Summieren(m_aus, ausspeicherung, brennwert, m_ohneBrennwert);
  return true;
}

}  // namespace zelvor
