#pragma once
// A storage well's capacity by fill level ("Speicherkennlinien"): for fill levels from empty to full,
// the inventory and its Gp, P/Z and static pressure by the run's material balance, the most the well
// delivers at the minimum wellhead pressure and the most it takes at the maximum wellhead injection
// pressure, with the forecast's equation and lift model.
#include <optional>
#include <string>
#include <vector>

#include "calc/Aquiferfortschreibung.h"
#include "calc/Gaseigenschaften.h"
#include "calc/Prognosemodell.h"

namespace zelvor {

// The storage's volumes, Mio m3. Inventory = OGIP − Gp (injection lowers Gp); fill level =
// (inventory − cushion gas) / working gas volume.
struct Speichervolumen {
  double arbeitsgas = 0;
  double kissengas = 0;

  double Inventar(double ogip, double gp) const { return ogip - gp; }
  double Fuellgrad(double ogip, double gp) const { return (Inventar(ogip, gp) - kissengas) / arbeitsgas; }
  double GpBeiFuellgrad(double ogip, double fuellgrad) const { return ogip - kissengas - fuellgrad * arbeitsgas; }
};

// The bounds of the working gas and of a cushion gas given (0 is none): smaller volumes are no storage,
// larger ones no gas in place the well's input takes.
inline constexpr double SPEICHER_VOLUMEN_MIN = 0.1, SPEICHER_VOLUMEN_GRENZE = 90000;  // Mio m3

// The surface facility's most injection and withdrawal (compressors, treatment), m3/h; 0: no limit.
struct Anlagengrenzen {
  double qEin = 0, qAus = 0;
  friend bool operator==(const Anlagengrenzen&, const Anlagengrenzen&) = default;
};

// Why the volumes make no sense for a gas in place: one German sentence, or empty.
std::string SpeichervolumenAblehnung(const Speichervolumen& v, double ogip);

struct Kennlinienpunkt {
  double fuellgrad = 0;  // 0 to 1
  double inventar = 0;   // Mio m3
  double gp = 0;         // Mio m3
  double pz = 0;         // bar
  double pws = 0;        // bar
  double qAus = 0;       // most the well delivers at p_min, m3/h
  double qEin = 0;       // most the well takes at p_max, m3/h
  std::string hinweis;   // why a rate is 0 here, or empty
  bool ausAnlage = false, einAnlage = false;  // the facility's limit, not the well, sets that rate
};

// The aquifer behind a storage well: the balance with the influx carried to the storage's first morning.
struct Speicheraquifer {
  std::string modell;   // its name as the texts give it ("fetkovich")
  std::string meldung;  // why it cannot be computed (one German sentence); empty when `start` holds it
  std::optional<Aquiferfortschreibung> start;
};

// With an aquifer the same inventory stands at a higher pressure while gas is injected (the water yields
// only slowly) than while it is withdrawn, so a curve holds for one direction of operation.
enum class Kennlinienrichtung { Beide, Einspeicherung, Ausspeicherung };

struct Kennlinie {
  Kennlinienrichtung richtung = Kennlinienrichtung::Beide;
  std::string meldung;  // why there is no curve for this direction; empty when there is
  std::vector<Kennlinienpunkt> punkte;  // by rising fill level
};

struct Speicherkennlinien {
  std::string meldung;  // why there are no curves (one German sentence); empty when there are
  Speichervolumen volumen;
  PrognoseEingaben eingaben;
  Lieferansatz ansatz;
  Anlagengrenzen grenzen;
  std::vector<Kennlinienpunkt> punkte;  // by rising fill level, the last at 100 %
  std::vector<std::string> hinweise;    // what speaks against the volumes (calc/Speicherpruefung.h)
  // With an aquifer model (its name in `aquifer`): `punkte` stays empty and the two seasons' curves stand
  // in `richtungen`, the injection season's first. Without one `punkte` serves both directions.
  std::string aquifer;
  std::vector<Kennlinie> richtungen;

  bool Gemacht() const { return meldung.empty(); }
  bool MitAquifer() const { return !aquifer.empty(); }
  // The curve for one direction of operation: the single one of a well without a model.
  const std::vector<Kennlinienpunkt>& Punkte(Kennlinienrichtung r) const;
};

// The state of the storage at one Gp, from the run's balance and the equation a: what the capacity
// curves and the storage year compute at every step.
class Speicherzustand {
 public:
  // The rates are capped by the facility's limits g.
  Speicherzustand(const Laufdaten& lauf, const PrognoseEingaben& e, const Lieferansatz& a, const Speichervolumen& v,
                  Anlagengrenzen g = {});
  Kennlinienpunkt Bei(double gp) const;
  // The same at a static pressure and P/Z that the balance with an aquifer gives.
  Kennlinienpunkt BeiDruck(double gp, double pws, double pz) const;

 private:
  void Raten(Kennlinienpunkt& p) const;

  const Laufdaten& m_lauf;
  const PrognoseEingaben& m_e;
  const Lieferansatz& m_a;
  const Speichervolumen& m_v;
  Anlagengrenzen m_g;
  HallYarborough m_hy;
};

// Why the storage's curves or year cannot be computed from this run, these pressures and volumes (one
// German sentence), or empty; then `a` holds the equation the settings ask for. `lauf` already holds
// the gas in place that e.gasvorrat names.
std::string SpeicherAblehnung(const Laufdaten& lauf, const PrognoseEingaben& e, const Speichervolumen& v, Lieferansatz& a);

// The fill levels 0, schritt, 2·schritt, ... up to 1 (the last always 1). Uses e.pMin, e.pMax, the C
// model with its back-pressure fit and e.gasvorrat; the rest of e is not read. Each rate is the smaller
// of the well's and the facility's (g). Never NaN or infinity.
//
// With an aquifer the curves of the two seasons, from its state on the storage's first morning: the well
// withdraws at full capacity down to empty, injects at full capacity until full (the injection season's
// curve), then withdraws at full capacity down to empty again (the withdrawal season's), day by day with
// the balance and the influx so far; each fill level's pressure between the mornings around it.
Speicherkennlinien KennlinienBerechnen(const Laufdaten& lauf, const PrognoseEingaben& e, const Speichervolumen& v,
                                       double schritt = 0.1, Anlagengrenzen g = {},
                                       const Speicheraquifer* aquifer = nullptr);

}  // namespace zelvor
