#pragma once
// The field's decline forecast: the production wells' fitted decline curves summed on the field's
// calendar, beside the sum of the same wells' deliverability forecasts at the same times, so that the
// two estimates of the field's future can be read side by side.
#include <optional>
#include <vector>

#include "calc/Datum.h"
#include "calc/Feldverlauf.h"

namespace zelvor {

struct Feldbohrung;

struct Feldrueckgang {
  int bohrungen = 0;        // wells with a decline fit
  double eur = 0;           // their EURs summed, Mio m3
  double eurPrognose = 0;   // the same wells' Gp at abandonment by their forecasts, summed, Mio m3
  std::optional<Tag> stand;  // t = 0: the field's Stand, else the latest last dated line
  std::vector<double> jahre;
  std::vector<double> rateRueckgang, ratePrognose;          // m3/h
  std::vector<double> mengeRueckgang, mengePrognose;        // produced from t = 0 on, Mio m3
  bool Leer() const { return bohrungen == 0; }
};

// The decline course of one well (rates from its last dated line, years from that date) put on the
// field's calendar: cut at the Stand when it began before, moved later when it begins after.
Bohrungsverlauf AufDenStand(const Bohrungsverlauf& v, Tag beginn, Tag stand);

// Puts each well's decline course on the field's Stand (`stand`, else the latest decline start; each
// well's rueckgangStart becomes it, so that summing again moves nothing) and sums the declines and the
// forecasts at common times up to the later of both ends.
Feldrueckgang FeldrueckgangBerechnen(std::vector<Feldbohrung>& bohrungen, std::optional<Tag> stand);

}  // namespace zelvor
