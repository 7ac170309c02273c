// The storage tables of the export: the capacity by fill level, the storage year's days and its targets.
#include "doc/DokumentSpeicher.h"
#include "export/Exporttabellen.h"
#include "report/Speichertext.h"

namespace zelvor {
namespace {

Exportwert Datum(const std::optional<Tag>& t) { return t ? Exportwert(DatumText(*t)) : Exportwert(); }

Exportwert Grenze(bool anlage) { return std::string(anlage ? "Anlage" : "Bohrung"); }

}  // namespace

std::vector<Exporttabelle> SpeicherTabellen(const CZelvorDoc& doc) {
  std::vector<Exporttabelle> tabellen;
  if (const Inventarpruefung i = DokumentInventarpruefung(doc); !i.punkte.empty() || !i.meldung.empty()) {
    Exporttabelle t;
    t.name = "Inventarprüfung";
    t.spalten = {{"Datum", 0},         {"Gp (Mio m3)", 3},      {"P/Z (bar)", 2}, {"gebucht (Mio m3)", 3},
                 {"Bilanz (Mio m3)", 3}, {"Verlust (Mio m3)", 3}, {"Richtung", 0}};
    // With an aquifer model, each survey's water beside it and which explanation was used.
    const bool aquifer = i.aquifer != Aquifermodell::Keiner;
    if (aquifer) t.spalten.push_back({"WE - Wp (Mio m3)", 3});
    for (const Inventarpunkt& q : i.punkte) {
      t.zeilen.push_back({DatumText(q.messung.datum), q.messung.gp, q.messung.pz, q.gebucht, q.bilanz, q.verlust,
                          std::string(RichtungText(q.richtung))});
      if (aquifer) t.zeilen.back().emplace_back(std::in_place_type<double>, q.weNetto);
    }
    if (aquifer && i.Gemacht()) t.zeilen.push_back({InventarErklaerung(i)});
    t.zeilen.push_back({i.Gemacht() ? i.satz : i.meldung});
    tabellen.push_back(std::move(t));
  }
  if (!doc.m_bInjektion || !doc.m_Speicher.Gesetzt()) return tabellen;
  const Speicherkennlinien k = DokumentKennlinien(doc);
  // The table of one curve, or of why it is missing.
  const auto tabelle = [&k, &doc](const char* name, const std::string& meldung, const std::vector<Kennlinienpunkt>& punkte) {
    Exporttabelle kl;
    kl.name = name;
    if (!meldung.empty()) {
      kl.spalten = {{"Meldung", 0}};
      kl.zeilen.push_back({meldung});
      return kl;
    }
    kl.spalten = {{"Füllstand (%)", 1}, {"Inventar (Mio m3)", 3}, {"Gp (Mio m3)", 3},   {"P/Z (bar)", 2},
                  {"pws (bar)", 2},     {"Q_aus (m3/h)", 1},      {"Q_ein (m3/h)", 1}, {"Hinweis", 0}};
    // Beside the volumes: the energies with a calorific value, the limit with a facility's limits.
    const double h = doc.m_Speicher.brennwert;
    const bool grenzen = k.grenzen.qEin > 0.0 || k.grenzen.qAus > 0.0;
    if (h > 0.0) kl.spalten.insert(kl.spalten.end(), {{"Inventar (GWh)", 1}, {"Q_aus (GWh/d)", 3}, {"Q_ein (GWh/d)", 3}});
    if (grenzen) kl.spalten.insert(kl.spalten.end(), {{"Q_aus begrenzt durch", 0}, {"Q_ein begrenzt durch", 0}});
    for (const Kennlinienpunkt& p : punkte) {
      std::vector<Exportwert> z = {100.0 * p.fuellgrad, p.inventar, p.gp, p.pz, p.pws, p.qAus, p.qEin,
                                   p.hinweis.empty() ? Exportwert() : Exportwert(p.hinweis)};
      if (h > 0.0) z.insert(z.end(), {MioM3InGwh(p.inventar, h), RateInGwhTag(p.qAus, h), RateInGwhTag(p.qEin, h)});
      if (grenzen) z.insert(z.end(), {Grenze(p.ausAnlage), Grenze(p.einAnlage)});
      kl.zeilen.push_back(std::move(z));
    }
    return kl;
  };
  if (!k.Gemacht() || !k.MitAquifer()) {
    tabellen.push_back(tabelle("Speicherkennlinien", k.meldung, k.punkte));
  } else {
    // With an aquifer one table per season.
    for (const Kennlinie& r : k.richtungen)
      tabellen.push_back(tabelle(r.richtung == Kennlinienrichtung::Einspeicherung ? "Kennlinien Einspeicherung"
                                                                                   : "Kennlinien Ausspeicherung",
                                 r.meldung, r.punkte));
  }

  const Speicherjahr s = DokumentSpeicherjahr(doc);
  Exporttabelle tage;
  tage.name = "Speicherjahr";
  Exporttabelle ziele;
  ziele.name = "Füllziele";
  if (!s.Gemacht()) {
    tage.spalten = {{"Meldung", 0}};
    tage.zeilen.push_back({s.meldung});
    tabellen.push_back(std::move(tage));
    return tabellen;
  }
  tage.spalten = {{"Datum", 0},     {"Füllstand (%)", 2}, {"Inventar (Mio m3)", 3},
                  {"pws (bar)", 2}, {"Q_inj (m3/h)", 1},  {"Q_möglich (m3/h)", 1}};
  const double h = s.eingaben.brennwert;
  if (h > 0.0) tage.spalten.insert(tage.spalten.end(), {{"Inventar (GWh)", 1}, {"Q_inj (GWh/d)", 3}, {"Q_möglich (GWh/d)", 3}});
  for (const Speichertag& d : s.tage) {
    std::vector<Exportwert> z = {DatumText(d.tag), 100.0 * d.fuellgrad, d.inventar, d.pws, d.q, d.qMoeglich};
    if (h > 0.0) z.insert(z.end(), {MioM3InGwh(d.inventar, h), RateInGwhTag(d.q, h), RateInGwhTag(d.qMoeglich, h)});
    tage.zeilen.push_back(std::move(z));
  }
  ziele.spalten = {{"Datum", 0},    {"Ziel (%)", 1},     {"Füllstand (%)", 2},         {"Erreicht", 0},
                   {"Erreicht am", 0}, {"Spätester Beginn", 0}, {"Quelle", 0}, {"Ausnahme für", 0}};
  for (const Zielergebnis& z : s.ziele)
    ziele.zeilen.push_back({DatumText(z.datum), 100.0 * z.ziel.fuellgrad, 100.0 * z.erreicht,
                            std::string(z.erfuellt ? "ja" : "nein"), Datum(z.erreichtAm), Datum(z.spaetesterBeginn),
                            z.quelle, z.anlage.empty() ? Exportwert() : Exportwert(z.anlage)});
  // The sentences without a met or missed: the stretches without a German target, the 1 August proof.
  for (const Zeitraum& o : s.ohneVorgaben) ziele.zeilen.push_back({OhneVorgabenSatz(o)});
  for (const Augustnachweis& n : s.nachweise) ziele.zeilen.push_back({NachweisSatz(n)});
  tabellen.push_back(std::move(tage));
  tabellen.push_back(std::move(ziele));
  return tabellen;
}

}  // namespace zelvor
