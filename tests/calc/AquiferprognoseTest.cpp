#include "calc/Aquiferprognose.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "calc/Auswertung.h"
#include "calc/Format.h"
#include "calc/Prognose.h"

namespace zelvor {
namespace {

// A methane well of 1000 Mio m3 at 200 bar with a radial Fetkovich aquifer, produced at 8000 m3/h for
// three years, a line each month.
struct Wasserbohrung {
  Aquiferdaten aquifer;
  std::vector<std::string> zeilen;
  std::vector<std::optional<Tag>> daten;
  Laufdaten lauf;
  std::vector<Aquiferereignis> ereignisse;

  explicit Wasserbohrung(double kompressibilitaet, bool injektion = false) {
    aquifer.modell = Aquifermodell::Fetkovich;
    aquifer.radius = 600;
    aquifer.radienverhaeltnis = 6;
    aquifer.maechtigkeit = 30;
    aquifer.porositaet = 0.2;
    aquifer.permeabilitaet = 20;
    aquifer.kompressibilitaet = kompressibilitaet;
    aquifer.viskositaet = 0.5;
    aquifer.foerderbeginn = TagAusDatum(2000, 1, 1);
    const Tag beginn = *aquifer.foerderbeginn;
    for (int monat = 1; monat <= 36; ++monat) {
      const Tag tag = beginn + static_cast<Tag>(std::lround(monat * 30.4375));
      const double gp = (injektion ? 600.0 - 0.1 * monat : 0.0) + 8000.0 * 24 * (tag - beginn) / 1e6 * (injektion ? 0 : 1);
      zeilen.push_back(Formatiere("%.3f 8000 %.1f", gp, 150.0 - monat));
      daten.push_back(tag);
      ereignisse.push_back({tag, static_cast<double>(static_cast<float>(gp))});
    }
    AuswertungsEingaben e;
    e.komponenten[3] = 100;
    e.temperatur = 100;
    e.ogip = 1000;
    e.initialdruck = 200;
    e.a1 = 400;
    e.b1 = 1.2;
    e.bohrungsanzahl = 1;
    e.injektion = injektion;
    e.ratenzeilen = &zeilen;
    e.aquifer = &aquifer;
    e.zeilendaten = &daten;
    AuswertungsErgebnis r;
    Auswerten(e, r);
    lauf = r.lauf;
  }

