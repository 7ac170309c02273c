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
