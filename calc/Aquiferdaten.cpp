#include "calc/Aquiferdaten.h"

namespace zelvor {

const char* AquifermodellName(Aquifermodell m) {
  switch (m) {
    case Aquifermodell::Topf: return "topf";
    case Aquifermodell::Fetkovich: return "fetkovich";
    case Aquifermodell::Hurst: return "hurst";
    case Aquifermodell::Keiner: break;
  }
  return "keiner";
}

std::optional<Aquifermodell> AquifermodellAusName(const std::string& name) {
  for (Aquifermodell m : {Aquifermodell::Keiner, Aquifermodell::Topf, Aquifermodell::Fetkovich, Aquifermodell::Hurst})
    if (name == AquifermodellName(m)) return m;
  return std::nullopt;
}

std::string AquiferdatenPruefen(const Aquiferdaten&) { return ""; }

}  // namespace zelvor
