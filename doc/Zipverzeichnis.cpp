#include "doc/Zipverzeichnis.h"

namespace zelvor {
namespace {

constexpr std::uint32_t ENDE_SIGNATUR = 0x06054b50;
constexpr std::uint32_t EINTRAG_SIGNATUR = 0x02014b50;
constexpr std::uint32_t LOKAL_SIGNATUR = 0x04034b50;
constexpr std::size_t ENDE_GROESSE = 22;
constexpr std::size_t EINTRAG_GROESSE = 46;
constexpr std::size_t LOKAL_GROESSE = 30;

const char* const BESCHAEDIGT = "Die Arbeitsmappe ist besch\xC3\xA4" "digt (kein lesbares Zip-Archiv).";

std::uint32_t Le(std::string_view d, std::size_t pos, int bytes) {
  std::uint32_t w = 0;
  for (int i = bytes - 1; i >= 0; --i) w = (w << 8) | static_cast<unsigned char>(d[pos + static_cast<std::size_t>(i)]);
  return w;
}

}  // namespace

std::string ZipverzeichnisPruefen(std::string_view a, const Zipgrenzen& grenzen) {
  if (a.size() < ENDE_GROESSE) return BESCHAEDIGT;
  // The end record sits in the last 22 bytes plus at most a 65535-byte comment.
  std::size_t ende = std::string_view::npos;
  const std::size_t fruehestens = a.size() > ENDE_GROESSE + 0xFFFF ? a.size() - ENDE_GROESSE - 0xFFFF : 0;
  for (std::size_t p = a.size() - ENDE_GROESSE + 1; p-- > fruehestens;) {
    if (Le(a, p, 4) == ENDE_SIGNATUR) {
      ende = p;
      break;
    }
  }
  if (ende == std::string_view::npos) return BESCHAEDIGT;
  const std::uint32_t anzahl = Le(a, ende + 10, 2);
  const std::uint32_t groesse = Le(a, ende + 12, 4);
  const std::uint32_t anfang = Le(a, ende + 16, 4);
  if (anzahl == 0xFFFF || groesse == 0xFFFFFFFF || anfang == 0xFFFFFFFF)
    return "Die Arbeitsmappe ist ein Zip64-Archiv; solche Arbeitsmappen werden nicht gelesen.";
  if (anzahl > grenzen.eintraege)
    return "Die Arbeitsmappe enth\xC3\xA4lt zu viele Dateien (" + std::to_string(anzahl) + ").";
  if (static_cast<std::uint64_t>(anfang) + groesse > ende) return BESCHAEDIGT;

  std::uint64_t summe = 0;
  std::size_t p = anfang;
  for (std::uint32_t i = 0; i < anzahl; ++i) {
    if (p + EINTRAG_GROESSE > static_cast<std::size_t>(anfang) + groesse || Le(a, p, 4) != EINTRAG_SIGNATUR)
      return BESCHAEDIGT;
    const std::uint32_t gepackt = Le(a, p + 20, 4);
    const std::uint32_t entpackt = Le(a, p + 24, 4);
    const std::size_t name = Le(a, p + 28, 2), extra = Le(a, p + 30, 2), kommentar = Le(a, p + 32, 2);
    const std::uint32_t lokal = Le(a, p + 42, 4);
    if (gepackt == 0xFFFFFFFF || entpackt == 0xFFFFFFFF)
      return "Die Arbeitsmappe ist ein Zip64-Archiv; solche Arbeitsmappen werden nicht gelesen.";
    // The local header must lie inside the archive, and its sizes (when it gives them) agree.
    if (static_cast<std::uint64_t>(lokal) + LOKAL_GROESSE > anfang || Le(a, lokal, 4) != LOKAL_SIGNATUR)
      return BESCHAEDIGT;
    const std::uint32_t lokalGepackt = Le(a, lokal + 18, 4), lokalEntpackt = Le(a, lokal + 22, 4);
    const bool lokalGroessen = (Le(a, lokal + 6, 2) & 0x8) == 0;  // else a data descriptor follows the data
    if (lokalGroessen && (lokalGepackt != gepackt || lokalEntpackt != entpackt)) return BESCHAEDIGT;
    if (static_cast<std::uint64_t>(lokal) + LOKAL_GROESSE + gepackt > anfang) return BESCHAEDIGT;
    summe += entpackt;
    if (summe > grenzen.entpackt)
      return "Die Arbeitsmappe w\xC3\xBC" "rde entpackt mehr als " + std::to_string(grenzen.entpackt / (1024 * 1024)) +
             " MB belegen; sie wird nicht gelesen.";
    p += EINTRAG_GROESSE + name + extra + kommentar;
  }
  return {};
}

}  // namespace zelvor
