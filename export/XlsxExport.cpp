#include "export/XlsxExport.h"

#include <fcntl.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include "calc/Datum.h"
#include "export/Zellformat.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>

namespace zelvor {
namespace {

// libxlsxwriter prints its own English "[ERROR]" lines on stderr; the caller tells the user in one German
// sentence instead, so the library's messages go nowhere while it works.
class OhneBibliotheksmeldungen {
 public:
  OhneBibliotheksmeldungen() : m_sperre(Sperre()) {
    std::fflush(stderr);
    m_vorher = ::dup(STDERR_FILENO);
#ifdef _WIN32
    const int nirgends = ::open("NUL", O_WRONLY);
#else
    const int nirgends = ::open("/dev/null", O_WRONLY);
#endif
    if (m_vorher >= 0 && nirgends >= 0) ::dup2(nirgends, STDERR_FILENO);
    if (nirgends >= 0) ::close(nirgends);
  }
  ~OhneBibliotheksmeldungen() {
    std::fflush(stderr);
    if (m_vorher < 0) return;
    ::dup2(m_vorher, STDERR_FILENO);
    ::close(m_vorher);
  }
  OhneBibliotheksmeldungen(const OhneBibliotheksmeldungen&) = delete;
  OhneBibliotheksmeldungen& operator=(const OhneBibliotheksmeldungen&) = delete;

