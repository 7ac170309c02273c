#include "doc/Dokumenttitel.h"

namespace zelvor {

namespace {
#ifdef _WIN32
constexpr const char* TRENNER = "/\\";  // Windows takes either
#else
constexpr const char* TRENNER = "/";
#endif
}  // namespace

std::string Dokumenttitel(const std::string& pfad) {
  if (pfad.empty()) return UNBENANNT;
  const size_t schraegstrich = pfad.find_last_of(TRENNER);
  return schraegstrich == std::string::npos ? pfad : pfad.substr(schraegstrich + 1);
}

}  // namespace zelvor
