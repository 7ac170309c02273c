#include "calc/Prognose.h"

#include <cmath>

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
  return lauf.injektion ? EinspeicherprognoseBerechnen(lauf, e) : FoerderprognoseBerechnen(lauf, e);
}

}  // namespace zelvor
