#include "doc/Textzeilen.h"

namespace zelvor {

std::size_t Zeilenende(std::string_view text, std::size_t anfang, std::size_t& ende) {
  const std::size_t i = text.find_first_of("\r\n", anfang);
  if (i == std::string_view::npos) {
    ende = text.size();
    return text.size();
  }
  ende = i;
  // CR LF is one line end, not a line and an empty one.
  return text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? i + 2 : i + 1;
}

}  // namespace zelvor
