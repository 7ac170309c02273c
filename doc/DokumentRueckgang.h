#pragma once
// The decline analysis of a document's well with its stored settings: the one place that turns the rate
// lines, their dates and the settings into the fit's inputs, for the view, the export, the field and the
// command line alike. It needs no evaluation run: the rates and Gp are the rate lines' own.
#include <vector>

#include "calc/Rueckgang.h"
#include "doc/Rueckgangseinstellungen.h"

namespace zelvor {

class CZelvorDoc;

// Every rate line with a date and a readable rate, numbered from 1.
std::vector<Rueckgangspunkt> Rueckgangspunkte(const CZelvorDoc& doc);

// The fit's inputs: a limit of 0 is the forecast's abandonment rate.
RueckgangEingaben RueckgangEingabenAus(const CZelvorDoc& doc, const Rueckgangseinstellungen& e);

// With the document's settings, or with others (the command line's options over them).
Rueckgang DokumentRueckgang(const CZelvorDoc& doc);
Rueckgang DokumentRueckgang(const CZelvorDoc& doc, const Rueckgangseinstellungen& e);

}  // namespace zelvor
