#pragma once
// The storage year on the calendar, day by day: injection at the planned rate (never above what the
// well takes at that fill level) until the injection season ends or the storage is full, then
// withdrawal at the planned rate (never above what the well delivers at p_min) until the withdrawal
// season ends or the storage is empty; and for each fill target the level reached on its day.
#include <optional>
#include <string>
#include <vector>

#include "calc/Datum.h"
#include "calc/Speicherkennlinien.h"

namespace zelvor {

// A day of the year, as season limits and fill targets recur.
struct Jahrestag {
  int monat = 1, tag = 1;
  friend bool operator==(const Jahrestag&, const Jahrestag&) = default;
};

struct Fuellziel {
  Jahrestag tag;
  double fuellgrad = 0;  // 0 to 1: at least this on the morning of that day
  friend bool operator==(const Fuellziel&, const Fuellziel&) = default;
};

// The legal targets of German storages: 80 % on 1 October, 90 % on 1 November, 30 % on 1 February.
std::vector<Fuellziel> GesetzlicheFuellziele();

struct SpeicherjahrEingaben {
  Tag start = 0;          // the first day
  double gpStart = 0;     // Mio m3 on its morning
  double qEinPlan = 0;    // planned injection rate, m3/h; 0: as much as the well takes
  double qAusPlan = 0;    // planned withdrawal rate, m3/h; 0: as much as the well delivers
  Jahrestag einBeginn{4, 1}, einEnde{10, 31};   // the injection season, both days included
  Jahrestag ausBeginn{11, 1}, ausEnde{3, 31};   // the withdrawal season, both days included
  std::vector<Fuellziel> ziele = GesetzlicheFuellziele();
  int tage = 365;  // days computed
};

enum class Speicherphase { Ruhe, Einspeisen, Ausspeisen };

// The morning of a day and what flows that day (q > 0 is injected, q < 0 withdrawn, m3/h).
struct Speichertag {
  Tag tag = 0;
  Speicherphase phase = Speicherphase::Ruhe;
  double fuellgrad = 0, inventar = 0, gp = 0, pws = 0;
  double q = 0;
  double qMoeglich = 0;  // what the well could take (injection) or deliver (withdrawal) that morning
};

struct Zielergebnis {
  Fuellziel ziel;
  Tag datum = 0;           // its day within the year computed
  double erreicht = 0;     // fill level on that morning
  bool erfuellt = false;
  bool einspeicherziel = false;       // its day follows a day of the injection season
  std::optional<Tag> erreichtAm;      // injection target: the first morning at or above it
  std::optional<Tag> spaetesterBeginn;  // injection target: the latest day full-capacity injection from the
                                        // season's first morning could start and still meet it
  bool ohneEinspeisen = false;  // injection target: met already on the season's first morning, nothing to inject
};

struct Speicherjahr {
  std::string meldung;  // why there is none (one German sentence); empty when there is
  SpeicherjahrEingaben eingaben;
  Speichervolumen volumen;
  std::vector<Speichertag> tage;  // eingaben.tage + 1 mornings, the last with nothing flowing
  std::vector<Zielergebnis> ziele;  // those whose day lies within the year, by date
  std::vector<std::string> hinweise;  // what speaks against the volumes (calc/Speicherpruefung.h)

  bool Gemacht() const { return meldung.empty(); }
  bool AlleZieleErfuellt() const;
};

// Never NaN or infinity in its numbers.
Speicherjahr SpeicherjahrBerechnen(const Laufdaten& lauf, const PrognoseEingaben& e, const Speichervolumen& v,
                                   const SpeicherjahrEingaben& j);

// t's day of the year lies within [von, bis] (across the new year where von comes after bis).
bool ImZeitraum(Tag t, Jahrestag von, Jahrestag bis);

}  // namespace zelvor
