#pragma once
// Which C-value the forecast of a well's deliverability uses, by name for files and the command line.
#include <cstdint>
#include <optional>
#include <string>

namespace zelvor {

// Stored as these numbers in the well file: never renumber.
enum class Prognosemodell : std::int32_t {
  Mittel = 0,     // the run's mean C-value, constant over the rest of the life
  Variabel = 1,   // the run's straight line C(Gp) ("Variabler C-Wert")
  Gegendruck = 2  // the back-pressure equation Q = C_n (pws² - pwf²)^n
};

inline constexpr int PROGNOSEMODELL_ANZAHL = 3;

// "mittel", "variabel", "gegendruck".
std::string PrognosemodellName(Prognosemodell m);
std::optional<Prognosemodell> PrognosemodellAusName(const std::string& name);
// As the dialog and the summary name it.
std::string PrognosemodellText(Prognosemodell m);

}  // namespace zelvor
