#include "report/Rueckgangsdiagramme.h"

#include <algorithm>

#include "calc/Format.h"

namespace zelvor {
namespace {

constexpr Farbe BLAU{0, 0, 255}, ROT{255, 0, 0}, GRUEN{0, 128, 0}, GRAU{128, 128, 128};
constexpr int SCHRITTE = 120;

// The years the curve is drawn to: the limit, or the calendar's end when it lies beyond.
double Kurvenende(const Rueckgang& r) {
  return std::max(r.jahre.wert, JahreZwischen(r.start, r.letzterTag));
}

// The fitted lines as points, the lines left out (outliers, before the period) as squares.
void Messreihen(Diagramm& d, const Rueckgang& r, bool ueberGp) {
  Diagrammreihe an{"Raten (angepasst)", {}, {}, GRUEN, Linienart::Keine, Markierung::Kreis};
  Diagrammreihe aus{"Raten (nicht angepasst)", {}, {}, GRAU, Linienart::Keine, Markierung::Quadrat};
  for (std::size_t i = 0; i < r.punkte.size(); ++i) {
    Diagrammreihe& z = r.angepasst[i] ? an : aus;
    z.x.push_back(ueberGp ? r.punkte[i].gp : Jahreszahl(r.punkte[i].datum));
    z.y.push_back(r.punkte[i].q);
  }
  if (!an.x.empty()) d.reihen.push_back(std::move(an));
  if (!aus.x.empty()) d.reihen.push_back(std::move(aus));
}

void Grenze(Diagramm& d, const Rueckgang& r, double von, double bis) {
  d.reihen.push_back({Formatiere("Grenzrate %.1f m3/h", r.eingaben.qGrenze), {von, bis}, {r.eingaben.qGrenze, r.eingaben.qGrenze},
                      GRAU, Linienart::Punktiert, Markierung::Keine});
}

}  // namespace

void RueckgangKurve(const Rueckgang& r, double von, double bis, int schritte, std::vector<double>& t, std::vector<double>& q) {
  t.clear();
  q.clear();
  for (int i = 0; i <= schritte; ++i) {
    const double x = von + (bis - von) * i / schritte;
    t.push_back(x);
    q.push_back(r.kurve.Rate(x));
  }
}

Diagramm RueckgangDiagrammZeit(const Rueckgang& r, const Foerderprognose* prognose, std::optional<Tag> prognoseStart) {
  Diagramm d;
  d.titel = "Rate über der Zeit";
  d.xText = "Datum";
  d.yText = "Rate (m3/h)";
  d.xKalender = true;
  d.yLogarithmisch = true;
  Messreihen(d, r, false);
  if (!r.Gemacht()) return d;
  const double anfang = Jahreszahl(r.start), tLetzte = JahreZwischen(r.start, r.letzterTag);
  Diagrammreihe fit{"Angepasste Kurve", {}, {}, BLAU, Linienart::Durchgezogen, Markierung::Keine};
  Diagrammreihe weiter{"Fortsetzung bis zur Grenze", {}, {}, BLAU, Linienart::Gestrichelt, Markierung::Keine};
  RueckgangKurve(r, 0, tLetzte, SCHRITTE, fit.x, fit.y);
  RueckgangKurve(r, tLetzte, Kurvenende(r), SCHRITTE, weiter.x, weiter.y);
  for (double& x : fit.x) x += anfang;
  for (double& x : weiter.x) x += anfang;
  const double ende = weiter.x.back();
  d.reihen.push_back(std::move(fit));
  if (!r.schonUnterGrenze) d.reihen.push_back(std::move(weiter));
  if (prognose && prognose->Gemacht() && prognoseStart && !prognose->injektion) {
    Diagrammreihe q{"Förderprognose", {}, {}, ROT, Linienart::Durchgezogen, Markierung::Keine};
    const double p0 = Jahreszahl(*prognoseStart);
    for (const Prognosezeile& z : prognose->zeilen) {
      q.x.push_back(p0 + z.jahre);
      q.y.push_back(z.q);
    }
    d.reihen.push_back(std::move(q));
  }
  Grenze(d, r, Jahreszahl(r.punkte.front().datum), ende);
  return d;
}

Diagramm RueckgangDiagrammGp(const Rueckgang& r) {
  Diagramm d;
  d.titel = "Rate über der kumulativen Förderung";
  d.xText = "Kumulative Förderung Gp (Mio m3)";
  d.yText = "Rate (m3/h)";
  d.yMin = 0;
  Messreihen(d, r, true);
  if (!r.Gemacht()) return d;
  // Gp along the curve: the last line's Gp plus what the curve gives from its date on.
  const double tLetzte = JahreZwischen(r.start, r.letzterTag);
  const double npLetzte = r.kurve.Kumuliert(tLetzte);
  Diagrammreihe fit{"Angepasste Kurve", {}, {}, BLAU, Linienart::Durchgezogen, Markierung::Keine};
  Diagrammreihe weiter{"Fortsetzung bis zur Grenze", {}, {}, BLAU, Linienart::Gestrichelt, Markierung::Keine};
  RueckgangKurve(r, 0, tLetzte, SCHRITTE, fit.x, fit.y);
  RueckgangKurve(r, tLetzte, Kurvenende(r), SCHRITTE, weiter.x, weiter.y);
  for (Diagrammreihe* s : {&fit, &weiter})
    for (double& x : s->x) x = r.gpLetzte + MioM3(r.kurve.Kumuliert(x) - npLetzte);
  const double ende = weiter.x.back();
  d.reihen.push_back(std::move(fit));
  if (!r.schonUnterGrenze) d.reihen.push_back(std::move(weiter));
  Grenze(d, r, r.punkte.front().gp, ende);
  return d;
}

Diagramm FeldrueckgangDiagramm(const Feldrueckgang& r) {
  Diagramm d;
  d.titel = "Förderrückgang und Förderprognose des Feldes";
  d.xText = "Datum";
  d.yText = "Rate (m3/h)";
  d.xKalender = true;
  d.yMin = 0;
  if (r.Leer() || !r.stand) return d;
  const double anfang = Jahreszahl(*r.stand);
  Diagrammreihe rueckgang{"Rückgangskurven", {}, r.rateRueckgang, BLAU, Linienart::Durchgezogen, Markierung::Keine};
  Diagrammreihe prognose{"Förderprognosen", {}, r.ratePrognose, ROT, Linienart::Durchgezogen, Markierung::Keine};
  for (const double j : r.jahre) {
    rueckgang.x.push_back(anfang + j);
    prognose.x.push_back(anfang + j);
  }
  d.reihen = {std::move(rueckgang), std::move(prognose)};
  return d;
}

}  // namespace zelvor
