#include "calc/Format.h"

#include <clocale>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <locale.h>
#include <string>
#include <string_view>

namespace zelvor {
namespace {

#ifdef _WIN32
// Windows has no uselocale: the calling thread gets a locale of its own, set to "C" for the call.
class CLocaleWaehrend {
 public:
  CLocaleWaehrend() : m_art(_configthreadlocale(_ENABLE_PER_THREAD_LOCALE)) {
    const char* vorher = std::setlocale(LC_NUMERIC, nullptr);
    if (vorher != nullptr && std::string_view(vorher) != "C") {
      m_vorher = vorher;
      std::setlocale(LC_NUMERIC, "C");
    }
  }
  ~CLocaleWaehrend() {
    if (!m_vorher.empty()) std::setlocale(LC_NUMERIC, m_vorher.c_str());
    _configthreadlocale(m_art);
  }
  CLocaleWaehrend(const CLocaleWaehrend&) = delete;
  CLocaleWaehrend& operator=(const CLocaleWaehrend&) = delete;

 private:
  int m_art;
  std::string m_vorher;
};
#else
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
#endif

}  // namespace

std::string ZahlOhneExponent(double wert) {
  if (!std::isfinite(wert)) return Formatiere("%g", wert);
  std::string text;
  for (int stellen = 0; stellen <= 17; ++stellen) {
    text = Formatiere("%.*f", stellen, wert);
    double zurueck = 0;
    if (Scanne(text.c_str(), "%lf", &zurueck) == 1 && zurueck == wert) break;
  }
  return text;
}

std::string Anzahltext(long long anzahl, const char* einzahl, const char* mehrzahl) {
  return Formatiere("%lld %s", anzahl, anzahl == 1 ? einzahl : mehrzahl);
}

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
#include <cstddef>
#include <cstring>

namespace zelvor {

namespace {

// The digits of |wert| to `stellen` decimals when that can be done exactly with integers: for at most
// three decimals and |wert| < 2^53, wert × 10^stellen needs at most 63 bits, so the long double product
// is exact, and rounding it to the nearest integer, ties to even, is what printf does with the exact
// binary value.
bool FestGanzzahlig(double wert, int stellen, char* puffer, std::ptrdiff_t& laenge) {
  static constexpr long double ZEHNER[] = {1.0L, 10.0L, 100.0L, 1000.0L};
  static constexpr unsigned long long GANZ_ZEHNER[] = {1, 10, 100, 1000};
  const double betrag = std::fabs(wert);
  if (stellen < 0 || stellen > 3 || !(betrag < 9007199254740992.0)) return false;
  const long double skaliert = static_cast<long double>(betrag) * ZEHNER[stellen];
  auto k = static_cast<unsigned long long>(skaliert);
  const long double rest = skaliert - static_cast<long double>(k);  // exact as well
  if (rest > 0.5L || (rest == 0.5L && (k & 1u) != 0)) ++k;
  char* p = puffer;
  if (std::signbit(wert)) *p++ = '-';
  p = std::to_chars(p, p + 24, k / GANZ_ZEHNER[stellen]).ptr;
  if (stellen > 0) {
    *p++ = '.';
    unsigned long long nachkomma = k % GANZ_ZEHNER[stellen];
    for (int i = stellen - 1; i >= 0; --i) {
      p[i] = static_cast<char>('0' + nachkomma % 10);
      nachkomma /= 10;
    }
    p += stellen;
  }
  laenge = p - puffer;
  return true;
}

}  // namespace

void FestAnhaengen(std::string& ziel, double wert, int breite, int stellen) {
  char puffer[400];
  std::ptrdiff_t laenge = 0;
  if (!FestGanzzahlig(wert, stellen, puffer, laenge)) {
    const std::to_chars_result r =
        std::isfinite(wert) ? std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::fixed, stellen)
                            : std::to_chars_result{puffer, std::errc::value_too_large};
    if (r.ec != std::errc()) {
      ziel += Formatiere("%*.*f", breite, stellen, wert);
      return;
    }
    laenge = r.ptr - puffer;
  }
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
