#pragma once
// Which evaluation the analysis views show. They are built on the well's last evaluation run; after
// "Ergebnisse einlesen" the table shows what was read from the results file instead, perhaps another
// well's. Until the next evaluation the analyses say so in one German line, so that they do not pass for
// the table's.
#include <string>

namespace zelvor {

class CZelvorDoc;

// "" while the table shows the same evaluation as the analyses (or there is no evaluation at all).
std::string Analysehinweis(const CZelvorDoc& doc);

}  // namespace zelvor
