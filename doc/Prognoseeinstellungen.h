#pragma once
// The settings of a well's deliverability forecast, kept in the well file beside the inputs, and the
// ranges the settings dialog and the command line accept.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/Prognosemodell.h"

namespace zelvor {

// The defaults describe a common case: gas delivered into a 50-bar gathering line, no plateau
// (the well produces at capacity), abandonment at 500 m3/h, the run's mean C-value, 50 steps.
struct Prognoseeinstellungen {
  float pMin = 50.0f;    // minimum wellhead flowing pressure, bar
  float qPlan = 0.0f;    // plateau rate, m3/h; 0: none
  float qEnde = 500.0f;  // abandonment rate, m3/h
  Prognosemodell modell = Prognosemodell::Mittel;
  std::int32_t schritte = 50;  // equal steps of Gp between the start and the abandonment
  // An injection well's forecast ("Einspeicherprognose"), with the same model and steps. A pressure of
  // 0 stands for the well's initial reservoir pressure: by default the storage is full there, and the
  // wellhead may be pressed up to it.
  float pMax = 0.0f;        // maximum wellhead injection pressure, bar
  float qInjektion = 0.0f;  // planned injection rate, m3/h; 0: as much as the well takes
  float qMindest = 500.0f;  // minimum injection rate, m3/h: injection ends below it
  float pResMax = 0.0f;     // maximum reservoir pressure, bar

  friend bool operator==(const Prognoseeinstellungen&, const Prognoseeinstellungen&) = default;
  // The injection settings are all at their defaults.
  bool InjektionStandard() const;
};

// The pressure a setting of 0 stands for.
inline double DruckOderInitial(float druck, double initialdruck) { return druck > 0.0f ? druck : initialdruck; }

// The ranges, inclusive.
inline constexpr double PROGNOSE_PMIN_MIN = 0.1, PROGNOSE_PMIN_MAX = 1000;
inline constexpr double PROGNOSE_RATE_MAX = 500000;
inline constexpr double PROGNOSE_QENDE_MIN = 0.1;
inline constexpr int PROGNOSE_SCHRITTE_MIN = 10, PROGNOSE_SCHRITTE_MAX = 1000;
inline constexpr double PROGNOSE_DRUCK_MAX = 1000;  // p_max and the maximum reservoir pressure: 0 or up to it

// A number of a settings field as FloatLesen reads it; one that fails only for its decimal comma is told
// to use a decimal point. Every number field of the settings dialog reads through here.
std::optional<std::string> EinstellungszahlLesen(const std::string& text, double min, double max, float& wert);

// Each reads a text as the input dialog's fields do and sets the value, or answers the German message
// and leaves the settings alone.
std::optional<std::string> PminSetzen(Prognoseeinstellungen& e, const std::string& text);
std::optional<std::string> QPlanSetzen(Prognoseeinstellungen& e, const std::string& text);
std::optional<std::string> QEndeSetzen(Prognoseeinstellungen& e, const std::string& text);
std::optional<std::string> SchritteSetzen(Prognoseeinstellungen& e, const std::string& text);
std::optional<std::string> ModellSetzen(Prognoseeinstellungen& e, const std::string& name);
std::optional<std::string> PmaxSetzen(Prognoseeinstellungen& e, const std::string& text);
std::optional<std::string> QInjektionSetzen(Prognoseeinstellungen& e, const std::string& text);
std::optional<std::string> QMindestSetzen(Prognoseeinstellungen& e, const std::string& text);
std::optional<std::string> PresMaxSetzen(Prognoseeinstellungen& e, const std::string& text);

// Every range and the rule between the two rates; the first problem's message, or nothing.
std::optional<std::string> PrognoseeinstellungenPruefen(const Prognoseeinstellungen& e);

// The settings by name, as "zelvor-cli show" lists them (after the inputs) and "set" takes them.
struct Prognoseangabe {
  const char* name;
  std::optional<std::string> (*setzen)(Prognoseeinstellungen&, const std::string&);
  std::string (*text)(const Prognoseeinstellungen&);
};
const std::vector<Prognoseangabe>& Prognoseangaben();
const Prognoseangabe* PrognoseangabeSuchen(const std::string& name);

// The settings dialog's fields, in the order they are read: a production well's, or an injection
// well's (Pmax to PresMax, then the model and the steps).
enum class Prognosefeld { Pmin, QPlan, QEnde, Modell, Schritte, Pmax, QInjektion, QMindest, PresMax };

// What the dialog shows and the user edits: the numbers as text, the model as the chosen button.
struct Prognosefelder {
  std::string pMin, qPlan, qEnde;
  Prognosemodell modell = Prognosemodell::Mittel;
  std::string schritte;
  std::string pMax, qInjektion, qMindest, pResMax;
};

// The shortest texts that read back to the same values, with a decimal point in any locale.
Prognosefelder PrognosefelderAus(const Prognoseeinstellungen& e);

struct Prognosefehler {
  Prognosefeld feld;  // where the user must correct it
  std::string meldung;
};

// Reads every field of the well's kind in order, then checks the whole. On the first problem `e` stays
// as it was and the answer names the field and the message; a plateau at or below the abandonment rate
// is the plateau's, a planned injection rate at or below the minimum rate the planned rate's.
std::optional<Prognosefehler> PrognosefelderLesen(const Prognosefelder& f, Prognoseeinstellungen& e,
                                                  bool injektion = false);

// The run has a line C(Gp) only with the input option "Variabler C-Wert", so the variable model is offered
// with it; a stored choice stays selectable, so that opening the dialog never changes a setting.
bool VariablerCWaehlbar(const Prognoseeinstellungen& e, bool variablerC);

}  // namespace zelvor
