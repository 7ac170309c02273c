// Fuzz target for the rules of one typed rate line.
// The scanner is compared with the C library's "%f %f %f %s" (which it must follow up to the first number
// that is NaN or infinite); a valid line must be formatted as "%7.3f %17.2f %17.2f" from plain numbers,
// must read back as valid, and formatting what it reads back must give the same line again.
#include <clocale>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <locale.h>
#include <string>

#include "FuzzHilfen.h"
#include "calc/Format.h"
#include "doc/Ratenzeile.h"

namespace zelvor::fuzz {
namespace {

// sscanf with "%f %f %f %s" under the "C" locale: the number of items, EOF counted as 0.
int CBibliothek(const std::string& text, float werte[3]) {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  const locale_t vorher = uselocale(c);
  std::string wort(text.size() + 1, '\0');
  const int n = std::sscanf(text.c_str(), "%f %f %f %s", &werte[0], &werte[1], &werte[2], wort.data());
  uselocale(vorher);
  return n < 0 ? 0 : n;
}

bool KlarText(const std::string& z) {
  for (const char c : z)
    if (!(c == ' ' || c == '-' || c == '.' || (c >= '0' && c <= '9'))) return false;
  return true;
}

// Half a unit of the last printed decimal, plus the float's own spacing.
bool Nahe(float a, float b, double halbeStelle) {
  const double abstand = std::fabs(static_cast<double>(a) - static_cast<double>(b));
  return abstand <= halbeStelle + 2.0 * std::fabs(static_cast<double>(std::nextafter(a, INFINITY) - a));
}

}  // namespace
}  // namespace zelvor::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  using namespace zelvor;
  using namespace zelvor::fuzz;
  const std::string text(reinterpret_cast<const char*>(daten), groesse);

  float gp = -1, rate = -1, druck = -1;
  const int anzahl = RatenzeileScannen(text, gp, rate, druck);
  FUZZ_PRUEFE(anzahl >= 0 && anzahl <= 4, std::to_string(anzahl));

  float c[3] = {0, 0, 0};
  const int cAnzahl = CBibliothek(text, c);
  int erwartet = cAnzahl;
  for (int i = 0; i < 3 && i < cAnzahl; ++i) {
    if (!std::isfinite(c[i])) {
      erwartet = i;
      break;
    }
  }
  FUZZ_PRUEFE(anzahl == erwartet, "\"" + Sichtbar(text) + "\": " + std::to_string(anzahl) + " statt " +
                                      std::to_string(erwartet));
  const float gelesen[3] = {gp, rate, druck};
  for (int i = 0; i < 3 && i < anzahl; ++i) FUZZ_PRUEFE(BitGleich(gelesen[i], c[i]), Sichtbar(text));

  const RatenzeilePruefung p = RatenzeilePruefen(text);
  const bool gueltig = anzahl == 3 && !(gp < 0) && !(rate < 0) && !(druck < 0);
  FUZZ_PRUEFE(p.gueltig == gueltig, Sichtbar(text));
  if (!p.gueltig) {
    FUZZ_PRUEFE(!p.meldung.empty() && p.zeile.empty(), p.meldung);
    return 0;
  }
  FUZZ_PRUEFE(p.meldung.empty(), p.meldung);
  // The numbers scanned, a -0 stored as 0.
  FUZZ_PRUEFE(BitGleich(p.gp, gp + 0.0f) && BitGleich(p.rate, rate + 0.0f) && BitGleich(p.druck, druck + 0.0f),
              Sichtbar(text));
  FUZZ_PRUEFE(KlarText(p.zeile), Sichtbar(p.zeile));
  FUZZ_PRUEFE(p.zeile.size() >= 43, Sichtbar(p.zeile));

  // Reading the stored line back gives the rounded numbers, and they are stored as the same line.
  const RatenzeilePruefung wieder = RatenzeilePruefen(p.zeile);
  FUZZ_PRUEFE(wieder.gueltig, p.zeile + ": " + wieder.meldung);
  FUZZ_PRUEFE(wieder.zeile == p.zeile, "\"" + p.zeile + "\" wird \"" + wieder.zeile + "\"");
  FUZZ_PRUEFE(Nahe(wieder.gp, p.gp, 0.0005) && Nahe(wieder.rate, p.rate, 0.005) && Nahe(wieder.druck, p.druck, 0.005),
              p.zeile);
  return 0;
}
