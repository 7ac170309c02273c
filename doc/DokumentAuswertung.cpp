// The document's evaluation run: hands its fields to the computation and takes the products back.
#include "calc/Auswertung.h"
#include "doc/CZelvorDoc.h"

namespace zelvor {

bool CZelvorDoc::Auswertung() {
  AuswertungsEingaben e;
  e.komponenten = m_Komponenten;
  e.temperatur = m_Temperatur;
  e.kopftemperatur = m_Kopftemperatur;
  e.ogip = m_OGIP;
  e.initialdruck = m_Initialdruck;
  e.wasserinvasion = m_Wasserinvasion;
  e.a1 = m_A1;
  e.b1 = m_B1;
  e.bohrungsanzahl = m_Bohrungsanzahl;
  e.variablerC = m_bVariablerC != 0;
  e.grafikRaten = m_bGrafikRaten != 0;
  e.injektion = m_bInjektion != 0;
  e.gasbohrung = m_Gasbohrung;
  e.ratenzeilen = &m_Ratenzeilen;
  if (m_Aquifer.Gesetzt()) {
    e.aquifer = &m_Aquifer;
    e.zeilendaten = &m_RatenDatum;
    // The dated surveys are further points of the history; an undated one has no place in time.
    for (const Schliessdruckmessung& m : m_Messungen)
      if (m.datum || m_Aquifer.modell == Aquifermodell::Topf) e.messungen.push_back({m.datum, m.gp});
  }

  AuswertungsErgebnis r;
  Auswerten(e, r);
  m_Ergebnis = std::move(r.zeilen);
  ++m_ErgebnisStand;
  m_MaxWerte = r.maxWerte;
  m_Kurve1X = r.kurve1X;
  m_Kurve1Y = r.kurve1Y;
  m_Kurve2X = r.kurve2X;
  m_Kurve2Y = r.kurve2Y;
  m_Lauf = std::move(r.lauf);
  m_bTabelleEingelesen = false;
  if (r.beschriftet) {
    m_TextYAchse = r.textYAchse;
    m_TextXAchse = r.textXAchse;
    m_TextKurve1 = r.textKurve1;
    m_TextKurve2 = r.textKurve2;
  }
  return !r.abgebrochen;
}

}  // namespace zelvor
