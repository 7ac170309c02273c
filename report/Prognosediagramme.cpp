#include "report/Prognosediagramme.h"

#include <tuple>

#include "calc/Format.h"

namespace zelvor {
namespace {

constexpr Farbe BLAU{0, 0, 255}, ROT{255, 0, 0}, GRUEN{0, 128, 0}, GRAU{128, 128, 128};
constexpr Farbe ORANGE{230, 120, 0}, VIOLETT{128, 0, 160}, PETROL{0, 120, 130};

// The forecast's curves over x(row): Q_max, the produced rate when it differs (a plateau), and the
// abandonment rate as a dotted level.
template <typename X>
void Kurven(Diagramm& d, const Foerderprognose& p, const Prognosebereich* bereich, X x) {
  if (!p.Gemacht()) return;
  const bool plateau = p.eingaben.qPlan > 0;
  const char* grenze = p.injektion ? (plateau ? "Q_inj,max bei p_max" : "Q = Q_inj,max bei p_max")
                                   : (plateau ? "Q_max bei p_min" : "Q = Q_max bei p_min");
  Diagrammreihe qMax{grenze, {}, {}, BLAU, plateau ? Linienart::Gestrichelt : Linienart::Durchgezogen,
                     Markierung::Keine};
  Diagrammreihe q{p.injektion ? "Injektionsrate Q" : "Förderrate Q", {}, {}, ROT, Linienart::Durchgezogen,
                  Markierung::Keine};
  for (const Prognosezeile& z : p.zeilen) {
    qMax.x.push_back(x(z));
    qMax.y.push_back(z.qMax);
    q.x.push_back(x(z));
    q.y.push_back(z.q);
  }
  d.reihen.push_back(std::move(qMax));
  if (plateau) d.reihen.push_back(std::move(q));
  if (bereich) {
    for (const auto& [g, ende, farbe] : {std::tuple{bereich->gUnten, &bereich->unten, ORANGE},
                                         std::tuple{bereich->gOben, &bereich->oben, VIOLETT}}) {
      if (!ende->Gemacht()) continue;
      // The rate at the interval's end; short enough for its legend column with a five-digit gas in place.
      Diagrammreihe r{Formatiere("OGIP %.1f Mio m3", g), {}, {}, farbe, Linienart::Gestrichelt, Markierung::Keine};
      for (const Prognosezeile& z : ende->zeilen) {
        r.x.push_back(x(z));
        r.y.push_back(z.q);
      }
      d.reihen.push_back(std::move(r));
    }
  }
  // With an aquifer model, beside it the rate the well would have without further influx.
  if (p.aquifer && p.aquifer->ohneAquifer && p.aquifer->ohneAquifer->Gemacht()) {
    Diagrammreihe r{"Ohne weiteren Zufluss", {}, {}, PETROL, Linienart::Gestrichelt, Markierung::Keine};
    for (const Prognosezeile& z : p.aquifer->ohneAquifer->zeilen) {
      r.x.push_back(x(z));
      r.y.push_back(z.q);
    }
    d.reihen.push_back(std::move(r));
  }
  d.reihen.push_back({Formatiere(p.injektion ? "Mindestrate %.1f m3/h" : "Aufgaberate %.1f m3/h", p.eingaben.qEnde),
                      {x(p.zeilen.front()), x(p.zeilen.back())},
                      {p.eingaben.qEnde, p.eingaben.qEnde},
                      GRAU,
                      Linienart::Punktiert,
                      Markierung::Keine});
}

}  // namespace

Diagramm PrognoseDiagrammGp(const Foerderprognose& p, const Laufdaten& lauf, const Prognosebereich* bereich) {
  Diagramm d;
  d.titel = lauf.injektion ? "Injektionsrate über der kumulativen Förderung" : "Rate über der kumulativen Förderung";
  d.xText = "Kumulative Förderung Gp (Mio m3)";
  d.yText = "Rate (m3/h)";
  d.yMin = 0;
  Diagrammreihe gemessen{"Raten (gemessen)", {}, {}, GRUEN, Linienart::Keine, Markierung::Kreis};
  for (const AusgewerteterPunkt& pt : lauf.punkte) {
    if (!(pt.q > 0)) continue;
    gemessen.x.push_back(pt.gp);
    gemessen.y.push_back(pt.q);
  }
  if (!gemessen.x.empty()) d.reihen.push_back(std::move(gemessen));
  Kurven(d, p, bereich, [](const Prognosezeile& z) { return z.gp; });
  return d;
}

Diagramm PrognoseDiagrammZeit(const Foerderprognose& p, const Prognosebereich* bereich, std::optional<Tag> start) {
  Diagramm d;
  d.titel = p.injektion ? "Injektionsrate über der Zeit" : "Rate über der Zeit";
  d.yText = "Rate (m3/h)";
  d.yMin = 0;
  if (start) {
    d.xText = "Datum";
    d.xKalender = true;
    const double anfang = Jahreszahl(*start);
    Kurven(d, p, bereich, [anfang](const Prognosezeile& z) { return anfang + z.jahre; });
    return d;
  }
  d.xText = "Zeit ab Prognosebeginn (Jahre)";
  d.xMin = 0;
  Kurven(d, p, bereich, [](const Prognosezeile& z) { return z.jahre; });
  return d;
}

}  // namespace zelvor
