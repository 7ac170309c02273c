#include "doc/DokumentPrognose.h"

#include "calc/Lieferfaehigkeit.h"
#include "doc/CZelvorDoc.h"

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

Lieferfaehigkeit DokumentLieferfaehigkeit(const CZelvorDoc& doc) {
  return LieferfaehigkeitBerechnen(doc.m_Lauf, DruckOderInitial(doc.m_Prognose.pMax, doc.m_Lauf.initialdruck));
}

Foerderprognose DokumentPrognose(const CZelvorDoc& doc) {
  return PrognoseBerechnen(doc.m_Lauf, PrognoseEingabenAus(doc.m_Lauf, doc.m_Prognose));
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
