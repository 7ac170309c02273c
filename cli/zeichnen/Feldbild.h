#pragma once
// zelvor-cli feld -o BILD.png|BILD.svg|BILD.pdf: the field's diagram page as the window shows it (PNG,
// SVG), or the printed pages (PDF, landscape: the diagram page, then the table pages).
#include <ostream>

namespace zelvor::cli {

int Feldbild(int argc, const char* const* argv, std::ostream& err);

}  // namespace zelvor::cli
