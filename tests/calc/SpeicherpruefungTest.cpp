#include "calc/Speicherpruefung.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/calc/PrognoseBeispiel.h"

namespace zelvor {
namespace {

// The example storage: 1800 Mio m3 at 182 bar by its balance.
TEST(Speicherpruefung, VolumesAreJudgedByTheBalancesPressure) {
  const Laufdaten lauf = beispiel::Speicher();
  ASSERT_TRUE(lauf.vollstaendig);
  struct Fall {
    Speichervolumen v;
    double pResMax;
    std::optional<double> gpJetzt;
    std::vector<std::string> teile;  // one per sentence expected, in order
  } faelle[] = {
      {{1000, 800}, 182, 500.0, {}},                            // full at the maximum pressure
      {{1000, 800}, 172, 500.0, {}},                            // within a tenth
      // The storage example's case: 100 % at 137 bar against 178 bar.
      {{200, 1150}, 178, 500.0, {"steht der Speicher nach der Materialbilanz bei 137.0 bar, nicht beim maximalen "
                                 "Lagerstättendruck von 178.0 bar"}},
      {{1000, 800}, 230, std::nullopt, {"Kissengas plus Arbeitsgas = 1800.0 Mio m3"}},
      {{5000, 100}, 178, 500.0, {"weit über dem maximalen Lagerstättendruck von 178.0 bar"}},
      {{300, 1500}, 182, 500.0, {"Jetzt enthält der Speicher 1300.0 Mio m3, weniger als sein Kissengas von 1500.0 "
                                 "Mio m3 (Füllstand -67 %)"}},
      {{0, 1500}, 182, 500.0, {}},                              // no working gas: nothing to judge
  };
  for (const Fall& f : faelle) {
    const std::vector<std::string> h = SpeicherHinweise(lauf, f.v, f.pResMax, f.gpJetzt);
    ASSERT_EQ(h.size(), f.teile.size()) << f.v.arbeitsgas << " " << f.v.kissengas << " " << (h.empty() ? "" : h[0]);
    for (std::size_t i = 0; i < h.size(); ++i) EXPECT_NE(h[i].find(f.teile[i]), std::string::npos) << h[i];
  }
}

// The capacity curves and the storage year carry the same sentences.
TEST(Speicherpruefung, CurvesAndStorageYearSayIt) {
  const Laufdaten lauf = beispiel::Speicher();
  PrognoseEingaben e;
  e.pMin = 60;
  e.pMax = 165;
  e.pResMax = 178;
  const Speichervolumen v{200, 1150};
  EXPECT_EQ(KennlinienBerechnen(lauf, e, v).hinweise, SpeicherHinweise(lauf, v, 178, lauf.punkte.back().gp));
}

}  // namespace
}  // namespace zelvor
