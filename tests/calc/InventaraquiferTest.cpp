// The inventory check of a storage with an aquifer against surveys made by an independent simulation:
// five years of depletion, then six storage years (withdrawal October to March, injection April to
// September) above a Fetkovich aquifer stepped day by day, with a known constant gas loss from the first
// storage year on and a little scatter on the gauge.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "calc/Aquiferanpassung.h"
#include "calc/DruckAusPZ.h"
#include "calc/Inventaraquifer.h"
#include "tests/calc/PrognoseBeispiel.h"

namespace zelvor {
namespace {

// A radial aquifer all round the storage: r_o 1500 m, r_e/r_o 4, 10 m, 20 %, 50 mD, 5e-5 1/bar, 0.5 mPa·s.
Aquiferdaten Aquifer() {
  Aquiferdaten a;
  a.modell = Aquifermodell::Fetkovich;
  a.winkel = 360;
  a.radius = 1500;
  a.radienverhaeltnis = 4;
  a.maechtigkeit = 10;
  a.porositaet = 0.2;
  a.permeabilitaet = 50;
  a.kompressibilitaet = 5e-5;
  a.viskositaet = 0.5;
  a.foerderbeginn = *TagAusDatum(2010, 1, 1);
  return a;
}

struct Speicherdaten {
  std::vector<Aquiferereignis> zeilen;  // the 1st of each month with its booked Gp
  std::vector<Inventarmessung> messungen;
};

// Booked Gp on the 1st of month m after January 2010: 600 Mio m3 withdrawn evenly over five years, then
// each year down by 200 from October to March and up again from April to September.
double GebuchtesGp(int m) {
  if (m <= 60) return 10.0 * m;
  const int imJahr = (m - 60) % 12;  // 0: 1 January 2015, mid-withdrawal
  const double stand[] = {100, 133.3, 166.7, 200, 166.7, 133.3, 100, 66.7, 33.3, 0, 33.3, 66.7};
  return 600.0 - 100.0 + stand[imJahr];
}

// The simulation: the balance with the aquifer's water solved every day; the Fetkovich step over the
// day's mean boundary pressure, both ends of the day iterated to agreement.
Speicherdaten Simulieren(const Laufdaten& lauf, double verlustJeJahr) {
  const Aquiferdaten a = Aquifer();
  const Gasbilanz gas = GasbilanzAus(lauf);
  const double g = lauf.ogip, vi = g / gas.bgi, pi = gas.initialdruck;
  const double wa = std::numbers::pi * a.radius * a.radius * (a.radienverhaeltnis * a.radienverhaeltnis - 1) *
                    a.maechtigkeit * a.porositaet / 1e6;  // Mio m3 of water
  const double wei = a.kompressibilitaet * wa * pi;
  const double darcy = 9.869233e-16 * 1e5 / 1e-3 * 86400;  // m3/d through 1 m2 over 1 m at 1 bar
  const double j = 2 * std::numbers::pi * a.permeabilitaet * a.maechtigkeit * darcy /
                   (a.viskositaet * (std::log(a.radienverhaeltnis) - 0.75)) / 1e6;  // Mio m3/d/bar
  const double abklingen = 1.0 - std::exp(-j * pi / wei);
  const Tag beginn = *a.foerderbeginn, verlustBeginn = *TagAusDatum(2015, 1, 1);
  const auto monatsbeginn = [](int m) { return *TagAusDatum(2010 + m / 12, m % 12 + 1, 1); };
  const double streuung[] = {0.12, -0.08, 0.03, -0.15, 0.1, -0.02, 0.07, -0.11, 0.14, -0.05, 0.0, 0.09, -0.13};

  Speicherdaten d;
  double we = 0, p = pi;
  int monat = 0, messung = 0;
  for (Tag t = beginn;; ++t) {
    // Gp by the calendar between the months' lines, up to 1 April 2021.
    while (monatsbeginn(monat + 1) <= t) ++monat;
    if (monat > 135) break;
    const Tag t0 = monatsbeginn(monat), t1 = monatsbeginn(monat + 1);
    const double gp = GebuchtesGp(monat) + (GebuchtesGp(monat + 1) - GebuchtesGp(monat)) * (t - t0) / (t1 - t0);
    if (t == t0) d.zeilen.push_back({t, GebuchtesGp(monat)});
    const double verlust = t > verlustBeginn ? verlustJeJahr * (t - verlustBeginn) / 365.25 : 0.0;
    double weNeu = we, pNeu = p;
    if (t > beginn)
      for (int k = 0; k < 20; ++k) {
        const double pa = pi * (1 - we / wei);
        weNeu = we + wei / pi * (pa - (p + pNeu) / 2) * abklingen;
        const double pz = gas.pzi * (1 - (gp + verlust) / g) / (1 - weNeu / vi);
        pNeu = DruckAusPZ(gas.koeffizienten, pz, gas.pca);
      }
    we = weNeu, p = pNeu;
    // Shut-in surveys on 1 April and 1 October, from 1 April 2015.
    const bool stichtag = t >= *TagAusDatum(2015, 4, 1) && t == t0 && (monat % 12 == 3 || monat % 12 == 9);
    if (stichtag) {
      const double pz = p / ZFaktor(gas.koeffizienten, p, gas.pca) + streuung[messung++ % 13];
      d.messungen.push_back({t, gp, pz, DruckAusPZ(gas.koeffizienten, pz, gas.pca)});
    }
  }
  return d;
}

std::vector<std::pair<Tag, double>> Verlauf(const Speicherdaten& d) {
  std::vector<std::pair<Tag, double>> v;
  for (const Aquiferereignis& z : d.zeilen) v.emplace_back(*z.tag, z.gp);
  return v;
}

TEST(Inventaraquifer, DieHystereseErklaertDasWasserEinVerlustBleibt) {
  const Laufdaten lauf = beispiel::Speicher();
  for (const double verlust : {3.0, 0.0}) {
    SCOPED_TRACE(verlust);
    const Speicherdaten d = Simulieren(lauf, verlust);
    ASSERT_EQ(d.messungen.size(), 13u);
    const Inventarpruefung p =
        InventarPruefenMitAquifer(lauf, d.messungen, Verlauf(d), {GasbilanzAus(lauf), Aquifer(), d.zeilen});
    ASSERT_TRUE(p.Gemacht()) << p.meldung;
    EXPECT_EQ(p.aquifer, Aquifermodell::Fetkovich);
    EXPECT_FALSE(p.getrennt);
    EXPECT_LE(p.unten, verlust);
    EXPECT_GE(p.oben, verlust);
    EXPECT_LT(p.oben - p.unten, 1.5);
    // No hysteresis left: the surveys after injection and after withdrawal lie on one line, their mean
    // distances from it apart by no more than the scatter allows.
    double abstand[2] = {0, 0}, quadrate = 0;
    int anzahl[2] = {0, 0};
    for (const Inventarpunkt& q : p.punkte) {
      const int nachEin = q.richtung == Speicherrichtung::NachEinspeisung;
      const double r = q.verlust - p.versatz[0] - p.rate * Jahreszahl(q.messung.datum);
      abstand[nachEin] += r;
      quadrate += r * r;
      ++anzahl[nachEin];
    }
    ASSERT_EQ(anzahl[0], 7);
    ASSERT_EQ(anzahl[1], 6);
    const double streuung = std::sqrt(quadrate / 11 * (1.0 / 7 + 1.0 / 6));
    EXPECT_LT(std::fabs(abstand[1] / anzahl[1] - abstand[0] / anzahl[0]), 2.2 * streuung);
    EXPECT_EQ(p.satz.rfind(verlust > 0 ? "Ein Gasverlust von" : "Kein Gasverlust erkennbar", 0), 0u) << p.satz;
    std::printf("Verlust %.1f: Rate %.3f (%.3f bis %.3f), %d Läufe\n", verlust, p.rate, p.unten, p.oben, p.iterationen);

    // The closed balance on the same surveys sees the water as a swing of many Mio m3 between the seasons.
    const Inventarpruefung ohne = InventarPruefen(lauf, d.messungen, Verlauf(d));
    ASSERT_TRUE(ohne.Gemacht()) << ohne.meldung;
    EXPECT_GT(std::fabs(ohne.hysterese), 5.0);
    std::printf("  geschlossen: Rate %.3f (%.3f bis %.3f), Hysterese %.2f\n", ohne.rate, ohne.unten, ohne.oben,
                ohne.hysterese);
  }
}

// The history runs again for every step towards the loss: a file with more points than the fit takes is
// refused at once.
TEST(Inventaraquifer, ZuVielePunkteWerdenAbgelehnt) {
  const Laufdaten lauf = beispiel::Speicher();
  Speicherdaten d = Simulieren(lauf, 0.0);
  while (d.zeilen.size() + d.messungen.size() <= AQUIFER_ANPASSUNG_HOECHSTPUNKTE) d.zeilen.push_back(d.zeilen.back());
  const Inventarpruefung p =
      InventarPruefenMitAquifer(lauf, d.messungen, Verlauf(d), {GasbilanzAus(lauf), Aquifer(), d.zeilen});
  EXPECT_EQ(p.meldung.rfind("Die Inventarprüfung mit dem Aquifermodell rechnet mit höchstens 1000 datierten", 0), 0u)
      << p.meldung;
  EXPECT_TRUE(p.punkte.empty());
}

}  // namespace
}  // namespace zelvor
