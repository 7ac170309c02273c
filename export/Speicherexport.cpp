// The storage tables of the export: the capacity by fill level, the storage year's days and its targets.
#include "doc/DokumentSpeicher.h"
#include "export/Exporttabellen.h"
#include "report/Speichertext.h"

namespace zelvor {
namespace {

Exportwert Datum(const std::optional<Tag>& t) { return t ? Exportwert(DatumText(*t)) : Exportwert(); }

}  // namespace

std::vector<Exporttabelle> SpeicherTabellen(const CZelvorDoc& doc) {
  std::vector<Exporttabelle> tabellen;
  if (const Inventarpruefung i = DokumentInventarpruefung(doc); !i.punkte.empty() || !i.meldung.empty()) {
    Exporttabelle t;
    t.name = "Inventarprüfung";
    t.spalten = {{"Datum", 0},         {"Gp (Mio m3)", 3},      {"P/Z (bar)", 2}, {"gebucht (Mio m3)", 3},
                 {"Bilanz (Mio m3)", 3}, {"Verlust (Mio m3)", 3}, {"Richtung", 0}};
    for (const Inventarpunkt& q : i.punkte)
      t.zeilen.push_back({DatumText(q.messung.datum), q.messung.gp, q.messung.pz, q.gebucht, q.bilanz, q.verlust,
                          std::string(RichtungText(q.richtung))});
    t.zeilen.push_back({i.Gemacht() ? i.satz : i.meldung});
    tabellen.push_back(std::move(t));
  }
  if (!doc.m_bInjektion || !doc.m_Speicher.Gesetzt()) return tabellen;
  const Speicherkennlinien k = DokumentKennlinien(doc);
  Exporttabelle kl;
  kl.name = "Speicherkennlinien";
  if (!k.Gemacht()) {
    kl.spalten = {{"Meldung", 0}};
    kl.zeilen.push_back({k.meldung});
  } else {
    kl.spalten = {{"Füllstand (%)", 1}, {"Inventar (Mio m3)", 3}, {"Gp (Mio m3)", 3},   {"P/Z (bar)", 2},
                  {"pws (bar)", 2},     {"Q_aus (m3/h)", 1},      {"Q_ein (m3/h)", 1}, {"Hinweis", 0}};
    for (const Kennlinienpunkt& p : k.punkte)
      kl.zeilen.push_back({100.0 * p.fuellgrad, p.inventar, p.gp, p.pz, p.pws, p.qAus, p.qEin,
                           p.hinweis.empty() ? Exportwert() : Exportwert(p.hinweis)});
  }
  tabellen.push_back(std::move(kl));

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
  for (const Speichertag& d : s.tage)
    tage.zeilen.push_back({DatumText(d.tag), 100.0 * d.fuellgrad, d.inventar, d.pws, d.q, d.qMoeglich});
  ziele.spalten = {{"Datum", 0},    {"Ziel (%)", 1},     {"Füllstand (%)", 2},         {"Erreicht", 0},
                   {"Erreicht am", 0}, {"Spätester Beginn", 0}};
  for (const Zielergebnis& z : s.ziele)
    ziele.zeilen.push_back({DatumText(z.datum), 100.0 * z.ziel.fuellgrad, 100.0 * z.erreicht,
                            std::string(z.erfuellt ? "ja" : "nein"), Datum(z.erreichtAm), Datum(z.spaetesterBeginn)});
  tabellen.push_back(std::move(tage));
  tabellen.push_back(std::move(ziele));
  return tabellen;
}

}  // namespace zelvor
