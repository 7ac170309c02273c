#include "import/Tabellenimport.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "calc/Datum.h"
#include "calc/Format.h"
#include "doc/Textzeilen.h"
#include "doc/Windows1252.h"
#include "import/Meldungstext.h"

namespace zelvor {
namespace {

constexpr char LEERRAUM = ' ';                        // stands for "runs of blanks" among the separators
constexpr std::size_t ERKENNUNGSZEILEN = 200;         // rows the separator is told from
constexpr std::size_t MAX_MELDUNGSTEXT = 200;         // bytes of a row a message shows
const std::string ABGESCHNITTEN = "\xE2\x80\xA6";     // "…" closes a cut cell, which is then no number

bool Ziffer(char c) { return c >= '0' && c <= '9'; }
bool Blank(char c) { return c == ' ' || c == '\t'; }

std::string_view Getrimmt(std::string_view s) {
  while (!s.empty() && (Blank(s.front()) || s.front() == '\r')) s.remove_prefix(1);
  while (!s.empty() && (Blank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

bool IstUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t folge = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : 9;
    if (folge == 9 || i + folge >= s.size()) return false;
    for (std::size_t k = 1; k <= folge; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    i += folge + 1;
  }
  return true;
}

// At most `max` bytes, not ending inside a UTF-8 character.
std::string Gekuerzt(std::string_view s, std::size_t max) {
  if (s.size() <= max) return std::string(s);
  std::size_t n = max;
  while (n > 0 && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) --n;
  return std::string(s.substr(0, n)) + ABGESCHNITTEN;
}

std::string Zelle(std::string_view s) {
  return s.size() > MAX_ZELLENLAENGE ? Gekuerzt(s, MAX_ZELLENLAENGE) : std::string(s);
}

std::vector<std::string> Zerlegen(std::string_view zeile, char trenner) {
  std::vector<std::string> zellen;
  if (trenner == LEERRAUM) {
    std::size_t i = 0;
    while (i < zeile.size()) {
      while (i < zeile.size() && Blank(zeile[i])) ++i;
      const std::size_t anfang = i;
      while (i < zeile.size() && !Blank(zeile[i])) ++i;
      if (i > anfang) zellen.push_back(Zelle(zeile.substr(anfang, i - anfang)));
      if (zellen.size() == MAX_TABELLENSPALTEN) break;
    }
    return zellen;
  }
  std::size_t i = 0;
  for (;;) {
    std::string zelle;
    std::size_t k = i;
    while (k < zeile.size() && zeile[k] == ' ') ++k;
    if (k < zeile.size() && zeile[k] == '"') {
      // A quoted cell: "" is one quote; what follows the closing quote up to the separator is kept too.
      for (++k; k < zeile.size(); ++k) {
        if (zeile[k] == '"') {
          if (k + 1 < zeile.size() && zeile[k + 1] == '"') {
            zelle += '"';
            ++k;
          } else {
            ++k;
            break;
          }
        } else if (zelle.size() <= MAX_ZELLENLAENGE) {
          zelle += zeile[k];
        }
      }
      i = k;
    }
    const std::size_t ende = zeile.find(trenner, i);
    const std::string_view rest = zeile.substr(i, ende == std::string_view::npos ? std::string_view::npos : ende - i);
    if (zelle.size() <= MAX_ZELLENLAENGE) zelle.append(rest.substr(0, MAX_ZELLENLAENGE + 1));
    zellen.push_back(Zelle(zelle));
    if (ende == std::string_view::npos || zellen.size() == MAX_TABELLENSPALTEN) break;
    i = ende + 1;
  }
  return zellen;
}

bool Leer(const std::vector<std::string>& zellen) {
  for (const std::string& z : zellen)
    if (!Getrimmt(z).empty()) return false;
  return true;
}

int Zahlen(const std::vector<std::string>& zellen, Dezimalzeichen dezimal) {
  int n = 0;
  float wert = 0;
  for (const std::string& z : zellen)
    if (ZelleAlsZahl(z, dezimal, wert)) ++n;
  return n;
}

std::vector<std::string_view> Zeilen(std::string_view text, bool& abgeschnitten) {
  std::vector<std::string_view> zeilen;
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (zeilen.size() == MAX_TABELLENZEILEN) {
      abgeschnitten = true;
      break;
    }
    std::size_t ende = 0;
    const std::size_t naechste = Zeilenende(text, pos, ende);
    zeilen.push_back(text.substr(pos, ende - pos));
    pos = naechste;
  }
  return zeilen;
}

// A heading that names a date column: its first word is "Datum", ends so ("Messdatum") or is "Date".
bool Datumskopf(std::string_view zelle) {
  const std::string_view s = Getrimmt(zelle);
  std::string wort(s.substr(0, std::min<std::size_t>(s.find_first_of(" ([/"), 40)));
  for (char& c : wort) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return wort.ends_with("datum") || wort == "date";
}

// The column of the rows' dates: the first column whose data cells (from row `start` up to the first
// empty row) hold a possible date and are at least half dates in shape, or whose heading (a row before
// `start`) names a date while at least half its data cells are no numbers. So a date in the first data
// row is judged as every other date of its column, and a column of numbers is never one of dates.
std::optional<std::size_t> Datumsspalte(const Tabelle& t, std::size_t start) {
  std::size_t breite = 0, ende = start;
  for (; ende < t.zeilen.size() && !Leer(t.zeilen[ende]); ++ende) breite = std::max(breite, t.zeilen[ende].size());
  for (std::size_t s = 0; s < breite; ++s) {
    std::size_t gefuellt = 0, geformt = 0, gueltig = 0, keineZahl = 0;
    for (std::size_t z = start; z < ende; ++z) {
      if (s >= t.zeilen[z].size() || Getrimmt(t.zeilen[z][s]).empty()) continue;
      const std::string& zelle = t.zeilen[z][s];
      ++gefuellt;
      if (WieEinDatum(zelle)) ++geformt;
      if (DatumLesen(zelle)) ++gueltig;
      float wert = 0;
      if (!ZelleAlsZahl(zelle, t.dezimal, wert)) ++keineZahl;
    }
    if (gueltig > 0 && 2 * geformt >= gefuellt) return s;
    bool kopf = false;
    for (std::size_t z = 0; z < start && !kopf; ++z) kopf = s < t.zeilen[z].size() && Datumskopf(t.zeilen[z][s]);
    if (kopf && 2 * keineZahl >= gefuellt) return s;
  }
  return std::nullopt;
}

}  // namespace

bool ZelleAlsZahl(std::string_view zelle, Dezimalzeichen dezimal, float& wert) {
  const std::string_view s = Getrimmt(zelle);
  if (s.empty() || s.size() > 64) return false;
  std::string zahl;
  std::size_t i = 0;
  if (s[i] == '+' || s[i] == '-') zahl += s[i++];
  int ziffern = 0;
  bool trenner = false;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    if (Ziffer(c)) {
      zahl += c;
      ++ziffern;
    } else if (!trenner && ((c == '.' && dezimal != Dezimalzeichen::Komma) ||
                            (c == ',' && dezimal != Dezimalzeichen::Punkt))) {
      zahl += '.';
      trenner = true;
    } else {
      break;
    }
  }
  if (ziffern == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    zahl += 'e';
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) zahl += s[i++];
    const std::size_t anfang = i;
    while (i < s.size() && Ziffer(s[i])) zahl += s[i++];
    if (i == anfang) return false;
  }
  if (i != s.size()) return false;
  // Read as the rate file's "%f" reads, so both give the same lines for the same numbers.
  float w = 0;
  int gelesen = 0;
  if (Scanne(zahl.c_str(), "%f%n", &w, &gelesen) != 1 || static_cast<std::size_t>(gelesen) != zahl.size() ||
      !std::isfinite(w))
    return false;
  wert = w;
  return true;
}

