#pragma once
// A storage well's settings beside its injection forecast: the working gas and cushion gas that turn
// Gp into a fill level, the calorific value for energies, the planned withdrawal rate, the seasons,
// the start of the storage year and the fill targets. Kept in the well file in a block of their own.
#include <optional>
#include <string>
#include <vector>

#include "calc/Datum.h"
#include "calc/Speicherjahr.h"

namespace zelvor {

struct Speicherziel {
  Jahrestag tag;
  float prozent = 0;  // fill level, % of the working gas
  friend bool operator==(const Speicherziel&, const Speicherziel&) = default;
};

struct Speichereinstellungen {
  float arbeitsgas = 0;    // working gas volume, Mio m3; 0: not set, no storage computations
  float kissengas = 0;     // cushion gas, Mio m3
  float brennwert = 0;     // calorific value, kWh/m3; 0: not given
  float qAusspeisung = 0;  // planned withdrawal rate, m3/h; 0: as much as the well delivers
  Jahrestag einBeginn{4, 1}, einEnde{10, 31}, ausBeginn{11, 1}, ausEnde{3, 31};
  std::optional<Tag> start;  // the storage year's first day; none: the last rate line's date
  // This list, as older versions had it built in, stands for the legal targets in force (gesetzlich)
  // unless eigeneStandardziele says it was set as an own list.
  std::vector<Speicherziel> ziele = {{{10, 1}, 80.0f}, {{11, 1}, 90.0f}, {{2, 1}, 30.0f}};
  // Kept in a block of their own after the one above (Speicherzusatzblock):
  bool eigeneStandardziele = false;
  std::string anlage;                     // the storage facility's name, for the legal targets' exceptions
  float qAnlageEin = 0, qAnlageAus = 0;   // the facility's most injection and withdrawal, m3/h; 0: no limit

  friend bool operator==(const Speichereinstellungen&, const Speichereinstellungen&) = default;
  bool Gesetzt() const { return arbeitsgas > 0.0f; }
  Speichervolumen Volumen() const { return {arbeitsgas, kissengas}; }
  std::vector<Fuellziel> Fuellziele() const;
  bool ZieleGesetzlich() const;
  Anlagengrenzen Grenzen() const { return {qAnlageEin, qAnlageAus}; }
};

// What the well file's block may hold; what the settings take is bounded tighter (Speichervolumen's bounds
// in calc/Speicherkennlinien.h, and these).
inline constexpr double SPEICHER_VOLUMEN_MAX = 1e6;  // Mio m3
inline constexpr double SPEICHER_BRENNWERT_MIN = 1, SPEICHER_BRENNWERT_MAX = 20;  // kWh/m3; 0: not given
inline constexpr std::size_t SPEICHER_ZIELE_MAX = 16;
inline constexpr std::size_t SPEICHER_ANLAGE_MAX = 60;  // characters of the facility's name

// Each reads a text as `zelvor-cli set` gives it and sets the value, or answers the German message and
// leaves the settings alone. The numbers are 0 (not given) or within their bounds; a working gas of 0
// means no storage computations, while the other settings are kept.
std::optional<std::string> ArbeitsgasSetzen(Speichereinstellungen& s, const std::string& text);
std::optional<std::string> KissengasSetzen(Speichereinstellungen& s, const std::string& text);
std::optional<std::string> BrennwertSetzen(Speichereinstellungen& s, const std::string& text);
std::optional<std::string> AusspeicherrateSetzen(Speichereinstellungen& s, const std::string& text);
std::optional<std::string> EinspeisungSetzen(Speichereinstellungen& s, const std::string& text);  // "01.04.-31.10."
std::optional<std::string> AusspeisungSetzen(Speichereinstellungen& s, const std::string& text);
std::optional<std::string> SpeicherstartSetzen(Speichereinstellungen& s, const std::string& text);  // "" or a date
// "gesetzlich", or a list "01.10.:80 01.11.:90" (an empty list: no targets).
std::optional<std::string> ZieleSetzen(Speichereinstellungen& s, const std::string& text);
std::optional<std::string> AnlageSetzen(Speichereinstellungen& s, const std::string& text);  // "" or a name
std::optional<std::string> AnlageEinspeisungSetzen(Speichereinstellungen& s, const std::string& text);
std::optional<std::string> AnlageAusspeisungSetzen(Speichereinstellungen& s, const std::string& text);

std::string ZeitraumText(Jahrestag von, Jahrestag bis);
std::string ZieleText(const std::vector<Speicherziel>& ziele);
std::string ZieleText(const Speichereinstellungen& s);  // "gesetzlich" or the list
std::string JahrestagText(Jahrestag t);  // "01.10."

// The settings by name, as "zelvor-cli show" lists them (after the forecast settings) and "set" takes them.
struct Speicherangabe {
  const char* name;
  std::optional<std::string> (*setzen)(Speichereinstellungen&, const std::string&);
  std::string (*text)(const Speichereinstellungen&);
};
const std::vector<Speicherangabe>& Speicherangaben();
const Speicherangabe* SpeicherangabeSuchen(const std::string& name);

// The settings dialog's storage fields, one text for each of Speicherangaben() in its order. Reading
// them checks each, then the whole against the gas in place (SpeicheraenderungPruefen); on the first
// problem `s` stays as it was and the answer names the field (its index) and the message. An empty
// working gas, or 0, means no storage computations; the other settings are kept.
std::vector<std::string> SpeicherfelderAus(const Speichereinstellungen& s);
struct Speicherfehler {
  std::size_t feld;
  std::string meldung;
};
std::optional<Speicherfehler> SpeicherfelderLesen(const std::vector<std::string>& felder, Speichereinstellungen& s,
                                                  double ogip);

// The settings against the well's gas in place: one German sentence, or nothing.
std::optional<std::string> SpeichereinstellungenPruefen(const Speichereinstellungen& s, double ogip);

// The same check when a change (of the settings, of the gas in place) takes the well from `vorher` to
// `nachher`: refused only when the change brings about what the check finds. A well that already failed
// it stays editable, and the finding is a warning.
struct Speicherurteil {
  std::optional<std::string> ablehnung, warnung;
};
Speicherurteil SpeicheraenderungPruefen(const Speichereinstellungen& vorher, double ogipVorher,
                                        const Speichereinstellungen& nachher, double ogipNachher);

}  // namespace zelvor
