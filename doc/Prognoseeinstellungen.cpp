#include "doc/Prognoseeinstellungen.h"

#include <cmath>

#include "calc/Format.h"
#include "doc/Eingabepruefung.h"

namespace zelvor {
namespace {

bool ImBereich(float w, double min, double max) { return std::isfinite(w) && w >= min && w <= max; }

// A plateau at or below the abandonment rate would end the well's life at once.
constexpr const char* PLATEAU_MELDUNG = "Die Plateaurate muss 0 oder größer als die Aufgaberate sein.";

}  // namespace

std::optional<std::string> PminSetzen(Prognoseeinstellungen& e, const std::string& text) {
  return FloatLesen(text, PROGNOSE_PMIN_MIN, PROGNOSE_PMIN_MAX, e.pMin);
}

std::optional<std::string> QPlanSetzen(Prognoseeinstellungen& e, const std::string& text) {
  return FloatLesen(text, 0, PROGNOSE_RATE_MAX, e.qPlan);
}

std::optional<std::string> QEndeSetzen(Prognoseeinstellungen& e, const std::string& text) {
  return FloatLesen(text, PROGNOSE_QENDE_MIN, PROGNOSE_RATE_MAX, e.qEnde);
}

std::optional<std::string> SchritteSetzen(Prognoseeinstellungen& e, const std::string& text) {
  return IntLesen(text, PROGNOSE_SCHRITTE_MIN, PROGNOSE_SCHRITTE_MAX, e.schritte);
}

std::optional<std::string> ModellSetzen(Prognoseeinstellungen& e, const std::string& name) {
  const std::optional<Prognosemodell> m = PrognosemodellAusName(name);
  if (!m) return "Unbekanntes C-Modell \"" + name + "\" (mittel, variabel oder gegendruck).";
  e.modell = *m;
  return std::nullopt;
}

std::optional<std::string> PrognoseeinstellungenPruefen(const Prognoseeinstellungen& e) {
  if (!ImBereich(e.pMin, PROGNOSE_PMIN_MIN, PROGNOSE_PMIN_MAX))
    return Formatiere("Der minimale Kopffließdruck liegt außerhalb von %g bis %g bar.", PROGNOSE_PMIN_MIN,
                      PROGNOSE_PMIN_MAX);
  if (!ImBereich(e.qPlan, 0, PROGNOSE_RATE_MAX))
    return Formatiere("Die Plateaurate liegt außerhalb von 0 bis %g m3/h.", PROGNOSE_RATE_MAX);
  if (!ImBereich(e.qEnde, PROGNOSE_QENDE_MIN, PROGNOSE_RATE_MAX))
    return Formatiere("Die Aufgaberate liegt außerhalb von %g bis %g m3/h.", PROGNOSE_QENDE_MIN, PROGNOSE_RATE_MAX);
  const auto modell = static_cast<std::int32_t>(e.modell);
  if (modell < 0 || modell >= PROGNOSEMODELL_ANZAHL) return std::string("Das C-Modell ist unbekannt.");
  if (e.schritte < PROGNOSE_SCHRITTE_MIN || e.schritte > PROGNOSE_SCHRITTE_MAX)
    return Formatiere("Die Schrittzahl liegt außerhalb von %d bis %d.", PROGNOSE_SCHRITTE_MIN, PROGNOSE_SCHRITTE_MAX);
  if (e.qPlan != 0.0f && e.qPlan <= e.qEnde) return std::string(PLATEAU_MELDUNG);
  return std::nullopt;
}

}  // namespace zelvor