Tabelle TextAlsTabelle(std::string_view roh, bool leerraum, int zahlen) {
  if (roh.substr(0, 3) == "\xEF\xBB\xBF") roh.remove_prefix(3);
  // Non-UTF-8 text (an older spreadsheet's CSV) is Windows-1252; the message texts are UTF-8.
  std::string umgewandelt;
  if (!IstUtf8(roh)) {
    umgewandelt = Windows1252NachUtf8(roh);
    roh = umgewandelt;
  }
  Tabelle t;
  const std::vector<std::string_view> zeilen = Zeilen(roh, t.abgeschnitten);

  // The separator under which most of the first rows hold three numbers; ties go to the first named.
  std::array<char, 4> kandidaten{'\t', ';', ',', LEERRAUM};
  char trenner = '\t';
  std::size_t beste = 0;
  for (char k : kandidaten) {
    if (k == LEERRAUM && !leerraum) continue;
    std::size_t treffer = 0;
    const Dezimalzeichen d = k == ',' ? Dezimalzeichen::Punkt : Dezimalzeichen::Beide;
    for (std::size_t i = 0; i < zeilen.size() && i < ERKENNUNGSZEILEN; ++i)
      if (Zahlen(Zerlegen(zeilen[i], k), d) >= zahlen) ++treffer;
    if (treffer > beste) {
      beste = treffer;
      trenner = k;
    }
  }

  t.zeilen.reserve(zeilen.size());
  t.texte.reserve(zeilen.size());
  std::size_t komma = 0, punkt = 0;
  for (std::string_view z : zeilen) {
    t.zeilen.push_back(Zerlegen(z, trenner));
    t.texte.push_back(Gekuerzt(z, MAX_MELDUNGSTEXT));
    float wert = 0;
    for (const std::string& zelle : t.zeilen.back()) {
      if (!ZelleAlsZahl(zelle, Dezimalzeichen::Beide, wert)) continue;
      if (zelle.find(',') != std::string::npos) ++komma;
      if (zelle.find('.') != std::string::npos) ++punkt;
    }
  }
  // One text, one decimal separator: with decimal commas a point is a German thousands separator
  // ("8.849"), which must not read as 8.849.
  t.dezimal = trenner == ',' || punkt >= komma ? Dezimalzeichen::Punkt : Dezimalzeichen::Komma;
  return t;
}

