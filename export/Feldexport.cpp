#include "export/Feldexport.h"

#include <algorithm>

#include "report/Feldtabelle.h"

namespace zelvor {
namespace {

Exporttabelle FeldkennlinienTabelle(const std::vector<Feldkennlinienpunkt>& punkte, const char* name) {
  const bool gwh = std::all_of(punkte.begin(), punkte.end(), [](const Feldkennlinienpunkt& p) { return p.inventarGwh.has_value(); });
  Exporttabelle t{name, {{"Füllstand (%)", 1}, {"Inventar (Mio m3)", 3}}, {}};
  if (gwh) t.spalten.push_back({"Inventar (GWh)", 3});
  for (const char* titel : {"Q_aus (m3/h)", "Q_ein (m3/h)"}) t.spalten.push_back({titel, 1});
  for (const char* titel : {"Bohrungen ohne Q_aus", "Bohrungen ohne Q_ein"}) t.spalten.push_back({titel, 0});
  for (const Feldkennlinienpunkt& p : punkte) {
    std::vector<Exportwert> zeile{100.0 * p.fuellgrad, p.inventar};
    if (gwh) zeile.emplace_back(*p.inventarGwh);
    for (double w : {p.qAus, p.qEin, static_cast<double>(p.ohneAus), static_cast<double>(p.ohneEin)}) zeile.emplace_back(w);
    t.zeilen.push_back(std::move(zeile));
  }
  return t;
}

// The site's storage year day by day, and the targets checked for the site with the EU indicator.
void StandortTabellen(const Standortspeicherjahr& s, std::vector<Exporttabelle>& tabellen) {
  Exporttabelle tage{"Standortspeicherjahr", {}, {}};
  if (!s.Gemacht()) {
    tage.spalten = {{"Meldung", 0}};
    tage.zeilen.push_back({s.meldung});
    tabellen.push_back(std::move(tage));
    return;
  }
  tage.spalten = {{"Datum", 0},
                  {"Füllstand (%)", 2},
                  {"Inventar (Mio m3)", 3},
                  {"Gas im Speicher (Mio m3)", 3},
                  {"Einspeisung (m3/h)", 1},
                  {"Ausspeisung (m3/h)", 1}};
  for (const Standorttag& d : s.tage)
    tage.zeilen.push_back({DatumText(d.tag), 100.0 * d.fuellgrad, d.inventar, d.gasImSpeicher, d.einspeisung, d.ausspeisung});
  Exporttabelle ziele{"Standortziele",
                      {{"Ziel", 0}, {"Datum", 0}, {"Bis", 0}, {"Ziel (%)", 1}, {"Füllstand (%)", 2}, {"Erreicht", 0}, {"Bohrungen", 0}},
                      {}};
  for (const Standortziel& z : s.ziele)
    ziele.zeilen.push_back({std::string("Füllziel der Bohrungen"), DatumText(z.datum), Exportwert(), 100.0 * z.ziel,
                            100.0 * z.erreicht, std::string(z.erfuellt ? "ja" : "nein"), static_cast<double>(z.bohrungen)});
  // The EU target binds the member state: for the site only an indicator, its highest level in the window.
  for (const EuIndikator& f : s.euFenster)
    ziele.zeilen.push_back({std::string(f.vollstaendig ? "EU-Indikator" : "EU-Indikator (Teil des Fensters)"),
                            DatumText(f.von), DatumText(f.bis), s.eu.SchwelleProzent(), 100.0 * f.hoechster,
                            std::string(f.erfuellt ? "ja" : "nein"), static_cast<double>(s.bohrungen)});
  tabellen.push_back(std::move(tage));
  tabellen.push_back(std::move(ziele));
}

}  // namespace

std::vector<Exporttabelle> FeldTabellen(const Feldergebnis& f) {
  Exporttabelle bohrungen{"Feldbohrungen", {}, {}};
  const std::vector<Feldspalte> spalten = Feldspalten();
  for (Feldspalte s : spalten) bohrungen.spalten.push_back({FeldspalteAngabe(s).titel, std::max(FeldspalteAngabe(s).stellen, 0)});
  for (const Feldbohrung& b : f.bohrungen) {
    std::vector<Exportwert> zeile;
    for (Feldspalte s : spalten) {
      if (FeldspalteAngabe(s).stellen < 0) {
        zeile.emplace_back(FeldZelle(b, s));
      } else if (const auto wert = FeldWert(b, s)) {
        zeile.emplace_back(*wert);
      } else {
        zeile.emplace_back(std::monostate{});
      }
    }
    bohrungen.zeilen.push_back(std::move(zeile));
  }
  Exporttabelle verlauf{"Feldverlauf",
                        {{"Jahre", 2},
                         {"Feldrate (m3/h)", 0},
                         {"Förderung ab jetzt (Mio m3)", 1},
                         {"Gp Feld (Mio m3)", 1},
                         {"Bohrungen in Förderung", 0}},
                        {}};
  const Feldverlauf& v = f.verlauf;
  if (f.stand) verlauf.spalten.push_back({"Datum", 0});
  for (std::size_t k = 0; k < v.jahre.size(); ++k) {
    verlauf.zeilen.push_back({v.jahre[k], v.rate[k], v.gpAbJetzt[k], v.gp[k], static_cast<double>(v.bohrungen[k])});
    if (!f.stand) continue;
    const std::optional<Tag> t = TagNachJahren(*f.stand, v.jahre[k]);
    verlauf.zeilen.back().push_back(t ? Exportwert(DatumText(*t)) : Exportwert());
  }
  std::vector<Exporttabelle> tabellen;
  tabellen.push_back(std::move(bohrungen));
  tabellen.push_back(std::move(verlauf));
  if (!f.kennlinien.Leer() && !f.kennlinien.ZweiRichtungen())
    tabellen.push_back(FeldkennlinienTabelle(f.kennlinien.Punkte(), "Feldkennlinien"));
  if (f.kennlinien.ZweiRichtungen()) {
    // Wells with an aquifer model: the sums of each season.
    tabellen.push_back(FeldkennlinienTabelle(f.kennlinien.Punkte(), "Feldkennlinien Einspeicherung"));
    tabellen.push_back(FeldkennlinienTabelle(f.kennlinien.Ausspeicherung(), "Feldkennlinien Ausspeicherung"));
  }
  if (f.speicherjahr.bohrungen > 0) StandortTabellen(f.speicherjahr, tabellen);
  return tabellen;
}

}  // namespace zelvor
