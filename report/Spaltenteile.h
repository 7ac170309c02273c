#pragma once
// A fixed-pitch table too wide for its page, cut between its columns into parts that fit: the printout
// keeps its letters as large as the result table's instead of shrinking them.
#include <cstddef>
#include <string>
#include <vector>

namespace zelvor {

// The lines (UTF-8, one character a column) cut into parts of at most `zeichen` characters a line. Cuts
// fall only where every line has at least two blanks (or has ended): between the table's columns. Every
// part after the first starts with the first column again, so that each row still names its well. A
// column wider than a part stands alone in its part and runs over its edge.
std::vector<std::vector<std::string>> Spaltenteile(const std::vector<std::string>& zeilen, std::size_t zeichen);

}  // namespace zelvor
