#include "import/Zipverzeichnis.h"

#include <zlib.h>

#include <algorithm>
#include <set>

namespace zelvor {
namespace {

constexpr std::uint32_t ENDE_SIGNATUR = 0x06054b50;
constexpr std::uint32_t EINTRAG_SIGNATUR = 0x02014b50;
constexpr std::uint32_t LOKAL_SIGNATUR = 0x04034b50;
constexpr std::uint32_t BESCHREIBER_SIGNATUR = 0x08074b50;
constexpr std::size_t ENDE_GROESSE = 22;
constexpr std::size_t EINTRAG_GROESSE = 46;
constexpr std::size_t LOKAL_GROESSE = 30;
constexpr std::uint16_t VERSCHLUESSELT = 0x1;
constexpr std::uint16_t BESCHREIBER = 0x8;  // sizes and checksum follow the data

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

std::uint32_t Pruefsumme(std::string_view d) {
  return static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(d.data()), static_cast<uInt>(d.size())));
}

// The local header at `pos` agrees with the entry's record; where its data and (when it has one) the
// data descriptor after them end, or 0 when they do not fit before `grenze`.
std::size_t LokalesEnde(std::string_view a, std::size_t pos, Zipeintrag& e, std::size_t grenze) {
  if (pos + LOKAL_GROESSE > grenze || Le(a, pos, 4) != LOKAL_SIGNATUR) return 0;
  const auto flags = static_cast<std::uint16_t>(Le(a, pos + 6, 2));
  if (((flags ^ e.flags) & (BESCHREIBER | VERSCHLUESSELT)) != 0 || Le(a, pos + 8, 2) != e.methode) return 0;
  const bool beschreiber = (flags & BESCHREIBER) != 0;
  if (!beschreiber && (Le(a, pos + 14, 4) != e.crc || Le(a, pos + 18, 4) != e.gepackt || Le(a, pos + 22, 4) != e.entpackt))
    return 0;
  const std::size_t name = Le(a, pos + 26, 2), extra = Le(a, pos + 28, 2);
  if (pos + LOKAL_GROESSE + name + extra > grenze || a.substr(pos + LOKAL_GROESSE, name) != e.name) return 0;
  e.lokal = pos;
  e.daten = pos + LOKAL_GROESSE + name + extra;
  if (static_cast<std::uint64_t>(e.daten) + e.gepackt > grenze) return 0;
  std::size_t ende = e.daten + e.gepackt;
  if (beschreiber) {
    if (ende + 4 <= grenze && Le(a, ende, 4) == BESCHREIBER_SIGNATUR) ende += 4;
    if (ende + 12 > grenze || Le(a, ende, 4) != e.crc || Le(a, ende + 4, 4) != e.gepackt || Le(a, ende + 8, 4) != e.entpackt)
      return 0;
    ende += 12;
  }
  return ende;
}

}  // namespace

