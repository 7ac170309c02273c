#pragma once
// The field file (*.zlf): the wells of a field as UTF-8 text, one well file's path a line, relative to
// the field file's folder (absolute paths are kept as they are). A line is the path exactly, only a
// line ends at LF, CR LF or a lone CR; blank lines and lines starting with '#' are skipped (a path that
// starts with '#' is written as "./#..."). The reader takes hostile files: its size and line count are bounded, and a file that is
// not UTF-8 text is refused with a German message.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace zelvor {

inline constexpr const char* FELDDATEI_ENDUNG = ".zlf";
inline constexpr std::size_t FELDDATEI_MAX_BYTES = 4u * 1024u * 1024u;
inline constexpr std::size_t FELDDATEI_MAX_BOHRUNGEN = 100000;
inline constexpr std::size_t FELDDATEI_MAX_ZEILENLAENGE = 4096;

struct Felddatei {
  std::vector<std::string> bohrungen;  // the well files' paths, resolved against the field file's folder
  std::string meldung;                 // why the file could not be read; empty when it was
};

// The text of a field file for the given (absolute or working-directory relative) well paths. A path
// with a line break cannot stand on a line of its own: the German message instead.
std::string FelddateiText(const std::string& felddatei, const std::vector<std::string>& bohrungen,
                          std::string& meldung);
// Parses a field file's text; the relative paths are resolved against the folder of felddatei.
Felddatei FelddateiAusText(const std::string& felddatei, const std::string& text);

Felddatei FelddateiLesen(const std::string& pfad);
// Writes atomically; "" on success, else a German message.
std::string FelddateiSchreiben(const std::string& pfad, const std::vector<std::string>& bohrungen);

// The wells named on a command line or chosen in a dialog: a well file as it is (also when it is
// missing: its row will say so), a folder as its *.zlv files (not its subfolders) sorted by name, a
// field file as its wells. The German messages of folders and field files that cannot be read. A well
// file named more than once (the same file by its resolved path, also through a folder, a field file
// or a link) is listed once, where it is first named: a field counts each well once.
struct Bohrungsliste {
  std::vector<std::string> pfade;
  std::vector<std::string> meldungen;
  std::size_t doppelt = 0;  // names of a well already listed, left out
};
Bohrungsliste BohrungslisteAus(const std::vector<std::string>& angaben);

// The status line that says so; empty for none.
std::string DoppeltHinweis(std::size_t doppelt);

bool IstFelddatei(const std::string& pfad);

// The name that heads the field's pages: the one field file's or folder's name (a field file without
// its extension), else "Feld".
std::string Feldname(const std::vector<std::string>& angaben);

}  // namespace zelvor
