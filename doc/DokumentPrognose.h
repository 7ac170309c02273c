#pragma once
// The forecast of a document's well with its stored settings: the one place that turns the settings into
// the computation's inputs (the back-pressure model from the deliverability analysis of the same run),
// used by the forecast view, the export and the command line alike.
#include <optional>

#include "calc/Datum.h"
#include "calc/Prognose.h"
#include "calc/Laufdaten.h"
#include "calc/Lieferfaehigkeit.h"
#include "doc/Prognoseeinstellungen.h"

namespace zelvor {

class CZelvorDoc;

// An injection well takes the injection settings, its pressures of 0 as the initial reservoir pressure.
PrognoseEingaben PrognoseEingabenAus(const Laufdaten& lauf, const Prognoseeinstellungen& e);

// The document's forecast inputs: PrognoseEingabenAus with the settings e, and for a well whose run took an
// aquifer model, that model with the history it starts from (the forecast then runs on the calendar).
PrognoseEingaben DokumentPrognoseEingaben(const CZelvorDoc& doc, const Prognoseeinstellungen& e);

// The deliverability analysis of the document's last run, an injection well's at its p_max setting.
Lieferfaehigkeit DokumentLieferfaehigkeit(const CZelvorDoc& doc);

// The forecast of the document's last run with its settings m_Prognose.
Foerderprognose DokumentPrognose(const CZelvorDoc& doc);

// The forecast's calendar start: the date of the last evaluated rate line, where the forecast starts;
// nothing when that line has no date (the forecast then counts years only).
std::optional<Tag> PrognoseStart(const CZelvorDoc& doc);

// The well file does not keep "Variabler C-Wert", yet the variable model needs the run's line C(Gp): the
// command line, which has no input dialog to set it in, switches it on and evaluates again when the model
// asks for it.
void VariablenCFuerPrognoseEinschalten(CZelvorDoc& doc, Prognosemodell modell);

}  // namespace zelvor
