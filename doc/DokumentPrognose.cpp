#include "doc/DokumentPrognose.h"

#include <memory>

#include "calc/Aquiferprognose.h"
#include "calc/Datumspruefung.h"
#include "calc/Lieferfaehigkeit.h"
#include "doc/CZelvorDoc.h"
#include "doc/DokumentAbgleich.h"
#include "doc/DokumentAquifer.h"

namespace zelvor {

PrognoseEingaben PrognoseEingabenAus(const Laufdaten& lauf, const Prognoseeinstellungen& e) {
  PrognoseEingaben pe;
  pe.pMin = e.pMin;
  pe.qPlan = e.qPlan;
  pe.qEnde = e.qEnde;
  pe.modell = e.modell;
  pe.schritte = e.schritte;
  if (lauf.injektion) {
    pe.qPlan = e.qInjektion;
    pe.qEnde = e.qMindest;
    pe.pMax = DruckOderInitial(e.pMax, lauf.initialdruck);
    pe.pResMax = DruckOderInitial(e.pResMax, lauf.initialdruck);
  }
  if (e.modell != Prognosemodell::Gegendruck) return pe;
  const Lieferfaehigkeit l = LieferfaehigkeitBerechnen(lauf, pe.pMax);
  if (l.gegendruck.gueltig) {
    pe.gegendruck = Gegendruckwerte{l.gegendruck.cn, l.gegendruck.n};
  } else if (!l.gegendruck.meldung.empty()) {
    pe.gegendruckMeldung = l.gegendruck.meldung;
  } else if (!l.meldungen.empty()) {
    pe.gegendruckMeldung = l.meldungen.front();
  }
  return pe;
}

PrognoseEingaben DokumentPrognoseEingaben(const CZelvorDoc& doc, const Prognoseeinstellungen& e) {
  PrognoseEingaben pe = PrognoseEingabenAus(doc.m_Lauf, e);
  if (doc.m_Lauf.aquifer && doc.m_Aquifer.Gesetzt()) {
    auto a = std::make_shared<Prognoseaquifer>();
    a->daten = doc.m_Aquifer;
    a->ereignisse = AquiferdatenlageAus(doc, DokumentMessbilanz(doc)).Alle();
    a->start = PrognoseStart(doc);
    pe.aquifer = std::move(a);
  }
  return pe;
}

Lieferfaehigkeit DokumentLieferfaehigkeit(const CZelvorDoc& doc) {
  Lieferfaehigkeit l = LieferfaehigkeitBerechnen(doc.m_Lauf, DruckOderInitial(doc.m_Prognose.pMax, doc.m_Lauf.initialdruck));
  // The dated lines' warnings join the analysis's notes (not the result table).
  std::vector<DatierterPunkt> punkte;
  for (std::size_t i = 0; i < doc.m_Lauf.punkte.size(); ++i) {
    const AusgewerteterPunkt& p = doc.m_Lauf.punkte[i];
    punkte.push_back({static_cast<int>(i + 1), ZeilenDatum(doc.m_RatenDatum, i), p.gp, p.q});
  }
  for (std::string& w : DatumsWarnungen(punkte, doc.m_Lauf.injektion)) l.meldungen.push_back(std::move(w));
  return l;
}

Foerderprognose DokumentPrognose(const CZelvorDoc& doc) {
  return PrognoseBerechnen(doc.m_Lauf, DokumentPrognoseEingaben(doc, doc.m_Prognose));
}

void VariablenCFuerPrognoseEinschalten(CZelvorDoc& doc, Prognosemodell modell) {
  if (modell != Prognosemodell::Variabel || doc.m_bVariablerC) return;
  doc.m_bVariablerC = 1;
  doc.Auswertung();
}

std::optional<Tag> PrognoseStart(const CZelvorDoc& doc) {
  if (doc.m_Lauf.punkte.empty()) return std::nullopt;
  return ZeilenDatum(doc.m_RatenDatum, doc.m_Lauf.punkte.size() - 1);
}

}  // namespace zelvor
