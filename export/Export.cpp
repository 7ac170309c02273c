#include "export/Export.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "doc/Dateizugriff.h"
#include "export/XlsxExport.h"

namespace zelvor {
namespace {

// A workbook is at most a few megabytes; anything beyond is no file of ours.
constexpr std::size_t MAX_MAPPE = 256u << 20;

std::string Kleingeschrieben(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

bool EndetAuf(const std::string& s, const std::string& endung) {
  return s.size() > endung.size() && s.compare(s.size() - endung.size(), endung.size(), endung) == 0 &&
         s[s.size() - endung.size() - 1] != '/';
}

// The library writes to a file name, so the workbook is made in a scratch file first and then replaces
// the target as every other write does.
std::string XlsxSchreiben(const std::string& pfad, const std::vector<Exporttabelle>& tabellen) {
  const std::string vorlage = ZwischendateiAnlegen();
  if (vorlage.empty())
    return "Die Datei \"" + pfad + "\" kann nicht geschrieben werden: kein Platz für eine Zwischendatei.";
  std::string fehler = XlsxErzeugen(vorlage, tabellen);
  std::vector<unsigned char> inhalt;
  if (fehler.empty()) fehler = DateiLesen(vorlage, inhalt, MAX_MAPPE);
  std::remove(vorlage.c_str());
  if (!fehler.empty()) return "Die Datei \"" + pfad + "\" kann nicht geschrieben werden: " + fehler;
  return DateiErsetzen(pfad, inhalt);
}

}  // namespace

std::optional<Exportformat> ExportformatAus(const std::string& pfad, bool deutsch) {
  const std::string klein = Kleingeschrieben(pfad);
  if (EndetAuf(klein, ".csv")) return deutsch ? Exportformat::CsvExcelDeutsch : Exportformat::Csv;
  if (EndetAuf(klein, ".xlsx")) return Exportformat::Xlsx;
  return std::nullopt;
}

std::string ExportSchreiben(const std::string& pfad, const std::vector<Exporttabelle>& tabellen, Exportformat format) {
  if (format == Exportformat::Xlsx) return XlsxSchreiben(pfad, tabellen);
  const std::string csv = CsvText(tabellen, format);
  return DateiErsetzen(pfad, std::span(reinterpret_cast<const unsigned char*>(csv.data()), csv.size()));
}

}  // namespace zelvor
