#include "doc/Analysehinweis.h"

#include "doc/CZelvorDoc.h"

namespace zelvor {

std::string Analysehinweis(const CZelvorDoc& doc) {
  if (!doc.m_bTabelleEingelesen || doc.m_Lauf.KeineAuswertung()) return "";
  // The inputs are those of the last evaluation: every change of them evaluates again, and a well
  // replaced without evaluation has no run.
  return "Letzte Auswertung der Bohrung \"" + doc.m_Gasbohrung + "\", nicht die aus aus.txt eingelesene Tabelle";
}

}  // namespace zelvor
