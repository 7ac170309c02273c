#include "report/Abgleichdiagramme.h"

#include <algorithm>
#include <cmath>


namespace zelvor {
namespace {

constexpr Farbe SCHWARZ{0, 0, 0}, BLAU{0, 0, 255}, ROT{255, 0, 0}, GRUEN{0, 128, 0};
constexpr Farbe HELLROT{255, 190, 190};  // tinted once more as an area: a band the curve shows through
constexpr Farbe VIOLETT{128, 0, 160}, ORANGE{230, 120, 0};
constexpr Farbe HELLVIOLETT{200, 150, 230}, HELLORANGE{250, 200, 140};  // tinted again as areas

// The balance's straight line from Gp = 0 to the gas in place g.
Diagrammreihe Bilanzgerade(const Laufdaten& lauf, double g, std::string legende, Farbe farbe, Linienart linie) {
  return {std::move(legende), {0.0, g}, {lauf.PZBei(0.0, g), 0.0}, farbe, linie, Markierung::Keine};
}

// A 95 % interval as a tinted area: the outline runs from the lower end on the Gp axis along the lower
// edge to Gp = 0, up that axis and along the upper edge to the upper end; the frame's bottom (P/Z = 0)
// closes it.
Diagrammreihe Band(std::string legende, Farbe farbe, std::vector<double> x, std::vector<double> y) {
  Diagrammreihe r{std::move(legende), std::move(x), std::move(y), farbe, Linienart::Keine, Markierung::Keine};
  r.flaeche = r.durchscheinend = true;
  return r;
}

// The free line's confidence band, its edges a - b·Gp ± Bandhalbe(Gp) from Gp = 0 to where they reach 0.
Diagrammreihe Geradenband(const PZGerade& g) {
  constexpr int STUETZSTELLEN = 40;
  std::vector<double> x, y;
  const auto kante = [&](double gp, double vorzeichen) {
    x.push_back(gp);
    y.push_back(std::max(0.0, g.a - g.b * gp + vorzeichen * g.Bandhalbe(gp)));
  };
  for (int i = STUETZSTELLEN; i >= 0; --i) kante(g.gUnten * i / STUETZSTELLEN, -1.0);
  for (int i = 0; i <= STUETZSTELLEN; ++i) kante(g.gOben * i / STUETZSTELLEN, +1.0);
  return Band("95 %-Bereich der Geraden", HELLVIOLETT, std::move(x), std::move(y));
}

// The balance through the initial P/Z between the gas in place's interval ends.
Diagrammreihe Bilanzband(const Laufdaten& lauf, const PZBilanz& b) {
  return Band("95 %-Bereich der Bilanz", HELLORANGE, {b.gUnten, 0.0, 0.0, b.gOben},
              {0.0, lauf.PZBei(0.0, b.gUnten), lauf.PZBei(0.0, b.gOben), 0.0});
}

// The surveys' points, the free line through them and the balance fitted to them with their intervals as
// bands, up to their OGIP.
void Messreihen(Diagramm& d, const Messbilanz& m, const Laufdaten& lauf) {
  if (!m.Gemacht()) return;
  double bis = d.xMax.value_or(0.0);
  if (m.gerade.Gemacht()) {
    d.reihen.push_back(Geradenband(m.gerade));
    d.reihen.push_back({"Gerade der Messungen", {0.0, m.gerade.g}, {m.gerade.a, 0.0}, VIOLETT,
                        Linienart::Punktiert, Markierung::Keine});
    bis = std::max(bis, m.gerade.gOben);
  }
  if (m.bilanz.Gemacht()) {
    d.reihen.push_back(Bilanzband(lauf, m.bilanz));
    d.reihen.push_back(Bilanzgerade(lauf, m.bilanz.g, "Bilanz der Messungen", ORANGE, Linienart::Gestrichelt));
    bis = std::max(bis, m.bilanz.gOben);
  }
  Diagrammreihe punkte{"Schließdruckmessungen", {}, {}, SCHWARZ, Linienart::Keine, Markierung::Quadrat};
  for (const Messpunkt& p : m.punkte) {
    punkte.x.push_back(p.gp);
    punkte.y.push_back(p.pz);
    bis = std::max(bis, p.gp);
  }
  d.reihen.push_back(std::move(punkte));
  if (bis > 0) d.xMax = bis;
}

// A storage engineer reads P/Z over the gas in the reservoir, the booked inventory OGIP - Gp: every point
// and line mirrored onto it, the axis from an empty reservoir to the largest inventory shown.
void AufsInventar(Diagramm& d, double ogip) {
  d.titel = "P/Z über dem Inventar";
  d.xText = "Inventar OGIP - Gp (Mio m3)";
  double bis = ogip;
  for (Diagrammreihe& r : d.reihen) {
    for (double& x : r.x) x = ogip - x;
    if (r.markierung != Markierung::Keine)
      for (double x : r.x) bis = std::max(bis, x);
  }
  d.xMin = 0;
  d.xMax = bis;
}

}  // namespace

double AbgleichGrenzeOben(const Gasvorratsabgleich& a) { return std::max(a.gOben, a.ogip); }

Diagramm AbgleichPZDiagramm(const Gasvorratsabgleich& a, const Laufdaten& lauf, const Messbilanz* m) {
  Diagramm d;
  d.titel = "P/Z über der kumulativen Förderung";
  d.xText = "Kumulative Förderung Gp (Mio m3)";
  d.yText = "P/Z (bar)";
  d.xMin = 0;
  d.yMin = 0;
  if (!a.Gemacht()) {
    if (m) Messreihen(d, *m, lauf);
    if (lauf.injektion) AufsInventar(d, lauf.ogip);
    return d;
  }
  d.xMax = AbgleichGrenzeOben(a);
  d.reihen.push_back(Bilanzgerade(lauf, a.ogip, "Eingegebenes OGIP", GRUEN, Linienart::Durchgezogen));
  d.reihen.push_back(
      Bilanzgerade(lauf, a.g, "Abgeglichenes OGIP G*", ROT, Linienart::Durchgezogen));
  d.reihen.push_back(Bilanzgerade(lauf, a.gUnten, "95 %-Bereich", ROT, Linienart::Gestrichelt));
  d.reihen.push_back(Bilanzgerade(lauf, a.gOben, "", ROT, Linienart::Gestrichelt));
  Diagrammreihe punkte{"P/Z aus den Fließdaten", {}, {}, BLAU, Linienart::Keine, Markierung::Kreis};
  for (const Abgleichpunkt& p : a.punkte) {
    punkte.x.push_back(p.gp);
    punkte.y.push_back(PZAusFliessdaten(lauf, p, a.stern.c, a.n));
  }
  d.reihen.push_back(std::move(punkte));
  if (m) Messreihen(d, *m, lauf);
  if (lauf.injektion) AufsInventar(d, lauf.ogip);
  return d;
}

Diagramm AbgleichProfilDiagramm(const Gasvorratsabgleich& a) {
  Diagramm d;
  d.titel = "Abweichung über dem Gasvorrat";
  d.xText = "Gasvorrat G (Mio m3)";
  d.yText = "Summe der quadrierten relativen Abweichungen S";
  d.yLogarithmisch = true;
  if (!a.Gemacht()) return d;
  const double bis = 1.25 * AbgleichGrenzeOben(a);
  Diagrammreihe s{"S(G)", {}, {}, SCHWARZ, Linienart::Durchgezogen, Markierung::Keine};
  // The dense points around G* where there are any, the scan's grid beyond them.
  const double feinVon = a.fein.empty() ? 0.0 : a.fein.front().g, feinBis = a.fein.empty() ? -1.0 : a.fein.back().g;
  std::vector<Profilpunkt> punkte = a.fein;
  for (const Profilpunkt& p : a.profil)
    if (p.g < feinVon || p.g > feinBis) punkte.push_back(p);
  std::sort(punkte.begin(), punkte.end(), [](const Profilpunkt& x, const Profilpunkt& y) { return x.g < y.g; });
  double sMin = a.stern.s, sMax = a.sGrenze;
  for (const Profilpunkt& p : punkte) {
    if (p.g > bis || !(p.s > 0.0)) continue;
    s.x.push_back(p.g);
    s.y.push_back(p.s);
    sMax = std::max(sMax, p.s);
  }
  if (!(sMin > 0.0)) sMin = a.sGrenze > 0.0 ? a.sGrenze : 1e-12;
  // The interval as a band over the frame's height, beneath the curve.
  Diagrammreihe band{"95 %-Bereich", {a.gUnten, a.gOben}, {sMax, sMax}, HELLROT, Linienart::Keine, Markierung::Keine};
  band.flaeche = true;
  d.reihen.push_back(std::move(band));
  d.reihen.push_back(std::move(s));
  d.reihen.push_back({"G*", {a.g}, {a.stern.s}, ROT, Linienart::Keine, Markierung::Quadrat});
  d.reihen.push_back({"Grenze von S", {a.gUnten, a.gOben}, {a.sGrenze, a.sGrenze}, ROT, Linienart::Gestrichelt,
                      Markierung::Keine});
  d.reihen.push_back({"Eingegebenes OGIP", {a.ogip, a.ogip}, {sMin, sMax}, GRUEN, Linienart::Gestrichelt,
                      Markierung::Keine});
  return d;
}

}  // namespace zelvor
