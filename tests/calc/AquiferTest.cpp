// The aquifer models against closed forms and published values, the balance with them, and the fit on
// a water-drive well made from known values.
#include <gtest/gtest.h>

#include <cmath>

#include "calc/Aquiferanpassung.h"
#include "calc/Aquiferzufluss.h"
#include "calc/Auswertung.h"
#include "calc/Gaseigenschaften.h"
#include "calc/HurstEinfluss.h"
#include "calc/Messbilanz.h"

namespace zelvor {
namespace {

constexpr double FUSS = 0.3048, PSI = 1.0 / 14.5038, BARREL = 0.158987294928;

// A textbook exercise in field units: a radial aquifer of 140° around a reservoir of 9200 ft, r_e/r_o = 5.
TEST(Aquifer, FetkovichGegenDieLehrbuchaufgabe) {
  Aquiferdaten a;
  a.modell = Aquifermodell::Fetkovich;
  a.winkel = 140;
  a.radius = 9200 * FUSS;
  a.radienverhaeltnis = 5;
  a.permeabilitaet = 200;
  a.maechtigkeit = 100 * FUSS;
  a.porositaet = 0.25;
  a.kompressibilitaet = 7e-6 / PSI;
  a.viskositaet = 0.55;
  const double pi = 2740 * PSI;
  const Aquiferkennwerte k = AquiferkennwerteAus(a, pi);
  EXPECT_NEAR(k.wei / BARREL, 211.9, 0.1);           // MMrb
  EXPECT_NEAR(k.j * 1e6 / BARREL * PSI, 116.5, 0.1);  // rb/d/psi
  const double drucke[] = {2620, 2395, 2199, 2029, 1883}, kumuliert[] = {3.925, 13.540, 25.510, 37.971, 49.941};
  double we = 0;
  for (int i = 0; i < 5; ++i) {
    we += FetkovichSchritt(k, pi * (1 - we / k.wei), drucke[i] * PSI, 365);
    EXPECT_NEAR(we / BARREL, kumuliert[i], 0.02) << i;
  }
}

TEST(Aquifer, HurstDimensionslosGegenVeroeffentlichteWerte) {
  struct Fall {
    double tD, red, wd, toleranz;
  };
  const Fall faelle[] = {
      {0.1, AQUIFER_UNENDLICH, 0.404, 0.001}, {1, AQUIFER_UNENDLICH, 1.569, 0.001},
      {100, AQUIFER_UNENDLICH, 43.01, 0.03},
      // late, unbounded: (2.02566·tD - 4.29881)/ln tD
      {1e3, AQUIFER_UNENDLICH, (2.02566e3 - 4.29881) / std::log(1e3), 0.3},
      {1e5, AQUIFER_UNENDLICH, (2.02566e5 - 4.29881) / std::log(1e5), 30},
      // closed: at rest (R² - 1)/2, early as if unbounded
      {50, 2, 1.5, 1e-4}, {1e4, 5, 12, 1e-4}, {0.1, 10, 0.404, 0.001},
  };
  for (const Fall& f : faelle) {
    EXPECT_NEAR(HurstWDGenau(f.tD, f.red), f.wd, f.toleranz) << f.tD << " " << f.red;
    EXPECT_NEAR(HurstWD(f.tD, f.red), HurstWDGenau(f.tD, f.red), 1e-5 * f.wd) << f.tD << " " << f.red;
  }
}

// Pure methane at 100 °C, 200 bar, as the run's worked example.
Gasbilanz Methan() {
  std::array<float, KOMPONENTEN> k{};
  k[3] = 100;
  double tca = 0, pca = 0;
  PseudokritischeWerte(k.data(), tca, pca);
  Gasbilanz g;
  g.initialdruck = 200;
  g.koeffizienten = HallYarboroughKoeffizienten(100, tca);
  g.pca = pca;
  g.pzi = 200 / ZFaktor(g.koeffizienten, 200, pca);
  g.bgi = g.pzi * 273 / ((100 + 273) * 1.0134);
  return g;
}

Aquiferdaten Radial(Aquifermodell m, double red, double k) {
  Aquiferdaten a;
  a.modell = m;
  a.radius = 600;
  a.radienverhaeltnis = red;
  a.maechtigkeit = 30;
  a.porositaet = 0.2;
  a.permeabilitaet = k;
  a.kompressibilitaet = 1e-4;
  a.viskositaet = 0.5;
  return a;
}

// Yearly surveys of 25 years and monthly lines of a constant production.
Aquiferdatenlage Verlauf(double jahresfoerderung, int jahre) {
  Aquiferdatenlage l;
  const Tag beginn = *TagAusDatum(2000, 1, 1);
  for (int monat = 1; monat <= 12 * jahre; ++monat)
    l.zeilen.push_back({beginn + static_cast<Tag>(std::lround(monat * 30.4375)), jahresfoerderung * monat / 12.0});
  for (int jahr = 1; jahr <= jahre; ++jahr)
    l.messungen.push_back({beginn + static_cast<Tag>(std::lround(jahr * 365.25)) + 10, jahresfoerderung * (jahr + 10 / 365.25)});
  return l;
}

TEST(Aquifer, BilanzMitDemTopfUndDerGrenzfallGeschlossenerSpeicher) {
  const Gasbilanz gas = Methan();
  const double g = 1000;
  const double vp = g / gas.bgi;
  Aquiferdaten topf;
  topf.modell = Aquifermodell::Topf;
  topf.kompressibilitaet = 1e-4;
  topf.volumen = 20 * vp;
  Aquiferdaten winzig = Radial(Aquifermodell::Hurst, 1.0001, 100);
  winzig.kompressibilitaet = 1e-9;
  winzig.foerderbeginn = *TagAusDatum(2000, 1, 1);
  const Aquiferdatenlage l = Verlauf(30, 10);
  const Aquiferverlauf vt = AquiferverlaufBerechnen(gas, g, topf, l.Alle());
  const Aquiferverlauf vw = AquiferverlaufBerechnen(gas, g, winzig, l.Alle());
  ASSERT_TRUE(vt.Gemacht()) << vt.meldung;
  ASSERT_TRUE(vw.Gemacht()) << vw.meldung;
  for (std::size_t i = 0; i < vt.punkte.size(); ++i) {
    const Aquiferzustand& s = vt.punkte[i];
    // the pot's closed form and the balance with it
    EXPECT_NEAR(s.we, 1e-4 * topf.volumen * (200 - s.p), 1e-9);
    EXPECT_NEAR(s.pz, gas.pzi * (1 - s.gp / g) / (1 - s.we / vp), 1e-7);
    EXPECT_NEAR(vw.punkte[i].pz, gas.pzi * (1 - s.gp / g), 1e-4);
  }
  EXPECT_GT(vt.punkte.back().pz, gas.pzi * (1 - vt.punkte.back().gp / g) + 2);
}

TEST(Aquifer, AnpassungFindetDenGasvorratDenDieGeradeUeberschaetzt) {
  const Gasbilanz gas = Methan();
  for (Aquifermodell modell : {Aquifermodell::Fetkovich, Aquifermodell::Hurst}) {
    Aquiferdaten wahr = Radial(modell, 4, 2);
    Aquiferdatenlage l = Verlauf(30, 20);
    const Aquiferverlauf v = AquiferverlaufBerechnen(gas, 1000, wahr, l.Alle());
    ASSERT_TRUE(v.Gemacht()) << v.meldung;
    std::vector<double> gp;
    for (std::size_t i = 0; i < l.messungen.size(); ++i) {
      // measured with a scatter of ±0.3 bar
      l.pzGemessen.push_back(v.punkte[l.zeilen.size() + i].pz + 0.3 * std::sin(7.0 * static_cast<double>(i)));
      gp.push_back(l.messungen[i].gp);
    }
    Aquiferdaten eingabe = wahr;
    eingabe.radienverhaeltnis = 8;
    eingabe.permeabilitaet = 200;
    const Aquiferanpassung f = AquiferAnpassen(gas, eingabe, l, 1200);
    ASSERT_TRUE(f.Gemacht()) << f.meldung;
    EXPECT_LE(f.g.unten, 1000) << AquifermodellName(modell);
    EXPECT_GE(f.g.oben, 1000);
    EXPECT_NEAR(f.g.wert, 1000, 30);
    EXPECT_LE(f.groesse.unten, 4);
    EXPECT_GE(f.groesse.oben, 4);
    EXPECT_TRUE(f.gestuetzt) << f.vergleich;
    EXPECT_GT(PZGeradeAnpassen(gp, l.pzGemessen).g, 1100);
    // Havlena-Odeh: F/Eg = G + We/Eg on the fitted model
    for (const AquiferDiagnosepunkt& d : f.punkte)
      if (d.imDiagramm && d.gp > 100) {
        EXPECT_NEAR(d.fEg - d.weEg, f.g.wert, 0.1 * f.g.wert);
      }
  }
}

TEST(Aquifer, ZuWenigeMessungenUndFehlendeDatenWerdenAbgelehnt) {
  const Gasbilanz gas = Methan();
  Aquiferdatenlage l = Verlauf(30, 2);
  l.pzGemessen = {200, 190};
  EXPECT_NE(AquiferAnpassen(gas, Radial(Aquifermodell::Fetkovich, 4, 50), l, 1000).meldung.find("mindestens 4"),
            std::string::npos);
  Aquiferdatenlage viele = Verlauf(30, 90);  // 1080 monthly lines
  EXPECT_NE(AquiferAnpassen(gas, Radial(Aquifermodell::Hurst, 4, 50), viele, 1000).meldung.find("höchstens 1000"),
            std::string::npos);
  l.zeilen[3].tag.reset();
  EXPECT_NE(AquiferverlaufBerechnen(gas, 1000, Radial(Aquifermodell::Hurst, 4, 50), l.Alle()).meldung.find("Datum"),
            std::string::npos);
}

}  // namespace
}  // namespace zelvor

