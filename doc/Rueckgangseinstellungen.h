#pragma once
// The settings of a well's decline analysis ("Förderrückgang"), kept in the well file only when one
// differs from its default (doc/Rueckgangsblock.h): the Arps model, the fitted period's start, the
// economic limit, the modified hyperbolic's terminal decline and the rate lines left out as outliers.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/Arps.h"
#include "calc/Datum.h"

namespace zelvor {

struct Rueckgangseinstellungen {
  Rueckgangsmodell modell = Rueckgangsmodell::Hyperbolisch;
  std::optional<Tag> ab;  // nothing: the end of the last plateau, else the first dated line
  float qGrenze = 0.0f;   // economic limit, m3/h; 0: the forecast's abandonment rate
  float endabfall = 6.0f;  // terminal decline, % a year effective
  std::vector<std::int32_t> ausreisser;  // line numbers from 1, ascending, each once

  friend bool operator==(const Rueckgangseinstellungen&, const Rueckgangseinstellungen&) = default;
  bool Standard() const { return *this == Rueckgangseinstellungen{}; }
};

inline constexpr double RUECKGANG_GRENZE_MIN = 0.1, RUECKGANG_GRENZE_MAX = 500000;
inline constexpr double RUECKGANG_ENDABFALL_MIN = 0.1, RUECKGANG_ENDABFALL_MAX = 90;
inline constexpr std::size_t RUECKGANG_MAX_AUSREISSER = 100000;

// Each reads a text and sets the value, or answers the German message and leaves the settings alone.
// The start: a date as the rate lines take it, or "auto"/"" for the plateau's end.
std::optional<std::string> RueckgangModellSetzen(Rueckgangseinstellungen& e, const std::string& name);
std::optional<std::string> RueckgangAbSetzen(Rueckgangseinstellungen& e, const std::string& text);
// 0 stands for the forecast's abandonment rate.
std::optional<std::string> RueckgangGrenzeSetzen(Rueckgangseinstellungen& e, const std::string& text);
std::optional<std::string> RueckgangEndabfallSetzen(Rueckgangseinstellungen& e, const std::string& text);
// Line numbers separated by commas or blanks ("3, 7 12"); "" for none.
std::optional<std::string> RueckgangAusreisserSetzen(Rueckgangseinstellungen& e, const std::string& text);

// The texts those setters read back to the same values.
std::string RueckgangAbText(const Rueckgangseinstellungen& e);
std::string RueckgangGrenzeText(const Rueckgangseinstellungen& e);
std::string RueckgangEndabfallText(const Rueckgangseinstellungen& e);
std::string RueckgangAusreisserText(const Rueckgangseinstellungen& e);

// Every range; the first problem's message, or nothing.
std::optional<std::string> RueckgangseinstellungenPruefen(const Rueckgangseinstellungen& e);

// The settings by name, as "zelvor-cli show" lists them and "set" takes them ("rueckgang.modell", ...).
struct Rueckgangsangabe {
  const char* name;
  std::optional<std::string> (*setzen)(Rueckgangseinstellungen&, const std::string&);
  std::string (*text)(const Rueckgangseinstellungen&);
};
const std::vector<Rueckgangsangabe>& Rueckgangsangaben();
const Rueckgangsangabe* RueckgangsangabeSuchen(const std::string& name);

// The settings dialog's fields, as texts in the order of Rueckgangsangaben() (the model by its name).
std::vector<std::string> RueckgangsfelderAus(const Rueckgangseinstellungen& e);
struct Rueckgangsfehler {
  std::size_t feld = 0;  // index into Rueckgangsangaben()
  std::string meldung;
};
// Reads every field in order; on the first problem `e` stays as it was and the answer names the field.
std::optional<Rueckgangsfehler> RueckgangsfelderLesen(const std::vector<std::string>& texte, Rueckgangseinstellungen& e);

}  // namespace zelvor
