#pragma once
// The site's storage year: every storage well's own storage year (its own plan and seasons) on the
// calendar, summed day by day over the days all of them cover; the fill targets the wells' storage years
// check, checked for the site as a whole; and the EU's filling target (a share of the member state's
// working gas on any day of a window in autumn), shown for the site as an indicator only: it binds the
// member state's total, not a facility.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "calc/Speicherjahr.h"

namespace zelvor {

// The EU indicator's settings: the level, its window (both days included) and the deviation a member
// state may be granted, in percentage points (up to 10 and a further 5 under stated conditions).
inline constexpr double EU_MAX_ABWEICHUNG = 15.0;
struct EuIndikatorEinstellungen {
  double ziel = 90;        // % of the site's working gas
  double abweichung = 0;   // percentage points, 0 to EU_MAX_ABWEICHUNG
  Jahrestag von{10, 1}, bis{12, 1};

  double SchwelleProzent() const { return ziel - abweichung; }
  double Schwelle() const { return SchwelleProzent() / 100.0; }  // 0 to 1
};
// Why the settings cannot be used (one German sentence), or empty.
std::string EuIndikatorAblehnung(const EuIndikatorEinstellungen& e);

// A morning of the site: the wells' states summed; the flows of that day in m3/h.
struct Standorttag {
  Tag tag = 0;
  double inventar = 0;      // Mio m3, cushion gas included
  double gasImSpeicher = 0;  // working gas in storage, Mio m3: each well's fill level × its working gas
  double fuellgrad = 0;     // gasImSpeicher / the site's working gas
  double einspeisung = 0;   // m3/h, summed over the wells injecting
  double ausspeisung = 0;   // m3/h, summed over the wells withdrawing (positive)
};

// A target day of the wells' storage years, checked for the site: the wells' levels weighted by their
// working gas (one level where all wells share it).
struct Standortziel {
  Tag datum = 0;
  double ziel = 0;      // 0 to 1
  double erreicht = 0;  // the site's fill level that morning
  bool erfuellt = false;
  std::size_t bohrungen = 0;  // wells whose storage year has a target on that day
};

// The EU window of one calendar year, as far as it lies within the site's days.
struct EuIndikator {
  Tag von = 0, bis = 0;         // the window's days within the site's days
  bool vollstaendig = true;     // the whole window lies within them
  double hoechster = 0;         // the highest fill level on those mornings
  Tag hoechsterAm = 0;
  std::optional<Tag> erreichtAm;  // the first morning at or above the threshold
  bool erfuellt = false;
};

struct Standortspeicherjahr {
  std::string meldung;  // why there is none (one German sentence); empty when there is
  std::size_t bohrungen = 0;  // storage years summed
  double arbeitsgas = 0, kissengas = 0;  // Mio m3, of the wells summed
  std::vector<Standorttag> tage;
  std::vector<Standortziel> ziele;  // by date
  EuIndikatorEinstellungen eu;
  std::vector<EuIndikator> euFenster;  // by date; none when no window day lies within the site's days

  bool Gemacht() const { return meldung.empty(); }
};

// The site from the wells' storage years (those not made are left out: the caller names them). The
// site's days are the days every storage year covers; none in common is a message.
Standortspeicherjahr StandortspeicherjahrBerechnen(const std::vector<const Speicherjahr*>& jahre,
                                                   const EuIndikatorEinstellungen& eu = {});

}  // namespace zelvor
