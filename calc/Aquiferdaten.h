#pragma once
// What an engineer knows about the water behind a gas reservoir: the aquifer model and its data, and
// the two terms of the gas zone itself that an overpressured reservoir needs. A well without a model
// keeps the single entered water influx of its run.
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "calc/Datum.h"

namespace zelvor {

enum class Aquifermodell : std::uint8_t {
  Keiner = 0,     // the entered constant influx, as ever
  Topf = 1,       // pot: We = ct·Wa·(pi - p), no time
  Fetkovich = 2,  // pseudo-steady state, finite, radial or linear
  Hurst = 3,      // van Everdingen-Hurst, radial, finite or infinite, by superposition
};

// The shape of a Fetkovich aquifer; van Everdingen-Hurst's is always radial.
enum class Aquiferform : std::uint8_t { Radial = 0, Linear = 1 };

inline constexpr double AQUIFER_UNENDLICH = std::numeric_limits<double>::infinity();

struct Aquiferdaten {
  Aquifermodell modell = Aquifermodell::Keiner;
  Aquiferform form = Aquiferform::Radial;
  double winkel = 360;             // °, the share of the circle the aquifer touches
  double radius = 0;               // m, the reservoir's outer radius r_o
  double radienverhaeltnis = 0;    // r_e/r_o; AQUIFER_UNENDLICH: unbounded (hurst)
  double breite = 0;               // m, a linear aquifer's width at the contact
  double laenge = 0;               // m, a linear aquifer's length away from the contact
  double maechtigkeit = 0;         // m
  double porositaet = 0;           // -
  double permeabilitaet = 0;       // mD
  double kompressibilitaet = 0;    // 1/bar, water plus rock
  double viskositaet = 0;          // mPa·s, the water's
  double volumen = 0;              // Mio m3 of water, the pot's Wa
  double formationskompressibilitaet = 0;  // 1/bar, the gas zone's rock; 0: not given
  double haftwassersaettigung = 0;         // -, the gas zone's connate water; 0: not given
  double wgv = 0;                          // l/1000 m3, the produced water for Wp
  std::optional<Tag> foerderbeginn;        // the start of production; none: from the first dated lines

  bool operator==(const Aquiferdaten&) const = default;
  bool Gesetzt() const { return modell != Aquifermodell::Keiner; }
};

// "keiner", "topf", "fetkovich", "hurst", as `set` takes them and the texts name them.
const char* AquifermodellName(Aquifermodell m);
std::optional<Aquifermodell> AquifermodellAusName(const std::string& name);

// One German sentence when the settings do not make the model (a value the model divides by is 0, a
// ratio not above 1, a porosity above 1, ...); empty when the model can be computed. Keiner is always
// sound.
std::string AquiferdatenPruefen(const Aquiferdaten& a);

// The same finding with the name of the setting it is about ("AquiferPermeabilitaet"), so that a dialog
// can put the focus there; nothing when the model can be computed.
struct Aquifermangel {
  const char* angabe;
  std::string satz;
};
std::optional<Aquifermangel> AquiferMangel(const Aquiferdaten& a);

}  // namespace zelvor
