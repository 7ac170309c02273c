#include "calc/Prognose.h"

#include <cmath>
#include <memory>

#include "calc/Aquiferprognose.h"
#include "calc/Einspeicherprognose.h"
#include "calc/Foerderprognose.h"

namespace zelvor {

Foerderprognose PrognoseBerechnen(const Laufdaten& lauf, const PrognoseEingaben& e) {
  if (e.gasvorrat) {
    PrognoseEingaben ohne = e;
    ohne.gasvorrat.reset();
    if (!(*e.gasvorrat > 0.0) || !std::isfinite(*e.gasvorrat) || !(lauf.bgi > 0.0)) {
      Foerderprognose a;
      a.eingaben = e;
      a.meldung = "Der Gasvorrat der Förderprognose ist ungültig.";
      return a;
    }
    Foerderprognose p = PrognoseBerechnen(lauf.MitGasvorrat(*e.gasvorrat), ohne);
    p.eingaben = e;
    return p;
  }
  if (e.aquifer) {
    Foerderprognose p = AquiferprognoseBerechnen(lauf, e);
    if (p.aquifer) {
      // Beside it the forecast that takes no more water from its start on.
      PrognoseEingaben ohne = e;
      ohne.aquifer.reset();
      p.aquifer->ohneAquifer = std::make_shared<const Foerderprognose>(PrognoseBerechnen(lauf, ohne));
    }
    return p;
  }
  return lauf.injektion ? EinspeicherprognoseBerechnen(lauf, e) : FoerderprognoseBerechnen(lauf, e);
}

}  // namespace zelvor