namespace zelvor {
namespace {

// The run with an aquifer too small to matter is the closed tank's run line for line; only its last
// line, which names the model, is added.
TEST(Aquifer, LaufMitVerschwindendemAquiferIstDerDesGeschlossenenSpeichers) {
  AuswertungsEingaben e;
  e.komponenten[3] = 100;
  e.temperatur = 100;
  e.ogip = 1000;
  e.initialdruck = 200;
  e.a1 = 100;
  e.b1 = 1.2;
  e.bohrungsanzahl = 1;
  const std::vector<std::string> zeilen = {"100 1000 100", "180 900 90", "260 800 80"};
  e.ratenzeilen = &zeilen;
  AuswertungsErgebnis ohne, mit;
  Auswerten(e, ohne);
  Aquiferdaten a = Radial(Aquifermodell::Hurst, 3, 50);
  a.kompressibilitaet = 1e-12;
  const std::vector<std::optional<Tag>> daten = {TagAusDatum(2001, 1, 1), TagAusDatum(2002, 1, 1), TagAusDatum(2003, 1, 1)};
  e.aquifer = &a;
  e.zeilendaten = &daten;
  Auswerten(e, mit);
  ASSERT_EQ(mit.zeilen.size(), ohne.zeilen.size() + 1);
  EXPECT_TRUE(std::equal(ohne.zeilen.begin(), ohne.zeilen.end(), mit.zeilen.begin()));
  EXPECT_EQ(mit.zeilen.back().rfind("    Aquifermodell hurst ab 02.10.1999 (geschätzt): WE 0.0", 0), 0u)
      << mit.zeilen.back();
  // Undated lines: the run stops with the reason.
  e.zeilendaten = nullptr;
  Auswerten(e, mit);
  EXPECT_TRUE(mit.abgebrochen);
  EXPECT_NE(mit.zeilen.back().find("braucht ein Datum"), std::string::npos) << mit.zeilen.back();
}

}  // namespace
}  // namespace zelvor
