#include "report/Feldkennlinientext.h"

#include <algorithm>

#include "calc/Format.h"
#include "report/Speichertext.h"

namespace zelvor {
namespace {

std::string Bohrungen(std::size_t n) { return n == 1 ? "1 Bohrung" : Formatiere("%zu Bohrungen", n); }

}  // namespace

namespace {

void Tabelle(std::vector<std::string>& t, const std::vector<Feldkennlinienpunkt>& punkte) {
  const bool gwh = std::all_of(punkte.begin(), punkte.end(), [](const Feldkennlinienpunkt& p) { return p.inventarGwh.has_value(); });
  t.push_back(std::string("Füllstand    Inventar") + (gwh ? "    Inventar" : "") + "  Q_aus(p_min)  Q_ein(p_max)");
  t.push_back(std::string("      (%)    (Mio m3)") + (gwh ? "       (GWh)" : "") + "        (m3/h)        (m3/h)");
  for (const Feldkennlinienpunkt& p : punkte) {
    std::string z = Formatiere("%9.1f  %10.1f", 100.0 * p.fuellgrad, p.inventar);
    if (gwh) z += Formatiere("  %10.1f", *p.inventarGwh);
    t.push_back(z + Formatiere("  %12.1f  %12.1f", p.qAus, p.qEin));
  }
  bool kopf = false;
  for (const Feldkennlinienpunkt& p : punkte) {
    std::string satz;
    if (p.ohneAus) satz = Bohrungen(p.ohneAus) + (p.ohneAus == 1 ? " liefert" : " liefern") + " nichts";
    if (p.ohneEin)
      satz += (satz.empty() ? "" : ", ") + Bohrungen(p.ohneEin) + (p.ohneEin == 1 ? " nimmt" : " nehmen") + " nichts auf";
    if (satz.empty()) continue;
    if (!kopf) t.emplace_back();
    kopf = true;
    t.push_back(Formatiere("Bei %.1f %%: %s.", 100.0 * p.fuellgrad, satz.c_str()));
  }
}

}  // namespace

std::vector<std::string> FeldkennlinienText(const Feldkennlinien& k) {
  std::vector<std::string> t;
  if (k.Leer()) return t;
  t.push_back("Speicherkennlinien des Feldes (" +
              (k.Bohrungen() == 1 ? std::string("1 Speicherbohrung") : Formatiere("%zu Speicherbohrungen", k.Bohrungen())) + ")");
  t.push_back(Formatiere("Arbeitsgas %.1f Mio m3, Kissengas %.1f Mio m3", k.Arbeitsgas(), k.Kissengas()));
  t.push_back("Jede Bohrung beim selben Füllstand, Q_aus bei ihrem p_min, Q_ein bei ihrem p_max.");
  if (!k.ZweiRichtungen()) {
    Tabelle(t, k.Punkte());
    return t;
  }
  t.push_back(Formatiere("%s mit Aquifermodell: je Saison summiert, die Bohrungen ohne Modell mit ihrer einen Kennlinie "
                         "in beiden.", Bohrungen(k.MitAquifer()).c_str()));
  t.emplace_back();
  t.push_back("Einspeicherung (Einspeichersaison)");
  Tabelle(t, k.Punkte());
  t.emplace_back();
  t.push_back("Ausspeicherung (Ausspeichersaison)");
  Tabelle(t, k.Ausspeicherung());
  return t;
}

namespace {

// The well's diagram, fed with the sums of one direction.
Diagramm Felddiagramm(const Feldkennlinien& k, const std::vector<Feldkennlinienpunkt>& punkte) {
  Speicherkennlinien summe;
  for (const Feldkennlinienpunkt& p : punkte) {
    Kennlinienpunkt q;
    q.fuellgrad = p.fuellgrad;
    q.qAus = p.qAus;
    q.qEin = p.qEin;
    summe.punkte.push_back(q);
  }
  Diagramm d = KennlinienDiagramm(summe);
  d.titel = "Kapazität des Feldes über dem Füllstand";
  double groesste = 0;
  for (const auto* reihe : {&k.Punkte(), &k.Ausspeicherung()})
    for (const Feldkennlinienpunkt& p : *reihe) groesste = std::max({groesste, p.qAus, p.qEin});
  if (groesste >= 1e6) {
    d.yText = "Rate (1000 m3/h)";
    for (Diagrammreihe& r : d.reihen)
      for (double& y : r.y) y /= 1000.0;
  }
  return d;
}

}  // namespace

Diagramm FeldkennlinienDiagramm(const Feldkennlinien& k) { return Felddiagramm(k, k.Punkte()); }

std::vector<Diagramm> FeldkennlinienDiagramme(const Feldkennlinien& k) {
  if (!k.ZweiRichtungen()) return {FeldkennlinienDiagramm(k)};
  Diagramm ein = Felddiagramm(k, k.Punkte()), aus = Felddiagramm(k, k.Ausspeicherung());
  ein.titel += ": Einspeicherung";
  aus.titel += ": Ausspeicherung";
  return {std::move(ein), std::move(aus)};
}

}  // namespace zelvor
