#include "export/Exportart.h"

#include <algorithm>
#include <cctype>

namespace zelvor {
namespace {

constexpr const char* ENDUNGEN[] = {"png", "svg", "pdf", "csv", "csv", "xlsx", "csv", "json"};

// The extension after the name's last dot (not one of a folder's), in lower case; "" when there is none.
std::string Endung(const std::string& pfad) {
  const std::size_t trenner = pfad.find_last_of("/\\");
  const std::size_t punkt = pfad.rfind('.');
  if (punkt == std::string::npos || (trenner != std::string::npos && punkt < trenner)) return "";
  std::string e = pfad.substr(punkt + 1);
  std::transform(e.begin(), e.end(), e.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return e;
}

}  // namespace

const char* ExportartEndung(Exportart art) { return ENDUNGEN[static_cast<int>(art)]; }

Exportdatei ExportdateiBestimmen(const std::string& pfad, Exportart gewaehlt) {
  const std::string endung = Endung(pfad);
  if (endung == ExportartEndung(gewaehlt)) return {pfad, gewaehlt};
  for (const Exportart art : {Exportart::Png, Exportart::Svg, Exportart::Pdf, Exportart::Csv, Exportart::Xlsx})
    if (endung == ExportartEndung(art)) return {pfad, art};
  return {pfad + "." + ExportartEndung(gewaehlt), gewaehlt};
}

}  // namespace zelvor
