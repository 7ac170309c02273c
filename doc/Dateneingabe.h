#pragma once
// The data entry round trip: what the input dialog gets from the well, and what the well takes back when
// the dialog ends with OK. The dialog is only one way to produce these values.
#include <cstdint>
#include <string>

#include "doc/CZelvorDoc.h"

namespace zelvor {

// The input dialog's members that mirror the well's inputs, plus the flag for edited rate lines.
struct Eingabewerte {
  CStringArray m_Ratenzeilen;
  Zeilendaten m_RatenDatum;  // the lines' dates, by position
  std::string m_Gasbohrung;
  float m_OGIP = 0, m_Initialdruck = 0, m_Temperatur = 0, m_Kopftemperatur = 0, m_Wasserinvasion = 0;
  double m_A1 = 0, m_B1 = 0;
  float m_Durchmesser = 0, m_Teufe = 0, m_Bohrlochlaenge = 0;
  std::int32_t m_Bohrungsanzahl = 0;
  BOOL m_bVariablerC = 0, m_bGrafikRaten = 0, m_bInjektion = 0;
  float m_WGV = 0;
  Zusammensetzung m_Komponenten{};
  BOOL m_bGeaendert = 0;  // rate lines edited or imported in this run of the dialog
};

// The values the dialog starts with.
Eingabewerte EingabewerteAusDokument(const CZelvorDoc& doc);

// After OK: notes whether anything differs (the recompute flag), copies the values back (the rate lines
// only when the dialog holds some) and runs the evaluation when it is due. Returns true when the well
// is to be marked modified.
bool EingabewerteUebernehmen(CZelvorDoc& doc, const Eingabewerte& w);

}  // namespace zelvor
