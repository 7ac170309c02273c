#include "report/Aquiferdiagramme.h"

#include <algorithm>

#include "calc/Format.h"

namespace zelvor {
namespace {

constexpr Farbe SCHWARZ{0, 0, 0}, TUERKIS{0, 150, 150}, GRUEN{0, 128, 0}, GRAU{120, 120, 120};

std::string Modell(const Aquiferanpassung& a) { return std::string("Aquifer ") + AquifermodellName(a.modell); }

}  // namespace

void AquiferPZKurve(Diagramm& d, const Aquiferanpassung& a) {
  if (!a.Gemacht()) return;
  Diagrammreihe r{Modell(a), {}, {}, TUERKIS, Linienart::Durchgezogen,
                  Markierung::Keine};
  for (const AquiferDiagnosepunkt& p : a.kurve) {
    r.x.push_back(p.gp);
    r.y.push_back(p.pzModell);
  }
  d.reihen.push_back(std::move(r));
}

Diagramm ColeDiagramm(const Aquiferanpassung& a) {
  Diagramm d;
  d.titel = Formatiere("Cole-Diagramm: scheinbarer Gasvorrat F/Eg (G = %.1f Mio m3)", a.g.wert);
  d.xText = "Kumulative Gasproduktion Gp (Mio m3)";
  d.yText = "F/Eg (Mio m3)";
  Diagrammreihe punkte{"Schließdruckmessungen", {}, {}, SCHWARZ, Linienart::Keine, Markierung::Quadrat};
  double bis = 0;
  for (const AquiferDiagnosepunkt& p : a.punkte) {
    bis = std::max(bis, p.gp);
    if (!p.imDiagramm) continue;
    punkte.x.push_back(p.gp);
    punkte.y.push_back(p.fEg);
  }
  Diagrammreihe modell{Modell(a), {}, {}, TUERKIS, Linienart::Durchgezogen, Markierung::Keine};
  for (const AquiferDiagnosepunkt& p : a.kurve)
    if (p.imDiagramm && p.gp <= bis) {
      modell.x.push_back(p.gp);
      modell.y.push_back(p.fEg);
    }
  if (a.Gemacht()) {
    d.reihen.push_back({"G der Anpassung", {0.0, bis}, {a.g.wert, a.g.wert},
                        GRAU, Linienart::Gestrichelt, Markierung::Keine});
    d.reihen.push_back(std::move(modell));
  }
  d.reihen.push_back(std::move(punkte));
  d.xMin = 0.0;
  return d;
}

Diagramm HavlenaOdehDiagramm(const Aquiferanpassung& a) {
  Diagramm d;
  d.titel = Formatiere("Havlena-Odeh-Diagramm: F/Eg über We/Eg (G = %.1f Mio m3)", a.g.wert);
  d.xText = "We/Eg (Mio m3)";
  d.yText = "F/Eg (Mio m3)";
  Diagrammreihe punkte{"Schließdruckmessungen", {}, {}, SCHWARZ, Linienart::Keine, Markierung::Quadrat};
  double bis = 0;
  for (const AquiferDiagnosepunkt& p : a.punkte) {
    if (!p.imDiagramm) continue;
    punkte.x.push_back(p.weEg);
    punkte.y.push_back(p.fEg);
    bis = std::max(bis, p.weEg);
  }
  if (a.Gemacht())
    d.reihen.push_back({"G + We/Eg", {0.0, bis},
                        {a.g.wert, a.g.wert + bis}, GRUEN, Linienart::Durchgezogen, Markierung::Keine});
  d.reihen.push_back(std::move(punkte));
  d.xMin = 0.0;
  return d;
}

}  // namespace zelvor
