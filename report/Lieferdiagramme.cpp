#include "report/Lieferdiagramme.h"

#include <algorithm>
#include <cmath>

#include "calc/Format.h"

namespace zelvor {
namespace {

constexpr Farbe FARBEN[MODELL_ANZAHL] = {{0, 0, 0}, {255, 0, 0}, {0, 0, 255}};
constexpr int LINIENPUNKTE = 20;

}  // namespace

Diagramm GegendruckDiagramm(const Lieferfaehigkeit& l) {
  Diagramm d;
  d.titel = "Gegendruckdiagramm";
  d.xText = l.injektion ? "Injektionsrate Q (m3/h)" : "Rate Q (m3/h)";
  d.yText = l.injektion ? "pwf² - pws² (bar²)" : "pws² - pwf² (bar²)";
  d.xLogarithmisch = d.yLogarithmisch = true;
  Diagrammreihe punkte{"Messpunkte", {}, {}, {0, 128, 0}, Linienart::Keine, Markierung::Kreis};
  double dMin = HUGE_VAL, dMax = 0;
  for (const Lieferpunkt& p : l.punkte) {
    punkte.x.push_back(p.q);
    punkte.y.push_back(p.delta);
    dMin = std::min(dMin, p.delta);
    dMax = std::max(dMax, p.delta);
  }
  d.reihen.push_back(std::move(punkte));
  // The fitted lines from half the smallest drawdown up to open flow at the initial pressure (injection:
  // up to the difference p_max allows at the current pressure).
  if (!l.injektion && l.druckGueltig[DRUCK_INITIAL]) dMax = std::max(dMax, l.druck[DRUCK_INITIAL] * l.druck[DRUCK_INITIAL]);
  for (int m = 0; l.injektion && m < MODELL_ANZAHL; ++m)
    for (double pwf : l.ipr[m][DRUCK_AKTUELL].pwf)
      dMax = std::max(dMax, pwf * pwf - l.druck[DRUCK_AKTUELL] * l.druck[DRUCK_AKTUELL]);
  if (l.punkte.empty() || !(dMin > 0)) return d;
  dMin /= 2;
  for (int m : {MODELL_GEGENDRUCK, MODELL_C_WERT}) {
    if (!l.ModellNr(m).berechnet) continue;
    Diagrammreihe linie;
    linie.farbe = FARBEN[m];
    linie.linie = m == MODELL_GEGENDRUCK ? Linienart::Durchgezogen : Linienart::Gestrichelt;
    linie.legende = m == MODELL_GEGENDRUCK ? Formatiere("Ausgleich n = %.3f", l.gegendruck.n)
                                           : std::string("C-Wert-Modell n = 1");
    // A refused fit is still drawn beside its points, so the user sees why it was refused.
    if (!l.ModellNr(m).gueltig) linie.legende += " (verworfen)";
    for (int i = 0; i <= LINIENPUNKTE; ++i) {
      const double delta = dMin * std::pow(dMax / dMin, static_cast<double>(i) / LINIENPUNKTE);
      linie.y.push_back(delta);
      linie.x.push_back(m == MODELL_GEGENDRUCK ? RateGegendruck(l.gegendruck.cn, l.gegendruck.n, delta)
                                               : RateCWert(l.cWert.c, delta));
    }
    d.reihen.push_back(std::move(linie));
  }
  return d;
}

Diagramm ZuflussDiagramm(const Lieferfaehigkeit& l) {
  Diagramm d;
  d.titel = l.injektion ? "Injektionskurven" : "Zuflusskurven (IPR)";
  d.xText = l.injektion ? "Injektionsrate Q (m3/h)" : "Rate Q (m3/h)";
  d.yText = "Bodenfliessdruck pwf (bar)";
  d.xMin = 0;
  if (!l.injektion) d.yMin = 0;  // injection curves lie near the reservoir pressure: their own range
  for (int m = 0; m < MODELL_ANZAHL; ++m) {
    for (int p = 0; p < DRUCK_ANZAHL; ++p) {
      if (!l.aofGueltig[m][p]) continue;
      Diagrammreihe r;
      static const char* const KURZ[MODELL_ANZAHL] = {"C-Wert", "Gegendruck", "LIT"};
      r.legende = std::string(KURZ[m]) + (p == DRUCK_INITIAL ? " initial" : " aktuell");
      r.farbe = FARBEN[m];
      r.linie = p == DRUCK_INITIAL ? Linienart::Durchgezogen : Linienart::Gestrichelt;
      r.x = l.ipr[m][p].q;
      r.y = l.ipr[m][p].pwf;
      d.reihen.push_back(std::move(r));
    }
  }
  return d;
}

}  // namespace zelvor
