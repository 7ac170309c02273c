#include "import/Zipverzeichnis.h"

#include <zlib.h>

namespace zelvor {
namespace {

constexpr std::uint32_t ENDE_SIGNATUR = 0x06054b50;
constexpr std::uint32_t EINTRAG_SIGNATUR = 0x02014b50;
constexpr std::uint32_t LOKAL_SIGNATUR = 0x04034b50;
constexpr std::size_t ENDE_GROESSE = 22;
constexpr std::size_t EINTRAG_GROESSE = 46;
constexpr std::size_t LOKAL_GROESSE = 30;
// A relationship part is a few hundred bytes; one larger than this is left as it is.
constexpr std::uint32_t MAX_BEZIEHUNGSTEIL = 1024 * 1024;

const char* const BESCHAEDIGT = "Die Arbeitsmappe ist besch\xC3\xA4" "digt (kein lesbares Zip-Archiv).";
const char* const ZIP64 = "Die Arbeitsmappe ist ein Zip64-Archiv; solche Arbeitsmappen werden nicht gelesen.";

std::uint32_t Le(std::string_view d, std::size_t pos, int bytes) {
  std::uint32_t w = 0;
  for (int i = bytes - 1; i >= 0; --i) w = (w << 8) | static_cast<unsigned char>(d[pos + static_cast<std::size_t>(i)]);
  return w;
}

void LeAnhaengen(std::string& ziel, std::uint32_t wert, int bytes) {
  for (int i = 0; i < bytes; ++i) ziel += static_cast<char>((wert >> (8 * i)) & 0xFF);
}

std::optional<std::string> Entpacken(std::string_view archiv, const Zipeintrag& e) {
  const std::string_view gepackt = archiv.substr(e.daten, e.gepackt);
  if (e.methode == 0) return std::string(gepackt);
  if (e.methode != 8 || e.entpackt > MAX_BEZIEHUNGSTEIL) return std::nullopt;
  std::string text(e.entpackt, '\0');
  z_stream s{};
  if (inflateInit2(&s, -MAX_WBITS) != Z_OK) return std::nullopt;
  s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(gepackt.data()));
  s.avail_in = static_cast<uInt>(gepackt.size());
  s.next_out = reinterpret_cast<Bytef*>(text.data());
  s.avail_out = static_cast<uInt>(text.size());
  const int r = inflate(&s, Z_FINISH);
  const bool ganz = r == Z_STREAM_END && s.total_out == e.entpackt;
  inflateEnd(&s);
  if (!ganz) return std::nullopt;
  return text;
}

// "/xl/worksheets/sheet1.xml" seen from "xl/_rels/workbook.xml.rels" is "worksheets/sheet1.xml".
bool ZieleRelativ(std::string& text, const std::string& name) {
  const std::size_t rels = name.rfind("_rels/");
  if (rels == std::string::npos) return false;
  const std::string ordner = name.substr(0, rels);
  bool geaendert = false;
  for (const char* anfuehrung : {"\"", "'"}) {
    const std::string absolut = std::string("Target=") + anfuehrung + "/" + ordner;
    const std::string relativ = std::string("Target=") + anfuehrung;
    for (std::size_t pos = text.find(absolut); pos != std::string::npos; pos = text.find(absolut, pos + relativ.size())) {
      text.replace(pos, absolut.size(), relativ);
      geaendert = true;
    }
  }
  return geaendert;
}

}  // namespace

std::string ZipverzeichnisLesen(std::string_view a, std::vector<Zipeintrag>& eintraege, const Zipgrenzen& grenzen) {
  eintraege.clear();
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
  if (anzahl == 0xFFFF || groesse == 0xFFFFFFFF || anfang == 0xFFFFFFFF) return ZIP64;
  if (anzahl > grenzen.eintraege)
    return "Die Arbeitsmappe enth\xC3\xA4lt zu viele Dateien (" + std::to_string(anzahl) + ").";
  if (static_cast<std::uint64_t>(anfang) + groesse > ende) return BESCHAEDIGT;

  std::uint64_t summe = 0;
  std::size_t p = anfang;
  const std::size_t verzeichnisende = static_cast<std::size_t>(anfang) + groesse;
  for (std::uint32_t i = 0; i < anzahl; ++i) {
    if (p + EINTRAG_GROESSE > verzeichnisende || Le(a, p, 4) != EINTRAG_SIGNATUR) return BESCHAEDIGT;
    Zipeintrag e;
    e.methode = static_cast<std::uint16_t>(Le(a, p + 10, 2));
    e.crc = Le(a, p + 16, 4);
    e.gepackt = Le(a, p + 20, 4);
    e.entpackt = Le(a, p + 24, 4);
    const std::size_t name = Le(a, p + 28, 2), extra = Le(a, p + 30, 2), kommentar = Le(a, p + 32, 2);
    const std::uint32_t lokal = Le(a, p + 42, 4);
    if (e.gepackt == 0xFFFFFFFF || e.entpackt == 0xFFFFFFFF) return ZIP64;
    if (p + EINTRAG_GROESSE + name > verzeichnisende) return BESCHAEDIGT;
    e.name.assign(a.substr(p + EINTRAG_GROESSE, name));
    // The local header must lie before the directory, and its sizes (when it gives them) agree.
    if (static_cast<std::uint64_t>(lokal) + LOKAL_GROESSE > anfang || Le(a, lokal, 4) != LOKAL_SIGNATUR)
      return BESCHAEDIGT;
    const bool lokalGroessen = (Le(a, lokal + 6, 2) & 0x8) == 0;  // else a data descriptor follows the data
    if (lokalGroessen && (Le(a, lokal + 18, 4) != e.gepackt || Le(a, lokal + 22, 4) != e.entpackt)) return BESCHAEDIGT;
    e.daten = lokal + LOKAL_GROESSE + Le(a, lokal + 26, 2) + Le(a, lokal + 28, 2);
    if (static_cast<std::uint64_t>(e.daten) + e.gepackt > anfang) return BESCHAEDIGT;
    summe += e.entpackt;
    if (summe > grenzen.entpackt)
      return "Die Arbeitsmappe w\xC3\xBC" "rde entpackt mehr als " + std::to_string(grenzen.entpackt / (1024 * 1024)) +
             " MB belegen; sie wird nicht gelesen.";
    eintraege.push_back(std::move(e));
    p += EINTRAG_GROESSE + name + extra + kommentar;
  }
  return {};
}

