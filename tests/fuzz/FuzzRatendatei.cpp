// Fuzz target for the rate file import (on a file image in memory).
// Every taken line must have the import layout "%10.3f  %10.1f %15.1f" with plain decimal numbers, and
// must be the formatted numbers of the matching line of the file (heading skipped); at most one message
// may end the import (no control character in it but its one line break), no more lines than the row
// limit are taken, and the status must count the lines taken.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzHilfen.h"
#include "calc/Format.h"
#include "import/Importgrenzen.h"
#include "import/Ratendatei.h"
#include "doc/Ratenzeile.h"
#include "doc/Textzeilen.h"

namespace zelvor::fuzz {
namespace {

// The lines of the image as the import sees them: split at LF, CR LF, CR CR LF or a lone CR, the text
// ending at a NUL byte.
std::vector<std::string> Zeilen(std::string_view inhalt) {
  std::vector<std::string> zeilen;
  for (std::size_t pos = 0, ende = 0; pos < inhalt.size();) {
    const std::size_t naechste = Zeilenende(inhalt, pos, ende);
    const std::string_view z = inhalt.substr(pos, ende - pos);
    zeilen.emplace_back(z.substr(0, z.find('\0')));
    pos = naechste;
  }
  return zeilen;
}

}  // namespace
}  // namespace zelvor::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  using namespace zelvor;
  using namespace zelvor::fuzz;
  const std::string_view inhalt(reinterpret_cast<const char*>(daten), groesse);
  const RatendateiImport r = RatendateiAusText(inhalt);

  FUZZ_PRUEFE(r.geoeffnet, "");
  FUZZ_PRUEFE(r.meldungen.size() <= 1, std::to_string(r.meldungen.size()) + " Meldungen");
  FUZZ_PRUEFE(r.geaendert == !r.zeilen.empty(), "");
  FUZZ_PRUEFE(r.zeilen.size() <= MAX_IMPORTZEILEN, std::to_string(r.zeilen.size()));
  for (const std::string& m : r.meldungen) FUZZ_PRUEFE(OhneSteuerzeichen(m), Sichtbar(m));
  if (r.leerzeileAbbruch) {
    FUZZ_PRUEFE(r.meldungen.size() == 1 && r.meldungen[0] == "ABBRUCH bei Leerzeile!", "");
    FUZZ_PRUEFE(r.status.empty(), r.status);
  } else {
    FUZZ_PRUEFE(r.status == Formatiere("%d Zeilen wurden eingelesen", static_cast<int>(r.zeilen.size())), r.status);
  }

  // Line i + 1 of the file (the heading is line 0) gave taken line i.
  const std::vector<std::string> quelle = Zeilen(inhalt);
  FUZZ_PRUEFE(r.zeilen.size() < quelle.size() || r.zeilen.empty(), "mehr Zeilen übernommen als die Datei hat");
  for (std::size_t i = 0; i < r.zeilen.size(); ++i) {
    const std::string& z = r.zeilen[i];
    FUZZ_PRUEFE(z.size() >= 38, Sichtbar(z));
    FUZZ_PRUEFE(ImportLayout(z), "Zeile " + std::to_string(i + 1) + ": \"" + Sichtbar(z) + "\"");
    float gp = 0, rate = 0, druck = 0;
    FUZZ_PRUEFE(RatenzeileScannen(quelle[i + 1], gp, rate, druck) == 3, Sichtbar(quelle[i + 1]));
    const std::string erwartet = Formatiere("%10.3f  %10.1f %15.1f", static_cast<double>(gp),
                                            static_cast<double>(rate), static_cast<double>(druck));
    // Appended, not prepended: g++ 12 at -O3 sees a false overlap in a literal put before a temporary.
    FUZZ_PRUEFE(z == erwartet, std::string("\"").append(Sichtbar(z)) + "\" statt \"" + Sichtbar(erwartet) + "\"");
  }
  return 0;
}
