// Fuzz target for the field file reader (*.zlf, on a file image in memory).
// Either a message and no wells, or wells and no message; every well is an absolute path without a line
// break, at most FELDDATEI_MAX_BOHRUNGEN of them; and written back as a field file, they read back the
// same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzHilfen.h"
#include "feld/Felddatei.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  using namespace zelvor;
  const std::string text(reinterpret_cast<const char*>(daten), groesse);
  const std::string datei = "/feld/nord.zlf";
  const Felddatei f = FelddateiAusText(datei, text);
  if (!f.meldung.empty()) {
    FUZZ_PRUEFE(f.bohrungen.empty(), f.meldung);
    return 0;
  }
  FUZZ_PRUEFE(f.bohrungen.size() <= FELDDATEI_MAX_BOHRUNGEN, std::to_string(f.bohrungen.size()));
  for (const std::string& b : f.bohrungen) {
    FUZZ_PRUEFE(!b.empty() && b.front() == '/', b);
    FUZZ_PRUEFE(b.find_first_of("\r\n") == std::string::npos, b);  // both end a line
  }
  std::string meldung;
  const std::string geschrieben = FelddateiText(datei, f.bohrungen, meldung);
  // Every path read can be written back.
  FUZZ_PRUEFE(meldung.empty(), meldung);
  const Felddatei zurueck = FelddateiAusText(datei, geschrieben);
  FUZZ_PRUEFE(zurueck.meldung.empty(), zurueck.meldung);
  FUZZ_PRUEFE(zurueck.bohrungen == f.bohrungen, geschrieben);
  return 0;
}
