#pragma once
// A storage's state morning by morning: without an aquifer the closed balance at each Gp, with one the
// balance carried on day by day with the influx so far (the water yields to the pressure only in time).
// Copyable, so that "what if the well injected at full capacity from this morning" runs on a copy.
#include <optional>

#include "calc/Aquiferfortschreibung.h"
#include "calc/Speicherkennlinien.h"

namespace zelvor {

class Speicherlauf {
 public:
  // The first morning at gp; with an aquifer its state there (whose Gp is gp).
  Speicherlauf(const Speicherzustand& zustand, double gp, const Aquiferfortschreibung* aquifer = nullptr);

  const Kennlinienpunkt& Morgen() const { return m_morgen; }
  // The next morning after a day whose flow took Gp to gp. False when the balance with the aquifer has
  // no solution there (nothing changed then).
  bool Weiter(double gp);
  // The state at gp had the reservoir held that gas this morning at once: the aquifer's influx as it
  // stands, no time for it to move. Without an aquifer simply the state at gp.
  Kennlinienpunkt Sofort(double gp) const;
  bool MitAquifer() const { return m_aquifer.has_value(); }

 private:
  const Speicherzustand* m_zustand;
  std::optional<Aquiferfortschreibung> m_aquifer;
  Kennlinienpunkt m_morgen;
};

}  // namespace zelvor
