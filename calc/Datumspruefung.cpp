#include "calc/Datumspruefung.h"

#include <cmath>

#include "calc/Format.h"

namespace zelvor {

std::vector<std::string> DatumsWarnungen(const std::vector<DatierterPunkt>& punkte) {
  std::vector<std::string> w;
  std::vector<const DatierterPunkt*> datiert;
  for (const DatierterPunkt& p : punkte)
    if (p.datum && std::isfinite(p.gp) && std::isfinite(p.q)) datiert.push_back(&p);
  // Backwards: one sentence for the first pair, however many there are.
  for (std::size_t i = 1; i < datiert.size(); ++i) {
    const DatierterPunkt &a = *datiert[i - 1], &b = *datiert[i];
    if (b.gp > a.gp && *b.datum < *a.datum) {
      w.push_back(Formatiere("WARNUNG: Die Daten der Ratenzeilen laufen rückwärts, während Gp steigt (Zeile %d: %s, "
                             "Zeile %d: %s).",
                             a.zeile, DatumText(*a.datum).c_str(), b.zeile, DatumText(*b.datum).c_str()));
      break;
    }
  }
  int weitere = 0, genannt = 0;
  for (std::size_t i = 1; i < datiert.size(); ++i) {
    const DatierterPunkt &a = *datiert[i - 1], &b = *datiert[i];
    const double tage = static_cast<double>(*b.datum) - static_cast<double>(*a.datum);
    const double dgp = b.gp - a.gp;
    if (!(tage > 0) || !(dgp > 0)) continue;
    const double volumen = (a.q + b.q) / 2.0 * 24.0 * tage / 1e6;
    if (!(std::fabs(volumen - dgp) > PLAUSIBEL_ANTEIL * dgp)) continue;
    if (genannt == MAX_PAARWARNUNGEN) {
      ++weitere;
      continue;
    }
    ++genannt;
    w.push_back(Formatiere("WARNUNG: Zwischen Zeile %d (%s) und Zeile %d (%s) ergeben die Raten %.3f Mio m3, Gp steigt "
                           "aber um %.3f Mio m3 (Stillstandstage oder ein falscher Gp?).",
                           a.zeile, DatumText(*a.datum).c_str(), b.zeile, DatumText(*b.datum).c_str(), volumen, dgp));
  }
  if (weitere == 1)
    w.push_back("WARNUNG: 1 weiteres Paar datierter Ratenzeilen passt ebenso nicht zu seinem Gp.");
  else if (weitere > 1)
    w.push_back(Formatiere("WARNUNG: %d weitere Paare datierter Ratenzeilen passen ebenso nicht zu ihrem Gp.", weitere));
  return w;
}

}  // namespace zelvor
