#pragma once
// What both forecasts of a well (a production well's and a storage well's) share: which C-value they
// use, by name for files and the command line; the deliverability equation; their settings, rows and
// result.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "calc/Laufdaten.h"

namespace zelvor {

// Stored as these numbers in the well file: never renumber.
enum class Prognosemodell : std::int32_t {
  Mittel = 0,     // the run's mean C-value, constant over the rest of the life
  Variabel = 1,   // the run's straight line C(Gp) ("Variabler C-Wert")
  Gegendruck = 2  // the back-pressure equation Q = C_n (pws² - pwf²)^n
};

inline constexpr int PROGNOSEMODELL_ANZAHL = 3;

// "mittel", "variabel", "gegendruck".
std::string PrognosemodellName(Prognosemodell m);
std::optional<Prognosemodell> PrognosemodellAusName(const std::string& name);
// As the dialog and the summary name it.
std::string PrognosemodellText(Prognosemodell m);

// The deliverability equation Q = C(Gp) · (pws² − pwf²)^n. A C(Gp) below 0 counts as 0.
struct Lieferansatz {
  double c0 = 0;        // C at Gp = 0, m3/h per bar^(2n)
  double steigung = 0;  // change of C per Mio m3
  double n = 1;
  double C(double gp) const;
};

// The back-pressure fit of the deliverability analysis, when it could be made.
struct Gegendruckwerte {
  double cn = 0;
  double n = 1;
};

// The history a forecast with an aquifer model starts from (calc/Aquiferprognose.h).
struct Prognoseaquifer;

// For an injection well qPlan is the planned injection rate and qEnde the minimum injection rate.
struct PrognoseEingaben {
  double pMin = 0;   // minimum wellhead flowing pressure, bar
  double qPlan = 0;  // plateau rate, m3/h; 0: none (injection: as much as the well takes)
  double qEnde = 0;  // abandonment rate, m3/h (injection: injection ends below it)
  double pMax = 0;     // injection: maximum wellhead injection pressure, bar
  double pResMax = 0;  // injection: the reservoir pressure at which the storage is full, bar
  Prognosemodell modell = Prognosemodell::Mittel;
  int schritte = 50;
  std::optional<Gegendruckwerte> gegendruck;  // for Prognosemodell::Gegendruck
  std::string gegendruckMeldung;              // why there is none
  // The ends of a matched gas in place's interval: another gas in place and its own equation, in place
  // of the entered OGIP and the model.
  std::optional<double> gasvorrat;  // Mio m3
  std::optional<Lieferansatz> festerAnsatz;
  // A well with an aquifer model: the forecast steps on the calendar from its history's state.
  std::shared_ptr<const Prognoseaquifer> aquifer;
};

struct Prognosezeile {
  double gp = 0;     // Mio m3
  double pz = 0;     // bar
  double pws = 0;    // bar
  double qMax = 0;   // deliverable rate at p_min, m3/h
  double q = 0;      // produced rate: min(Q_plan, Q_max), m3/h
  double jahre = 0;  // time since the start, years of 365 days
  bool plateauEnde = false;
  double we = 0;     // with an aquifer model: the cumulative influx, Mio m3
};

struct Foerderprognose;

// What a forecast with an aquifer model adds: the model, its influx at the start and at the end, and
// the same forecast without further influx (the closed tank from the start on) beside it.
struct Aquiferprognosewerte {
  std::string modell;              // "fetkovich", ...
  double weStart = 0, weEnde = 0;  // Mio m3
  // The abandonment rate (or the end of injection) is not reached within the horizon; the forecast
  // ends there.
  bool horizont = false;
  // It ends while the well still delivers: beyond, the balance has no solution (the water has taken
  // the gas's pore volume).
  bool ohneLoesung = false;
  std::shared_ptr<const Foerderprognose> ohneAquifer;
};

// A production well's forecast runs up in Gp to the abandonment; an injection well's ("Einspeicher-
// prognose") runs down in Gp, as gas is injected, until the storage is full or the rate the well takes
// falls to the minimum rate. Its qMax is then the rate the well takes at p_max.
struct Foerderprognose {
  std::string meldung;  // why no forecast was made (one German sentence); empty when it was
  bool injektion = false;
  bool voll = false;  // injection: it ended because the reservoir reached its maximum pressure
  PrognoseEingaben eingaben;
  Lieferansatz ansatz;
  double ogip = 0;
  double gpStart = 0, gpEnde = 0;  // Mio m3
  double qMaxStart = 0;            // m3/h
  bool plateau = false;            // the well starts on a plateau
  double plateauJahre = 0;         // years on the plateau
  double jahre = 0;                // years from the start to the abandonment
  std::vector<Prognosezeile> zeilen;
  std::optional<Aquiferprognosewerte> aquifer;

  bool Gemacht() const { return meldung.empty(); }
  double Restreserven() const { return gpEnde - gpStart; }
  double Ausbeute() const { return gpEnde / ogip; }  // recovery factor Gp_end / OGIP
  double Einspeicherbar() const { return gpStart - gpEnde; }  // injection: volume still to inject, Mio m3
  // What is left: a production well's remaining reserves, a storage well's volume still to inject.
  double Menge() const { return injektion ? Einspeicherbar() : Restreserven(); }
};

// The smallest and the largest of the values taken.
struct Spanne {
  double min = 0, max = 0;
  bool belegt = false;
  void Nehmen(double x);
};

// The forecast over the gas in place's 95 % interval: how sure the forecast is. Each end may be refused
// on its own. The result is not monotone in the gas in place, so the ranges are taken over the ends, G*
// and points between them (and the well's own forecast when its OGIP lies in the interval).
struct Prognosebereich {
  double gUnten = 0, gOben = 0;  // Mio m3
  // From the aquifer fit's interval: G and the aquifer's size (the setting groesseName) varied together.
  bool ausAquifer = false;
  std::string groesseName;
  double groesseUnten = 0, groesseOben = 0;
  Foerderprognose unten, oben;
  Spanne menge;  // Foerderprognose::Menge, Mio m3
  Spanne jahre;
  bool Gemacht() const { return unten.Gemacht() && oben.Gemacht(); }
  // Takes a forecast made at a gas in place of the interval into the ranges.
  void Nehmen(const Foerderprognose& p);
};

// The deliverable rate at a wellhead pressure p_min for a reservoir pressure pws: the root Q ≥ 0 of
// Q = C·(D − (Q/(N·A1))²)^n with D = pws² − B1·p_min². 0 when D ≤ 0 or C ≤ 0.
double LieferbareRate(double C, double n, double D, double nA1);

// The equation the settings ask for, from the run; the German reason when there is none.
std::optional<std::string> LieferansatzWaehlen(const Laufdaten& lauf, const PrognoseEingaben& e, Lieferansatz& a);

}  // namespace zelvor
