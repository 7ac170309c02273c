#include "calc/Prognosemodell.h"

namespace zelvor {

std::string PrognosemodellName(Prognosemodell m) {
  switch (m) {
    case Prognosemodell::Mittel: return "mittel";
    case Prognosemodell::Variabel: return "variabel";
    case Prognosemodell::Gegendruck: return "gegendruck";
  }
  return "";
}

std::optional<Prognosemodell> PrognosemodellAusName(const std::string& name) {
  for (int i = 0; i < PROGNOSEMODELL_ANZAHL; ++i) {
    const auto m = static_cast<Prognosemodell>(i);
    if (name == PrognosemodellName(m)) return m;
  }
  return std::nullopt;
}

std::string PrognosemodellText(Prognosemodell m) {
  switch (m) {
    case Prognosemodell::Mittel: return "Mittlerer C-Wert";
    case Prognosemodell::Variabel: return "Variabler C-Wert C(Gp)";
    case Prognosemodell::Gegendruck: return "Gegendruckgleichung (C_n, n)";
  }
  return "";
}

}  // namespace zelvor
