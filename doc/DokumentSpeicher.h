#pragma once
// A storage well's fill-level computations from the document: its last run, its forecast settings (p_min,
// p_max, the C model, the planned injection rate) and its storage settings, used by the views, the
// export and the command line alike.
#include "calc/Inventarpruefung.h"
#include "calc/Speicherjahr.h"
#include "calc/Speicherkennlinien.h"

namespace zelvor {

class CZelvorDoc;

// Why the well has no storage computations at all (a production well, no working gas set), or empty.
std::string SpeicherHinweis(const CZelvorDoc& doc);

// The capacity curves in steps of `schritt` (0.1: 10 %).
Speicherkennlinien DokumentKennlinien(const CZelvorDoc& doc, double schritt = 0.1);

// The storage year from the settings' start day, or from the last rate line's date and Gp.
Speicherjahr DokumentSpeicherjahr(const CZelvorDoc& doc);

// A storage well's inventory checked by its dated shut-in surveys; nothing for a production well or a
// storage well without surveys (Gemacht() false with an empty punkte and meldung).
Inventarpruefung DokumentInventarpruefung(const CZelvorDoc& doc);

}  // namespace zelvor
