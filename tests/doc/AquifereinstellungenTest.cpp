#include "doc/Aquifereinstellungen.h"

#include <gtest/gtest.h>

#include <cmath>

#include "doc/CZelvorDoc.h"
#include "doc/ZlvArchiv.h"

namespace zelvor {
namespace {

const Aquiferangabe& Angabe(const char* name) {
  const Aquiferangabe* g = AquiferangabeSuchen(name);
  EXPECT_NE(g, nullptr) << name;
  return *g;
}

// What each setting takes on its own, and how it is shown afterwards ("" for refused).
TEST(Aquifereinstellungen, EachValueIsRefusedWhenItMakesNoSenseOnItsOwn) {
  struct Fall {
    const char* name;
    const char* text;
    const char* gezeigt;  // nullptr: refused
  };
  const Fall faelle[] = {
      {"Aquifer", "hurst", "hurst"},
      {"AquiferForm", " linear ", "linear"},
      {"AquiferForm", "rund", nullptr},
      {"AquiferWinkel", "140", "140"},
      {"AquiferWinkel", "0", nullptr},
      {"AquiferRadius", "2804.16", "2804.16"},
      {"AquiferRadius", "-1", nullptr},
      {"AquiferRadius", "1e3", "1000"},
      {"AquiferRadius", "nan", nullptr},
      {"AquiferRadienverhaeltnis", "unendlich", "unendlich"},
      {"AquiferRadienverhaeltnis", "5", "5"},
      {"AquiferRadienverhaeltnis", "", ""},
      {"AquiferRadienverhaeltnis", "1", nullptr},
      {"AquiferRadienverhaeltnis", "inf", nullptr},
      {"AquiferPorositaet", "1.2", nullptr},
      {"AquiferKompressibilitaet", "7e-6", "7e-06"},
      {"Haftwassersaettigung", "1", nullptr},
      {"AquiferWGV", "-0.1", nullptr},
      {"Foerderbeginn", "1.3.1998", "01.03.1998"},
      {"Foerderbeginn", "31.02.1998", nullptr},
  };
  for (const Fall& f : faelle) {
    const Aquiferangabe& g = Angabe(f.name);
    Aquiferdaten a;
    a.foerderbeginn = 1;
    const Aquiferdaten vorher = a;
    const std::optional<std::string> m = AquiferSetzen(a, g, f.text);
    if (!f.gezeigt) {
      ASSERT_TRUE(m) << f.name << "=" << f.text;
      EXPECT_EQ(a, vorher);
      EXPECT_EQ(m->back(), '.') << *m;  // one sentence
      continue;
    }
    ASSERT_FALSE(m) << f.name << "=" << f.text << ": " << *m;
    EXPECT_EQ(AquiferText(a, g), f.gezeigt) << f.name;
    // What show prints, set takes back to the same value.
    Aquiferdaten zurueck = vorher;
    ASSERT_FALSE(AquiferSetzen(zurueck, g, AquiferText(a, g))) << f.name;
    EXPECT_EQ(zurueck, a) << f.name;
  }
  Aquiferdaten a;
  EXPECT_EQ(AquiferSetzen(a, Angabe("AquiferRadius"), "-5"), "Der Radius darf nicht negativ sein.");
  EXPECT_EQ(AquiferSetzen(a, Angabe("AquiferMaechtigkeit"), "3,5"),
            "Bitte geben Sie die Zahl mit einem Dezimalpunkt ein, zum Beispiel 3.5.");
}

// The dialog offers a model's own settings; every name the checks of the whole name is one of them.
TEST(Aquifereinstellungen, EachModelUsesItsOwnSettings) {
  const auto benutzt = [](Aquifermodell m, Aquiferform f) {
    std::string namen;
    for (const Aquiferangabe& g : Aquiferangaben())
      if (AquiferangabeBenutzt(g, m, f)) namen += std::string(namen.empty() ? "" : " ") + g.name;
    return namen;
  };
  const std::string allgemein = "Formationskompressibilitaet Haftwassersaettigung AquiferWGV Foerderbeginn";
  EXPECT_EQ(benutzt(Aquifermodell::Keiner, Aquiferform::Radial), "Aquifer");
  EXPECT_EQ(benutzt(Aquifermodell::Topf, Aquiferform::Linear),
            "Aquifer AquiferKompressibilitaet AquiferVolumen " + allgemein);
  EXPECT_EQ(benutzt(Aquifermodell::Fetkovich, Aquiferform::Linear),
            "Aquifer AquiferForm AquiferBreite AquiferLaenge AquiferMaechtigkeit AquiferPorositaet "
            "AquiferPermeabilitaet AquiferKompressibilitaet AquiferViskositaet " + allgemein);
  EXPECT_EQ(benutzt(Aquifermodell::Hurst, Aquiferform::Linear),
            "Aquifer AquiferWinkel AquiferRadius AquiferRadienverhaeltnis AquiferMaechtigkeit AquiferPorositaet "
            "AquiferPermeabilitaet AquiferKompressibilitaet AquiferViskositaet " + allgemein);
}

// The dialog's fields: each read, then the whole; a model that cannot be computed is refused at the
// field its sentence names, and the settings stay as they were.
TEST(Aquifereinstellungen, FieldsAreReadWholeAndRefusedAtTheFieldNamed) {
  Aquiferdaten a;
  std::vector<std::string> felder = AquiferfelderAus(a);
  ASSERT_EQ(felder.size(), Aquiferangaben().size());
  const auto index = [](const char* name) { return static_cast<std::size_t>(AquiferangabeSuchen(name) - Aquiferangaben().data()); };
  felder[index("Aquifer")] = "topf";
  felder[index("AquiferVolumen")] = "800";
  std::optional<Aquiferfehler> f = AquiferfelderLesen(felder, a);
  ASSERT_TRUE(f);
  EXPECT_EQ(f->feld, index("AquiferKompressibilitaet"));
  EXPECT_EQ(f->meldung, "Das Aquifermodell topf braucht eine Kompressibilität größer als 0 (AquiferKompressibilitaet).");
  EXPECT_EQ(a, Aquiferdaten{});
  felder[index("AquiferKompressibilitaet")] = "0.0001";
  felder[index("AquiferWGV")] = "x";
  f = AquiferfelderLesen(felder, a);
  ASSERT_TRUE(f);
  EXPECT_EQ(f->feld, index("AquiferWGV"));
  felder[index("AquiferWGV")] = "3";
  ASSERT_FALSE(AquiferfelderLesen(felder, a));
  EXPECT_EQ(a.volumen, 800);
  EXPECT_EQ(a.wgv, 3);
  EXPECT_EQ(AquiferfelderAus(a), felder);
  // A setting the pot does not use keeps its value when its field does not read; one it uses does not.
  felder[index("AquiferRadius")] = "x";
  EXPECT_FALSE(AquiferfelderLesen(felder, a));
  felder[index("Aquifer")] = "hurst";
  EXPECT_EQ(AquiferfelderLesen(felder, a)->feld, index("AquiferRadius"));
}

TEST(Aquifereinstellungen, ANewAquiferEvaluatesAnEvaluatedWellAgain) {
  CZelvorDoc doc;
  ASSERT_EQ(ZlvDateiLaden(std::string(ZELVOR_EXAMPLES_DIR) + "/suessgas.zlv", doc).status, ZlvStatus::Ok);
  Aquiferdaten a;
  a.modell = Aquifermodell::Topf;
  EXPECT_TRUE(AquiferUebernehmen(doc, a));  // not evaluated yet: nothing to redo
  EXPECT_TRUE(doc.m_Ergebnis.empty());
  doc.Auswertung();
  const std::uint64_t stand = doc.m_ErgebnisStand;
  EXPECT_FALSE(AquiferUebernehmen(doc, a));
  EXPECT_EQ(doc.m_ErgebnisStand, stand);
  a.volumen = 100;
  EXPECT_TRUE(AquiferUebernehmen(doc, a));
  EXPECT_EQ(doc.m_Aquifer, a);
  EXPECT_GT(doc.m_ErgebnisStand, stand);
}

}  // namespace
}  // namespace zelvor
