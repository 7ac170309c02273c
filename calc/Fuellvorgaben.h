#pragma once
// The fill targets that law sets for gas storages, by the day they fall on. The law itself is data in
// Fuellvorgaben.cpp (one table of German target sets, one of the EU's): a change of law edits that table
// and nothing else. Everything else asks here:
//   GesetzlichesZielAm(datum, anlage)  the German target on that day for that facility, if any
//   GesetzlicheZiele(von, bis, anlage) every German target day in [von, bis]
//   OhneDeutscheVorgaben(von, bis)     the stretches of [von, bis] without any German rule in force
//   NachweisTage(von, bis)             the 1 August days of § 35b (2) EnWG in [von, bis]
//   EuFuellzielImJahr(jahr, abweichung) the EU target of a year: its window and level, lowered by the
//                                      member state's permitted deviation (percentage points)
//   EuZielPruefen(tage, ziel)          the EU target checked on a course of (day, fill level 0 to 1)
// A facility name ("Rehden") picks a set's exception for that facility; "" or a name that no set
// names gets the general level.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/Datum.h"

namespace zelvor {

// A day of the year, as season limits and fill targets recur.
struct Jahrestag {
  int monat = 1, tag = 1;
  friend bool operator==(const Jahrestag&, const Jahrestag&) = default;
};

struct GesetzlichesZiel {
  Tag datum = 0;
  double fuellgrad = 0;  // 0 to 1: at least this on the morning of that day
  std::string quelle;    // "GasSpFüllstV 2025", "§ 35b EnWG"
  std::string anlage;    // the facility whose exception this is; empty: the general level
};

std::optional<GesetzlichesZiel> GesetzlichesZielAm(Tag datum, std::string_view anlage);
std::vector<GesetzlichesZiel> GesetzlicheZiele(Tag von, Tag bis, std::string_view anlage);

// Some German target set is in force on that day.
bool DeutscheVorgabenInKraft(Tag datum);
struct Zeitraum {
  Tag von = 0, bis = 0;  // both included
};
std::vector<Zeitraum> OhneDeutscheVorgaben(Tag von, Tag bis);

std::vector<Tag> NachweisTage(Tag von, Tag bis);

// The facilities some set names for an exception, as the law spells them; and the spelling of `anlage`
// among them (case and surrounding blanks ignored), or nothing.
std::vector<std::string> Ausnahmeanlagen();
std::optional<std::string> AusnahmeanlageSuchen(std::string_view anlage);

// One row of the table, for texts that list what was checked.
struct Vorgabenquelle {
  std::string quelle, fundstelle, geprueft;
  Tag von = 0, bis = 0;
};
std::vector<Vorgabenquelle> Vorgabenquellen();

// The EU target binds the member state's storages together, not a facility.
inline constexpr double EU_ABWEICHUNG_MAX = 15;  // percentage points: 10, and 5 more under conditions
struct EuFuellziel {
  Tag von = 0, bis = 0;   // the window, both included: reached on any morning within it
  double fuellgrad = 0;   // 0 to 1, after the deviation
  double abweichung = 0;  // percentage points taken off
  std::string quelle;     // "VO (EU) 2025/1733"
};
// Nothing for a year without an EU target; the deviation is clamped to what that year's rule allows.
std::optional<EuFuellziel> EuFuellzielImJahr(int jahr, double abweichung = 0);

struct EuErgebnis {
  EuFuellziel ziel;
  bool imZeitraum = false;  // some day of the course lies in the window
  bool erreicht = false;
  std::optional<Tag> erreichtAm;  // the first morning in the window at or above the level
  double hoechster = 0;           // the highest fill level in the window
};
EuErgebnis EuZielPruefen(const std::vector<std::pair<Tag, double>>& fuellgrade, const EuFuellziel& ziel);

}  // namespace zelvor
