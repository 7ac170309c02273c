#pragma once
// The results file "aus.txt": the title line and the result table as Windows-1252 text with CR LF line ends,
// and reading it back into a table with the limits of the original line reader.
#include <cstddef>
#include <string>

#include "doc/CZelvorDoc.h"

namespace zelvor {

inline constexpr const char* ERGEBNISDATEI_NAME = "aus.txt";
inline constexpr const char* ERGEBNISSE_GESCHRIEBEN = "Die Ergebnisse sind in die Datei aus.txt geschrieben!";

// Longest piece one read takes from a line, and the most entries read.
inline constexpr std::size_t ERGEBNIS_LESELAENGE = 99;
inline constexpr int ERGEBNIS_MAX_ZEILEN = 1000;

// verzeichnis + "/aus.txt"; just "aus.txt" for "".
std::string ErgebnisDateiPfad(const std::string& verzeichnis);

// The title, then every entry, each followed by CR LF, written verbatim; characters Windows-1252 cannot
// represent become '?'. An empty table gives an empty file (no title either).
// "" on success, else a message; the previous file survives a failed write.
std::string ErgebnisseSchreiben(const std::string& pfad, const std::string& titel, const CStringArray& ergebnis);

struct ErgebnisseGelesen {
  CStringArray zeilen;
  bool geoeffnet = false;
};

// Reads like a text-mode line reader with a 100-byte buffer: CR LF counts as one character, each read takes
// at most 99 characters, at most 1000 entries, the line end is split off, and a text of at most one
// character becomes as many blanks. Never reads more of the file than those entries need.
ErgebnisseGelesen ErgebnisseLesen(const std::string& pfad);

// "%d Zeilen wurden eingelesen"
std::string ErgebnisseEingelesenMeldung(int anzahl);

}  // namespace zelvor
