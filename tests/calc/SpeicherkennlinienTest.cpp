#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "calc/Auswertung.h"
#include "tests/calc/PrognoseBeispiel.h"
#include "calc/Gaseigenschaften.h"
#include "calc/Speicherkennlinien.h"

namespace zelvor {
namespace {

using beispiel::Speicher;

PrognoseEingaben Druecke() {
  PrognoseEingaben e;
  e.pMin = 60;
  e.pMax = 165;
  return e;
}

// Q = C·(D − (Q/(N·A1))²) solved as the quadratic (C/(N·A1)²)·Q² + Q − C·D = 0.
double Quadratisch(double c, double d, double nA1) {
  if (d <= 0) return 0;
  const double a = c / (nA1 * nA1);
  return (-1.0 + std::sqrt(1.0 + 4.0 * a * c * d)) / (2.0 * a);
}

TEST(Speicherkennlinien, EachFillLevelFollowsTheBalanceAndTheLiftModel) {
  const Laufdaten lauf = Speicher();
  ASSERT_TRUE(lauf.vollstaendig);
  const Speicherkennlinien k = KennlinienBerechnen(lauf, Druecke(), {1000, 700}, 0.25);
  ASSERT_TRUE(k.Gemacht()) << k.meldung;
  ASSERT_EQ(k.punkte.size(), 5u);
  const double erwarteteGp[] = {1100, 850, 600, 350, 100};
  const HallYarborough hy = HallYarboroughKoeffizienten(lauf.temperatur, lauf.tca);
  for (size_t i = 0; i < k.punkte.size(); ++i) {
    const Kennlinienpunkt& p = k.punkte[i];
    SCOPED_TRACE(i);
    EXPECT_DOUBLE_EQ(p.fuellgrad, 0.25 * static_cast<double>(i));
    EXPECT_NEAR(p.gp, erwarteteGp[i], 1e-9);
    EXPECT_NEAR(p.inventar, 1800 - erwarteteGp[i], 1e-9);
    EXPECT_NEAR(p.pws / ZFaktor(hy, p.pws, lauf.pca), lauf.PZ(p.gp), 1e-6 * p.pz);
    const double c = lauf.mittlererC;
    EXPECT_NEAR(p.qAus, Quadratisch(c, p.pws * p.pws - lauf.b1 * 60 * 60, lauf.nA1), 1e-6 * p.qAus + 1e-9);
    EXPECT_NEAR(p.qEin, Quadratisch(c, lauf.b1 * 165 * 165 - p.pws * p.pws, lauf.nA1), 1e-6 * p.qEin + 1e-9);
    if (i > 0) {  // fuller: more out, less in
      EXPECT_GT(p.qAus, k.punkte[i - 1].qAus);
      EXPECT_LT(p.qEin, k.punkte[i - 1].qEin);
    }
  }
  // At 100 % the reservoir stands above what 165 bar at the wellhead can press in.
  EXPECT_EQ(k.punkte.back().qEin == 0.0, !k.punkte.back().hinweis.empty());
}

TEST(Speicherkennlinien, SettingsThatMakeNoSenseAreOneGermanSentence) {
  const Laufdaten lauf = Speicher();
  struct Fall {
    Speichervolumen v;
    double schritt;
    const char* meldung;
  } faelle[] = {
      {{0, 700}, 0.1, "Das Arbeitsgasvolumen muss größer als 0 sein."},
      {{1000, -1}, 0.1, "Das Kissengas darf nicht negativ sein."},
      {{1000, 1900}, 0.1, "Das Kissengas von 1900.0 Mio m3 ist größer als der Gasvorrat (OGIP 1800.0 Mio m3)."},
      {{1000, 700}, 0.0, "Die Schrittweite muss zwischen 0.1 und 100 % liegen."},
      {{NAN, 700}, 0.1, "Das Arbeitsgasvolumen muss größer als 0 sein."},
  };
  for (const Fall& f : faelle) {
    const Speicherkennlinien k = KennlinienBerechnen(lauf, Druecke(), f.v, f.schritt);
    EXPECT_EQ(k.meldung, f.meldung);
    EXPECT_TRUE(k.punkte.empty());
  }
  EXPECT_EQ(KennlinienBerechnen(Laufdaten{}, Druecke(), {1000, 700}).meldung, KEINE_AUSWERTUNG);
}

// The facility's limit against the well's rate at each level: below it the limit flows and the point
// says so, above it the well's own rate.
TEST(Speicherkennlinien, AFacilityLimitCapsOnlyWhereTheWellCouldDoMore) {
  const Speicherkennlinien frei = KennlinienBerechnen(Speicher(), Druecke(), {1000, 700}, 0.25);
  ASSERT_TRUE(frei.Gemacht()) << frei.meldung;
  const double mitte = frei.punkte[2].qAus;  // the well's withdrawal at half full
  const Speicherkennlinien k = KennlinienBerechnen(Speicher(), Druecke(), {1000, 700}, 0.25, {0, mitte});
  ASSERT_TRUE(k.Gemacht()) << k.meldung;
  for (std::size_t i = 0; i < k.punkte.size(); ++i) {
    SCOPED_TRACE(i);
    const bool darueber = frei.punkte[i].qAus > mitte;
    EXPECT_EQ(k.punkte[i].ausAnlage, darueber);
    EXPECT_DOUBLE_EQ(k.punkte[i].qAus, darueber ? mitte : frei.punkte[i].qAus);
    EXPECT_DOUBLE_EQ(k.punkte[i].qEin, frei.punkte[i].qEin);  // 0: no injection limit
    EXPECT_FALSE(k.punkte[i].einAnlage);
  }
  EXPECT_FALSE(KennlinienBerechnen(Speicher(), Druecke(), {1000, 700}, 0.25, {std::nan(""), 0}).Gemacht());
}

}  // namespace
}  // namespace zelvor
