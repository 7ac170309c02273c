// Fuzz target for the quick number roads of the result table, against the C library they stand in for:
// FestAnhaengen must give exactly what printf's "%<breite>.<stellen>f" gives, and EinfacheZahlLesen, when it
// takes a number at all, exactly what scanf's "%f" reads from the same place.
//
// Input layout:
//   byte 0      decimals (low 3 bits, 0..7); bit 7: the value is an exact binary fraction (below) instead of
//               a raw bit pattern, which makes the rounding ties that printf settles to even common
//   byte 1      field width (0..31)
//   bytes 2-9   the value: a raw double, or a signed 32-bit numerator (bytes 2-5) over 2^(byte 6 % 64)
//   the rest    a text to read numbers from, one after the other
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzHilfen.h"
#include "calc/Format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  using namespace zelvor;
  using namespace zelvor::fuzz;
  if (groesse < 10) return 0;
  const int stellen = daten[0] & 7;
  const int breite = daten[1] & 31;
  double wert = 0;
  if ((daten[0] & 0x80) != 0) {
    std::uint32_t z = 0;
    for (int i = 0; i < 4; ++i) z |= std::uint32_t{daten[2 + i]} << (8 * i);
    wert = static_cast<double>(std::bit_cast<std::int32_t>(z)) / std::ldexp(1.0, daten[6] % 64);
  } else {
    std::uint64_t b = 0;
    for (int i = 0; i < 8; ++i) b |= std::uint64_t{daten[2 + i]} << (8 * i);
    wert = std::bit_cast<double>(b);
  }
  std::string schnell;
  FestAnhaengen(schnell, wert, breite, stellen);
  const std::string cAusgabe = Formatiere("%*.*f", breite, stellen, wert);
  FUZZ_PRUEFE(schnell == cAusgabe, Formatiere("%.17g mit %%%d.%df: \"%s\" statt \"%s\"", wert, breite, stellen,
                                            schnell.c_str(), cAusgabe.c_str()));

  const std::string text(reinterpret_cast<const char*>(daten + 10), groesse - 10);
  const char* p = text.c_str();
  for (int i = 0; i < 8 && *p != '\0'; ++i) {
    const char* vorher = p;
    float zahl = 0;
    if (!EinfacheZahlLesen(p, zahl)) {
      FUZZ_PRUEFE(p == vorher, Sichtbar(vorher));
      // Past this item, as scanf would go on with the next one.
      while (*p == ' ') ++p;
      while (*p != '\0' && *p != ' ') ++p;
      continue;
    }
    float c = 0;
    int gelesen = 0;
    FUZZ_PRUEFE(Scanne(vorher, "%f%n", &c, &gelesen) == 1, Sichtbar(vorher));
    FUZZ_PRUEFE(BitGleich(zahl, c) && p == vorher + gelesen,
                Formatiere("\"%s\": %.9g (%d Zeichen) statt %.9g (%d Zeichen)", Sichtbar(vorher).c_str(),
                           static_cast<double>(zahl), static_cast<int>(p - vorher), static_cast<double>(c), gelesen));
  }
  return 0;
}