std::string ZipverzeichnisLesen(std::string_view a, std::vector<Zipeintrag>& eintraege, const Zipgrenzen& grenzen) {
  eintraege.clear();
  if (a.size() < ENDE_GROESSE) return BESCHAEDIGT;
  // The end record sits in the last 22 bytes plus its comment of at most 65535 bytes, which ends the file.
  std::size_t ende = std::string_view::npos;
  const std::size_t fruehestens = a.size() > ENDE_GROESSE + 0xFFFF ? a.size() - ENDE_GROESSE - 0xFFFF : 0;
  for (std::size_t p = a.size() - ENDE_GROESSE + 1; p-- > fruehestens;) {
    if (Le(a, p, 4) == ENDE_SIGNATUR && p + ENDE_GROESSE + Le(a, p + 20, 2) == a.size()) {
      ende = p;
      break;
    }
  }
  if (ende == std::string_view::npos) return BESCHAEDIGT;
  // A second end record, wherever a reader might look for one, would make two archives of one file.
  for (std::size_t p = fruehestens; p + 4 <= a.size(); ++p)
    if (p != ende && Le(a, p, 4) == ENDE_SIGNATUR) return BESCHAEDIGT;
  const std::uint32_t anzahl = Le(a, ende + 10, 2);
  const std::uint32_t groesse = Le(a, ende + 12, 4);
  const std::uint32_t anfang = Le(a, ende + 16, 4);
  if (anzahl == 0xFFFF || groesse == 0xFFFFFFFF || anfang == 0xFFFFFFFF) return ZIP64;
  // One disk, and the directory right before the end record: no record the end record does not count.
  if (Le(a, ende + 4, 2) != 0 || Le(a, ende + 6, 2) != 0 || Le(a, ende + 8, 2) != anzahl) return BESCHAEDIGT;
  if (anzahl > grenzen.eintraege)
    return "Die Arbeitsmappe enth\xC3\xA4lt zu viele Dateien (" + std::to_string(anzahl) + ").";
  if (static_cast<std::uint64_t>(anfang) + groesse != ende) return BESCHAEDIGT;

  std::uint64_t summe = 0;
  std::size_t p = anfang;
  std::set<std::string_view> namen;
  for (std::uint32_t i = 0; i < anzahl; ++i) {
    if (p + EINTRAG_GROESSE > ende || Le(a, p, 4) != EINTRAG_SIGNATUR) return BESCHAEDIGT;
    Zipeintrag e;
    e.flags = static_cast<std::uint16_t>(Le(a, p + 8, 2));
    e.methode = static_cast<std::uint16_t>(Le(a, p + 10, 2));
    e.crc = Le(a, p + 16, 4);
    e.gepackt = Le(a, p + 20, 4);
    e.entpackt = Le(a, p + 24, 4);
    const std::size_t name = Le(a, p + 28, 2), extra = Le(a, p + 30, 2), kommentar = Le(a, p + 32, 2);
    e.lokal = Le(a, p + 42, 4);
    if (e.gepackt == 0xFFFFFFFF || e.entpackt == 0xFFFFFFFF || e.lokal == 0xFFFFFFFF) return ZIP64;
    if (e.flags & VERSCHLUESSELT) return "Die Arbeitsmappe ist verschl\xC3\xBCsselt; sie wird nicht gelesen.";
    if (p + EINTRAG_GROESSE + name + extra + kommentar > ende || Le(a, p + 34, 2) != 0) return BESCHAEDIGT;
    if ((e.methode != 0 && e.methode != 8) || (e.methode == 0 && e.gepackt != e.entpackt)) return BESCHAEDIGT;
    const std::string_view n = a.substr(p + EINTRAG_GROESSE, name);
    if (!namen.insert(n).second) return BESCHAEDIGT;  // which of two entries of one name is read is open
    e.name.assign(n);
    summe += e.entpackt;
    if (summe > grenzen.entpackt)
      return "Die Arbeitsmappe w\xC3\xBC" "rde entpackt mehr als " + std::to_string(grenzen.entpackt / (1024 * 1024)) +
             " MB belegen; sie wird nicht gelesen.";
    eintraege.push_back(std::move(e));
    p += EINTRAG_GROESSE + name + extra + kommentar;
  }
  if (p != ende) return BESCHAEDIGT;

  // The local entries, in the order of their headers, fill the archive up to the directory without a
  // gap and without overlapping: no byte is read twice, none is hidden.
  std::vector<Zipeintrag*> folge;
  for (Zipeintrag& e : eintraege) folge.push_back(&e);
  std::sort(folge.begin(), folge.end(), [](const Zipeintrag* x, const Zipeintrag* y) { return x->lokal < y->lokal; });
  std::size_t pos = 0;
  for (Zipeintrag* e : folge) {
    if (e->lokal != pos) return BESCHAEDIGT;
    pos = LokalesEnde(a, pos, *e, anfang);
    if (pos == 0) return BESCHAEDIGT;
  }
  if (pos != anfang) return BESCHAEDIGT;
  return {};
}

std::optional<std::string> ZipeintragEntpacken(std::string_view archiv, const Zipeintrag& e) {
  const std::string_view gepackt = archiv.substr(e.daten, e.gepackt);
  std::string text;
  if (e.methode == 0) {
    text.assign(gepackt);
  } else {
    text.assign(e.entpackt, '\0');
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
  }
  if (Pruefsumme(text) != e.crc) return std::nullopt;
  return text;
}

std::optional<std::string> ZipNeuSchreiben(std::string_view archiv, const std::vector<Zipeintrag>& eintraege,
                                           const std::vector<std::optional<std::string>>& ersetzt,
                                           std::uint64_t max) {
  std::uint64_t summe = 0;
  for (std::size_t i = 0; i < eintraege.size(); ++i)
    summe += i < ersetzt.size() && ersetzt[i] ? ersetzt[i]->size() : eintraege[i].gepackt;
  if (summe > max) return std::nullopt;

  std::string neu, verzeichnis;
  for (std::size_t i = 0; i < eintraege.size(); ++i) {
    const Zipeintrag& e = eintraege[i];
    const bool anders = i < ersetzt.size() && ersetzt[i].has_value();
    const std::string_view daten = anders ? std::string_view(*ersetzt[i]) : archiv.substr(e.daten, e.gepackt);
    const std::uint32_t methode = anders ? 0 : e.methode;
    const std::uint32_t crc = anders ? Pruefsumme(daten) : e.crc;
    const auto gepackt = static_cast<std::uint32_t>(daten.size());
    const std::uint32_t entpackt = anders ? gepackt : e.entpackt;
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
  LeAnhaengen(neu, static_cast<std::uint32_t>(eintraege.size()), 2);
  LeAnhaengen(neu, static_cast<std::uint32_t>(eintraege.size()), 2);
  LeAnhaengen(neu, static_cast<std::uint32_t>(verzeichnis.size()), 4);
  LeAnhaengen(neu, anfang, 4);
  LeAnhaengen(neu, 0, 2);  // comment
  return neu;
}

// "/xl/worksheets/sheet1.xml" seen from "xl/_rels/workbook.xml.rels" is "worksheets/sheet1.xml".
bool BeziehungszieleRelativ(std::string& text, const std::string& name) {
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

}  // namespace zelvor
