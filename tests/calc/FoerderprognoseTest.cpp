#include "calc/Foerderprognose.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/Auswertung.h"
#include "calc/Prognosediagramme.h"
#include "calc/Prognosetext.h"

namespace zelvor {
namespace {

TEST(Foerderprognose, DeliverableRateIsTheRootOfTheDeliverabilityEquation) {
  // Q = 100 with N·A1 = 100: (Q/(N·A1))² = 1. n = 1: D = 100/0.05 + 1; n = 0.8: (D − 1)^0.8 = 256.
  EXPECT_NEAR(LieferbareRate(0.05, 1.0, 2001.0, 100.0), 100.0, 1e-9);
  EXPECT_NEAR(LieferbareRate(0.390625, 0.8, 1025.0, 100.0), 100.0, 1e-6);
  EXPECT_EQ(LieferbareRate(0.05, 1.0, -1.0, 100.0), 0.0);
  EXPECT_EQ(LieferbareRate(-0.05, 1.0, 2001.0, 100.0), 0.0);
}

// Pure methane, 100 °C, 200 bar, OGIP 1000, A1 = 100, B1 = 1.2: the line 100 / 1000 / 100 gives C = 0.050.
Laufdaten Lauf(bool injektion = false) {
  const std::vector<std::string> zeilen = {"100 1000 100"};
  AuswertungsEingaben e;
  e.komponenten[3] = 100.0f;
  e.temperatur = 100.0f;
  e.ogip = 1000.0f;
  e.initialdruck = 200.0f;
  e.a1 = 100.0;
  e.b1 = 1.2;
  e.bohrungsanzahl = 1;
  e.injektion = injektion;
  e.ratenzeilen = &zeilen;
  AuswertungsErgebnis r;
  Auswerten(e, r);
  return r.lauf;
}

// p_min 20 bar, a plateau at 1000 m3/h, abandonment at 200 m3/h, 10 steps.
PrognoseEingaben Plateau() {
  PrognoseEingaben e;
  e.pMin = 20;
  e.qPlan = 1000;
  e.qEnde = 200;
  e.schritte = 10;
  return e;
}

TEST(Foerderprognose, PlateauTimeIsTheProducedVolumeOverTheRate) {
  PrognoseEingaben e = Plateau();
  const Foerderprognose p = PrognoseBerechnen(Lauf(), e);
  ASSERT_TRUE(p.Gemacht()) << p.meldung;
  EXPECT_DOUBLE_EQ(p.gpStart, 100.0);
  EXPECT_NEAR(p.zeilen.back().qMax, 200.0, 1e-3);
  ASSERT_EQ(p.zeilen.size(), 12u);  // K + 1 rows and the plateau end
  const Prognosezeile* ende = nullptr;
  for (const Prognosezeile& z : p.zeilen)
    if (z.plateauEnde) ende = &z;
  ASSERT_NE(ende, nullptr);
  EXPECT_NEAR(ende->qMax, 1000.0, 1e-3);
  // 10^6 m3 per Mio m3 at a constant 1000 m3/h, 8760 hours a year.
  EXPECT_NEAR(p.plateauJahre, 1e6 * (ende->gp - 100.0) / 1000.0 / 8760.0, 1e-9);
  EXPECT_GT(p.jahre, p.plateauJahre);
}

TEST(Foerderprognose, RefusalsAreOneGermanSentence) {
  PrognoseEingaben e;
  e.pMin = 20;
  e.qEnde = 200;
  EXPECT_EQ(PrognoseBerechnen(Lauf(true), e).meldung, "Für eine Injektionsbohrung wird keine Förderprognose erstellt.");
  e.modell = Prognosemodell::Variabel;
  EXPECT_NE(PrognoseBerechnen(Lauf(), e).meldung.find("Variabler C-Wert"), std::string::npos);
  e.modell = Prognosemodell::Mittel;
  e.qEnde = 1e6;
  EXPECT_EQ(PrognoseBerechnen(Lauf(), e).meldung.rfind("Die Bohrung liefert bei Gp = 100.000 Mio m3", 0), 0u);
}

// The summary stays whole beneath the last rows, or goes to a page of its own.
TEST(Foerderprognose, PrintedTableKeepsTheSummaryWhole) {
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
TEST(Foerderprognose, TextAndDiagramsShowWhatWasMade) {
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
