#include <charconv>
#include <cmath>

#include "export/Export.h"

namespace zelvor {
namespace {

std::string Zahl(double wert, bool komma) {
  if (!std::isfinite(wert)) return {};  // a spreadsheet has no number for it: an empty cell
  char text[32];
  const auto r = std::to_chars(text, text + sizeof text, Ausgabewert(wert));
  std::string s(text, r.ptr);
  if (komma)
    for (char& c : s)
      if (c == '.') c = ',';
  return s;
}

std::string Text(const std::string& text, char trenner) {
  std::string s = text;
  // A spreadsheet would run a text that starts like a formula (a well named "=..." or "@...").
  // A lone "-" (a unit) is no formula.
  if (!s.empty() && (s[0] == '=' || s[0] == '@' || ((s[0] == '+' || s[0] == '-') && s.size() > 1))) s.insert(0, 1, '\'');
  const bool quoten = s.find_first_of(std::string("\"\r\n") + trenner) != std::string::npos ||
                      (!s.empty() && (s.front() == ' ' || s.back() == ' '));
  if (!quoten) return s;
  std::string q = "\"";
  for (char c : s) {
    if (c == '"') q += '"';
    q += c;
  }
  return q + '"';
}

}  // namespace

std::string CsvText(const std::vector<Exporttabelle>& tabellen, Exportformat dialekt) {
  const bool deutsch = dialekt == Exportformat::CsvExcelDeutsch;
  const char trenner = deutsch ? ';' : ',';
  std::string csv = deutsch ? "\xEF\xBB\xBF" : "";
  auto zeile = [&](const std::vector<std::string>& zellen) {
    for (std::size_t i = 0; i < zellen.size(); ++i) {
      if (i) csv += trenner;
      csv += zellen[i];
    }
    csv += "\r\n";
  };
  for (std::size_t t = 0; t < tabellen.size(); ++t) {
    const Exporttabelle& tab = tabellen[t];
    if (t) csv += "\r\n";
    zeile({Text(tab.name, trenner)});
    std::vector<std::string> zellen;
    for (const Exportspalte& s : tab.spalten) zellen.push_back(Text(s.titel, trenner));
    zeile(zellen);
    for (const auto& werte : tab.zeilen) {
      zellen.clear();
      for (const Exportwert& w : werte) {
        if (const double* d = std::get_if<double>(&w))
          zellen.push_back(Zahl(*d, deutsch));
        else if (const std::string* s = std::get_if<std::string>(&w))
          zellen.push_back(Text(*s, trenner));
        else
          zellen.emplace_back();
      }
      zeile(zellen);
    }
  }
  return csv;
}

}  // namespace zelvor
