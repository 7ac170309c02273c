#include "import/Xmlteile.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace zelvor {
namespace {

bool Leerraum(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

struct Marke {
  bool ende = false;  // </name>
  bool leer = false;  // <name .../>
  std::string_view name;
  std::size_t attribute = 0, schluss = 0;  // the attribute text is [attribute, schluss)
};

std::string_view OhnePraefix(std::string_view name) {
  const std::size_t doppelpunkt = name.rfind(':');
  return doppelpunkt == std::string_view::npos ? name : name.substr(doppelpunkt + 1);
}

// Calls `marke` for every start and end tag, skipping comments, CDATA, processing instructions and
// declarations, until it returns false or the text ends (also inside a tag: the parser refuses that).
template <typename F>
void Durchgehen(std::string_view x, F&& marke) {
  const auto weiter = [&](std::size_t von, std::string_view bis) {
    const std::size_t j = x.find(bis, von);
    return j == std::string_view::npos ? j : j + bis.size();
  };
  std::size_t i = 0;
  while ((i = x.find('<', i)) != std::string_view::npos) {
    const std::string_view rest = x.substr(i);
    if (rest.starts_with("<!--")) {
      i = weiter(i + 4, "-->");
    } else if (rest.starts_with("<![CDATA[")) {
      i = weiter(i + 9, "]]>");
    } else if (rest.starts_with("<?")) {
      i = weiter(i + 2, "?>");
    } else if (rest.starts_with("<!")) {
      // A declaration ends at the first '>' outside its internal subset in brackets.
      int klammern = 0;
      std::size_t j = i + 2;
      for (; j < x.size(); ++j) {
        if (x[j] == '[') ++klammern;
        if (x[j] == ']') --klammern;
        if (x[j] == '>' && klammern <= 0) break;
      }
      i = j < x.size() ? j + 1 : std::string_view::npos;
    } else {
      Marke m;
      m.ende = rest.size() > 1 && rest[1] == '/';
      const std::size_t name = i + (m.ende ? 2 : 1);
      std::size_t j = name;
      while (j < x.size() && !Leerraum(x[j]) && x[j] != '>' && x[j] != '/') ++j;
      m.name = x.substr(name, j - name);
      m.attribute = j;
      char anfuehrung = 0;
      for (; j < x.size(); ++j) {
        if (anfuehrung) {
          if (x[j] == anfuehrung) anfuehrung = 0;
        } else if (x[j] == '"' || x[j] == '\'') {
          anfuehrung = x[j];
        } else if (x[j] == '>') {
          break;
        }
      }
      if (j == x.size()) return;
      m.leer = !m.ende && j > m.attribute && x[j - 1] == '/';
      m.schluss = m.leer ? j - 1 : j;
      if (!marke(m)) return;
      i = j + 1;
    }
    if (i == std::string_view::npos) return;
  }
}

// Calls `attribut(name, anfang, laenge)` with the position of each attribute's value in the text.
template <typename F>
void Attribute(std::string_view x, const Marke& m, F&& attribut) {
  std::size_t k = m.attribute;
  while (k < m.schluss) {
    while (k < m.schluss && Leerraum(x[k])) ++k;
    const std::size_t name = k;
    while (k < m.schluss && x[k] != '=' && !Leerraum(x[k])) ++k;
    const std::string_view n = x.substr(name, k - name);
    while (k < m.schluss && Leerraum(x[k])) ++k;
    if (k >= m.schluss || x[k] != '=') return;
    ++k;
    while (k < m.schluss && Leerraum(x[k])) ++k;
    if (k >= m.schluss || (x[k] != '"' && x[k] != '\'')) return;
    const std::size_t ende = x.find(x[k], k + 1);
    if (ende == std::string_view::npos || ende >= m.schluss) return;
    attribut(n, k + 1, ende - k - 1);
    k = ende + 1;
  }
}

// A positive count of at most `max` as it stands, else 1 for no positive number.
std::size_t Anzahl(std::string_view wert, std::size_t max) {
  if (wert.empty()) return 1;
  std::size_t n = 0;
  for (char c : wert) {
    if (c < '0' || c > '9') return 1;
    n = std::min<std::size_t>(n * 10 + static_cast<std::size_t>(c - '0'), max + 1);
  }
  return n == 0 ? 1 : n;
}

// A number as a spreadsheet stores it: sign, digits with one decimal point, an exponent.
bool IstDezimalzahl(std::string_view s) {
  while (!s.empty() && Leerraum(s.front())) s.remove_prefix(1);
  while (!s.empty() && Leerraum(s.back())) s.remove_suffix(1);
  std::size_t i = 0, ziffern = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) ++ziffern;
  if (i < s.size() && s[i] == '.')
    for (++i; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) ++ziffern;
  if (ziffern == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    const std::size_t anfang = i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
    if (i == anfang) return false;
  }
  if (i != s.size()) return false;
  // Beyond double precision ("1e400") liborcus would read some other number.
  if (s.front() == '+') s.remove_prefix(1);
  double wert = 0;
  const auto r = std::from_chars(s.data(), s.data() + s.size(), wert);
  return r.ec == std::errc{} && r.ptr == s.data() + s.size();
}

// "JJJJ-MM-TT", alone or before a time of day ("T12:30:00").
bool IsoTag(std::string_view w) {
  const auto ziffern = [&](std::size_t von, std::size_t n) {
    for (std::size_t k = von; k < von + n; ++k)
      if (k >= w.size() || w[k] < '0' || w[k] > '9') return false;
    return true;
  };
  return ziffern(0, 4) && w.size() >= 10 && w[4] == '-' && ziffern(5, 2) && w[7] == '-' && ziffern(8, 2) &&
         (w.size() == 10 || w[10] == 'T');
}

}  // namespace

