// Fuzz target for reading the results file back. The reader only takes a path, so each input is written
// to one temporary file of this process first.
// Checks the limits (at most 1000 entries, each at most 99 Windows-1252 characters, no LF inside)
// and compares the entries with a model of the line reader: CR LF is one character, a read takes at most
// 99 characters including the line end, a NUL byte ends the text, a text of at most one character
// becomes as many blanks.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzHilfen.h"
#include "doc/ErgebnisDatei.h"
#include "doc/Windows1252.h"

namespace zelvor::fuzz {
namespace {

class TempDatei {
 public:
  TempDatei() {
    std::error_code fehler;
    auto verzeichnis = std::filesystem::temp_directory_path(fehler);
    if (fehler) verzeichnis = "/tmp";
    m_pfad = (verzeichnis / ("zelvor_fuzz_aus_" + std::to_string(::getpid()) + ".txt")).string();
  }
  ~TempDatei() { std::remove(m_pfad.c_str()); }
  TempDatei(const TempDatei&) = delete;
  TempDatei& operator=(const TempDatei&) = delete;

  const std::string& Schreiben(const std::uint8_t* daten, std::size_t groesse) {
    std::FILE* f = std::fopen(m_pfad.c_str(), "wb");
    FUZZ_PRUEFE(f != nullptr, m_pfad);
    FUZZ_PRUEFE(groesse == 0 || std::fwrite(daten, 1, groesse, f) == groesse, m_pfad);
    FUZZ_PRUEFE(std::fclose(f) == 0, m_pfad);
    return m_pfad;
  }

 private:
  std::string m_pfad;
};

std::vector<std::string> Modell(std::string_view d) {
  std::vector<std::string> eintraege;
  std::size_t pos = 0;
  while (eintraege.size() < 1000 && pos < d.size()) {
    std::string stueck;
    while (stueck.size() < 99 && pos < d.size()) {
      char c = d[pos++];
      if (c == '\r' && pos < d.size() && d[pos] == '\n') {
        c = '\n';
        ++pos;
      }
      stueck += c;
      if (c == '\n') break;
    }
    stueck = stueck.substr(0, stueck.find('\0'));
    if (!stueck.empty() && stueck.back() == '\n') stueck.pop_back();
    if (stueck.size() <= 1) stueck.assign(stueck.size(), ' ');
    eintraege.push_back(Windows1252NachUtf8(stueck));
  }
  return eintraege;
}

}  // namespace
}  // namespace zelvor::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  using namespace zelvor;
  using namespace zelvor::fuzz;
  static TempDatei datei;
  const ErgebnisseGelesen g = ErgebnisseLesen(datei.Schreiben(daten, groesse));

  FUZZ_PRUEFE(g.geoeffnet, "");
  FUZZ_PRUEFE(g.zeilen.size() <= 1000, std::to_string(g.zeilen.size()) + " Einträge");
  for (std::size_t i = 0; i < g.zeilen.size(); ++i) {
    const std::string& z = g.zeilen[i];
    std::string cp1252;
    FUZZ_PRUEFE(Utf8NachWindows1252(z, cp1252), "Eintrag " + std::to_string(i) + " ist kein Windows-1252");
    // A Windows-1252 character takes up to three bytes in UTF-8 ("€" is E2 82 AC).
    FUZZ_PRUEFE(cp1252.size() <= 99 && z.size() <= 3 * 99, "Eintrag " + std::to_string(i) + ": " + Sichtbar(z));
    FUZZ_PRUEFE(z.find('\n') == std::string::npos, "Eintrag " + std::to_string(i) + ": " + Sichtbar(z));
    FUZZ_PRUEFE(z.find('\0') == std::string::npos, "Eintrag " + std::to_string(i) + ": " + Sichtbar(z));
  }

  const std::vector<std::string> erwartet =
      Modell(std::string_view(reinterpret_cast<const char*>(daten), groesse));
  FUZZ_PRUEFE(g.zeilen.size() == erwartet.size(),
              std::to_string(g.zeilen.size()) + " statt " + std::to_string(erwartet.size()) + " Einträge");
  for (std::size_t i = 0; i < erwartet.size(); ++i)
    FUZZ_PRUEFE(g.zeilen[i] == erwartet[i],
                "Eintrag " + std::to_string(i) + ": \"" + Sichtbar(g.zeilen[i]) + "\" statt \"" +
                    Sichtbar(erwartet[i]) + "\"");
  return 0;
}
