#include "cli/Json.h"

#include <cmath>

#include "calc/Format.h"

namespace zelvor::cli {

std::string JsonText(const std::string& utf8) {
  std::string s = "\"";
  for (unsigned char c : utf8) {
    switch (c) {
      case '"': s += "\\\""; break;
      case '\\': s += "\\\\"; break;
      case '\n': s += "\\n"; break;
      case '\r': s += "\\r"; break;
      case '\t': s += "\\t"; break;
      default:
        if (c < 0x20) {
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
