#pragma once
// The aquifer fitted to the shut-in surveys: the gas in place G together with the aquifer's size (r_e/r_o,
// a linear aquifer's length, the pot's water volume) and its speed (permeability), the other settings as
// entered. Least squares on the surveys' P/Z, each value's 95 % interval from the linearised covariance in
// the logarithms of the parameters (Student's t of m - p degrees of freedom), and the closed tank (G alone)
// fitted the same way for comparison by an F-test. The diagnostic plots' points: Cole's F/Eg over Gp
// (flat for a closed tank) and Havlena-Odeh's F/Eg over We/Eg (slope 1, intercept G when the model is right).
#include <optional>
#include <string>
#include <vector>

#include "calc/Aquiferverlauf.h"
#include "calc/Laufdaten.h"

namespace zelvor {

// The gas's part of the balance from a run.
Gasbilanz GasbilanzAus(const Laufdaten& lauf);

// What the history runs along: the dated rate lines and the surveys, these with their measured P/Z.
struct Aquiferdatenlage {
  std::vector<Aquiferereignis> zeilen;
  std::vector<Aquiferereignis> messungen;
  std::vector<double> pzGemessen;  // per survey, bar
  std::vector<Aquiferereignis> Alle() const;  // lines, then surveys
};

struct Aquiferwert {
  double wert = 0, unten = 0, oben = 0;
};

struct AquiferDiagnosepunkt {
  std::optional<Tag> tag;
  double gp = 0;
  double pzGemessen = 0, pzModell = 0;  // bar
  double we = 0;                        // the model's influx at the survey, Mio m3
  bool imDiagramm = false;              // far enough from Gp = 0 for F/Eg to mean something
  double fEg = 0, weEg = 0;             // Mio m3
};

struct Aquiferanpassung {
  std::string meldung;  // why no fit was made (one German sentence); empty when it was
  Aquifermodell modell = Aquifermodell::Keiner;
  Aquiferdaten daten;   // the settings with the fitted values
  Aquiferwert g;        // Mio m3
  bool mitGroesse = false, mitPermeabilitaet = false;
  const char* groesseName = "";  // the setting the size is: AquiferRadienverhaeltnis, AquiferLaenge, AquiferVolumen
  Aquiferwert groesse, permeabilitaet;
  int parameter = 0, messungen = 0, freiheitsgrade = 0;
  double t = 0;         // Student's t of the degrees of freedom
  double s = 0, rms = 0;  // sum of squared P/Z residuals (bar²) and sqrt(S/(m - p))
  // The closed tank: G alone, no influx.
  double gTank = 0, sTank = 0, rmsTank = 0;
  double f = 0, fKritisch = 0;  // F-test of the model against the closed tank
  bool gestuetzt = false;       // F > F(0.95)
  std::string vergleich;        // the sentence that compares them
  std::string hinweis;          // what was held at its entered value, when the surveys could not tell it
  Tag beginn = 0;
  bool beginnGeschaetzt = false;
  std::vector<AquiferDiagnosepunkt> punkte;  // per survey
  std::vector<Aquiferzustand> verlauf;       // the fitted model's history, every step
  std::vector<AquiferDiagnosepunkt> kurve;   // the same steps as the plots' curves (pzGemessen: the model's)
  bool Gemacht() const { return meldung.empty(); }
};

// The most points (dated lines and surveys) a fit runs its history over: each trial value runs it
// anew, so a file with thousands of surveys is refused rather than left to compute for minutes.
inline constexpr std::size_t AQUIFER_ANPASSUNG_HOECHSTPUNKTE = 1000;

// gStart: the first guess of G (the surveys' straight line or the entered OGIP).
Aquiferanpassung AquiferAnpassen(const Gasbilanz& gas, const Aquiferdaten& a, const Aquiferdatenlage& lage,
                                 double gStart);

// F/Eg and We/Eg of one P/Z with its influx and produced water, for the diagnostic plots; false where
// P/Z lies too close to the initial one for them to mean anything.
bool Diagnosewerte(const Gasbilanz& gas, double ce, double gp, double pz, double p, double we, double wp,
                   double& fEg, double& weEg);

// The diagnostic points of a history against the measured P/Z (also for the current settings).
std::vector<AquiferDiagnosepunkt> AquiferDiagnose(const Gasbilanz& gas, double g, const Aquiferdaten& a,
                                                  const Aquiferdatenlage& lage, const Aquiferverlauf& v);

}  // namespace zelvor
