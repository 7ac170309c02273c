#pragma once
// The booked inventory of a storage checked by shut-in pressure surveys: each survey's P/Z turned into
// the inventory the material balance gives for it, against the inventory booked (OGIP − Gp) on that
// day. Their difference is the apparent loss (or, below 0, gain); its trend over the survey dates is a
// loss rate with a 95 % interval. Surveys after injection and after withdrawal each get an offset of
// their own in the trend (when each direction has two), so that a hysteresis between them is not taken
// for a loss; a survey whose direction is unknown then stays out of the trend. A well with an aquifer
// model is checked with the water that has moved at each survey instead (calc/Inventaraquifer.h).
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "calc/Aquiferdaten.h"
#include "calc/Datum.h"
#include "calc/Laufdaten.h"

namespace zelvor {

enum class Speicherrichtung { Unbekannt, NachEinspeisung, NachAusspeisung };

struct Inventarmessung {
  Tag datum = 0;
  double gp = 0;  // Mio m3 on that day
  double pz = 0;  // bar, of the measured static pressure
  double pws = 0;  // bar, the measured static pressure itself (0: not known; only the aquifer needs it)
};

struct Inventarpunkt {
  Inventarmessung messung;
  double gebucht = 0;  // OGIP − Gp, Mio m3
  double bilanz = 0;   // the inventory the balance gives for the survey's P/Z, Mio m3
  double verlust = 0;  // gebucht − bilanz, Mio m3
  Speicherrichtung richtung = Speicherrichtung::Unbekannt;
  double weNetto = 0;  // with an aquifer model: its influx less the produced water at the survey, Mio m3
};

struct Inventarpruefung {
  std::string meldung;  // why there is no trend (one German sentence); empty when there is one
  std::vector<Inventarpunkt> punkte;  // by date; also when there is no trend
  double rate = 0, unten = 0, oben = 0;  // loss per year and its 95 % interval, Mio m3/a
  double t = 0;                          // Student's t used
  bool getrennt = false;                 // offsets apart for the two directions
  double hysterese = 0;  // offset after injection minus after withdrawal, Mio m3 (when apart)
  // The trend: loss = versatz + rate · calendar year, the first offset after injection (or for all
  // surveys when not apart), the second after withdrawal.
  double versatz[2] = {0, 0};
  std::string satz;      // the verdict in one German sentence
  // The water in the balance: Keiner for the run's constant influx (with the offsets by direction),
  // else the aquifer model whose influx at each survey explains the seasonal swing (one offset).
  Aquifermodell aquifer = Aquifermodell::Keiner;
  int iterationen = 0;  // with a model: how often the history was run with the loss found so far

  bool Gemacht() const { return meldung.empty(); }
};

// `verlauf`: dated Gp of the rate lines (any order). The direction of Gp before a survey is taken from
// the latest Gp known before its day that differs from the survey's, a rate line's or an earlier
// survey's.
// The two halves of InventarPruefen, also for the check with an aquifer: the points by the closed
// balance with their directions, and the trend over them (offsets by direction only when asked and
// each direction has two surveys; the interval's half-width times breite).
Inventarpruefung InventarPunkte(const Laufdaten& lauf, std::vector<Inventarmessung> messungen,
                                const std::vector<std::pair<Tag, double>>& verlauf);
void InventarTrend(Inventarpruefung& p, bool richtungenTrennen, double breite = 1.0);

Inventarpruefung InventarPruefen(const Laufdaten& lauf, std::vector<Inventarmessung> messungen,
                                 const std::vector<std::pair<Tag, double>>& verlauf);

}  // namespace zelvor
