#pragma once
// The aquifer settings by name, as `zelvor-cli show` lists them and `set` and the aquifer dialog take
// them: each value read from a text and refused with one German sentence when it makes no sense on its
// own (a negative length, a porosity above 1, a ratio not above 1). Whether the values together make
// the chosen model is AquiferdatenPruefen's question; the settings may be entered one after another.
#include <optional>
#include <string>
#include <vector>

#include "calc/Aquiferdaten.h"

namespace zelvor {

class CZelvorDoc;

// What a value may be, for `set`, the dialog and the well file alike: wide enough for any aquifer, and
// a bound for what a hostile file can put into the computation.
inline constexpr double AQUIFER_LAENGE_MAX = 1e6;              // m: radius, width, length, thickness
inline constexpr double AQUIFER_VERHAELTNIS_MAX = 1e6;         // r_e/r_o when finite
inline constexpr double AQUIFER_PERMEABILITAET_MAX = 1e6;      // mD
inline constexpr double AQUIFER_KOMPRESSIBILITAET_MAX = 1;     // 1/bar
inline constexpr double AQUIFER_VISKOSITAET_MAX = 1e4;         // mPa·s
inline constexpr double AQUIFER_VOLUMEN_MAX = 1e9;             // Mio m3
inline constexpr double AQUIFER_WGV_MAX = 1e6;                 // l/1000 m3

enum class Aquiferart { Modell, Form, Zahl, Verhaeltnis, Datum };

struct Aquiferangabe {
  const char* name;     // as `set` and `show` name it
  const char* einheit;  // for the dialog's labels; "" for none
  Aquiferart art;
  double Aquiferdaten::*feld = nullptr;  // Zahl and Verhaeltnis
  const char* bezeichnung = "";          // "Die Porosität", for the sentences
  double min = 0, max = 0;               // Zahl: the range, each end open or closed
  bool minOffen = false, maxOffen = false;
  unsigned benutzt = 0;  // AQUIFER_FUER_*: the models that use it
};

// The models a setting belongs to (Aquiferangabe::benutzt).
inline constexpr unsigned AQUIFER_FUER_TOPF = 1, AQUIFER_FUER_FETKOVICH_RADIAL = 2, AQUIFER_FUER_FETKOVICH_LINEAR = 4,
                          AQUIFER_FUER_HURST = 8, AQUIFER_FUER_ALLE = 15;

// In the order `show` lists them and the dialog shows them.
const std::vector<Aquiferangabe>& Aquiferangaben();
const Aquiferangabe* AquiferangabeSuchen(const std::string& name);

// Reads `text` into the setting, or answers the German sentence and leaves `a` alone. Numbers with a
// decimal point; the ratio also "unendlich", and empty for not given; the start of production a date
// TT.MM.JJJJ or empty.
std::optional<std::string> AquiferSetzen(Aquiferdaten& a, const Aquiferangabe& angabe, const std::string& text);
// The value as AquiferSetzen takes it back: numbers printf-style, "unendlich" for the unbounded ratio.
std::string AquiferText(const Aquiferdaten& a, const Aquiferangabe& angabe);

// Whether the model (in its form) uses the setting: the dialog offers only these. The gas zone's terms
// and the start of production belong to every model, nothing to none.
bool AquiferangabeBenutzt(const Aquiferangabe& angabe, Aquifermodell modell, Aquiferform form);

// Each value within what AquiferSetzen takes (the enums, the date's years included): what the well
// file may hold. The sentence of the first that is not, naming it.
std::optional<std::string> AquiferwerteZulaessig(const Aquiferdaten& a);

// The dialog's fields, one text for each of Aquiferangaben(). Reading them takes each, then asks
// AquiferMangel of the whole; on the first problem `a` stays as it was and the answer names the field
// (its index) and the sentence. A field of a setting the chosen model does not use keeps its old value
// when its text does not read.
std::vector<std::string> AquiferfelderAus(const Aquiferdaten& a);
struct Aquiferfehler {
  std::size_t feld;
  std::string meldung;
};
std::optional<Aquiferfehler> AquiferfelderLesen(const std::vector<std::string>& felder, Aquiferdaten& a);

// The dialog's OK: the well takes the settings; false when they are the ones it had. The balance
// depends on them, so an evaluated well is evaluated again.
bool AquiferUebernehmen(CZelvorDoc& doc, const Aquiferdaten& a);

}  // namespace zelvor