  PrognoseEingaben Eingaben() const {
    PrognoseEingaben e;
    e.pMin = 30;
    e.qPlan = 8000;
    e.qEnde = 1500;
    e.pMax = 190;
    e.pResMax = 195;
    e.schritte = 20;
    auto a = std::make_shared<Prognoseaquifer>();
    a->daten = aquifer;
    a->ereignisse = ereignisse;
    a->start = daten.back();
    e.aquifer = a;
    return e;
  }
};

// An independent simulation of the same well: day steps from the start of production, Gp by the calendar
// along the lines, then at the forecast's rate; Fetkovich's influx explicitly per day from the textbook's
// J and Wei; the balance solved by bisection. Returns the reservoir pressure of every day from the start
// of the forecast.
std::vector<double> Simulieren(const Wasserbohrung& w, const Foerderprognose& p, int tage) {
  const Laufdaten& l = w.lauf;
  const Aquiferdaten& a = w.aquifer;
  const HallYarborough hy = HallYarboroughKoeffizienten(l.temperatur, l.tca);
  const double pi = l.initialdruck;
  const double anteil = a.winkel / 360.0, re = a.radius * a.radienverhaeltnis;
  const double wei = a.kompressibilitaet * std::numbers::pi * (re * re - a.radius * a.radius) * a.maechtigkeit *
                     a.porositaet * anteil * pi / 1e6;
  const double j = 2 * std::numbers::pi * 8.527e-3 * a.permeabilitaet * a.maechtigkeit * anteil /
                   (a.viskositaet * (std::log(a.radienverhaeltnis) - 0.75)) / 1e6;
  const auto druck = [&](double gp, double we) {
    double lo = 1, hi = 400;
    for (int i = 0; i < 100; ++i) {
      const double m = (lo + hi) / 2;
      const double f = m / ZFaktor(hy, m, l.pca) - l.pzi * (1 - gp / l.ogip) / (1 - we / (l.ogip / l.bgi));
      (f < 0 ? lo : hi) = m;
    }
    return (lo + hi) / 2;
  };
  double gp = 0, we = 0, p0 = pi;
  const Tag beginn = *a.foerderbeginn;
  Tag vorher = beginn;
  double gpVorher = 0;
  for (std::size_t i = 0; i < w.ereignisse.size(); ++i)
    for (Tag t = vorher + 1; t <= *w.ereignisse[i].tag; ++t) {
      gp = gpVorher + (w.ereignisse[i].gp - gpVorher) * (t - vorher) / (*w.ereignisse[i].tag - vorher);
      if (t == *w.ereignisse[i].tag) vorher = t, gpVorher = w.ereignisse[i].gp;
      const double pa = pi * (1 - we / wei);
      we += j * (pa - p0);
      p0 = druck(gp, we);
    }
  std::vector<double> verlauf{p0};
  for (int tag = 1; tag <= tage; ++tag) {
    const double D = p0 * p0 - l.b1 * p.eingaben.pMin * p.eingaben.pMin;
    const double q = std::min(p.eingaben.qPlan, LieferbareRate(p.ansatz.C(gp), 1.0, D, l.nA1));
    gp += q * 24 / 1e6;
    we += j * (pi * (1 - we / wei) - p0);
    p0 = druck(gp, we);
    verlauf.push_back(p0);
  }
  return verlauf;
}

TEST(Aquiferprognose, DruckeWieEineUnabhaengigeSimulationUndSpaetereAufgabe) {
  const Wasserbohrung w(1e-4);
  ASSERT_TRUE(w.lauf.vollstaendig);
  const Foerderprognose p = PrognoseBerechnen(w.lauf, w.Eingaben());
  ASSERT_TRUE(p.Gemacht()) << p.meldung;
  ASSERT_TRUE(p.aquifer);
  ASSERT_TRUE(p.aquifer->ohneAquifer && p.aquifer->ohneAquifer->Gemacht());
  const std::vector<double> sim = Simulieren(w, p, static_cast<int>(p.jahre * 365) + 2);
  for (const Prognosezeile& z : p.zeilen) {
    const double tag = z.jahre * 365;
    const std::size_t i = static_cast<std::size_t>(tag);
    const double ps = sim[i] + (sim[i + 1] - sim[i]) * (tag - static_cast<double>(i));
    EXPECT_NEAR(z.pws, ps, 0.01 * ps) << "nach " << z.jahre << " Jahren";
  }
  // The water holds the pressure up: the well is given up later and has produced more.
  EXPECT_GT(p.aquifer->weEnde, p.aquifer->weStart);
  EXPECT_GT(p.jahre, p.aquifer->ohneAquifer->jahre + 1);
  EXPECT_GT(p.Restreserven(), p.aquifer->ohneAquifer->Restreserven());
}

TEST(Aquiferprognose, VerschwindenderAquiferGibtDieVorhersageDesGeschlossenenSpeichers) {
  for (bool injektion : {false, true}) {
    const Wasserbohrung w(1e-14, injektion);
    const Foerderprognose p = PrognoseBerechnen(w.lauf, w.Eingaben());
    ASSERT_TRUE(p.Gemacht()) << p.meldung;
    const Foerderprognose& o = *p.aquifer->ohneAquifer;
    ASSERT_TRUE(o.Gemacht()) << o.meldung;
    ASSERT_EQ(p.zeilen.size(), o.zeilen.size());
    EXPECT_EQ(p.voll, o.voll);
    EXPECT_NEAR(p.gpEnde, o.gpEnde, 1e-6 * w.lauf.ogip);
    for (std::size_t i = 0; i < p.zeilen.size(); ++i) {
      EXPECT_NEAR(p.zeilen[i].pws, o.zeilen[i].pws, 1e-6 * o.zeilen[i].pws);
      EXPECT_NEAR(p.zeilen[i].jahre, o.zeilen[i].jahre, 5e-3 * o.jahre);  // the closed tank integrates time over its coarse Gp steps
    }
  }
}

}  // namespace
}  // namespace zelvor
