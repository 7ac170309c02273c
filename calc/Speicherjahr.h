#pragma once
// The storage year on the calendar, day by day: injection at the planned rate (never above what the
// well takes at that fill level) until the injection season ends or the storage is full, then
// withdrawal at the planned rate (never above what the well delivers at p_min) until the withdrawal
// season ends or the storage is empty; and for each fill target the level reached on its day.
#include <optional>
#include <string>
#include <vector>

#include "calc/Datum.h"
#include "calc/Fuellvorgaben.h"
#include "calc/Speicherkennlinien.h"

namespace zelvor {

struct Fuellziel {
  Jahrestag tag;
  double fuellgrad = 0;  // 0 to 1: at least this on the morning of that day
  friend bool operator==(const Fuellziel&, const Fuellziel&) = default;
};

// The targets of § 35b (1) EnWG's own text as a plain list that recurs every year (80 % on 1 October,
// 90 % on 1 November, 30 % on 1 February): the list a storage had before the targets in force were
// looked up by date, and so the list that stands for "the legal targets" in stored settings.
std::vector<Fuellziel> StandardFuellziele();

struct SpeicherjahrEingaben {
  Tag start = 0;          // the first day
  double gpStart = 0;     // Mio m3 on its morning
  double qEinPlan = 0;    // planned injection rate, m3/h; 0: as much as the well takes
  double qAusPlan = 0;    // planned withdrawal rate, m3/h; 0: as much as the well delivers
  Jahrestag einBeginn{4, 1}, einEnde{10, 31};   // the injection season, both days included
  Jahrestag ausBeginn{11, 1}, ausEnde{3, 31};   // the withdrawal season, both days included
  std::vector<Fuellziel> ziele = StandardFuellziele();  // own targets, used when not `gesetzlich`
  bool gesetzlich = false;  // the German targets in force on each target day instead of `ziele`
  std::string anlage;       // the facility, for the exceptions of the legal targets
  Anlagengrenzen grenzen;   // the surface facility's rates
  double brennwert = 0;     // kWh/m3 for the energies beside the volumes; 0: not given
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
  double qEin = 0, qAus = 0;  // both capacities that morning, each capped by the facility
  bool einAnlage = false, ausAnlage = false;  // the facility, not the well, limits that capacity
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
  bool gesetzlich = false;
  std::string quelle;  // "GasSpFüllstV 2025", "§ 35b EnWG", "eigenes Ziel"
  std::string anlage;  // the facility whose exception set the level; empty: the general level
};

// § 35b (2) EnWG: the level on 1 August, and whether injecting at full capacity from that morning still
// reaches each legal target that follows in the same calendar year.
struct Augustnachweis {
  Tag datum = 0;
  double fuellgrad = 0;
  struct Folgeziel {
    Tag datum = 0;
    double ziel = 0, erreichbar = 0;
    bool erreicht = false;
    std::string quelle;
  };
  std::vector<Folgeziel> folgeziele;
};

struct Speicherjahr {
  std::string meldung;  // why there is none (one German sentence); empty when there is
  SpeicherjahrEingaben eingaben;
  Speichervolumen volumen;
  std::vector<Speichertag> tage;  // eingaben.tage + 1 mornings, the last with nothing flowing
  std::vector<Zielergebnis> ziele;  // those whose day lies within the year, by date
  std::vector<std::string> hinweise;  // what speaks against the volumes (calc/Speicherpruefung.h)
  std::vector<Zeitraum> ohneVorgaben;      // legal targets: the stretches without a German rule in force
  std::vector<Augustnachweis> nachweise;   // legal targets: each 1 August under § 35b (2)
  std::string aquifer;  // the aquifer model whose balance gave each morning's pressure; empty: the closed one

  bool Gemacht() const { return meldung.empty(); }
  bool AlleZieleErfuellt() const;
};

// Never NaN or infinity in its numbers. With an aquifer each morning's pressure (hence the day's
// capacities) comes from the balance with the influx so far, from the aquifer's state on the first
// morning (whose Gp is j.gpStart); so do the runs at full capacity behind the latest start and the
// 1 August proof.
Speicherjahr SpeicherjahrBerechnen(const Laufdaten& lauf, const PrognoseEingaben& e, const Speichervolumen& v,
                                   const SpeicherjahrEingaben& j, const Speicheraquifer* aquifer = nullptr);

// t's day of the year lies within [von, bis] (across the new year where von comes after bis).
bool ImZeitraum(Tag t, Jahrestag von, Jahrestag bis);

}  // namespace zelvor
