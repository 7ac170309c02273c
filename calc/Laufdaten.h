#pragma once
// What an evaluation run computed besides its table: every evaluated line at full precision and the
// run's constants. The analyses that build on a run (deliverability, forecast, export) start from here,
// so they never repeat the material balance or the gas properties on their own.
#include <vector>

namespace zelvor {

// One evaluated rate line, before the table rounds it. C is the final value (a negative one set to 0).
struct AusgewerteterPunkt {
  float gp = 0;   // Mio m3
  float q = 0;    // m3/h
  float pwh = 0;  // wellhead flowing pressure, bar
  double pwf = 0;  // bottomhole flowing pressure, bar
  double pws = 0;  // static bottomhole pressure, bar
  double pz = 0;   // P/Z of the material balance, bar
  double c = 0;    // m3/h per bar²
  double we = 0;   // the net water influx (We - Wp) the balance took for this line, Mio m3
};

// Why an analysis has nothing to show when no evaluation has run since the well was made or opened.
inline constexpr const char* KEINE_AUSWERTUNG =
    "Es liegt keine Auswertung vor: \"Daten ändern\" (F2) wertet die Bohrung aus.";

struct Laufdaten {
  // An evaluation ran (complete or not); false for the empty data of a well not evaluated yet.
  bool gelaufen = false;
  // The run reached its closing lines (no "ABBRUCH"/"ERROR" line). The constants below are set as far
  // as the run got; punkte holds the lines evaluated before an abort too.
  bool vollstaendig = false;
  bool injektion = false;
  bool variablerC = false;
  double temperatur = 0;      // °C
  double ogip = 0;            // Mio m3
  double initialdruck = 0;    // bar
  double wasserinvasion = 0;  // Mio m3; with an aquifer model the net influx at the last line
  bool aquifer = false;       // an aquifer model gave each line its own influx
  double b1 = 0;
  double nA1 = 0;             // number of wells × A1
  double tca = 0, pca = 0;    // corrected pseudo-critical values, °R and psia
  double zi = 0, pzi = 0, bgi = 0;
  double ogipReservoir = 0;   // OGIP / Bgi
  double mittlererC = 0;      // mean of the positive C-values (complete runs)
  // The variable C-value's line C(Gp) = achsenabschnitt + steigung × Gp, when the run made one.
  bool ausgleich = false;
  double steigung = 0, achsenabschnitt = 0;
  std::vector<AusgewerteterPunkt> punkte;

  // Nothing was evaluated: no run, no line.
  bool KeineAuswertung() const { return !gelaufen && !vollstaendig && punkte.empty(); }

  // P/Z at a cumulative production, by the run's own material balance.
  double PZ(double gp) const { return PZBei(gp, ogip, ogipReservoir); }
  // The same balance for another gas in place g (Mio m3), as a trial value of a match.
  double PZBei(double gp, double g) const { return PZBei(gp, g, g / bgi); }
  // The run as it would stand with the gas in place g: the same points, the balance with g.
  Laufdaten MitGasvorrat(double g) const {
    Laufdaten l = *this;
    l.ogip = g;
    l.ogipReservoir = g / bgi;
    return l;
  }

 private:
  double PZBei(double gp, double g, double gReservoir) const {
    return pzi * (1.0 - gp / g) / (1.0 - wasserinvasion / gReservoir);
  }
};

}  // namespace zelvor