Tabellenwerte TabellenwerteLesen(const Tabelle& tabelle, std::size_t anzahl, const char* was) {
  Tabellenwerte ergebnis;
  anzahl = std::min<std::size_t>(std::max<std::size_t>(anzahl, 1), 3);
  // The rate lines' messages stand as they always did.
  const std::string keineWerte =
      anzahl == 3 ? std::string("Die Zeile enh\xC3\xA4lt keine 3 Werte\n ")
                  : Formatiere("Die Zeile enth\xC3\xA4lt keine %zu Werte\n ", anzahl);
  const auto ablehnen = [&](std::string meldung) {
    ergebnis.werte.clear();
    ergebnis.daten.clear();
    ergebnis.meldung = std::move(meldung);
    return ergebnis;
  };
  std::array<std::size_t, 3> spalten{};
  // The first row with enough numbers starts the data; the date column is known before any row is read.
  std::size_t start = 0;
  while (start < tabelle.zeilen.size() && Zahlen(tabelle.zeilen[start], tabelle.dezimal) < static_cast<int>(anzahl))
    ++start;
  const std::optional<std::size_t> datumsspalte = Datumsspalte(tabelle, start);
  bool daten = false;
  std::size_t i = start;
  for (; i < tabelle.zeilen.size(); ++i) {
    const std::vector<std::string>& zellen = tabelle.zeilen[i];
    const std::string& text = i < tabelle.texte.size() ? tabelle.texte[i] : std::string();
    if (Leer(zellen)) {
      // An empty row ends the data, as an empty line ends a rate file; rows after it are not lost unseen.
      for (std::size_t k = i + 1; k < tabelle.zeilen.size() && ergebnis.leerzeile == 0; ++k)
        if (!Leer(tabelle.zeilen[k])) ergebnis.leerzeile = i + 1;
      break;
    }
    // The date first: a date cell that reads as a number must be blamed as the date it should be.
    std::optional<Tag> datum;
    if (datumsspalte && *datumsspalte < zellen.size() && !Getrimmt(zellen[*datumsspalte]).empty()) {
      datum = DatumLesen(zellen[*datumsspalte]);
      if (!datum)
        return ablehnen("Die Zeile enth\xC3\xA4lt kein g\xC3\xBCltiges Datum (TT.MM.JJJJ)\n " + SteuerzeichenSichtbar(text));
    }
    std::array<float, 3> werte{};
    if (!daten) {
      // The first row: its first numbers beside the date fix the columns of the values.
      std::size_t n = 0;
      for (std::size_t s = 0; s < zellen.size() && n < anzahl; ++s)
        if (s != datumsspalte && ZelleAlsZahl(zellen[s], tabelle.dezimal, werte[n])) spalten[n++] = s;
      if (n < anzahl) return ablehnen(keineWerte + SteuerzeichenSichtbar(text));
      daten = true;
    } else {
      bool gueltig = true;
      for (std::size_t n = 0; n < anzahl && gueltig; ++n)
        gueltig = spalten[n] < zellen.size() && ZelleAlsZahl(zellen[spalten[n]], tabelle.dezimal, werte[n]);
      if (!gueltig) return ablehnen(keineWerte + SteuerzeichenSichtbar(text));
    }
    ergebnis.daten.push_back(datum);
    ergebnis.werte.push_back(werte);
  }
  if (!daten) return ablehnen(Formatiere("Die Tabelle enth\xC3\xA4lt keine Zeile mit %zu Werten.", anzahl));
  if (i == tabelle.zeilen.size() && tabelle.abgeschnitten)
    return ablehnen(Formatiere("Die Tabelle hat mehr als %d Zeilen; so viele %s werden nicht eingelesen.",
                               static_cast<int>(MAX_TABELLENZEILEN), was));
  if (!ZeilendatenVorhanden(ergebnis.daten)) ergebnis.daten.clear();
  ergebnis.uebernommen = true;
  return ergebnis;
}

Tabellenimport TabelleUebernehmen(const Tabelle& tabelle) {
  const Tabellenwerte w = TabellenwerteLesen(tabelle, 3, "Ratenzeilen");
  Tabellenimport ergebnis;
  ergebnis.uebernommen = w.uebernommen;
  ergebnis.meldung = w.meldung;
  ergebnis.daten = w.daten;
  ergebnis.leerzeile = w.leerzeile;
  for (const auto& z : w.werte)
    ergebnis.zeilen.push_back(Formatiere("%10.3f  %10.1f %15.1f", static_cast<double>(z[0]), static_cast<double>(z[1]),
                                         static_cast<double>(z[2])));
  return ergebnis;
}

}  // namespace zelvor
