#pragma once
// Shut-in pressure surveys from outside: a CSV or tab- or blank-separated text, an .xlsx/.ods workbook,
// or text pasted from a spreadsheet. The row rules are the rate lines' (import/Tabellenimport.h) with
// two values a row, Gp (Mio m3) and the pressure (bar), and a date column allowed. One bad row refuses
// the whole import.
#include <string>
#include <string_view>
#include <vector>

#include "doc/Schliessdruckmessung.h"

namespace zelvor {

struct Messungsimport {
  bool geoeffnet = false;    // the file could be read
  bool uebernommen = false;  // false: refused, `meldung` says why and `messungen` is empty
  std::vector<Schliessdruckmessung> messungen;
  std::string meldung;
  std::string status;  // "%d Messungen wurden eingelesen"
};

// `kopfdruck`: the pressures are shut-in wellhead pressures, else static bottomhole pressures.
Messungsimport MessungenAusInhalt(std::string_view inhalt, bool kopfdruck);
Messungsimport MessungenLesen(const std::string& pfad, bool kopfdruck);

}  // namespace zelvor
