#include "calc/Prognosezeilen.h"

#include <cmath>
#include <utility>

#include "calc/Format.h"

namespace zelvor {
namespace {

constexpr double STUNDEN_JE_JAHR = 24.0 * 365.0;

}  // namespace

Foerderprognose Abgelehnt(const Foerderprognose& p, std::string meldung) {
  Foerderprognose a;
  a.injektion = p.injektion;
  a.eingaben = p.eingaben;
  a.ogip = p.ogip;
  a.meldung = std::move(meldung);
  return a;
}

std::optional<std::string> PrognosezeilenFuellen(Foerderprognose& p, double gpPlateau, double naehe,
                                                 const std::function<Prognosezeile(double)>& zeile,
                                                 bool zeitAusZeilen) {
  const int k = p.eingaben.schritte;
  const double schritt = (p.gpEnde - p.gpStart) / k;
  const double richtung = p.gpEnde >= p.gpStart ? 1.0 : -1.0;
  bool plateauEingetragen = !p.plateau;
  for (int i = 0; i <= k; ++i) {
    const double gp = i == k ? p.gpEnde : p.gpStart + schritt * i;
    if (!plateauEingetragen && richtung * (gp - gpPlateau) > naehe) {
      p.zeilen.push_back(zeile(gpPlateau));
      p.zeilen.back().plateauEnde = plateauEingetragen = true;
    }
    p.zeilen.push_back(zeile(gp));
    if (!plateauEingetragen && std::fabs(gp - gpPlateau) <= naehe) p.zeilen.back().plateauEnde = plateauEingetragen = true;
  }
  // Trapezoidal time: dt = 10^6 |dGp| · (1/Q_a + 1/Q_b) / 2 hours, Gp in Mio m3.
  for (std::size_t i = 1; i < p.zeilen.size(); ++i) {
    Prognosezeile& b = p.zeilen[i];
    const Prognosezeile& a = p.zeilen[i - 1];
    if (!(a.q > 0.0) || !(b.q > 0.0))
      return Formatiere(p.injektion ? "Die Injektionsrate fällt bei Gp = %.3f Mio m3 vor der Mindestrate auf 0."
                                    : "Die Rate fällt bei Gp = %.3f Mio m3 vor der Aufgaberate auf 0.",
                        b.gp);
    if (!zeitAusZeilen) b.jahre = a.jahre + 1e6 * std::fabs(b.gp - a.gp) * (1.0 / a.q + 1.0 / b.q) / 2.0 / STUNDEN_JE_JAHR;
    if (b.plateauEnde) p.plateauJahre = b.jahre;
  }
  p.jahre = p.zeilen.back().jahre;
  return std::nullopt;
}

}  // namespace zelvor