std::optional<std::string> BeziehungszieleRelativ(std::string_view archiv, const std::vector<Zipeintrag>& eintraege) {
  struct Teil {
    const Zipeintrag* eintrag;
    std::optional<std::string> neu;  // the rewritten part, stored unpacked
  };
  std::vector<Teil> teile;
  bool geaendert = false;
  for (const Zipeintrag& e : eintraege) {
    Teil t{&e, std::nullopt};
    if (e.name.size() > 5 && e.name.compare(e.name.size() - 5, 5, ".rels") == 0) {
      std::optional<std::string> text = Entpacken(archiv, e);
      if (text && ZieleRelativ(*text, e.name)) {
        t.neu = std::move(text);
        geaendert = true;
      }
    }
    teile.push_back(std::move(t));
  }
  if (!geaendert) return std::nullopt;

  std::string neu, verzeichnis;
  for (const Teil& t : teile) {
    const Zipeintrag& e = *t.eintrag;
    const std::string_view daten = t.neu ? std::string_view(*t.neu) : archiv.substr(e.daten, e.gepackt);
    const std::uint32_t methode = t.neu ? 0 : e.methode;
    const std::uint32_t crc =
        t.neu ? static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(daten.data()), static_cast<uInt>(daten.size())))
              : e.crc;
    const auto gepackt = static_cast<std::uint32_t>(daten.size());
    const std::uint32_t entpackt = t.neu ? gepackt : e.entpackt;
    const auto lokal = static_cast<std::uint32_t>(neu.size());
    const auto kopf = [&](std::string& ziel, bool zentral) {
      LeAnhaengen(ziel, zentral ? EINTRAG_SIGNATUR : LOKAL_SIGNATUR, 4);
      if (zentral) LeAnhaengen(ziel, 20, 2);  // made by
      LeAnhaengen(ziel, 20, 2);               // needed to extract
      LeAnhaengen(ziel, 0, 2);                // flags: the sizes stand in the header
      LeAnhaengen(ziel, methode, 2);
      LeAnhaengen(ziel, 0, 4);  // time and date
      LeAnhaengen(ziel, crc, 4);
      LeAnhaengen(ziel, gepackt, 4);
      LeAnhaengen(ziel, entpackt, 4);
      LeAnhaengen(ziel, static_cast<std::uint32_t>(e.name.size()), 2);
      LeAnhaengen(ziel, 0, 2);  // extra field
      if (zentral) {
        LeAnhaengen(ziel, 0, 2);  // comment
        LeAnhaengen(ziel, 0, 2);  // disk
        LeAnhaengen(ziel, 0, 2);  // internal attributes
        LeAnhaengen(ziel, 0, 4);  // external attributes
        LeAnhaengen(ziel, lokal, 4);
      }
      ziel += e.name;
    };
    kopf(neu, false);
    neu += daten;
    kopf(verzeichnis, true);
  }
  const auto anfang = static_cast<std::uint32_t>(neu.size());
  neu += verzeichnis;
  LeAnhaengen(neu, ENDE_SIGNATUR, 4);
  LeAnhaengen(neu, 0, 4);  // disks
  LeAnhaengen(neu, static_cast<std::uint32_t>(teile.size()), 2);
  LeAnhaengen(neu, static_cast<std::uint32_t>(teile.size()), 2);
  LeAnhaengen(neu, static_cast<std::uint32_t>(verzeichnis.size()), 4);
  LeAnhaengen(neu, anfang, 4);
  LeAnhaengen(neu, 0, 2);  // comment
  return neu;
}

}  // namespace zelvor
