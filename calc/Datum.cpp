#include "calc/Datum.h"

#include <cmath>

#include "calc/Format.h"

namespace zelvor {
namespace {

// Days from 1970-01-01 to a civil date (H. Hinnant's algorithm).
std::int64_t Tage(std::int64_t j, int m, int t) {
  j -= m <= 2;
  const std::int64_t era = (j >= 0 ? j : j - 399) / 400;
  const std::int64_t jde = j - era * 400;
  const std::int64_t tdj = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + t - 1;
  const std::int64_t tde = jde * 365 + jde / 4 - jde / 100 + tdj;
  return era * 146097 + tde - 719468;
}

bool Schaltjahr(int j) { return (j % 4 == 0 && j % 100 != 0) || j % 400 == 0; }

int TageImMonat(int j, int m) {
  static constexpr int TAGE[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && Schaltjahr(j) ? 29 : TAGE[m - 1];
}

// Up to `max` digits at s[i]; false when there are none.
bool Zahl(std::string_view s, std::size_t& i, std::size_t max, int& wert) {
  const std::size_t anfang = i;
  wert = 0;
  while (i < s.size() && i - anfang < max && s[i] >= '0' && s[i] <= '9') wert = wert * 10 + (s[i++] - '0');
  return i > anfang;
}

bool Zeichen(std::string_view s, std::size_t& i, char c) {
  if (i >= s.size() || s[i] != c) return false;
  ++i;
  return true;
}

}  // namespace

std::optional<Tag> TagAusDatum(int jahr, int monat, int tag) {
  if (jahr < ERSTES_JAHR || jahr > LETZTES_JAHR || monat < 1 || monat > 12 || tag < 1 ||
      tag > TageImMonat(jahr, monat))
    return std::nullopt;
  return static_cast<Tag>(Tage(jahr, monat, tag));
}

Kalenderdatum DatumAusTag(Tag t) {
  const std::int64_t z = std::int64_t{t} + 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t tde = z - era * 146097;
  const std::int64_t jde = (tde - tde / 1460 + tde / 36524 - tde / 146096) / 365;
  const std::int64_t tdj = tde - (365 * jde + jde / 4 - jde / 100);
  const std::int64_t mp = (5 * tdj + 2) / 153;
  Kalenderdatum d;
  d.tag = static_cast<int>(tdj - (153 * mp + 2) / 5 + 1);
  d.monat = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  d.jahr = static_cast<int>(jde + era * 400 + (d.monat <= 2));
  return d;
}

bool TagImBereich(Tag t) {
  static const Tag ERSTER = *TagAusDatum(ERSTES_JAHR, 1, 1);
  static const Tag LETZTER = *TagAusDatum(LETZTES_JAHR, 12, 31);
  return t >= ERSTER && t <= LETZTER;
}

std::optional<Tag> DatumLesen(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  std::size_t i = 0;
  int a = 0, b = 0, c = 0;
  if (!Zahl(s, i, 4, a)) return std::nullopt;
  const std::size_t ersteZiffern = i;
  std::optional<Tag> t;
  if (ersteZiffern <= 2 && Zeichen(s, i, '.')) {  // T.M.JJJJ
    if (Zahl(s, i, 2, b) && Zeichen(s, i, '.')) {
      const std::size_t j = i;
      if (Zahl(s, i, 4, c) && i - j == 4) t = TagAusDatum(c, b, a);
    }
  } else if (ersteZiffern == 4 && Zeichen(s, i, '-')) {  // JJJJ-MM-TT
    const std::size_t m = i;
    if (Zahl(s, i, 2, b) && i - m == 2 && Zeichen(s, i, '-')) {
      const std::size_t d = i;
      if (Zahl(s, i, 2, c) && i - d == 2) t = TagAusDatum(a, b, c);
    }
  } else if (ersteZiffern <= 2 && Zeichen(s, i, '/')) {  // MM/JJJJ
    const std::size_t j = i;
    if (Zahl(s, i, 4, b) && i - j == 4) t = TagAusDatum(b, a, 1);
  }
  if (i != s.size()) return std::nullopt;
  return t;
}

bool WieEinDatum(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  std::size_t i = 0;
  const auto ziffern = [&] {
    const std::size_t anfang = i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
    return i > anfang;
  };
  if (!ziffern() || i >= s.size()) return false;
  const char trenner = s[i];
  if (trenner != '.' && trenner != '-' && trenner != '/') return false;
  ++i;
  if (!ziffern()) return false;
  if (trenner != '/') {
    if (i >= s.size() || s[i] != trenner) return false;
    ++i;
    if (!ziffern()) return false;
  }
  if (i == s.size()) return true;
  // A time of day after a blank or a "T": digits, then a colon, then digits, colons, points and a zone.
  if (s[i] != ' ' && s[i] != 'T') return false;
  ++i;
  if (!ziffern() || i >= s.size() || s[i] != ':') return false;
  for (; i < s.size(); ++i)
    if (!((s[i] >= '0' && s[i] <= '9') || s[i] == ':' || s[i] == '.' || s[i] == 'Z' || s[i] == '+' || s[i] == '-'))
      return false;
  return true;
}

std::string DatumText(Tag t) {
  const Kalenderdatum d = DatumAusTag(t);
  return Formatiere("%02d.%02d.%04d", d.tag, d.monat, d.jahr);
}

std::string DatumIso(Tag t) {
  const Kalenderdatum d = DatumAusTag(t);
  return Formatiere("%04d-%02d-%02d", d.jahr, d.monat, d.tag);
}

std::optional<Tag> TagNachJahren(Tag t, double jahre) {
  if (!std::isfinite(jahre)) return std::nullopt;
  const double tage = std::round(jahre * 365.0);
  const double ziel = static_cast<double>(t) + tage;
  if (!(std::fabs(ziel) < 1e8) || !TagImBereich(static_cast<Tag>(ziel))) return std::nullopt;
  return static_cast<Tag>(ziel);
}

double Jahreszahl(Tag t) {
  const Kalenderdatum d = DatumAusTag(t);
  const Tag anfang = *TagAusDatum(d.jahr, 1, 1);
  return d.jahr + static_cast<double>(t - anfang) / (Schaltjahr(d.jahr) ? 366.0 : 365.0);
}

}  // namespace zelvor
