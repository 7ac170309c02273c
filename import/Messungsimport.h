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

// The rows of the surveys dialog's table as typed: date (may be empty), Gp, pressure, and whether the
// pressure is at the wellhead. Empty rows are skipped; numbers are read with a decimal point or comma.
struct Messungszeile {
  std::string datum, gp, druck;
  bool kopf = false;
  bool operator==(const Messungszeile&) const = default;
};
struct Messungstabelle {
  std::vector<Schliessdruckmessung> messungen;
  std::string meldung;  // the first bad row, when there is one; then `messungen` is empty
};
Messungstabelle MessungenAusZeilen(const std::vector<Messungszeile>& zeilen);
Messungszeile MessungAlsZeile(const Schliessdruckmessung& m);

}  // namespace zelvor
