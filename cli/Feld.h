#pragma once
// zelvor-cli feld: the field overview of many wells (files, folders of *.zlv, field files *.zlf): the
// wells' table, the field's summary and its rate over time as text, one JSON object, or a file (the
// tables as CSV or workbook here; the diagram as PNG, SVG or PDF in zelvor-cli-zeichnen).
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "feld/Feld.h"

namespace zelvor::cli {

struct Feldargumente {
  std::vector<std::string> angaben;    // well files, folders, field files
  unsigned jobs = 0;                   // --jobs; 0: one per core
  bool json = false;
  bool abgleich = false;               // --abgleich: the gas-in-place match G* too
  double euAbweichung = 0;             // --eu-abweichung: the EU indicator's permitted deviation, points
  std::optional<std::string> ausgabe;  // -o
};

// argv[1] is "feld". The German message of a wrong call, or nothing.
std::optional<std::string> FeldargumenteLesen(int argc, const char* const* argv, Feldargumente& a);

// Whether the call draws (-o with .png, .svg or .pdf) and so belongs to zelvor-cli-zeichnen.
bool IstFeldbild(int argc, const char* const* argv);

// Collects the wells (messages of unreadable folders and field files on err) and computes them. Nothing
// when no well is left, after the message.
std::optional<Feldergebnis> FeldAusArgumenten(const Feldargumente& a, std::ostream& err, bool& meldungen);

// Exit 0; 1 when a well could not be read or evaluated (its row says why) or a folder or field file
// could not be read; 2 for a wrong call or an output that cannot be written.
int Feld(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace zelvor::cli
