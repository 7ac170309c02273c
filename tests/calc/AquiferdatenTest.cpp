#include "calc/Aquiferdaten.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace zelvor {
namespace {

Aquiferdaten Gestein(Aquifermodell m) {
  Aquiferdaten a;
  a.modell = m;
  a.radius = 2800;
  a.radienverhaeltnis = 5;
  a.breite = 1000;
  a.laenge = 5000;
  a.maechtigkeit = 30;
  a.porositaet = 0.25;
  a.permeabilitaet = 200;
  a.kompressibilitaet = 1e-4;
  a.viskositaet = 0.55;
  return a;
}

// Each model's settings, broken one at a time: the sentence names the model and the setting.
TEST(Aquiferdaten, TheFirstSettingAModelCannotComputeWithIsNamed) {
  using M = Aquifermodell;
  const double nan = std::nan("");
  struct Fall {
    M modell;
    std::function<void(Aquiferdaten&)> aendern;
    const char* angabe;  // nullptr: sound
  };
  const Fall faelle[] = {
      {M::Keiner, [](Aquiferdaten& a) { a = Aquiferdaten{}; a.haftwassersaettigung = 5; }, nullptr},
      {M::Topf, [](Aquiferdaten& a) { a.volumen = 500; }, nullptr},
      {M::Topf, [](Aquiferdaten&) {}, "AquiferVolumen"},
      {M::Topf, [](Aquiferdaten& a) { a.volumen = 500; a.kompressibilitaet = 0; }, "AquiferKompressibilitaet"},
      {M::Fetkovich, [](Aquiferdaten&) {}, nullptr},
      {M::Fetkovich, [](Aquiferdaten& a) { a.winkel = 0; }, "AquiferWinkel"},
      {M::Fetkovich, [](Aquiferdaten& a) { a.radius = 0; }, "AquiferRadius"},
      {M::Fetkovich, [](Aquiferdaten& a) { a.radienverhaeltnis = 1; }, "AquiferRadienverhaeltnis"},
      {M::Fetkovich, [](Aquiferdaten& a) { a.radienverhaeltnis = AQUIFER_UNENDLICH; }, "AquiferRadienverhaeltnis"},
      {M::Fetkovich, [](Aquiferdaten& a) { a.porositaet = 1.01; }, "AquiferPorositaet"},
      {M::Fetkovich, [nan](Aquiferdaten& a) { a.permeabilitaet = nan; }, "AquiferPermeabilitaet"},
      // Linear: width and length in place of the circle's geometry.
      {M::Fetkovich, [](Aquiferdaten& a) { a.form = Aquiferform::Linear; a.radius = 0; a.winkel = -1; }, nullptr},
      {M::Fetkovich, [](Aquiferdaten& a) { a.form = Aquiferform::Linear; a.breite = 0; }, "AquiferBreite"},
      {M::Hurst, [](Aquiferdaten& a) { a.radienverhaeltnis = AQUIFER_UNENDLICH; }, nullptr},
      {M::Hurst, [](Aquiferdaten& a) { a.radienverhaeltnis = 0.5; }, "AquiferRadienverhaeltnis"},
      // The gas zone's terms, whatever the model.
      {M::Hurst, [](Aquiferdaten& a) { a.haftwassersaettigung = 1; }, "Haftwassersaettigung"},
      {M::Hurst, [](Aquiferdaten& a) { a.wgv = -1; }, "AquiferWGV"},
  };
  for (const Fall& f : faelle) {
    Aquiferdaten a = Gestein(f.modell);
    f.aendern(a);
    const std::string satz = AquiferdatenPruefen(a);
    const std::optional<Aquifermangel> m = AquiferMangel(a);
    if (!f.angabe) {
      EXPECT_EQ(satz, "") << AquifermodellName(f.modell);
      EXPECT_FALSE(m);
      continue;
    }
    ASSERT_TRUE(m) << f.angabe;
    EXPECT_STREQ(m->angabe, f.angabe);
    EXPECT_EQ(m->satz, satz);
    EXPECT_NE(satz.find(std::string("(") + f.angabe + ")."), std::string::npos) << satz;
  }
  Aquiferdaten ohne = Gestein(Aquifermodell::Fetkovich);
  ohne.permeabilitaet = 0;
  EXPECT_EQ(AquiferdatenPruefen(ohne),
            "Das Aquifermodell fetkovich braucht eine Permeabilität größer als 0 (AquiferPermeabilitaet).");
}

}  // namespace
}  // namespace zelvor
