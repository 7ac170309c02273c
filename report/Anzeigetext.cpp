#include "report/Anzeigetext.h"

#include <cstdio>

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

std::vector<std::string> TextFuerBild(const std::vector<std::string>& zeilen) {
  std::vector<std::string> bild;
  const bool gekuerzt = zeilen.size() > BILD_TEXTZEILEN;
  const std::size_t behalten = gekuerzt ? BILD_TEXTZEILEN - 1 : zeilen.size();
  bild.reserve(behalten + 1);
  for (std::size_t i = 0; i < behalten; ++i) bild.push_back(FuerAnzeige(zeilen[i], BILD_ZEILE_ZEICHEN));
  if (gekuerzt) {
    char text[96];
    std::snprintf(text, sizeof text, "\xE2\x80\xA6 %zu weitere Zeilen zeigt das Bild nicht.", zeilen.size() - behalten);
    bild.emplace_back(text);
  }
  return bild;
}

}  // namespace zelvor
