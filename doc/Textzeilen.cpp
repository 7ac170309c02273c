#include "doc/Textzeilen.h"

namespace zelvor {

std::size_t Zeilenende(std::string_view text, std::size_t anfang, std::size_t& ende) {
  const std::size_t i = text.find_first_of("\r\n", anfang);
  if (i == std::string_view::npos) {
    ende = text.size();
    return text.size();
  }
  ende = i;
  if (text[i] == '\n') return i + 1;
  // CR LF is one line end, not a line and an empty one; so is CR CR LF, what a CR LF file becomes when a
  // program that writes CR LF for every LF copies it once more.
  if (text.substr(i + 1, 1) == "\n") return i + 2;
  if (text.substr(i + 1, 2) == "\r\n") return i + 3;
  return i + 1;
}

}  // namespace zelvor
