#include "import/Ratenimport.h"

#include "calc/Format.h"
#include "import/Arbeitsmappe.h"
#include "doc/Dateizugriff.h"

#include <sys/stat.h>

#include <optional>

namespace zelvor {
namespace {

// A rate file read without complaint, or ended by an empty line or the row limit after lines were taken.
bool AlsRatendateiGelesen(const RatendateiImport& r) {
  return r.meldungen.empty() || (!r.zeilen.empty() && (r.leerzeileAbbruch || r.zeilen.size() == MAX_IMPORTZEILEN));
}

RatendateiImport Abgelehnt(std::string meldung) {
  RatendateiImport r;
  r.geoeffnet = true;
  r.abgelehnt = true;
  r.meldungen.push_back(std::move(meldung));
  return r;
}

std::string ZuGross() {
  return Formatiere("Die Datei ist gr\xC3\xB6\xC3\x9F" "er als %d MB; sie wird nicht gelesen.",
                    static_cast<int>(MAX_IMPORTDATEI / (1024 * 1024)));
}

const char* const WEDER_NOCH =
    "Die Datei ist weder eine Ratendatei (eine Kopfzeile, dann je Zeile Gp, Rate und Kopfdruck mit "
    "Dezimalpunkt) noch eine Tabelle (CSV, .xlsx oder .ods) mit diesen drei Zahlen je Zeile; sie wird nicht gelesen.";

// Some row holds three numbers when cut at tabs, semicolons or commas.
bool SiehtNachTabelleAus(const Tabelle& t) {
  for (const auto& zellen : t.zeilen) {
    int n = 0;
    float wert = 0;
    for (const std::string& z : zellen)
      if (ZelleAlsZahl(z, t.dezimal, wert)) ++n;
    if (n >= 3) return true;
  }
  return false;
}

RatendateiImport AusTabelle(const Tabellenimport& t) {
  RatendateiImport r;
  r.geoeffnet = true;
  if (!t.uebernommen) {
    r.abgelehnt = true;
    r.meldungen.push_back(t.meldung);
    return r;
  }
  r.zeilen = t.zeilen;
  r.daten = t.daten;
  r.geaendert = !r.zeilen.empty();
  r.status = Formatiere("%d Zeilen wurden eingelesen", static_cast<int>(r.zeilen.size()));
  r.status += LeerzeilenHinweis(t.leerzeile);
  return r;
}

}  // namespace

std::string LeerzeilenHinweis(std::size_t leerzeile) {
  if (leerzeile == 0) return "";
  return Formatiere("; nach der Leerzeile in Zeile %d folgen weitere Zeilen, die nicht eingelesen wurden",
                    static_cast<int>(leerzeile));
}

std::optional<std::string> Utf16NachUtf8(std::string_view s) {
  const bool le = s.substr(0, 2) == "\xFF\xFE", be = s.substr(0, 2) == "\xFE\xFF";
  if (!le && !be) return std::nullopt;
  std::string utf8;
  utf8.reserve(s.size());
  const auto einheit = [&](std::size_t i) {
    const auto a = static_cast<unsigned char>(s[i]), b = static_cast<unsigned char>(s[i + 1]);
    return static_cast<char32_t>(le ? (b << 8 | a) : (a << 8 | b));
  };
  for (std::size_t i = 2; i + 1 < s.size(); i += 2) {
    char32_t c = einheit(i);
    if (c >= 0xD800 && c < 0xDC00 && i + 3 < s.size()) {
      const char32_t tief = einheit(i + 2);
      if (tief >= 0xDC00 && tief < 0xE000) {
        c = 0x10000 + ((c - 0xD800) << 10) + (tief - 0xDC00);
        i += 2;
      }
    }
    if (c >= 0xD800 && c < 0xE000) c = 0xFFFD;  // a lone surrogate
    if (c < 0x80) {
      utf8 += static_cast<char>(c);
    } else if (c < 0x800) {
      utf8 += static_cast<char>(0xC0 | (c >> 6));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      utf8 += static_cast<char>(0xE0 | (c >> 12));
      utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      utf8 += static_cast<char>(0xF0 | (c >> 18));
      utf8 += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return utf8;
}

Ratenquelle RatenquelleErkennen(std::string_view inhalt) {
  const std::optional<std::string> utf8 = Utf16NachUtf8(inhalt);
  if (utf8) inhalt = *utf8;
  if (IstZipArchiv(inhalt)) return Ratenquelle::Arbeitsmappe;
  if (AlsRatendateiGelesen(RatendateiAusText(inhalt))) return Ratenquelle::Ratendatei;
  return SiehtNachTabelleAus(TextAlsTabelle(inhalt, false)) ? Ratenquelle::Tabellentext : Ratenquelle::Ratendatei;
}

RatendateiImport RatenImportAusInhalt(std::string_view roh) {
  if (roh.size() > MAX_IMPORTDATEI) return Abgelehnt(ZuGross());
  const std::optional<std::string> utf8 = Utf16NachUtf8(roh);
  const std::string_view inhalt = utf8 ? std::string_view(*utf8) : roh;
  switch (RatenquelleErkennen(inhalt)) {
    case Ratenquelle::Arbeitsmappe: {
      Tabelle t;
      const std::string fehler = ArbeitsmappeLesen(inhalt, t);
      if (!fehler.empty()) return AusTabelle(Tabellenimport{false, {}, fehler, {}});
      return AusTabelle(TabelleUebernehmen(t));
    }
    case Ratenquelle::Tabellentext:
      return AusTabelle(TabelleUebernehmen(TextAlsTabelle(inhalt, false)));
    case Ratenquelle::Ratendatei:
      break;
  }
  RatendateiImport r = RatendateiAusText(inhalt);
  if (r.zeilen.empty() && !r.meldungen.empty()) return Abgelehnt(WEDER_NOCH);
  return r;
}

RatendateiImport RatenImportLesen(const std::string& pfad) {
  struct stat st {};
  if (::stat(pfad.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return RatendateiEinlesen(pfad);
  if (static_cast<std::uint64_t>(st.st_size) > MAX_IMPORTDATEI) return Abgelehnt(ZuGross());
  std::vector<unsigned char> inhalt;
  // A file that cannot be read whole (or grew meanwhile) is read as a rate file, one short line at a time.
  if (!DateiLesen(pfad, inhalt, MAX_IMPORTDATEI).empty()) return RatendateiEinlesen(pfad);
  return RatenImportAusInhalt(std::string_view(reinterpret_cast<const char*>(inhalt.data()), inhalt.size()));
}

Tabellenimport EinfuegetextLesen(std::string_view text) {
  if (text.size() > MAX_IMPORTDATEI)
    return {false, {}, Formatiere("Der eingef\xC3\xBCgte Text ist gr\xC3\xB6\xC3\x9F" "er als %d MB.",
                                  static_cast<int>(MAX_IMPORTDATEI / (1024 * 1024))), {}};
  return TabelleUebernehmen(TextAlsTabelle(text, true));
}

}  // namespace zelvor
