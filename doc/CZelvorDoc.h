#pragma once
// The well document: every input of one gas well and everything the evaluation derives from it.
// Framework services (title, path name, modified flag, views) belong to the GUI, which wraps this class.
// Texts are held as UTF-8; the files store them as Windows-1252.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "calc/Aquiferdaten.h"
#include "calc/Laufdaten.h"
#include "doc/Prognoseeinstellungen.h"
#include "doc/Rueckgangseinstellungen.h"
#include "doc/Schliessdruckmessung.h"
#include "doc/Speichereinstellungen.h"

namespace zelvor {

using BOOL = std::int32_t;
using CStringArray = std::vector<std::string>;

inline constexpr int KOMPONENTEN_ANZAHL = 15;
inline constexpr int MAX_KURVENWERTE = 300;

using Zusammensetzung = std::array<float, KOMPONENTEN_ANZAHL>;
using Kurve = std::array<float, MAX_KURVENWERTE>;

class CZelvorDoc {
 public:
  // Inputs (written by the defaults, by loading and by the data entry round trip).
  Zusammensetzung m_Komponenten{};  // mole %: H2S, CO2, N2, CH4, C2H6 ... C10H22
  float m_Temperatur = 0.0f;        // reservoir temperature, °C
  float m_OGIP = 0.0f;              // original gas in place, Mio m3
  float m_Initialdruck = 0.0f;      // bar
  float m_Wasserinvasion = 0.0f;    // water influx WE, Mio m3
  float m_Teufe = 0.0f;             // reservoir depth, m
  float m_Bohrlochlaenge = 0.0f;    // well length, m
  float m_Durchmesser = 0.0f;       // tubing inner diameter, cm
  float m_Kopftemperatur = 0.0f;    // wellhead temperature, °C
  float m_WGV = 0.0f;               // water-gas ratio, l/1000 m3 (not saved)
  double m_A1 = 0.0;
  double m_B1 = 0.0;
  std::int32_t m_Bohrungsanzahl = 0;
  BOOL m_bVariablerC = 0;
  BOOL m_bRechnen = 0;
  std::string m_Gasbohrung;

  // Products of the evaluation run.
  std::string m_TextYAchse;
  std::string m_TextY2Achse;  // never assigned
  std::string m_TextXAchse;
  std::string m_TextKurve1;
  std::string m_TextKurve2;
  std::int32_t m_MaxWerte = 0;
  Kurve m_Kurve1X{};
  Kurve m_Kurve1Y{};
  Kurve m_Kurve2X{};
  Kurve m_Kurve2Y{};

  BOOL m_bGrafikRaten = 0;
  BOOL m_bInjektion = 0;
  CStringArray m_Ratenzeilen;
  // The forecast's settings: an input kept in the well file (reset by the defaults, replaced on load).
  Prognoseeinstellungen m_Prognose;
  // The date of each rate line (by position, optional) and the shut-in pressure surveys: inputs kept in
  // the well file's dates block.
  Zeilendaten m_RatenDatum;
  std::vector<Schliessdruckmessung> m_Messungen;
  // A storage well's fill-level settings (working gas, cushion gas, seasons, fill targets), kept in
  // the well file's storage block.
  Speichereinstellungen m_Speicher;
  // The aquifer behind the reservoir (model keiner: the entered constant influx), kept in the well
  // file's aquifer block.
  Aquiferdaten m_Aquifer;
  // The decline analysis's settings, kept in the well file's decline block when one is set.
  Rueckgangseinstellungen m_Rueckgang;
  // The blocks of the well file this program could not read (a newer version's, a damaged one), as the
  // file held them: written back unchanged after the blocks of its own, so that no save loses them.
  std::vector<unsigned char> m_FremdeBloecke;
  CStringArray m_Ergebnis;
  // Counts every new m_Ergebnis (an evaluation, a read, a clearing), so a view can tell a new table from
  // a redraw after some other change.
  std::uint64_t m_ErgebnisStand = 0;
  // The last evaluation run at full precision, for the analyses built on it (not saved; cleared with
  // the results).
  Laufdaten m_Lauf;
  // m_Ergebnis was read from the results file: the table no longer shows the evaluation the analyses
  // are built on (m_Lauf). Until the next evaluation or clearing.
  bool m_bTabelleEingelesen = false;

  // Sets every input field to its default; results, captions and series stay.
  void StandardwerteSetzen();
  // Empties the four graph series.
  void GrafikLoeschen();
  // The evaluation run: rebuilds m_Ergebnis, the series and (after a complete run) the captions.
  // Returns false when the run ended early with an "ABBRUCH"/"ERROR" line.
  bool Auswertung();
  // What a new document does besides the framework's part: the defaults.
  void NeuesDokument() { StandardwerteSetzen(); }
  // The resets after a file was read: the settings not kept in the file, and the recompute flag.
  void NachDemLaden();
  // "Ergebnisse einlesen": the lines read become the table; series, captions and the run stay.
  void ErgebnisseEingelesen(CStringArray zeilen);
  // A well is replaced (new or opened): the previous well's results must not linger under it: the table,
  // the series and their captions go.
  void ErgebnisseLoeschen();
};

}  // namespace zelvor
