#include "feld/Feldrueckgang.h"

#include <algorithm>

#include "feld/Feld.h"

namespace zelvor {

Bohrungsverlauf AufDenStand(const Bohrungsverlauf& v, Tag beginn, Tag stand) {
  if (v.empty()) return v;
  const double versatz = static_cast<double>(stand - beginn) / 365.0;
  Bohrungsverlauf neu;
  if (versatz <= 0) {
    for (const Verlaufspunkt& p : v) neu.push_back({p.jahre - versatz, p.gp, p.q, p.qMax});
    return neu;
  }
  if (versatz >= v.back().jahre) return neu;  // at its limit before the Stand
  neu.push_back({0.0, GpZurZeit(v, versatz), RateZurZeit(v, versatz), LieferbarZurZeit(v, versatz)});
  for (const Verlaufspunkt& p : v)
    if (p.jahre > versatz) neu.push_back({p.jahre - versatz, p.gp, p.q, p.qMax});
  return neu;
}

Feldrueckgang FeldrueckgangBerechnen(std::vector<Feldbohrung>& bohrungen, std::optional<Tag> stand) {
  Feldrueckgang r;
  r.stand = stand;
  if (!stand)
    for (const Feldbohrung& b : bohrungen)
      if (b.rueckgangStart && !b.rueckgangVerlauf.empty() && (!r.stand || *b.rueckgangStart > *r.stand)) r.stand = b.rueckgangStart;
  if (!r.stand) return r;
  std::vector<const Bohrungsverlauf*> rueckgang;
  for (Feldbohrung& b : bohrungen) {
    if (b.Fehlgeschlagen() || b.injektion || !b.rueckgangStart || b.rueckgangVerlauf.empty()) continue;
    b.rueckgangVerlauf = AufDenStand(b.rueckgangVerlauf, *b.rueckgangStart, *r.stand);
    b.rueckgangStart = r.stand;  // on the Stand now: a second sum (without some wells) moves nothing
    ++r.bohrungen;
    r.eur += b.rueckgangEur.value_or(0.0);
    if (!b.rueckgangVerlauf.empty()) rueckgang.push_back(&b.rueckgangVerlauf);
  }
  if (r.bohrungen == 0) return r;
  // The same wells' forecasts, so that both columns speak of one set of wells.
  std::vector<const Bohrungsverlauf*> prognose;
  for (const Feldbohrung& b : bohrungen)
    if (b.Liefert() && b.rueckgangStart) {
      prognose.push_back(&b.verlauf);
      r.eurPrognose += b.verlauf.back().gp;
    }
  r.jahre = Zeitraster(std::max(LetzteAufgabe(rueckgang), LetzteAufgabe(prognose)));
  const Feldverlauf d = FeldverlaufBerechnen(rueckgang, r.jahre), p = FeldverlaufBerechnen(prognose, r.jahre);
  r.rateRueckgang = d.rate;
  r.mengeRueckgang = d.gpAbJetzt;
  r.ratePrognose = p.rate;
  r.mengePrognose = p.gpAbJetzt;
  return r;
}

}  // namespace zelvor
