// The misfit diagram: S(G) through the dense points around G* and the scan's beyond them, the interval
// as a band under the curve.
#include "report/Abgleichdiagramme.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace zelvor {
namespace {

TEST(Abgleichdiagramme, TheProfileIsDrawnFromTheDensePointsWithTheIntervalAsABand) {
  Gasvorratsabgleich a;
  a.ogip = 1000;
  a.g = 900;
  a.gUnten = 850;
  a.gOben = 960;
  a.stern.s = 0.01;
  a.sGrenze = 0.02;
  a.profil = {{500, 0.5}, {800, 0.04}, {900, 0.01}, {1000, 0.03}, {1200, 0.2}};
  for (int i = 0; i <= 100; ++i) a.fein.push_back({800 + 2.0 * i, 0.01 + 1e-6 * (i - 50) * (i - 50)});
  const Diagramm d = AbgleichProfilDiagramm(a);
  ASSERT_GE(d.reihen.size(), 2u);
  const Diagrammreihe& band = d.reihen[0];
  EXPECT_TRUE(band.flaeche);
  EXPECT_EQ(band.legende, "95 %-Bereich");
  EXPECT_EQ(band.x, (std::vector<double>{850, 960}));
  const Diagrammreihe& s = d.reihen[1];
  EXPECT_EQ(s.legende, "S(G)");
  // 101 dense points and the scan's two outside them (500 and 1200).
  ASSERT_EQ(s.x.size(), 101u + 2u);
  EXPECT_TRUE(std::is_sorted(s.x.begin(), s.x.end()));
  EXPECT_EQ(s.x.front(), 500);
  EXPECT_EQ(s.x.back(), 1200);
  EXPECT_GE(band.y.front(), *std::max_element(s.y.begin(), s.y.end()));
  // The band keeps its outline for the fill, though it has no line of its own.
  const Diagrammlayout g = DiagrammlayoutBerechnen(d, {1000, 800});
  ASSERT_FALSE(g.reihen.empty());
  EXPECT_EQ(g.reihen[0].zuege.size(), 1u);
}

// Surveys at Gp 100 to 700 of a reservoir of 1800 Mio m3, both fits made from them.
Messbilanz Messungen(const Laufdaten& lauf) {
  Messbilanz m;
  m.messungen = 5;
  m.pzi = lauf.pzi;
  std::vector<double> gp, pz;
  const double streuung[] = {0.8, -0.6, 0.3, -0.9, 0.5};
  for (int i = 0; i < 5; ++i) {
    gp.push_back(100.0 + 150.0 * i);
    pz.push_back(lauf.PZBei(gp.back(), 1800) + streuung[i]);
    m.punkte.push_back({std::nullopt, gp.back(), 0, 0, pz.back()});
  }
  m.gerade = PZGeradeAnpassen(gp, pz);
  m.bilanz = PZBilanzAnpassen(lauf, gp, pz, 1e5);
  return m;
}

// The surveys' two fits show their 95 % intervals as translucent bands that reach P/Z = 0 exactly at the
// interval's ends and hold the fit's own line at Gp = 0; a storage well's diagram stands over the
// inventory OGIP - Gp.
TEST(Abgleichdiagramme, TheSurveyFitsIntervalsAreBandsAndAStorageShowsItsInventory) {
  Laufdaten lauf;
  lauf.gelaufen = lauf.vollstaendig = true;
  lauf.pzi = 250;
  lauf.bgi = 200;
  lauf.ogip = 2000;
  const Messbilanz m = Messungen(lauf);
  ASSERT_TRUE(m.gerade.Gemacht() && m.bilanz.Gemacht());
  const auto reihe = [](const Diagramm& d, const std::string& legende) -> const Diagrammreihe& {
    const auto r = std::find_if(d.reihen.begin(), d.reihen.end(), [&](const Diagrammreihe& x) { return x.legende == legende; });
    EXPECT_NE(r, d.reihen.end()) << legende;
    return *r;
  };
  for (const bool speicher : {false, true}) {
    SCOPED_TRACE(speicher ? "Speicher" : "Förderung");
    lauf.injektion = speicher;
    const Diagramm d = AbgleichPZDiagramm(Gasvorratsabgleich{}, lauf, &m);
    const auto x = [&](double gp) { return speicher ? lauf.ogip - gp : gp; };
    const struct {
      const char* legende;
      double unten, oben, wert, achseUnten, achseOben;
    } baender[] = {
        {"95 %-Bereich der Geraden", m.gerade.gUnten, m.gerade.gOben, m.gerade.a, m.gerade.aUnten, m.gerade.aOben},
        {"95 %-Bereich der Bilanz", m.bilanz.gUnten, m.bilanz.gOben, lauf.pzi, lauf.PZBei(0, m.bilanz.gUnten),
         lauf.PZBei(0, m.bilanz.gOben)},
    };
    for (const auto& b : baender) {
      SCOPED_TRACE(b.legende);
      const Diagrammreihe& band = reihe(d, b.legende);
      EXPECT_TRUE(band.flaeche && band.durchscheinend);
      EXPECT_EQ(band.linie, Linienart::Keine);
      ASSERT_GE(band.x.size(), 4u);
      EXPECT_NEAR(band.x.front(), x(b.unten), 1e-9);
      EXPECT_NEAR(band.x.back(), x(b.oben), 1e-9);
      EXPECT_NEAR(band.y.front(), 0.0, 1e-6);
      EXPECT_NEAR(band.y.back(), 0.0, 1e-6);
      // At Gp = 0 the band spans the intercept's own interval, around the fit's value.
      double tief = HUGE_VAL, hoch = -HUGE_VAL;
      for (std::size_t i = 0; i < band.x.size(); ++i)
        if (std::fabs(band.x[i] - x(0)) < 1e-9) tief = std::min(tief, band.y[i]), hoch = std::max(hoch, band.y[i]);
      EXPECT_NEAR(tief, std::min(b.achseUnten, b.achseOben), 1e-6);
      EXPECT_NEAR(hoch, std::max(b.achseUnten, b.achseOben), 1e-6);
      EXPECT_LE(tief, b.wert);
      EXPECT_GE(hoch, b.wert);
    }
    const Diagrammreihe& punkte = reihe(d, "Schließdruckmessungen");
    EXPECT_EQ(punkte.x.front(), x(100));
    EXPECT_EQ(d.titel, speicher ? "P/Z über dem Inventar" : "P/Z über der kumulativen Förderung");
    if (speicher) {
      EXPECT_EQ(d.xText, "Inventar OGIP - Gp (Mio m3)");
      EXPECT_EQ(d.xMin, 0.0);
      EXPECT_EQ(d.xMax, lauf.ogip);
    }
  }
}

}  // namespace
}  // namespace zelvor
