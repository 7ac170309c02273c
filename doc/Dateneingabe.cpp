#include "doc/Dateneingabe.h"

namespace zelvor {
namespace {

bool Unterschiedlich(const CZelvorDoc& d, const Eingabewerte& w) {
  // Exact comparisons: any change, however small, is a change. The water-gas ratio is not compared, and
  // the rate lines only through the dialog's flag.
  if (w.m_Gasbohrung != d.m_Gasbohrung) return true;
  if (w.m_OGIP != d.m_OGIP || w.m_Initialdruck != d.m_Initialdruck || w.m_Temperatur != d.m_Temperatur ||
      w.m_Wasserinvasion != d.m_Wasserinvasion || w.m_A1 != d.m_A1 || w.m_B1 != d.m_B1 ||
      w.m_Durchmesser != d.m_Durchmesser || w.m_Teufe != d.m_Teufe || w.m_Kopftemperatur != d.m_Kopftemperatur ||
      w.m_Bohrlochlaenge != d.m_Bohrlochlaenge)
    return true;
  if (w.m_Bohrungsanzahl != d.m_Bohrungsanzahl || w.m_bVariablerC != d.m_bVariablerC ||
      w.m_bGrafikRaten != d.m_bGrafikRaten || w.m_bInjektion != d.m_bInjektion)
    return true;
  for (int i = 0; i < KOMPONENTEN_ANZAHL; ++i)
    if (w.m_Komponenten[i] != d.m_Komponenten[i]) return true;
  return w.m_bGeaendert == 1;
}

}  // namespace

Eingabewerte EingabewerteAusDokument(const CZelvorDoc& doc) {
  Eingabewerte w;
  w.m_Ratenzeilen = doc.m_Ratenzeilen;
  w.m_RatenDatum = doc.m_RatenDatum;
  w.m_Gasbohrung = doc.m_Gasbohrung;
  w.m_OGIP = doc.m_OGIP;
  w.m_Initialdruck = doc.m_Initialdruck;
  w.m_Temperatur = doc.m_Temperatur;
  w.m_Kopftemperatur = doc.m_Kopftemperatur;
  w.m_Wasserinvasion = doc.m_Wasserinvasion;
  w.m_A1 = doc.m_A1;
  w.m_B1 = doc.m_B1;
  w.m_Durchmesser = doc.m_Durchmesser;
  w.m_Teufe = doc.m_Teufe;
  w.m_Bohrlochlaenge = doc.m_Bohrlochlaenge;
  w.m_Bohrungsanzahl = doc.m_Bohrungsanzahl;
  w.m_bVariablerC = doc.m_bVariablerC;
  w.m_bGrafikRaten = doc.m_bGrafikRaten;
  w.m_bInjektion = doc.m_bInjektion;
  w.m_WGV = doc.m_WGV;
  w.m_Komponenten = doc.m_Komponenten;
  w.m_bGeaendert = 0;
  return w;
}

bool EingabewerteUebernehmen(CZelvorDoc& doc, const Eingabewerte& w) {
  if (Unterschiedlich(doc, w)) doc.m_bRechnen = 1;
  const bool geaendert = doc.m_bRechnen == 1;
  doc.m_Gasbohrung = w.m_Gasbohrung;
  doc.m_OGIP = w.m_OGIP;
  doc.m_Initialdruck = w.m_Initialdruck;
  doc.m_Temperatur = w.m_Temperatur;
  doc.m_Kopftemperatur = w.m_Kopftemperatur;
  doc.m_Wasserinvasion = w.m_Wasserinvasion;
  doc.m_A1 = w.m_A1;
  doc.m_B1 = w.m_B1;
  doc.m_Durchmesser = w.m_Durchmesser;
  doc.m_Teufe = w.m_Teufe;
  doc.m_Bohrlochlaenge = w.m_Bohrlochlaenge;
  doc.m_Bohrungsanzahl = w.m_Bohrungsanzahl;
  doc.m_bVariablerC = w.m_bVariablerC;
  doc.m_bGrafikRaten = w.m_bGrafikRaten;
  doc.m_bInjektion = w.m_bInjektion;
  doc.m_WGV = w.m_WGV;
  doc.m_Komponenten = w.m_Komponenten;
  // A dialog whose list was emptied leaves the well its lines.
  if (!w.m_Ratenzeilen.empty()) {
    doc.m_Ratenzeilen = w.m_Ratenzeilen;
    doc.m_RatenDatum = w.m_RatenDatum;
  }
  if (doc.m_bRechnen == 1) doc.Auswertung();
  return geaendert;
}

}  // namespace zelvor
