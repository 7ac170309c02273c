#pragma once
// The inputs of a well by name, with the ranges the input dialog accepts, and the checks the dialog
// makes before it accepts a well. Used by the command-line program and the input dialog alike.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "doc/CZelvorDoc.h"

namespace zelvor {

enum class Feldart { Text, Float, Double, Int, Bool };

struct Eingabefeld {
  const char* name;  // as the command line names it
  Feldart art;
  bool mitBereich;   // validated against [min, max]
  double min;
  double max;
};

// Every input kept in the well file, in a fixed order; the 15 components by formula at the end.
const std::vector<Eingabefeld>& Eingabefelder();
const Eingabefeld* EingabefeldSuchen(const std::string& name);

// Reads a number as the dialog's fields do: the whole text must be one decimal number (blanks around
// it allowed); "nan", "inf", hexadecimal and decimal commas are not numbers. A float field is rounded
// to single precision before the range check, as it is stored.
// Returns the German message of the first problem, or nothing when the value was taken.
std::optional<std::string> EingabeSetzen(CZelvorDoc& doc, const Eingabefeld& feld, const std::string& text);

// Reads one single-precision number the same way, checked against [min, max].
std::optional<std::string> FloatLesen(const std::string& text, double min, double max, float& wert);
// One decimal number as the dialog's fields take it, in double precision: false for anything else.
bool DezimalzahlLesen(const std::string& text, double& wert);
// Reads one whole number the same way, checked against [min, max].
std::optional<std::string> IntLesen(const std::string& text, int min, int max, std::int32_t& wert);

// The value of a field as text that reads back to the same bits (shortest form).
std::string EingabeAlsText(const CZelvorDoc& doc, const Eingabefeld& feld);
// A single-precision number the same way, with a decimal point in any locale: "50", "0", "12.5".
std::string FloatAlsText(float wert);
std::string DoubleAlsText(double wert);

// Sum of the composition as the dialog forms it: single precision, in order.
float KomponentenSumme(const Zusammensetzung& komponenten);

// The dialog's checks before it accepts a well, in their order; the first failing one's message,
// or nothing when the well passes.
std::optional<std::string> EingabenPruefen(const CZelvorDoc& doc);

}  // namespace zelvor
