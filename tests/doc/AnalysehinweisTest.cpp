// Which evaluation the analysis views show: after "Ergebnisse einlesen" they name the well of the last
// evaluation until the next evaluation or until the well is replaced.
#include "doc/Analysehinweis.h"

#include <gtest/gtest.h>

#include "doc/CZelvorDoc.h"

namespace zelvor {
namespace {

TEST(Analysehinweis, NenntDieLetzteAuswertungSolangeDieTabelleEingelesenIst) {
  const std::string hinweis = "Letzte Auswertung der Bohrung \"Süd 3\", nicht die aus aus.txt eingelesene Tabelle";
  // Steps: A evaluates, E reads aus.txt, L replaces the well (its results go).
  const struct {
    const char* schritte;
    std::string erwartet;
  } faelle[] = {{"A", ""}, {"AE", hinweis}, {"AEA", ""}, {"AEL", ""}, {"E", ""}};
  for (const auto& f : faelle) {
    CZelvorDoc doc;
    doc.StandardwerteSetzen();
    doc.m_Gasbohrung = "Süd 3";
    doc.m_Ratenzeilen = {"100 1000 100"};
    for (const char* s = f.schritte; *s; ++s) {
      if (*s == 'A') doc.Auswertung();
      if (*s == 'E') doc.ErgebnisseEingelesen({"andere.zlv", "Zeile"});
      if (*s == 'L') doc.ErgebnisseLoeschen();
    }
    EXPECT_EQ(Analysehinweis(doc), f.erwartet) << f.schritte;
  }
}

}  // namespace
}  // namespace zelvor
