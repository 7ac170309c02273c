#pragma once
// A table printed in a fixed-pitch font of the result table's size on pages of a given width: its
// columns packed in order into parts that fit the line, each part led by the key columns (a well's name,
// a time and its date) so that every row still says what it is; a heading over as many lines as a
// narrow column needs, the unit beneath; free texts (a remark, a path) in a part of their own, wrapped
// into the room beside the keys. The parts then flow onto pages, each page's part under its heading.
#include <cstddef>
#include <string>
#include <vector>

namespace zelvor {

struct Druckspalte {
  std::string titel;        // "OGIP (Mio m3)": a unit in parentheses at the end takes a heading line of its own
  std::vector<std::string> zellen;  // one per row, UTF-8
  bool rechts = true;       // right-aligned (numbers)
  bool fliesstext = false;  // a free text: in a part of its own, wrapped; left out when every cell is empty or "-"
  std::size_t hoechstens = 0;  // when set, the column's width at most (a long name): a wider cell is wrapped
};

// One part: its heading lines and its rows' lines.
struct Druckteil {
  std::vector<std::string> kopf;
  std::vector<std::string> zeilen;
};

// The columns (the first `schluessel` of them the keys) cut into parts of at most `zeichen` characters
// a line. A column wider than a line stands alone beside the keys and runs over the edge.
std::vector<Druckteil> DrucktabelleTeilen(const std::vector<Druckspalte>& spalten, std::size_t schluessel,
                                          std::size_t zeichen);

// The parts on pages of `zeilen` lines: one after the other with a blank line between, a part's heading
// repeated on every page it continues on, a part starting on a new page when its heading and one row do
// not fit on the current one. Each page its lines.
std::vector<std::vector<std::string>> Druckseiten(const std::vector<Druckteil>& teile, std::size_t zeilen);

}  // namespace zelvor
