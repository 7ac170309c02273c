// Fuzz target for rate data from spreadsheets: the file import that tells a rate file, CSV or
// tab-separated text and an .xlsx/.ods workbook apart by content, and the text pasted into the list.
// Every taken line has the import layout; a refused import takes nothing and says why in one message;
// no reader gives more lines than the row limit; no message carries a control character of the file.
// The shut-in surveys from the same bytes: each taken one sound, their dates as long as their lines.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzHilfen.h"
#include "calc/Format.h"
#include "doc/Messdatenblock.h"
#include "import/Messungsimport.h"
#include "import/Ratenimport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  using namespace zelvor;
  using namespace zelvor::fuzz;
  const std::string_view inhalt(reinterpret_cast<const char*>(daten), groesse);

  const Ratenquelle quelle = RatenquelleErkennen(inhalt);
  const RatendateiImport r = RatenImportAusInhalt(inhalt);
  FUZZ_PRUEFE(r.geoeffnet, "");
  FUZZ_PRUEFE(r.geaendert == !r.zeilen.empty(), "");
  for (const std::string& z : r.zeilen) FUZZ_PRUEFE(ImportLayout(z), Sichtbar(z));
  FUZZ_PRUEFE(r.zeilen.size() <= MAX_IMPORTZEILEN, std::to_string(r.zeilen.size()));
  for (const std::string& m : r.meldungen) FUZZ_PRUEFE(OhneSteuerzeichen(m), Sichtbar(m));
  if (r.abgelehnt) {
    FUZZ_PRUEFE(r.zeilen.empty() && r.status.empty(), "");
    FUZZ_PRUEFE(r.meldungen.size() == 1 && !r.meldungen[0].empty(), std::to_string(r.meldungen.size()));
  } else if (quelle != Ratenquelle::Ratendatei) {
    FUZZ_PRUEFE(!r.zeilen.empty(), std::to_string(r.zeilen.size()));
    FUZZ_PRUEFE(r.meldungen.empty(), r.meldungen[0]);
    FUZZ_PRUEFE(r.status.starts_with(Formatiere("%d Zeilen wurden eingelesen", static_cast<int>(r.zeilen.size()))),
                r.status);
  } else {
    FUZZ_PRUEFE(!r.zeilen.empty() || r.meldungen.empty(), r.meldungen[0]);  // else refused as no rate data
  }

  const Tabellenimport e = EinfuegetextLesen(inhalt);
  FUZZ_PRUEFE(e.uebernommen == e.meldung.empty(), e.meldung);
  FUZZ_PRUEFE(e.uebernommen == !e.zeilen.empty(), e.meldung);
  FUZZ_PRUEFE(e.zeilen.size() <= MAX_TABELLENZEILEN, std::to_string(e.zeilen.size()));
  for (const std::string& z : e.zeilen) FUZZ_PRUEFE(ImportLayout(z), Sichtbar(z));
  FUZZ_PRUEFE(e.daten.empty() || e.daten.size() == e.zeilen.size(), std::to_string(e.daten.size()));
  FUZZ_PRUEFE(r.daten.empty() || r.daten.size() == r.zeilen.size(), std::to_string(r.daten.size()));

  const Messungsimport m = MessungenAusInhalt(inhalt, groesse % 2 == 1);
  FUZZ_PRUEFE(m.uebernommen == m.meldung.empty(), m.meldung);
  FUZZ_PRUEFE(m.messungen.size() <= MAX_MESSUNGEN, std::to_string(m.messungen.size()));
  for (const Schliessdruckmessung& s : m.messungen) FUZZ_PRUEFE(MessungSinnvoll(s), "");
  return 0;
}
