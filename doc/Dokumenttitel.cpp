#include "doc/Dokumenttitel.h"

namespace zelvor {

std::string Dokumenttitel(const std::string& pfad) {
  if (pfad.empty()) return UNBENANNT;
  const size_t schraegstrich = pfad.find_last_of('/');
  return schraegstrich == std::string::npos ? pfad : pfad.substr(schraegstrich + 1);
}

}  // namespace zelvor
