#include "cli/Json.h"

#include <cmath>

#include "calc/Format.h"

namespace zelvor::cli {

std::string JsonText(const std::string& utf8) {
  std::string s = "\"";
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    // DEL and the C1 controls (U+0080..U+009F) are valid in a JSON string but act on a terminal.
    if (c == 0xC2 && i + 1 < utf8.size() && (static_cast<unsigned char>(utf8[i + 1]) & 0xE0) == 0x80) {
      s += Formatiere("\\u%04x", static_cast<unsigned char>(utf8[++i]));
      continue;
    }
    switch (c) {
      case '"': s += "\\\""; break;
      case '\\': s += "\\\\"; break;
      case '\n': s += "\\n"; break;
      case '\r': s += "\\r"; break;
      case '\t': s += "\\t"; break;
      default:
        if (c < 0x20 || c == 0x7F) {
          s += Formatiere("\\u%04x", c);
        } else {
          s += static_cast<char>(c);
        }
    }
  }
  return s + "\"";
}

std::string JsonZahl(double wert) {
  if (!std::isfinite(wert)) return "null";
  return Formatiere("%.17g", wert);
}

std::string JsonTextListe(const std::vector<std::string>& texte) {
  std::string s = "[";
  for (size_t i = 0; i < texte.size(); ++i) s += (i ? ", " : "") + JsonText(texte[i]);
  return s + "]";
}

std::string JsonZahlenListe(const float* werte, int anzahl) {
  std::string s = "[";
  for (int i = 0; i < anzahl; ++i) s += (i ? ", " : "") + JsonZahl(werte[i]);
  return s + "]";
}

}  // namespace zelvor::cli
