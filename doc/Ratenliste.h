#pragma once
// Editing the input dialog's list of rate lines: an operation is prepared when the user leaves the line
// field, asked for, and carried out on the list with its selection. The dialog only shows and asks.
#include <optional>
#include <string>

#include "doc/CZelvorDoc.h"

namespace zelvor {

// The line options of the dialog, as its option buttons number them.
enum Zeilenoption : int { ZEILE_AENDERN = 0, ZEILE_ANHAENGEN = 1, ZEILE_EINFUEGEN = 2, ZEILE_LOESCHEN = 3 };

inline constexpr char ZEILE_WAEHLEN[] = "Bitte Zeile durch Doppelklick auswählen";

struct Ratenliste {
  CStringArray zeilen;
  int auswahl = -1;   // selected line, -1 none
  Zeilendaten daten{};  // the lines' dates, by position; kept in step with every operation
  // The line the date field speaks of after an operation: the changed, appended or inserted line, so
  // that a date typed after its question still reaches it; -1 after a delete.
  int datumszeile = -1;
};

// What leaving the line field leads to.
struct Zeilenschritt {
  std::string meldung;  // the typed line is invalid: this message, and nothing else happens
  std::string zeile;    // the line as it is stored, when valid
  std::string frage;    // the Yes/No question before the operation; empty when nothing is to be done
  std::string hinweis;  // the option needs a selected line and none is: the status text instead
  bool unveraendert = false;  // "change" of the selected line to the values it already holds: nothing to ask
};

// `bisher` is the selected line's text as the list holds it. Leaving the field without changing the
// line's values (to go on to its date, say) asks nothing and leaves the line's text as it is.
Zeilenschritt ZeileVorbereiten(const std::string& text, int option, int auswahl,
                               const std::optional<std::string>& bisher = std::nullopt);

// Both texts are valid rate lines with the same three values (whatever their layout).
bool GleicheWerte(const std::string& a, const std::string& b);

// After Yes: the operation on the list and its selection (a changed or deleted line leaves none selected,
// an insert moves the selection down with the selected line). Returns the status text, or nothing when
// the option needed a selected line and there is none.
// `datum` is the line's date from the dialog's date field; without it a changed line keeps its date and
// a new one has none.
std::optional<std::string> ZeileAusfuehren(Ratenliste& liste, int option, const std::string& zeile,
                                           std::optional<std::optional<Tag>> datum = std::nullopt);

inline constexpr char EINFUEGEN_ERSETZEN[] = "Sollen die eingef\xC3\xBCgten Zeilen die Liste ersetzen?";

// Lines pasted into the list: they replace it (ersetzen) or are appended; no line stays selected.
// Returns the status text.
std::string ZeilenEinfuegen(Ratenliste& liste, const CStringArray& neu, bool ersetzen, const Zeilendaten& neueDaten = {});

// The dialog's date field beside the line field: empty (no date) or a date as the import takes it
// (TT.MM.JJJJ, T.M.JJJJ, JJJJ-MM-TT, MM/JJJJ). An impossible date is refused with a message, and the
// field keeps what was typed.
struct Datumsfeld {
  bool gueltig = false;
  std::optional<Tag> datum;
  std::string meldung;
};
Datumsfeld DatumsfeldLesen(const std::string& text);
std::string DatumsfeldText(std::optional<Tag> datum);

// The date of line `zeile` (from 0) set from the date field; the status text, or nothing when there is
// no such line or its date stays as it was.
std::optional<std::string> DatumAendern(Ratenliste& liste, int zeile, std::optional<Tag> datum);

// Status text after a double-click on line `auswahl` (from 0).
std::string AuswahlStatus(int auswahl);

// Status text after an option button was clicked; empty when the status is to stay (empty list).
std::string OptionStatus(std::size_t zeilen);

}  // namespace zelvor
