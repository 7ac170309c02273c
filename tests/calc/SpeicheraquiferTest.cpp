#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

#include "calc/Aquiferanpassung.h"
#include "calc/Speicherjahr.h"
#include "tests/calc/PrognoseBeispiel.h"

namespace zelvor {
namespace {

using beispiel::Speicher;

// 200 Mio m3 working gas over 1300 cushion gas in 1800 Mio m3 gas in place (see SpeicherjahrTest).
constexpr Speichervolumen VOLUMEN{200, 1300};
const Tag START = *TagAusDatum(2027, 4, 1);

PrognoseEingaben Druecke() {
  PrognoseEingaben e;
  e.pMin = 60;
  e.pMax = 165;
  return e;
}

Aquiferdaten Fetkovich(double permeabilitaet) {
  Aquiferdaten a;
  a.modell = Aquifermodell::Fetkovich;
  a.radius = 1500;
  a.radienverhaeltnis = 4;
  a.maechtigkeit = 20;
  a.porositaet = 0.2;
  a.permeabilitaet = permeabilitaet;
  a.kompressibilitaet = 1e-4;
  a.viskositaet = 0.5;
  return a;
}

Aquiferdaten Topf(double volumen) {
  Aquiferdaten a;
  a.modell = Aquifermodell::Topf;
  a.kompressibilitaet = 1e-4;
  a.volumen = volumen;
  return a;
}

// The aquifer on START at Gp gp, production started `jahre` earlier (0: the water has not moved yet).
Speicheraquifer AmBeginn(const Laufdaten& lauf, Aquiferdaten a, double gp, int jahre = 0) {
  a.foerderbeginn = *TagAusDatum(2027 - jahre, 4, 1);
  Aquiferstart s = AquiferstartBei(GasbilanzAus(lauf), lauf.ogip, a, {}, START, gp);
  EXPECT_TRUE(s.Gemacht()) << s.meldung;
  return {AquifermodellName(a.modell), s.meldung, std::move(s.fortschreibung)};
}

SpeicherjahrEingaben Jahr(double qEin, double qAus) {
  SpeicherjahrEingaben j;
  j.start = START;
  j.gpStart = VOLUMEN.GpBeiFuellgrad(1800, 0.2);
  j.qEinPlan = qEin;
  j.qAusPlan = qAus;
  return j;
}

void ErwartetNahe(double ist, double soll, double relativ) { EXPECT_NEAR(ist, soll, relativ * std::fabs(soll) + 1e-9); }

// An aquifer that gives no water (a pot of almost no volume, a Fetkovich aquifer of almost no
// permeability) leaves the storage a closed tank: its year and both seasons' curves are the closed ones.
TEST(Speicheraquifer, EinVerschwindenderAquiferGibtDenGeschlossenenSpeicher) {
  const Laufdaten lauf = Speicher();
  const Speicherjahr geschlossen = SpeicherjahrBerechnen(lauf, Druecke(), VOLUMEN, Jahr(0, 0));
  const Speicherkennlinien kurven = KennlinienBerechnen(lauf, Druecke(), VOLUMEN, 0.1);
  ASSERT_TRUE(geschlossen.Gemacht() && kurven.Gemacht());
  for (const Aquiferdaten& a : {Topf(1e-9), Fetkovich(1e-12)}) {
    SCOPED_TRACE(AquifermodellName(a.modell));
    const Speicheraquifer aq = AmBeginn(lauf, a, Jahr(0, 0).gpStart);
    const Speicherjahr s = SpeicherjahrBerechnen(lauf, Druecke(), VOLUMEN, Jahr(0, 0), &aq);
    ASSERT_TRUE(s.Gemacht()) << s.meldung;
    EXPECT_EQ(s.aquifer, AquifermodellName(a.modell));
    ASSERT_EQ(s.tage.size(), geschlossen.tage.size());
    for (std::size_t i = 0; i < s.tage.size(); i += 7) {
      ErwartetNahe(s.tage[i].pws, geschlossen.tage[i].pws, 1e-6);
      ErwartetNahe(s.tage[i].fuellgrad, geschlossen.tage[i].fuellgrad, 1e-6);
    }
    ASSERT_EQ(s.ziele.size(), geschlossen.ziele.size());
    for (std::size_t i = 0; i < s.ziele.size(); ++i) EXPECT_EQ(s.ziele[i].spaetesterBeginn, geschlossen.ziele[i].spaetesterBeginn);

    const Speicherkennlinien k = KennlinienBerechnen(lauf, Druecke(), VOLUMEN, 0.1, {}, &aq);
    ASSERT_TRUE(k.Gemacht()) << k.meldung;
    ASSERT_TRUE(k.MitAquifer());
    EXPECT_TRUE(k.punkte.empty());
    for (const Kennlinienrichtung r : {Kennlinienrichtung::Einspeicherung, Kennlinienrichtung::Ausspeicherung}) {
      const std::vector<Kennlinienpunkt>& p = k.Punkte(r);
      ASSERT_EQ(p.size(), kurven.punkte.size());
      for (std::size_t i = 0; i < p.size(); ++i) {
        EXPECT_DOUBLE_EQ(p[i].fuellgrad, kurven.punkte[i].fuellgrad);
        ErwartetNahe(p[i].pws, kurven.punkte[i].pws, 1e-5);
        ErwartetNahe(p[i].qEin, kurven.punkte[i].qEin, 1e-4);
        ErwartetNahe(p[i].qAus, kurven.punkte[i].qAus, 1e-4);
      }
    }
  }
}

// Injected gas pushes the water back only slowly, withdrawn gas draws it in only slowly: at the same
// fill level the injection season stands at a higher pressure, so it takes less and delivers more. The
// field was produced for 30 years before: the aquifer has followed the reservoir.
TEST(Speicheraquifer, DieEinspeicherkurveLiegtUeberDerAusspeicherkurve) {
  const Laufdaten lauf = Speicher();
  const Speicheraquifer aq = AmBeginn(lauf, Fetkovich(50), Jahr(0, 0).gpStart, 30);
  const Speicherkennlinien k = KennlinienBerechnen(lauf, Druecke(), VOLUMEN, 0.1, {}, &aq);
  ASSERT_TRUE(k.Gemacht()) << k.meldung;
  const std::vector<Kennlinienpunkt>& ein = k.Punkte(Kennlinienrichtung::Einspeicherung);
  const std::vector<Kennlinienpunkt>& aus = k.Punkte(Kennlinienrichtung::Ausspeicherung);
  ASSERT_EQ(ein.size(), 11u);
  ASSERT_EQ(aus.size(), 11u);
  for (std::size_t i = 1; i + 1 < ein.size(); ++i) {
    SCOPED_TRACE(ein[i].fuellgrad);
    EXPECT_DOUBLE_EQ(ein[i].inventar, aus[i].inventar);
    EXPECT_GT(ein[i].pws, aus[i].pws + 0.5);
    EXPECT_LT(ein[i].qEin, aus[i].qEin);
    EXPECT_GT(ein[i].qAus, aus[i].qAus);
  }
}

// The storage year with a Fetkovich aquifer against a day-step simulation of its own: the planned rates
// stay below capacity, so Gp follows the plan, and each morning's pressure solves
//   p/Z(p) = pzi·(1 - Gp/G) / (1 - We/(G/Bgi)),  We += Wei/pi·(p̄a - (p_prev + p)/2)·(1 - exp(-J·pi/Wei))
// by bisection.
TEST(Speicheraquifer, DasSpeicherjahrFolgtEinerEigenenTagesrechnung) {
  const Laufdaten lauf = Speicher();
  const Aquiferdaten a = Fetkovich(50);
  const SpeicherjahrEingaben j = Jahr(15000, 15000);
  const Speicheraquifer aq = AmBeginn(lauf, a, j.gpStart);
  const Speicherjahr s = SpeicherjahrBerechnen(lauf, Druecke(), VOLUMEN, j, &aq);
  ASSERT_TRUE(s.Gemacht()) << s.meldung;

  const double pi = lauf.initialdruck, g = lauf.ogip, gRes = g / lauf.bgi;
  const double wa = std::numbers::pi * (std::pow(4.0 * 1500, 2) - 1500.0 * 1500) * 20 * 0.2 / 1e6;
  const double wei = 1e-4 * wa * pi;
  const double jAq = 2 * std::numbers::pi * 8.527e-3 * 50 * 20 / (0.5 * (std::log(4.0) - 0.75)) / 1e6;
  const double faktor = wei / pi * -std::expm1(-jAq * pi / wei);
  const HallYarborough hy = HallYarboroughKoeffizienten(lauf.temperatur, lauf.tca);
  const auto druck = [&](double gp, const std::function<double(double)>& weVon) {  // the balance with We(p)
    double lo = 1, hi = 400;
    for (int i = 0; i < 100; ++i) {
      const double p = (lo + hi) / 2;
      const double f = p / ZFaktor(hy, p, lauf.pca) - lauf.pzi * (1 - gp / g) / (1 - weVon(p) / gRes);
      (f > 0 ? hi : lo) = p;
    }
    return (lo + hi) / 2;
  };
  double gp = j.gpStart, we = 0;
  double p = druck(gp, [](double) { return 0.0; });
  for (std::size_t i = 0; i < s.tage.size(); ++i) {
    const Speichertag& d = s.tage[i];
    SCOPED_TRACE(DatumText(d.tag));
    ASSERT_NEAR(d.gp, gp, 1e-6);
    ErwartetNahe(d.pws, p, 1e-3);
    if (d.phase == Speicherphase::Einspeisen) {
      ASSERT_NEAR(d.q, 15000, 1e-6);  // the plan, not the capacity
    }
    gp -= d.q * 24e-6;
    const double pa = pi * (1 - we / wei), pVorher = p;
    const auto weBei = [&](double pNeu) { return we + faktor * (pa - (pVorher + pNeu) / 2); };
    p = druck(gp, weBei);
    we = weBei(p);
  }
  // The water pushed back over the injection season holds the pressure above the closed tank's.
  const Speicherjahr geschlossen = SpeicherjahrBerechnen(lauf, Druecke(), VOLUMEN, j);
  EXPECT_GT(s.tage[150].pws, geschlossen.tage[150].pws);
}

// A model that cannot be computed leaves no storage year and no curves, with its reason.
TEST(Speicheraquifer, EinAquiferOhneZustandNenntDenGrund) {
  const Laufdaten lauf = Speicher();
  const Speicheraquifer ohne{"hurst", "Das Aquifermodell hurst braucht ein Datum an jeder Ratenzeile.", std::nullopt};
  EXPECT_EQ(SpeicherjahrBerechnen(lauf, Druecke(), VOLUMEN, Jahr(0, 0), &ohne).meldung, ohne.meldung);
  EXPECT_EQ(KennlinienBerechnen(lauf, Druecke(), VOLUMEN, 0.1, {}, &ohne).meldung, ohne.meldung);
}

}  // namespace
}  // namespace zelvor
