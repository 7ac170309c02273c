#pragma once
// The evaluation run: from a well's inputs and rate lines to the result table, the C-value statistics
// and the two graph series.
#include <array>
#include <optional>
#include <cstdint>
#include <string>
#include <vector>

#include "calc/Aquiferverlauf.h"
#include "calc/Gaseigenschaften.h"
#include "calc/Laufdaten.h"

namespace zelvor {

inline constexpr int MAX_RATENZEILEN = 300;  // lines evaluated per run, and the graph's capacity

struct AuswertungsEingaben {
  std::array<float, KOMPONENTEN> komponenten{};  // mole %
  float temperatur = 0;      // reservoir, °C
  float kopftemperatur = 0;  // wellhead, °C (printed only)
  float ogip = 0;            // Mio m3
  float initialdruck = 0;    // bar
  float wasserinvasion = 0;  // Mio m3
  double a1 = 0;
  double b1 = 0;
  std::int32_t bohrungsanzahl = 0;
  bool variablerC = false;
  bool grafikRaten = false;
  bool injektion = false;
  std::string gasbohrung;
  const std::vector<std::string>* ratenzeilen = nullptr;
  // An aquifer model replaces the constant influx: its history runs over the rate lines (their dates
  // here, by position) and the dated surveys, and each line gets the influx of its own date.
  const Aquiferdaten* aquifer = nullptr;
  const std::vector<std::optional<Tag>>* zeilendaten = nullptr;
  std::vector<Aquiferereignis> messungen;
};

struct AuswertungsErgebnis {
  std::vector<std::string> zeilen;  // the result table
  bool abgebrochen = false;         // ended with an "ABBRUCH"/"ERROR" line
  int maxWerte = 0;
  std::array<float, MAX_RATENZEILEN> kurve1X{};
  std::array<float, MAX_RATENZEILEN> kurve1Y{};
  std::array<float, MAX_RATENZEILEN> kurve2X{};
  std::array<float, MAX_RATENZEILEN> kurve2Y{};
  // Captions: only a complete run sets them.
  bool beschriftet = false;
  std::string textYAchse;
  std::string textXAchse;
  std::string textKurve1;
  std::string textKurve2;
  int ignorierteZeilen = 0;  // rate lines beyond the 300th, not evaluated
  Laufdaten lauf;            // the same run at full precision
};

void Auswerten(const AuswertungsEingaben& e, AuswertungsErgebnis& ergebnis);

// The note for rate lines beyond the graph's capacity.
std::string HoechstzahlMeldung();

}  // namespace zelvor