 private:
  static std::mutex& Sperre() {
    static std::mutex m;
    return m;
  }
  std::lock_guard<std::mutex> m_sperre;
  int m_vorher = -1;
};

std::string Grund(lxw_error fehler) {
  switch (fehler) {
    case LXW_ERROR_MEMORY_MALLOC_FAILED:
      return "nicht genug Speicher.";
    case LXW_ERROR_CREATING_XLSX_FILE:
      return "die Arbeitsmappe kann nicht angelegt werden.";
    case LXW_ERROR_CREATING_TMPFILE:
    case LXW_ERROR_READING_TMPFILE:
      return "die Zwischendateien im tempor\xC3\xA4ren Ordner k\xC3\xB6nnen nicht geschrieben werden (ist der "
             "Datentr\xC3\xA4ger voll?).";
    case LXW_ERROR_ZIP_FILE_OPERATION:
    case LXW_ERROR_ZIP_PARAMETER_ERROR:
    case LXW_ERROR_ZIP_BAD_ZIP_FILE:
    case LXW_ERROR_ZIP_INTERNAL_ERROR:
    case LXW_ERROR_ZIP_FILE_ADD:
    case LXW_ERROR_ZIP_CLOSE:
      return "die Arbeitsmappe kann nicht gepackt und geschrieben werden (ist der Datentr\xC3\xA4ger voll?).";
    default:
      return "die Arbeitsmappe kann nicht erzeugt werden.";
  }
}

// Excel's rules for a sheet name: 1 to 31 characters, none of []:*?/\, unique in the workbook.
std::string Blattname(const std::string& name, std::set<std::string>& vergeben) {
  std::string s;
  for (char c : name)
    if (std::string("[]:*?/\\").find(c) == std::string::npos) s += c;
  if (s.size() > 31) s.resize(31);
  while (!s.empty() && (static_cast<unsigned char>(s.back()) & 0xC0) == 0x80) s.pop_back();  // no cut UTF-8
  if (!s.empty() && (static_cast<unsigned char>(s.back()) & 0xC0) == 0xC0) s.pop_back();
  if (s.empty()) s = "Tabelle";
  std::string eindeutig = s;
  for (int n = 2; vergeben.count(eindeutig); ++n) eindeutig = s.substr(0, 28) + " " + std::to_string(n);
  vergeben.insert(eindeutig);
  return eindeutig;
}

std::string Zahlenformat(int stellen) {
  if (stellen <= 0) return "0";
  return "0." + std::string(static_cast<std::size_t>(stellen > 15 ? 15 : stellen), '0');
}

// A text that is a date as the program writes one (TT.MM.JJJJ): a spreadsheet sorts and computes with it
// only as a date cell, and the import reads such cells back as dates.
std::optional<Kalenderdatum> AlsDatum(const std::string& text) {
  if (text.size() != 10) return std::nullopt;
  const std::optional<Tag> t = DatumLesen(text);
  if (!t || DatumText(*t) != text) return std::nullopt;
  return DatumAusTag(*t);
}

}  // namespace

std::string XlsxErzeugen(const std::string& pfad, const std::vector<Exporttabelle>& tabellen) {
  const OhneBibliotheksmeldungen leise;
  lxw_workbook* mappe = workbook_new(pfad.c_str());
  if (!mappe) return Grund(LXW_ERROR_MEMORY_MALLOC_FAILED);
  lxw_format* fett = workbook_add_format(mappe);
  format_set_bold(fett);
  lxw_format* datumsformat = workbook_add_format(mappe);
  format_set_num_format(datumsformat, "dd.mm.yyyy");
  std::map<std::string, lxw_format*> formate;
  std::set<std::string> vergeben;
  lxw_error fehler = LXW_NO_ERROR;
  auto merken = [&](lxw_error e) {
    if (fehler == LXW_NO_ERROR) fehler = e;
  };
  for (const Exporttabelle& t : tabellen) {
    lxw_worksheet* blatt = workbook_add_worksheet(mappe, Blattname(t.name, vergeben).c_str());
    if (!blatt) {
      merken(LXW_ERROR_MEMORY_MALLOC_FAILED);
      break;
    }
    for (std::size_t s = 0; s < t.spalten.size() && s < LXW_COL_MAX; ++s) {
      const auto spalte = static_cast<lxw_col_t>(s);
      merken(worksheet_write_string(blatt, 0, spalte, t.spalten[s].titel.c_str(), fett));
      const double breite = static_cast<double>(t.spalten[s].titel.size()) + 2.0;
      merken(worksheet_set_column(blatt, spalte, spalte, breite < 12.0 ? 12.0 : breite, nullptr));
    }
    for (std::size_t z = 0; z < t.zeilen.size() && z + 1 < LXW_ROW_MAX; ++z) {
      const auto zeile = static_cast<lxw_row_t>(z + 1);
      for (std::size_t s = 0; s < t.zeilen[z].size() && s < LXW_COL_MAX; ++s) {
        const auto spalte = static_cast<lxw_col_t>(s);
        const Exportwert& w = t.zeilen[z][s];
        if (const double* d = std::get_if<double>(&w)) {
          if (!std::isfinite(*d)) continue;  // a workbook has no such number: the cell stays empty
          const int stellen = s < t.spalten.size() ? t.spalten[s].stellen : 3;
          const std::string zahlenformat = stellen == STELLEN_JE_WERT ? Zellformat(*d) : Zahlenformat(stellen);
          lxw_format*& f = formate[zahlenformat];
          if (!f) {
            f = workbook_add_format(mappe);
            format_set_num_format(f, zahlenformat.c_str());
          }
          merken(worksheet_write_number(blatt, zeile, spalte, Ausgabewert(*d), f));
        } else if (const std::string* text = std::get_if<std::string>(&w)) {
          if (const std::optional<Kalenderdatum> datum = AlsDatum(*text)) {
            lxw_datetime zeit = {datum->jahr, datum->monat, datum->tag, 0, 0, 0.0};
            merken(worksheet_write_datetime(blatt, zeile, spalte, &zeit, datumsformat));
          } else if (!text->empty()) {
            merken(worksheet_write_string(blatt, zeile, spalte, text->c_str(), nullptr));
          }
        }
      }
    }
  }
  const lxw_error schliessen = workbook_close(mappe);  // frees the workbook in every case
  merken(schliessen);
  if (fehler != LXW_NO_ERROR) return Grund(fehler);
  return {};
}

}  // namespace zelvor
