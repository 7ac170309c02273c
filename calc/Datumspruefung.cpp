#include "calc/Datumspruefung.h"

#include <cmath>

#include "calc/Format.h"

namespace zelvor {

std::vector<std::string> DatumsWarnungen(const std::vector<DatierterPunkt>& punkte, bool injektion) {
  std::vector<std::string> w;
  std::vector<const DatierterPunkt*> datiert;
  for (const DatierterPunkt& p : punkte)
    if (p.datum && std::isfinite(p.gp) && std::isfinite(p.q)) datiert.push_back(&p);
  // How far the well moved on between two lines: injection lowers Gp, production raises it.
  const auto fortschritt = [injektion](const DatierterPunkt& a, const DatierterPunkt& b) {
    return injektion ? a.gp - b.gp : b.gp - a.gp;
  };
  const char* const richtung = injektion ? "f\xC3\xA4llt" : "steigt";
  // Backwards: one sentence for the first pair, however many there are.
  for (std::size_t i = 1; i < datiert.size(); ++i) {
    const DatierterPunkt &a = *datiert[i - 1], &b = *datiert[i];
    if (fortschritt(a, b) > 0 && *b.datum < *a.datum) {
      w.push_back(Formatiere("WARNUNG: Die Daten der Ratenzeilen laufen rückwärts, während Gp %s (Zeile %d: %s, "
                             "Zeile %d: %s).",
                             richtung, a.zeile, DatumText(*a.datum).c_str(), b.zeile, DatumText(*b.datum).c_str()));
      break;
    }
  }
  int weitere = 0, genannt = 0;
  const auto nennen = [&](std::string satz) {
    if (genannt == MAX_PAARWARNUNGEN) {
      ++weitere;
      return;
    }
    ++genannt;
    w.push_back(std::move(satz));
  };
  for (std::size_t i = 1; i < datiert.size(); ++i) {
    const DatierterPunkt &a = *datiert[i - 1], &b = *datiert[i];
    const double tage = static_cast<double>(*b.datum) - static_cast<double>(*a.datum);
    const double dgp = fortschritt(a, b);
    if (!(dgp > 0)) continue;
    const double tagesvolumen = (a.q + b.q) / 2.0 * 24.0 / 1e6;
    if (tage == 0) {
      // Lines of one day: their rates give at most one day's volume, nothing like a large step of Gp.
      if (!(dgp > (1.0 + PLAUSIBEL_ANTEIL) * tagesvolumen)) continue;
      nennen(Formatiere("WARNUNG: Zeile %d und Zeile %d tragen dasselbe Datum (%s), Gp %s aber um %.3f Mio m3; an "
                        "einem Tag ergeben die Raten höchstens %.3f Mio m3 (ein falsches Datum oder ein falscher Gp?).",
                        a.zeile, b.zeile, DatumText(*a.datum).c_str(), richtung, dgp, tagesvolumen));
      continue;
    }
    if (!(tage > 0)) continue;
    const double volumen = tagesvolumen * tage;
    if (!(std::fabs(volumen - dgp) > PLAUSIBEL_ANTEIL * dgp)) continue;
    nennen(Formatiere("WARNUNG: Zwischen Zeile %d (%s) und Zeile %d (%s) ergeben die Raten %.3f Mio m3, Gp %s "
                      "aber um %.3f Mio m3 (Stillstandstage oder ein falscher Gp?).",
                      a.zeile, DatumText(*a.datum).c_str(), b.zeile, DatumText(*b.datum).c_str(), volumen, richtung,
                      dgp));
  }
  if (weitere == 1)
    w.push_back("WARNUNG: 1 weiteres Paar datierter Ratenzeilen passt ebenso nicht zu seinem Gp.");
  else if (weitere > 1)
    w.push_back(Formatiere("WARNUNG: %d weitere Paare datierter Ratenzeilen passen ebenso nicht zu ihrem Gp.", weitere));
  return w;
}

}  // namespace zelvor
