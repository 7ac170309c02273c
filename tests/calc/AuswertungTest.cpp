#include "calc/Auswertung.h"
#include "calc/CStatistik.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace zelvor {
namespace {

// The production well of the worked run: pure methane, 100 °C, 200 bar, OGIP 1000, A1 100, B1 1.2.
struct Bohrung {
  std::vector<std::string> zeilen{"100 1000 100"};
  AuswertungsEingaben e;
  Bohrung() {
    e.komponenten[3] = 100.0f;
    e.temperatur = 100;
    e.kopftemperatur = 20;
    e.ogip = 1000;
    e.initialdruck = 200;
    e.a1 = 100;
    e.b1 = 1.2;
    e.bohrungsanzahl = 1;
    e.gasbohrung = "Bohrung 1";
    e.ratenzeilen = &zeilen;
  }
  AuswertungsErgebnis Lauf() const {
    AuswertungsErgebnis r;
    Auswerten(e, r);
    return r;
  }
};

bool Enthaelt(const std::vector<std::string>& zeilen, const std::string& z) {
  return std::find(zeilen.begin(), zeilen.end(), z) != zeilen.end();
}

TEST(Auswertung, WorkedProductionRun) {
  const AuswertungsErgebnis r = Bohrung().Lauf();
  const std::vector<std::string> erwartet = {
      "    Name der Gasbohrung: Bohrung 1",
      "",
      "    Gaszusammensetzung",
      "",
      "    CH4        100.00",
      "    Summe      100.00",
      "",
      "    Lagerstättentemperatur              (°C):     100.0",
      "    Kopffliesstemperatur                (°C):      20.0",
      "    Original Gas in Place           (Mio m3):    1000.0",
      "    Initialer Lagerstättendruck        (bar):     200.0",
      "    Initialer Z- Wert Zi                 (-):     0.937",
      "    Initialer Formationsvolumenfaktor Bgi(-):   154.087",
      "    Wasserinvasion WE               (Mio m3):       0.0",
      "    Bohrungsanzahl                       (-):         1",
      "",
      "",
      "    Vertikaler Druckverlust A1:  100.00 B1: 1.200",
      "",
      "       Kum.     Rate   Kopffliess  Bodenfliess-  Schliess-   P/Z      C-Wert",
      "       Prod.      Q       druck       druck       druck    ",
      "      (Mio m3)  (m3/h)    (bar)       (bar)       (bar)     (bar)  (m3/h bar2)",
      " ",
      "      100.000    1000.0   100.00      110.00      179.11   192.02     0.050",
      "",
      "    Mittlerer C-Wert:   0.050",
  };
  EXPECT_EQ(r.zeilen, erwartet);
  EXPECT_FALSE(r.abgebrochen);
  EXPECT_EQ(r.maxWerte, 1);
  EXPECT_EQ(r.kurve1X[0], 100.0f);
  EXPECT_EQ(r.kurve2X[0], 100.0f);
  EXPECT_NEAR(r.kurve1Y[0], 0.0500, 0.0005);
  EXPECT_EQ(r.kurve2Y[0], r.kurve1Y[0]);  // one positive C-value: the mean is that value
  EXPECT_EQ(r.textKurve1, "C-Werte berechnet");
  EXPECT_EQ(r.textKurve2, "C-Werte Mittelwert");
  EXPECT_EQ(r.textYAchse, "C-Werte");
  EXPECT_EQ(r.textXAchse, "Kumulative Gasproduktion Gp (Mio m3)");
}

TEST(Auswertung, WorkedBottomholeLine) {
  // pwf = sqrt(10² + 1.2 × 100²) = 110 exactly, whatever the reservoir gives.
  Bohrung b;
  b.zeilen = {"0 1000 100"};
  const AuswertungsErgebnis r = b.Lauf();
  ASSERT_FALSE(r.abgebrochen);
  EXPECT_EQ(r.zeilen[r.zeilen.size() - 3].substr(0, 44), "        0.000    1000.0   100.00      110.00");
}

TEST(Auswertung, HeaderOptionsAndWarnings) {
  Bohrung b;
  b.e.komponenten = {2, 3, 5, 85, 4, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0.5f};
  b.e.injektion = true;
  b.e.b1 = 1.0;
  b.e.a1 = 4.99;
  b.e.bohrungsanzahl = 12;
  b.zeilen = {"1 0 50"};
  const AuswertungsErgebnis r = b.Lauf();
  EXPECT_EQ(r.zeilen[4], "    H2S          2.00");
  EXPECT_EQ(r.zeilen[10], "    C10H22       0.50");
  EXPECT_EQ(r.zeilen[11], "    Summe      100.50");
  EXPECT_TRUE(Enthaelt(r.zeilen, "    Bohrungsanzahl                       (-):        12"));
  EXPECT_TRUE(Enthaelt(r.zeilen, "    Es werden Injektionsraten berechnet!"));
  EXPECT_TRUE(Enthaelt(r.zeilen, " WARNUNG!Der B1-Wert für das Gassäulengewicht sollte größer als 1 sein!"));
  EXPECT_TRUE(Enthaelt(r.zeilen, " WARNUNG!Der A1-Wert ist sehr klein!!"));
  EXPECT_TRUE(Enthaelt(r.zeilen, "    WARNUNG! Die Rate ist  Null!"));
}

TEST(Auswertung, AbortsEndTheTable) {
  struct Fall {
    std::vector<std::string> zeilen;
    std::vector<std::string> ende;
  };
  const std::vector<Fall> faelle = {
      {{}, {"    ABBRUCH!!Die Messwerte fehlen!"}},
      {{"1 2"}, {"ABBRUCH!Weniger als 3 Werte in der Ratenzeile", "1 2"}},
      {{""}, {"ABBRUCH!Weniger als 3 Werte in der Ratenzeile", ""}},
      {{"1000 10 10"}, {"ERROR!!Gp-Wert:1000.000000 ist größer als OGIP:1000.000000"}},
      {{"-1 10 10"}, {"ERROR! Das Gp ist  kleiner als Null!", "-1 10 10"}},
      {{"1 -10 10"}, {"ERROR! Die Rate ist  kleiner als Null!", "1 -10 10"}},
      {{"1 10 -10"}, {"ERROR! Der Druck ist  kleiner als Null!", "1 10 -10"}},
      {{"1 10 0"}, {"ERROR!Bei einer Rate von 10.000000 darf der Druck nicht Null sein", "1 10 0"}},
      {{"nan 10 10"}, {"ABBRUCH!Die Ratenzeile enthält eine ungültige Zahl (nan oder inf)", "nan 10 10"}},
      {{"1 inf 10"}, {"ABBRUCH!Die Ratenzeile enthält eine ungültige Zahl (nan oder inf)", "1 inf 10"}},
      {{"1 1e39 10"}, {"ABBRUCH!Die Ratenzeile enthält eine ungültige Zahl (nan oder inf)", "1 1e39 10"}},
  };
  for (const Fall& f : faelle) {
    Bohrung b;
    b.zeilen = f.zeilen;
    const AuswertungsErgebnis r = b.Lauf();
    EXPECT_TRUE(r.abgebrochen);
    ASSERT_GE(r.zeilen.size(), f.ende.size());
    EXPECT_EQ(std::vector<std::string>(r.zeilen.end() - static_cast<long>(f.ende.size()), r.zeilen.end()), f.ende)
        << (f.zeilen.empty() ? "" : f.zeilen[0]);
    EXPECT_TRUE(r.textKurve1.empty());  // captions only from a complete run
  }
}

TEST(Auswertung, AbortKeepsTheLinesEvaluatedSoFar) {
  Bohrung b;
  b.zeilen = {"100 1000 100", "200 1000 90", "x"};
  const AuswertungsErgebnis r = b.Lauf();
  EXPECT_TRUE(r.abgebrochen);
  EXPECT_EQ(r.maxWerte, 2);
  // The second series still holds |pws² - pwf²|, not recomputed.
  EXPECT_GT(r.kurve2Y[1], 1000.0f);
}

TEST(Auswertung, RunDataHoldTheLinesAtFullPrecision) {
  Bohrung b;
  b.e.wasserinvasion = 1;
  b.zeilen = {"100 1000 100", "200 1000 90", "x"};
  AuswertungsErgebnis r = b.Lauf();
  ASSERT_EQ(r.lauf.punkte.size(), 2u);
  EXPECT_FALSE(r.lauf.vollstaendig);  // the third line aborts
  const AusgewerteterPunkt& p = r.lauf.punkte[0];
  EXPECT_DOUBLE_EQ(p.pwf, 110.0);
  EXPECT_EQ(p.pz, r.lauf.PZ(p.gp));  // the material balance is the run's own, bit for bit
  EXPECT_DOUBLE_EQ(p.c, p.q / (p.pws * p.pws - p.pwf * p.pwf));
  b.zeilen.pop_back();
  r = b.Lauf();
  EXPECT_TRUE(r.lauf.vollstaendig);
  EXPECT_DOUBLE_EQ(r.lauf.mittlererC, (r.lauf.punkte[0].c + r.lauf.punkte[1].c) / 2);
}

TEST(Auswertung, WaterInfluxAtTheLimitAborts) {
  Bohrung b;
  b.e.wasserinvasion = 1e6f;
  const AuswertungsErgebnis r = b.Lauf();
  EXPECT_TRUE(r.abgebrochen);
  EXPECT_EQ(r.zeilen.back(), "    ABBRUCH!!Die Wasserinvasion ist größer als das OGIP");
}

TEST(Auswertung, NoNumberThatIsNotANumberReachesTheTable) {
  struct Fall {
    const char* name;
    void (*setzen)(Bohrung&);
  };
  const std::vector<Fall> faelle = {
      {"A1 0", [](Bohrung& b) { b.e.a1 = 0; }},
      {"no wells", [](Bohrung& b) { b.e.bohrungsanzahl = 0; }},
      {"A1 0 injection", [](Bohrung& b) { b.e.a1 = 0; b.e.injektion = true; }},
      {"no gas", [](Bohrung& b) { b.e.komponenten = {}; }},
      {"cold", [](Bohrung& b) { b.e.temperatur = -400; }},
      {"absolute zero", [](Bohrung& b) { b.e.temperatur = -273; }},
      {"nan temperature", [](Bohrung& b) { b.e.temperatur = NAN; }},
      {"composition sum overflows", [](Bohrung& b) { b.e.komponenten[0] = b.e.komponenten[1] = 3e38f; }},
      {"inf B1", [](Bohrung& b) { b.e.b1 = INFINITY; }},
      {"tiny A1", [](Bohrung& b) { b.e.a1 = 1e-300; }},
      {"huge pressure", [](Bohrung& b) { b.zeilen = {"1 1000 3e38"}; }},
  };
  for (const Fall& f : faelle) {
    Bohrung b;
    f.setzen(b);
    const AuswertungsErgebnis r = b.Lauf();
    int abbrueche = 0;
    for (const std::string& z : r.zeilen) {
      EXPECT_EQ(z.find("nan"), std::string::npos) << f.name << ": " << z;
      EXPECT_EQ(z.find("inf"), std::string::npos) << f.name << ": " << z;
      if (z.rfind("ABBRUCH", 0) == 0 || z.rfind("    ABBRUCH", 0) == 0 || z.rfind("ERROR", 0) == 0) ++abbrueche;
    }
    EXPECT_TRUE(r.abgebrochen) << f.name;
    EXPECT_EQ(abbrueche, 1) << f.name;
  }
}

TEST(Auswertung, ZeroRateWithoutWellsStillEvaluates) {
  Bohrung b;
  b.e.a1 = 0;
  b.zeilen = {"0 0 0"};
  const AuswertungsErgebnis r = b.Lauf();
  EXPECT_FALSE(r.abgebrochen);
  EXPECT_TRUE(Enthaelt(r.zeilen, "    WARNUNG! Die Rate ist  Null!"));
  EXPECT_EQ(r.kurve1Y[0], 0.0f);
}

TEST(Auswertung, NegativeCValueIsSetToZero) {
  Bohrung b;
  b.zeilen = {"100 1000 200"};  // the flowing pressure lies above the static one
  const AuswertungsErgebnis r = b.Lauf();
  EXPECT_TRUE(Enthaelt(r.zeilen, " C-WERT negativ bei GP: 100.0.Er wurde 0 gesetzt"));
  EXPECT_TRUE(Enthaelt(r.zeilen, " Bei Produktion muß der Bodenfliessdruck kleiner als der Bodenschließdruck sein!"));
  EXPECT_EQ(r.zeilen[r.zeilen.size() - 1], "    Mittlerer C-Wert:   0.000");
}

TEST(Auswertung, InjectionWithTooLargeRate) {
  Bohrung b;
  b.e.injektion = true;
  b.e.a1 = 5;
  b.zeilen = {"10 5000 100"};
  const AuswertungsErgebnis r = b.Lauf();
  EXPECT_TRUE(Enthaelt(r.zeilen, "FALSCHE A1,B1-WERTE bei GP: 10.0 DRUCK:100.0 RATE:5000.0"));
  EXPECT_TRUE(Enthaelt(r.zeilen, "Ist der A1-Wert richtig dewählt?"));
  b.e.a1 = 10;
  b.zeilen = {"10 50000 100"};
  EXPECT_TRUE(Enthaelt(b.Lauf().zeilen, "Eventuel ist die Rate im Vergleich zum Kopfdruck zu groß!"));
}

TEST(Auswertung, VariableCValueAndRateGraph) {
  Bohrung b;
  b.e.variablerC = true;
  b.e.grafikRaten = true;
  b.zeilen = {"100 1000 100", "300 900 80", "500 800 60"};
  const AuswertungsErgebnis r = b.Lauf();
  ASSERT_FALSE(r.abgebrochen);
  EXPECT_EQ(r.zeilen[r.zeilen.size() - 2], "    Die Raten werden mit variablen C-Werten berechnet, d.h.");
  EXPECT_EQ(r.zeilen.back().rfind("    C-Wert = ", 0), 0u);
  EXPECT_EQ(r.textKurve1, "Raten (gemessen)");
  EXPECT_EQ(r.textKurve2, "Raten (berechnet)");
  EXPECT_EQ(r.textYAchse, "Raten");
  EXPECT_EQ(r.kurve1Y[1], 900.0f);
  // A fit through three points: the recomputed rates are close to, not equal to, the measured ones.
  for (int k = 0; k < 3; ++k) EXPECT_NEAR(r.kurve2Y[k] / r.kurve1Y[k], 1.0, 0.2);
}

TEST(Auswertung, AtMostThreeHundredLines) {
  Bohrung b;
  b.zeilen.assign(305, "1 1000 100");
  const AuswertungsErgebnis r = b.Lauf();
  EXPECT_FALSE(r.abgebrochen);
  EXPECT_EQ(r.maxWerte, 300);
  EXPECT_EQ(r.ignorierteZeilen, 5);
  EXPECT_EQ(std::count_if(r.zeilen.begin(), r.zeilen.end(),
                          [](const std::string& z) { return z.rfind("        1.000", 0) == 0; }),
            300);
  EXPECT_EQ(HoechstzahlMeldung(), "Es werden maximal 300 Werte in der Grafik verarbeitet");
}

TEST(CStatistik, WorkedFit) {
  CStatistik s;
  const double punkte[3][2] = {{10, 0.10}, {20, 0.08}, {30, 0.06}};
  for (const auto& p : punkte) {
    s.Regression(static_cast<float>(p[0]), p[1], true);
    s.Mittelwert(p[1]);
  }
  EXPECT_DOUBLE_EQ(s.sx, 60);
  EXPECT_NEAR(s.sy, 0.24, 1e-15);
  EXPECT_NEAR(s.sxy, 4.4, 1e-14);
  EXPECT_DOUBLE_EQ(s.sx2, 1400);
  EXPECT_EQ(s.cZahl, 3);
  const Ausgleichsgerade g = Ausgleich(s);
  EXPECT_NEAR(g.steigung, -0.002, 1e-15);
  EXPECT_NEAR(g.achsenabschnitt, 0.12, 1e-15);
  EXPECT_NEAR(s.Mittel(), 0.08, 1e-15);
}

TEST(CStatistik, DegenerateFitsAreFlat) {
  CStatistik eins;
  eins.Regression(10, 0.1, true);
  eins.Mittelwert(0.1);
  EXPECT_EQ(Ausgleich(eins).steigung, 0.0);
  EXPECT_EQ(Ausgleich(eins).achsenabschnitt, 0.1);
  CStatistik gleichesGp;
  for (double c : {0.1, 0.2, 0.3}) {
    gleichesGp.Regression(7, c, true);
    gleichesGp.Mittelwert(c);
  }
  EXPECT_EQ(Ausgleich(gleichesGp).steigung, 0.0);
  EXPECT_NEAR(Ausgleich(gleichesGp).achsenabschnitt, 0.2, 1e-15);
  CStatistik ohneVariable;
  ohneVariable.Regression(10, 0.1, false);
  ohneVariable.Regression(10, 0.0, true);
  EXPECT_EQ(ohneVariable.sx, 0.0);
}

}  // namespace
}  // namespace zelvor