bool IstXml(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  while (!text.empty() && Leerraum(text.front())) text.remove_prefix(1);
  return text.starts_with("<");
}

Xmlumfang XmlUmfang(std::string_view xml, std::size_t tiefe, std::size_t elemente) {
  Xmlumfang u;
  std::size_t offen = 0;
  Durchgehen(xml, [&](const Marke& m) {
    if (m.ende) {
      if (offen > 0) --offen;
    } else {
      ++u.elemente;
      u.tiefe = std::max(u.tiefe, offen + 1);
      if (!m.leer) ++offen;
    }
    return u.tiefe <= tiefe && u.elemente <= elemente;
  });
  return u;
}

bool OdsWiederholungenKuerzen(std::string& xml, std::size_t zeilen, std::size_t spalten,
                              std::vector<Zeilenwiederholung>& wiederholt) {
  wiederholt.clear();
  struct Tabelle {
    bool erste = false;
    std::size_t zeile = 0, spalte = 0;
    bool zeileImBlatt = true;  // the current row lies within `zeilen`
  };
  std::vector<Tabelle> tabellen;  // nested tables, the innermost last
  bool ersteGesehen = false;
  std::string neu;
  std::size_t kopiert = 0;
  const std::string_view x = xml;
  Durchgehen(x, [&](const Marke& m) {
    const std::string_view name = OhnePraefix(m.name);
    if (name == "table") {
      if (m.ende) {
        if (!tabellen.empty()) tabellen.pop_back();
      } else if (!m.leer) {
        tabellen.push_back({!ersteGesehen});
        ersteGesehen = true;
      }
      return true;
    }
    if (m.ende) return true;
    Tabelle* t = tabellen.empty() ? nullptr : &tabellen.back();
    const bool zeile = name == "table-row", zelle = name == "table-cell" || name == "covered-table-cell";
    // What a row or cell stands for here: 1 unless it repeats itself.
    std::size_t anzahl = 1;
    Attribute(x, m, [&](std::string_view attr, std::size_t anfang, std::size_t laenge) {
      const std::string_view a = OhnePraefix(attr);
      const bool zeilen_ = a == "number-rows-repeated", spalten_ = a == "number-columns-repeated";
      if (!zeilen_ && !spalten_) return;
      std::size_t max = zeilen_ ? zeilen : spalten;
      if (t && zeile && zeilen_) {
        max = t->zeile < zeilen ? zeilen - t->zeile : 1;
      } else if (t && zelle && spalten_) {
        max = t->zeileImBlatt && t->spalte < spalten ? spalten - t->spalte : 1;
      }
      const std::string_view wert = x.substr(anfang, laenge);
      const std::size_t n = std::min(Anzahl(wert, max), max);
      const std::string text = std::to_string(n);
      if (text != wert) {
        neu.append(x.substr(kopiert, anfang - kopiert));
        neu += text;
        kopiert = anfang + laenge;
      }
      if ((zeile && zeilen_) || (zelle && spalten_)) anzahl = n;
    });
    if (t && zeile) {
      t->zeileImBlatt = t->zeile < zeilen;
      if (t->erste && anzahl > 1) wiederholt.push_back({t->zeile, anzahl});
      t->zeile += anzahl;
      t->spalte = 0;
    } else if (t && zelle) {
      t->spalte += anzahl;
    }
    return true;
  });
  if (kopiert == 0) return false;
  neu.append(x.substr(kopiert));
  xml = std::move(neu);
  return true;
}

