#include "import/Meldungstext.h"

#include <cstdio>

namespace zelvor {

std::string SteuerzeichenSichtbar(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  char puffer[8];
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '\r') {
      s += "\\r";
    } else if (c == '\n') {
      s += "\\n";
    } else if ((c < 0x20 && c != '\t') || c == 0x7F) {
      std::snprintf(puffer, sizeof puffer, "\\x%02X", c);
      s += puffer;
    } else if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
               static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
      std::snprintf(puffer, sizeof puffer, "\\u%04X", static_cast<unsigned char>(text[++i]));
      s += puffer;
    } else {
      s += static_cast<char>(c);
    }
  }
  return s;
}

}  // namespace zelvor
