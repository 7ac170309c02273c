#pragma once
// The commands of zelvor-cli that draw: the graph view and the table's printed pages, written to files
// through the renderers the views use. They need a Qt GUI application (offscreen is enough).
#include <ostream>

namespace zelvor::cli {

struct Argumente;

// graph: the view chosen with --view (the graph, or the deliverability page) as the screen shows it,
// into a PNG (96 dpi), an SVG, or one printed PDF page.
int Graph(const Argumente& a, std::ostream& err);

// print: the result table's printed pages into a PDF.
int Print(const Argumente& a, std::ostream& err);

}  // namespace zelvor::cli
