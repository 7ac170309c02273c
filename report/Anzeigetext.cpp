#include "report/Anzeigetext.h"

namespace zelvor {
namespace {

constexpr const char* AUSLASSUNG = "\xE2\x80\xA6";  // "…"

bool Folgebyte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::string FuerAnzeige(const std::string& text, std::size_t zeichen) {
  if (zeichen == 0) return {};
  std::size_t gezaehlt = 0, schnitt = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (Folgebyte(text[i])) continue;
    if (gezaehlt == zeichen - 1) schnitt = i;
    if (++gezaehlt > zeichen) return text.substr(0, schnitt) + AUSLASSUNG;
  }
  return text;
}

std::string PfadFuerAnzeige(const std::string& pfad, std::size_t zeichen) {
  if (zeichen == 0) return {};
  std::size_t gezaehlt = 0, schnitt = pfad.size();
  for (std::size_t i = pfad.size(); i-- > 0;) {
    if (Folgebyte(pfad[i])) continue;
    if (++gezaehlt > zeichen) return AUSLASSUNG + pfad.substr(schnitt);
    if (gezaehlt == zeichen - 1) schnitt = i;
  }
  return pfad;
}

}  // namespace zelvor
