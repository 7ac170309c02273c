#include "report/Aquifertext.h"

#include <algorithm>
#include <cmath>

#include "calc/Format.h"
#include "report/Abgleichtext.h"

namespace zelvor {
namespace {

std::string Bereich(const Aquiferwert& w, const char* format) {
  const std::string f = std::string(format) + " (95 %%-Bereich " + format + " bis " + format + ")";
  return Formatiere(f.c_str(), w.wert, w.unten, w.oben);
}

std::string BeginnText(const Aquiferdaten& a, Tag beginn, bool geschaetzt) {
  if (a.modell == Aquifermodell::Topf) return "";
  return Formatiere(" ab %s%s", DatumText(beginn).c_str(),
                    geschaetzt ? " (Förderbeginn aus den ersten datierten Ratenzeilen geschätzt)" : "");
}

}  // namespace

std::vector<std::string> AquiferanpassungText(const Aquiferanpassung& a) {
  std::vector<std::string> t;
  t.push_back("");
  t.push_back(Formatiere("    Aquiferanpassung an die Schließdruckmessungen (Modell %s)", AquifermodellName(a.modell)));
  if (!a.Gemacht()) {
    SatzUmbrechen(t, a.meldung);
    return t;
  }
  SatzUmbrechen(t, Formatiere("%d Messungen, %d angepasste Größen%s.", a.messungen, a.parameter,
                              BeginnText(a.daten, a.beginn, a.beginnGeschaetzt).c_str()));
  t.push_back("    Gasvorrat G                    (Mio m3):  " + Bereich(a.g, "%.1f"));
  if (a.mitGroesse) {
    const std::string name = a.groesseName;
    const std::string einheit = name == "AquiferVolumen" ? "(Mio m3)" : name == "AquiferLaenge" ? "(m)" : "(-)";
    t.push_back("    " + name + std::string(39 - name.size() - einheit.size(), ' ') + einheit + ":  " +
                Bereich(a.groesse, name == "AquiferRadienverhaeltnis" ? "%.3f" : "%.1f"));
  }
  if (a.mitPermeabilitaet) t.push_back("    AquiferPermeabilitaet              (mD):  " + Bereich(a.permeabilitaet, "%.3g"));
  t.push_back(Formatiere("    Mittlere Abweichung von P/Z       (bar):  %.2f (geschlossener Speicher %.2f bei %.1f Mio m3)",
                         a.rms, a.rmsTank, a.gTank));
  if (!a.vergleich.empty()) SatzUmbrechen(t, a.vergleich);
  if (!a.hinweis.empty()) SatzUmbrechen(t, a.hinweis);
  return t;
}

std::vector<Aquiferzeile> AquiferzeilenAus(const Aquiferdatenlage& lage, const Aquiferverlauf& v) {
  std::vector<Aquiferzeile> z;
  if (!v.Gemacht()) return z;
  for (std::size_t i = 0; i < lage.zeilen.size() && i < v.punkte.size(); ++i)
    z.push_back({Formatiere("Ratenzeile %zu", i + 1), v.punkte[i]});
  for (std::size_t i = 0; i < lage.messungen.size() && lage.zeilen.size() + i < v.punkte.size(); ++i)
    z.push_back({Formatiere("Messung %zu", i + 1), v.punkte[lage.zeilen.size() + i]});
  std::stable_sort(z.begin(), z.end(), [](const Aquiferzeile& x, const Aquiferzeile& y) {
    if (x.zustand.tag && y.zustand.tag) return *x.zustand.tag < *y.zustand.tag;
    return x.zustand.tag.has_value() && !y.zustand.tag.has_value();
  });
  return z;
}

std::vector<std::string> AquiferverlaufText(const Aquiferdaten& a, const Aquiferverlauf& v,
                                            const std::vector<Aquiferzeile>& zeilen) {
  std::vector<std::string> t;
  t.push_back(Formatiere("Aquifer %s%s:", AquifermodellName(a.modell),
                         v.Gemacht() ? BeginnText(a, v.beginn, v.beginnGeschaetzt).c_str() : ""));
  if (!v.Gemacht()) {
    t.push_back("  " + v.meldung);
    return t;
  }
  t.push_back("  Datum       Punkt            Gp (Mio m3)   p (bar)  P/Z (bar)  WE (Mio m3)  Wp (Mio m3)  pa (bar)");
  for (const Aquiferzeile& z : zeilen) {
    const Aquiferzustand& s = z.zustand;
    const std::string pa = std::isfinite(s.pa) ? Formatiere("%8.2f", s.pa) : std::string("       -");
    t.push_back(Formatiere("  %-10s  %-15s %12.3f %9.2f %10.2f %12.3f %12.4f  %s", s.tag ? DatumText(*s.tag).c_str() : "",
                           z.art.c_str(), s.gp, s.p, s.pz, s.we, s.wp, pa.c_str()));
  }
  return t;
}

}  // namespace zelvor
