#include "calc/Speicherpruefung.h"

#include <cmath>

#include "calc/DruckAusPZ.h"
#include "calc/Format.h"
#include "calc/Gaseigenschaften.h"

namespace zelvor {

std::vector<std::string> SpeicherHinweise(const Laufdaten& lauf, const Speichervolumen& v, double pResMax,
                                          std::optional<double> gpJetzt) {
  std::vector<std::string> h;
  if (!(lauf.ogip > 0.0) || !(lauf.pzi > 0.0) || !(lauf.bgi > 0.0) || !SpeichervolumenAblehnung(v, lauf.ogip).empty())
    return h;
  const double voll = v.kissengas + v.arbeitsgas;
  const double pz = lauf.PZ(v.GpBeiFuellgrad(lauf.ogip, 1.0));
  const double p = pz > 0.0 && std::isfinite(pz)
                       ? DruckAusPZ(HallYarboroughKoeffizienten(lauf.temperatur, lauf.tca), pz, lauf.pca)
                       : std::nan("");
  if (pResMax > 0.0 && (!std::isfinite(p) || p > SPEICHER_DRUCK_WEIT * pResMax)) {
    h.push_back(std::isfinite(p)
                    ? Formatiere("Voll (Kissengas plus Arbeitsgas = %.1f Mio m3) stünde der Speicher nach der "
                                 "Materialbilanz bei %.1f bar, weit über dem maximalen Lagerstättendruck von %.1f bar, "
                                 "und so betreibt niemand einen Speicher: das Arbeitsgas oder das Kissengas ist wohl zu "
                                 "groß.",
                                 voll, p, pResMax)
                    : Formatiere("Voll (Kissengas plus Arbeitsgas = %.1f Mio m3) ergibt die Materialbilanz keinen "
                                 "Lagerstättendruck, der maximale ist %.1f bar: das Arbeitsgas oder das Kissengas ist "
                                 "wohl zu groß.",
                                 voll, pResMax));
  } else if (pResMax > 0.0 && std::fabs(p - pResMax) > SPEICHER_DRUCK_TOLERANZ * pResMax) {
    h.push_back(Formatiere("Voll (Kissengas plus Arbeitsgas = %.1f Mio m3) steht der Speicher nach der Materialbilanz "
                           "bei %.1f bar, nicht beim maximalen Lagerstättendruck von %.1f bar: das Arbeitsgas, das "
                           "Kissengas oder der maximale Lagerstättendruck ist wohl falsch.",
                           voll, p, pResMax));
  }
  if (gpJetzt && std::isfinite(*gpJetzt)) {
    const double inventar = v.Inventar(lauf.ogip, *gpJetzt);
    if (inventar < v.kissengas)
      h.push_back(Formatiere("Jetzt enthält der Speicher %.1f Mio m3, weniger als sein Kissengas von %.1f Mio m3 "
                             "(Füllstand %.0f %%): das Kissengas oder der Gasvorrat ist wohl falsch.",
                             inventar, v.kissengas, 100.0 * v.Fuellgrad(lauf.ogip, *gpJetzt)));
  }
  return h;
}

}  // namespace zelvor
