#include "report/Prognosetext.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/Prognosediagramme.h"
#include "tests/calc/PrognoseBeispiel.h"

namespace zelvor {
namespace {

using beispiel::Lauf;
using beispiel::Plateau;

// The summary stays whole beneath the last rows, or goes to a page of its own.
TEST(Prognosetext, PrintedTableKeepsTheSummaryWhole) {
  const struct {
    int zeilen, summe, je, seiten;
    PrognoseSeitenzeilen letzte;
  } faelle[] = {
      {43, 7, 50, 1, {0, 43, true}},   {44, 7, 50, 2, {44, 44, true}}, {50, 7, 50, 2, {50, 50, true}},
      {51, 7, 50, 2, {50, 51, true}},  {100, 7, 50, 3, {100, 100, true}}, {0, 7, 50, 1, {0, 0, true}},
  };
  for (const auto& f : faelle) {
    const int seiten = PrognoseTabellenseiten(f.zeilen, f.summe, f.je);
    EXPECT_EQ(seiten, f.seiten) << f.zeilen;
    const PrognoseSeitenzeilen l = PrognoseTabellenseite(seiten, f.zeilen, f.summe, f.je);
    EXPECT_EQ(l.von, f.letzte.von) << f.zeilen;
    EXPECT_EQ(l.bis, f.letzte.bis) << f.zeilen;
    EXPECT_TRUE(l.summe);
    EXPECT_EQ(PrognoseTabellenseite(1, f.zeilen, f.summe, f.je).summe, seiten == 1);
  }
}

// Text and diagrams of a plateau forecast and of a refused one: the reason instead of a table, no nan.
TEST(Prognosetext, TextAndDiagramsShowWhatWasMade) {
  PrognoseEingaben e = Plateau();
  const Laufdaten lauf = Lauf();
  const Foerderprognose p = PrognoseBerechnen(lauf, e);
  const std::vector<std::string> text = PrognoseText(p);
  EXPECT_EQ(text.size(), 3 + 1 + 2 + p.zeilen.size() + 1 + 6);
  EXPECT_EQ(text[2].rfind("    Q = C·(pws² - pwf²) mit C = 0.050", 0), 0u) << text[2];
  EXPECT_EQ(PrognoseDiagrammGp(p, lauf).reihen.size(), 4u);  // measured, Q_max, Q, abandonment
  EXPECT_EQ(PrognoseDiagrammZeit(p).reihen.size(), 3u);

  e.qEnde = 1e6;
  e.qPlan = 0;
  const Foerderprognose keine = PrognoseBerechnen(lauf, e);
  const std::vector<std::string> grund = PrognoseText(keine);
  ASSERT_EQ(grund.size(), 3u);
  EXPECT_EQ(grund[2], "    " + keine.meldung);
  EXPECT_EQ(PrognoseDiagrammGp(keine, lauf).reihen.size(), 1u);
  EXPECT_TRUE(PrognoseDiagrammZeit(keine).reihen.empty());
  for (const std::vector<std::string>* t : {&text, &grund})
    for (const std::string& z : *t) EXPECT_EQ(z.find("nan"), std::string::npos) << z;
}

}  // namespace
}  // namespace zelvor
