#pragma once
// The storage year in the form of the published storage transparency data (AGSI+ of the European
// storage operators), so that a plan can be laid beside the published course of the same facility:
// one row per gas day with gasDayStart, gasInStorage (TWh of working gas in storage at the end of the
// gas day), full (% at its end), injection and withdrawal (GWh/d during the day), workingGasVolume
// (TWh) and injectionCapacity and withdrawalCapacity (GWh/d at the day's start). Needs the calorific
// value; volumes are turned into energy with it.
#include <optional>
#include <string>

#include "calc/Speicherjahr.h"

namespace zelvor {

// Why there is no transparency export of this storage year (one German sentence), or nothing.
std::optional<std::string> TransparenzAblehnung(const Speicherjahr& s);

// CSV with a comma and a decimal point, the field names as the heading; JSON as {"data": [...]} with
// the same names. Both empty when TransparenzAblehnung refuses.
std::string TransparenzCsv(const Speicherjahr& s);
std::string TransparenzJson(const Speicherjahr& s);

// .csv or .json (any case), or nothing.
enum class Transparenzformat { Csv, Json };
std::optional<Transparenzformat> TransparenzformatAus(const std::string& pfad);

// "" on success, else a German message (the refusal, or naming the file).
std::string TransparenzSchreiben(const std::string& pfad, const Speicherjahr& s);

}  // namespace zelvor
