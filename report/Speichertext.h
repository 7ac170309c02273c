#pragma once
// A storage well's capacity curves and storage year as text lines, printf-style with a decimal point:
// the views, their printouts, the clipboard and "zelvor-cli kennlinien/speicherjahr" use these.
#include <string>
#include <vector>

#include "calc/Inventarpruefung.h"
#include "calc/Speicherjahr.h"
#include "calc/Speicherkennlinien.h"
#include "report/Diagramm.h"

namespace zelvor {

// Energies from volumes with a calorific value in kWh/m3: Mio m3 to GWh, m3/h to GWh/d; a quantity in
// GWh as "12.3 GWh" or, from 1000 GWh, "1.23 TWh".
double MioM3InGwh(double mioM3, double brennwert);
double RateInGwhTag(double m3h, double brennwert);
std::string EnergieMenge(double gwh);
std::string EnergieText(const Speichervolumen& v, double brennwert);
// The facility's limits in one line.
std::string AnlagengrenzenText(const Anlagengrenzen& g);
// The sentence before the legal targets: which facility's exceptions apply, or that the general level
// does and why.
std::string GesetzlicheZieleKopf(const std::string& anlage);

// The settings, the table by fill level (inventory also in GWh when brennwert > 0, kWh/m3), and a note
// for every fill level whose rate is 0; with an aquifer a table per season, or why it is missing.
std::vector<std::string> KennlinienText(const Speicherkennlinien& k, double brennwert = 0);
// "Einspeicherung", "Ausspeicherung".
const char* KennlinienrichtungText(Kennlinienrichtung r);

// One sentence per fill target with its source: the level on its day, met or missed, and for an
// injection target the day it was reached and the latest start at full capacity; for legal targets the
// facility they apply to, a sentence for each stretch without a German rule in force and the 1 August
// proof of § 35b (2) EnWG.
std::vector<std::string> FuellzielText(const Speicherjahr& s);
// Its sentences for a stretch without a German rule in force and for a 1 August proof (no indent).
std::string OhneVorgabenSatz(const Zeitraum& o);
std::string NachweisSatz(const Augustnachweis& n);

// The settings, the table (weekly rows and the targets' days, or every day), the targets.
std::vector<std::string> SpeicherjahrText(const Speicherjahr& s, bool taeglich = false);
// Its parts, for pages that repeat the settings and column heads above each share of the rows: the
// settings lines (with the reason when there is no storage year), the two column heads, the rows.
std::vector<std::string> SpeicherjahrKopf(const Speicherjahr& s);
std::vector<std::string> SpeicherjahrSpaltenkopf(const Speicherjahr& s);
std::vector<std::string> SpeicherjahrZeilen(const Speicherjahr& s, bool taeglich = false);

// Both capacity curves over the fill level (0 to 100 %): the withdrawal rate at p_min and the injection
// rate at p_max. No series for a well without curves (or with an aquifer: see the next).
Diagramm KennlinienDiagramm(const Speicherkennlinien& k);
// The same of one direction's curve, the season named in the title where the well has an aquifer.
Diagramm KennlinienDiagramm(const Speicherkennlinien& k, Kennlinienrichtung r);
// What the view shows: the one diagram, or with an aquifer each season's and the pressures of both.
std::vector<Diagramm> KennlinienDiagramme(const Speicherkennlinien& k);
// With an aquifer: the static pressure over the fill level in each season (the hysteresis). No series
// without one.
Diagramm KennliniendruckDiagramm(const Speicherkennlinien& k);

// The storage year over the calendar (months): the fill level in % of the working gas, with the fill targets as
// markers at their day and level, met and missed apart.
Diagramm SpeicherjahrDiagramm(const Speicherjahr& s);
// Its rate over the same days, injection positive and withdrawal negative, with what the well could take
// or deliver in each season (a gap while nothing flows).
Diagramm SpeicherjahrRatenDiagramm(const Speicherjahr& s);

// The inventory check: each survey's booked and balanced inventory and apparent loss, marked after
// injection or withdrawal, the loss rate with its interval and the verdict.
std::vector<std::string> InventarText(const Inventarpruefung& p);
// Which water explains the seasonal swing, for a check with an aquifer model: "Erklärung: Aquifermodell
// fetkovich (...)"; empty for a well without one (its text names the offsets by direction as ever).
std::string InventarErklaerung(const Inventarpruefung& p);
const char* RichtungText(Speicherrichtung r);
// The apparent loss over the survey dates (calendar months): the surveys after injection and after
// withdrawal as points apart, and the trend.
Diagramm InventarDiagramm(const Inventarpruefung& p);

}  // namespace zelvor