bool Datum1904(std::string_view xml) {
  bool ja = false;
  Durchgehen(xml, [&](const Marke& m) {
    if (m.ende || OhnePraefix(m.name) != "workbookPr") return true;
    Attribute(xml, m, [&](std::string_view attr, std::size_t anfang, std::size_t laenge) {
      const std::string_view wert = xml.substr(anfang, laenge);
      if (OhnePraefix(attr) == "date1904") ja = wert == "1" || wert == "true";
    });
    return false;
  });
  return ja;
}

bool XlsxWerteAlsText(std::string& xml) {
  const std::string_view x = xml;
  std::string neu;
  std::size_t kopiert = 0;
  enum class Art { Keine, Iso, Zahl } art = Art::Keine;
  std::size_t stelle = 0, laenge = 0;  // what of the open cell's start tag is to be replaced
  std::string ersatz;
  Durchgehen(x, [&](const Marke& m) {
    const std::string_view name = OhnePraefix(m.name);
    if (name == "c") {
      art = Art::Keine;
      if (m.ende || m.leer) return true;
      std::optional<std::pair<std::size_t, std::size_t>> typ;
      Attribute(x, m, [&](std::string_view attr, std::size_t anfang, std::size_t n) {
        if (attr == "t") typ = {anfang, n};
      });
      const std::string_view t = typ ? x.substr(typ->first, typ->second) : std::string_view("n");
      if (t != "d" && t != "n") return true;
      art = t == "d" ? Art::Iso : Art::Zahl;
      stelle = typ ? typ->first : m.schluss;
      laenge = typ ? typ->second : 0;
      ersatz = typ ? "str" : " t=\"str\"";
      return true;
    }
    if (name != "v" || m.ende || m.leer || art == Art::Keine) return true;
    const std::size_t tag = static_cast<std::size_t>(m.name.data() - x.data()) - 1;  // its '<'
    const std::size_t wertAnfang = m.schluss + 1;
    const std::size_t wertEnde = std::min(x.find('<', wertAnfang), x.size());
    std::string_view wert = x.substr(wertAnfang, wertEnde - wertAnfang);
    if (art == Art::Zahl && IstDezimalzahl(wert)) {
      art = Art::Keine;
      return true;
    }
    if (art == Art::Iso && IsoTag(wert)) wert = wert.substr(0, 10);
    neu.append(x.substr(kopiert, stelle - kopiert));
    neu += ersatz;
    neu.append(x.substr(stelle + laenge, tag - stelle - laenge));
    // A formula cell with a text result: the only way liborcus hands a cell's text over untouched.
    neu += "<f>0</f>";
    neu.append(x.substr(tag, wertAnfang - tag));
    neu += wert;
    kopiert = wertEnde;
    art = Art::Keine;
    return true;
  });
  if (kopiert == 0) return false;
  neu.append(x.substr(kopiert));
  xml = std::move(neu);
  return true;
}

}  // namespace zelvor
