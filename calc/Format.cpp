#include "calc/Format.h"

#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <locale.h>

namespace zelvor {
namespace {

locale_t CLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return c;
}

// Switches the calling thread to the "C" locale for one formatting call.
class CLocaleWaehrend {
 public:
  CLocaleWaehrend() : m_vorher(uselocale(CLocale())) {}
  ~CLocaleWaehrend() { uselocale(m_vorher); }
  CLocaleWaehrend(const CLocaleWaehrend&) = delete;
  CLocaleWaehrend& operator=(const CLocaleWaehrend&) = delete;

 private:
  locale_t m_vorher;
};

}  // namespace

std::string Formatiere(const char* format, ...) {
  CLocaleWaehrend c;
  char puffer[256];
  va_list args;
  va_start(args, format);
  va_list kopie;
  va_copy(kopie, args);
  const int n = std::vsnprintf(puffer, sizeof puffer, format, args);
  va_end(args);
  std::string text;
  if (n < 0) {
    va_end(kopie);
    return text;
  }
  if (static_cast<size_t>(n) < sizeof puffer) {
    text.assign(puffer, static_cast<size_t>(n));
  } else {
    text.resize(static_cast<size_t>(n) + 1);
    std::vsnprintf(text.data(), text.size(), format, kopie);
    text.resize(static_cast<size_t>(n));
  }
  va_end(kopie);
  return text;
}

int Scanne(const char* text, const char* format, ...) {
  CLocaleWaehrend c;
  va_list args;
  va_start(args, format);
  const int n = std::vsscanf(text, format, args);
  va_end(args);
  return n;
}

}  // namespace zelvor

#include <charconv>
#include <cmath>
#include <cstring>

namespace zelvor {

void FestAnhaengen(std::string& ziel, double wert, int breite, int stellen) {
  char puffer[400];
  const std::to_chars_result r =
      std::isfinite(wert) ? std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::fixed, stellen)
                          : std::to_chars_result{puffer, std::errc::value_too_large};
  if (r.ec != std::errc()) {
    ziel += Formatiere("%*.*f", breite, stellen, wert);
    return;
  }
  const long laenge = r.ptr - puffer;
  if (laenge < breite) ziel.append(static_cast<size_t>(breite - laenge), ' ');
  ziel.append(puffer, static_cast<size_t>(laenge));
}

bool EinfacheZahlLesen(const char*& text, float& wert) {
  const char* p = text;
  while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r' || *p == '\f' || *p == '\v') ++p;
  const char* anfang = p;
  if (*p == '-') ++p;
  const char* ziffern = p;
  while (*p >= '0' && *p <= '9') ++p;
  bool hatZiffern = p != ziffern;
  if (*p == '.') {
    ++p;
    const char* nachkomma = p;
    while (*p >= '0' && *p <= '9') ++p;
    hatZiffern = hatZiffern || p != nachkomma;
  }
  if (!hatZiffern) return false;
  // Exponents, hexadecimal, "inf"/"nan" and a following letter are left to scanf and its own rules.
  if (*p != '\0' && *p != ' ' && *p != '\t' && *p != '\n' && *p != '\r') return false;
  float w = 0;
  const std::from_chars_result r = std::from_chars(anfang, p, w);
  if (r.ec != std::errc() || r.ptr != p) return false;
  wert = w;
  text = p;
  return true;
}

}  // namespace zelvor
