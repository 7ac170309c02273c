#include "doc/CZelvorDoc.h"

namespace zelvor {

void CZelvorDoc::StandardwerteSetzen() {
  m_Komponenten.fill(0.0f);
  m_Komponenten[3] = 100.0f;  // CH4
  m_Temperatur = 0.0f;
  m_Kopftemperatur = 0.0f;
  m_OGIP = 0.0f;
  m_Wasserinvasion = 0.0f;
  m_Initialdruck = 1.0f;
  m_B1 = 1.0;
  m_A1 = 0.0;
  m_WGV = 0.0f;
  m_Teufe = 0.0f;
  m_Bohrlochlaenge = 0.0f;
  m_Durchmesser = 0.0f;
  m_Bohrungsanzahl = 1;
  m_Gasbohrung = "Bohrung 1";
  m_Ratenzeilen.clear();
  m_RatenDatum.clear();
  m_Messungen.clear();
  m_Speicher = Speichereinstellungen{};
  m_Aquifer = Aquiferdaten{};
  m_Rueckgang = Rueckgangseinstellungen{};
  m_FremdeBloecke.clear();
  m_bVariablerC = 0;
  m_bGrafikRaten = 0;
  m_bInjektion = 0;
  m_Prognose = Prognoseeinstellungen{};
  m_bRechnen = 1;
}

void CZelvorDoc::GrafikLoeschen() {
  m_Kurve1X.fill(0.0f);
  m_Kurve2X.fill(0.0f);
  m_Kurve1Y.fill(0.0f);
  m_Kurve2Y.fill(0.0f);
  m_MaxWerte = 0;
}

void CZelvorDoc::NachDemLaden() {
  m_bVariablerC = 0;
  m_bGrafikRaten = 0;
  m_bRechnen = 1;
  m_WGV = 0.0f;
}

void CZelvorDoc::ErgebnisseEingelesen(CStringArray zeilen) {
  m_Ergebnis = std::move(zeilen);
  ++m_ErgebnisStand;
  m_bTabelleEingelesen = true;
}

void CZelvorDoc::ErgebnisseLoeschen() {
  m_Ergebnis.clear();
  ++m_ErgebnisStand;
  m_bTabelleEingelesen = false;
  m_Lauf = Laufdaten{};
  GrafikLoeschen();
  // The captions name the previous well's curves; the next complete evaluation sets them again.
  m_TextYAchse.clear();
  m_TextY2Achse.clear();
  m_TextXAchse.clear();
  m_TextKurve1.clear();
  m_TextKurve2.clear();
}

}  // namespace zelvor
