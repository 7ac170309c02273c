#include "doc/Prognoseeinstellungen.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "doc/Eingabepruefung.h"
#include "doc/Prognoseblock.h"
#include "doc/ZlvArchiv.h"

namespace zelvor {
namespace {

using Bytes = std::vector<unsigned char>;

CZelvorDoc Bohrung(const Prognoseeinstellungen& e) {
  CZelvorDoc doc;
  doc.StandardwerteSetzen();
  doc.m_Ratenzeilen = {"10 1000 100"};
  doc.m_Prognose = e;
  return doc;
}

Bytes Speichern(const CZelvorDoc& doc) {
  Bytes b;
  EXPECT_EQ(ZlvSchreiben(doc, b), "");
  return b;
}

Prognoseeinstellungen Eigene() {
  Prognoseeinstellungen e;
  e.pMin = 35.5f;
  e.qPlan = 4000.0f;
  e.qEnde = 250.0f;
  e.modell = Prognosemodell::Variabel;
  e.schritte = 200;
  return e;
}

TEST(Prognoseeinstellungen, TextsAreReadWithTheDialogsRanges) {
  using Setzer = std::function<std::optional<std::string>(Prognoseeinstellungen&, const std::string&)>;
  struct Fall {
    Setzer setzen;
    const char* text;
    bool angenommen;
  };
  const Fall faelle[] = {
      {PminSetzen, "0.1", true},      {PminSetzen, "0", false},        {PminSetzen, "1000.5", false},
      {PminSetzen, "5,5", false},     {QPlanSetzen, "0", true},        {QPlanSetzen, "-1", false},
      {QEndeSetzen, "0", false},      {QEndeSetzen, "500000", true},   {SchritteSetzen, "10", true},
      {SchritteSetzen, "9", false},   {SchritteSetzen, "50.5", false}, {ModellSetzen, "gegendruck", true},
      {ModellSetzen, "Mittel", false},
  };
  for (const Fall& f : faelle) {
    Prognoseeinstellungen e;
    const auto meldung = f.setzen(e, f.text);
    EXPECT_EQ(!meldung.has_value(), f.angenommen) << f.text;
    if (meldung) {
      EXPECT_EQ(e, Prognoseeinstellungen{}) << f.text;
    }
  }
  Prognoseeinstellungen e;
  EXPECT_EQ(PminSetzen(e, "0"), "Bitte geben Sie eine Zahl zwischen 0.1 und 1000 ein.");
}

TEST(Prognoseeinstellungen, APlateauMustLieAboveTheAbandonmentRate) {
  Prognoseeinstellungen e;
  e.qPlan = e.qEnde;
  EXPECT_EQ(PrognoseeinstellungenPruefen(e), "Die Plateaurate muss 0 oder größer als die Aufgaberate sein.");
  e.qPlan = e.qEnde + 1;
  EXPECT_FALSE(PrognoseeinstellungenPruefen(e));
}

TEST(Prognoseeinstellungen, FieldsShowTheShortestTextThatReadsBack) {
  EXPECT_EQ(FloatAlsText(12.5f), "12.5");
  EXPECT_EQ(FloatAlsText(0.1f), "0.1");
  EXPECT_EQ(FloatAlsText(1e-6f), "1e-06");
  const Prognosefelder f = PrognosefelderAus(Eigene());
  EXPECT_EQ(f.pMin, "35.5");
  EXPECT_EQ(f.qPlan, "4000");
  EXPECT_EQ(f.qEnde, "250");
  EXPECT_EQ(f.modell, Prognosemodell::Variabel);
  EXPECT_EQ(f.schritte, "200");
  const Prognosefelder vorgabe = PrognosefelderAus({});
  EXPECT_EQ(vorgabe.pMin + " " + vorgabe.qPlan + " " + vorgabe.qEnde + " " + vorgabe.schritte, "50 0 500 50");
}

TEST(Prognoseeinstellungen, FieldsAreReadInOrderAndTheFirstProblemNamesItsField) {
  struct Fall {
    Prognosefelder felder;
    Prognosefeld feld;
    const char* meldung;
  };
  const auto felder = [](const char* pMin, const char* qPlan, const char* qEnde, const char* schritte) {
    return Prognosefelder{pMin, qPlan, qEnde, Prognosemodell::Gegendruck, schritte, "0", "0", "500", "0"};
  };
  const Fall faelle[] = {
      {felder("x", "-1", "0", "5"), Prognosefeld::Pmin, "Bitte geben Sie eine Zahl ein."},
      {felder("40,5", "0", "0", "5"), Prognosefeld::Pmin,
       "Bitte geben Sie die Zahl mit einem Dezimalpunkt ein, zum Beispiel 40.5."},
      {felder("40", "0", "1,5e3,", "5"), Prognosefeld::QEnde, "Bitte geben Sie eine Zahl ein."},
      {felder("40", "-1", "0", "5"), Prognosefeld::QPlan, "Bitte geben Sie eine Zahl zwischen 0 und 500000 ein."},
      {felder("40", "0", "0", "5"), Prognosefeld::QEnde, "Bitte geben Sie eine Zahl zwischen 0.1 und 500000 ein."},
      {felder("40", "0", "100", "5"), Prognosefeld::Schritte, "Bitte geben Sie eine ganze Zahl zwischen 10 und 1000 ein."},
      {felder("40", "100", "100", "20"), Prognosefeld::QPlan, "Die Plateaurate muss 0 oder größer als die Aufgaberate sein."},
  };
  for (const Fall& f : faelle) {
    Prognoseeinstellungen e = Eigene();
    const auto fehler = PrognosefelderLesen(f.felder, e);
    ASSERT_TRUE(fehler) << f.meldung;
    EXPECT_EQ(fehler->feld, f.feld) << f.meldung;
    EXPECT_EQ(fehler->meldung, f.meldung);
    EXPECT_EQ(e, Eigene()) << f.meldung;
  }
  Prognoseeinstellungen e;
  ASSERT_FALSE(PrognosefelderLesen(felder(" 40", "3000", "12.5", "20"), e));
  EXPECT_EQ(e, (Prognoseeinstellungen{40.0f, 3000.0f, 12.5f, Prognosemodell::Gegendruck, 20}));
}

// Every decimal field of the settings, the storage well's too, says that it needs a decimal point.
TEST(Prognoseeinstellungen, EveryDecimalFieldAsksForADecimalPoint) {
  int felder = 0;
  for (const Prognoseangabe& a : Prognoseangaben()) {
    if (std::string(a.name) == "PrognoseModell" || std::string(a.name) == "PrognoseSchritte") continue;
    ++felder;
    Prognoseeinstellungen e;
    EXPECT_EQ(a.setzen(e, "12,5"), "Bitte geben Sie die Zahl mit einem Dezimalpunkt ein, zum Beispiel 12.5.") << a.name;
    EXPECT_EQ(e, Prognoseeinstellungen{}) << a.name;
  }
  EXPECT_EQ(felder, 7);
}

TEST(Prognoseeinstellungen, TheVariableModelIsOfferedWithTheOptionOrWhenStored) {
  Prognoseeinstellungen e;
  EXPECT_FALSE(VariablerCWaehlbar(e, false));
  EXPECT_TRUE(VariablerCWaehlbar(e, true));
  e.modell = Prognosemodell::Variabel;
  EXPECT_TRUE(VariablerCWaehlbar(e, false));
}

TEST(Prognoseeinstellungen, DefaultsWriteNoBlockAndAreRestoredByNew) {
  EXPECT_EQ(Speichern(Bohrung({})).size(), 128u + 1 + 11);  // the well as always, no block
  CZelvorDoc doc = Bohrung(Eigene());
  doc.StandardwerteSetzen();
  EXPECT_EQ(doc.m_Prognose, Prognoseeinstellungen{});
}

TEST(Prognoseeinstellungen, OtherSettingsTravelInABlockAfterTheRateLines) {
  const Bytes ohne = Speichern(Bohrung({}));
  const Bytes mit = Speichern(Bohrung(Eigene()));
  ASSERT_EQ(mit.size(), ohne.size() + PROGNOSEBLOCK_BYTES);
  EXPECT_TRUE(std::equal(ohne.begin(), ohne.end(), mit.begin()));
  const Bytes kopf(mit.begin() + static_cast<long>(ohne.size()), mit.begin() + static_cast<long>(ohne.size()) + 10);
  EXPECT_EQ(kopf, (Bytes{'Z', 'F', 'P', 'G', 22, 0, 0, 0, 1, 0}));

  CZelvorDoc geladen = Bohrung({});
  ASSERT_EQ(ZlvLesen(mit, geladen).status, ZlvStatus::Ok);
  EXPECT_EQ(geladen.m_Prognose, Eigene());
  // A file without a block replaces the settings by the defaults.
  ASSERT_EQ(ZlvLesen(ohne, geladen).status, ZlvStatus::Ok);
  EXPECT_EQ(geladen.m_Prognose, Prognoseeinstellungen{});
}

// Injection settings make the block version 2, read back whole; a version the reader does not know is
// ignored, as a program that knows version 1 only ignores version 2.
TEST(Prognoseeinstellungen, InjectionSettingsTravelInAVersionTwoBlock) {
  Prognoseeinstellungen e = Eigene();
  e.pMax = 165;
  e.qInjektion = 30000;
  e.qMindest = 5000;
  e.pResMax = 178;
  const Bytes ohne = Speichern(Bohrung({}));
  Bytes mit = Speichern(Bohrung(e));
  ASSERT_EQ(mit.size(), ohne.size() + PROGNOSEBLOCK_V2_BYTES);
  const Bytes kopf(mit.begin() + static_cast<long>(ohne.size()), mit.begin() + static_cast<long>(ohne.size()) + 10);
  EXPECT_EQ(kopf, (Bytes{'Z', 'F', 'P', 'G', 38, 0, 0, 0, 2, 0}));
  CZelvorDoc geladen = Bohrung({});
  ASSERT_EQ(ZlvLesen(mit, geladen).status, ZlvStatus::Ok);
  EXPECT_EQ(geladen.m_Prognose, e);
  mit[ohne.size() + 8] = 3;
  ASSERT_EQ(ZlvLesen(mit, geladen).status, ZlvStatus::Ok);
  EXPECT_EQ(geladen.m_Prognose, Prognoseeinstellungen{});
}

// An injection well's dialog reads its own fields; each problem names the field that holds it.
TEST(Prognoseeinstellungen, InjectionFieldsAreReadInTheirOrder) {
  const struct {
    const char *pMax, *qInjektion, *qMindest, *pResMax;
    std::optional<Prognosefeld> fehler;
  } faelle[] = {
      {"165", "30000", "5000", "178", std::nullopt},
      {"1001", "30000", "5000", "178", Prognosefeld::Pmax},
      {"165", "5000", "5000", "178", Prognosefeld::QInjektion},
      {"165", "0", "0", "178", Prognosefeld::QMindest},
      {"165", "0", "5000", "12,5", Prognosefeld::PresMax},
  };
  for (const auto& f : faelle) {
    Prognoseeinstellungen e;
    Prognosefelder felder = PrognosefelderAus(e);
    felder.pMin = "kein Wert";  // a production field the injection dialog does not read
    felder.pMax = f.pMax;
    felder.qInjektion = f.qInjektion;
    felder.qMindest = f.qMindest;
    felder.pResMax = f.pResMax;
    const std::optional<Prognosefehler> fehler = PrognosefelderLesen(felder, e, true);
    EXPECT_EQ(fehler ? std::optional(fehler->feld) : std::nullopt, f.fehler) << f.pMax << " " << f.qInjektion;
    EXPECT_EQ(e.pResMax, fehler ? 0.0f : 178.0f);  // a refusal leaves the settings alone
  }
}

TEST(Prognoseeinstellungen, AnUnsoundBlockIsIgnoredAndTheWellStillOpens) {
  const Bytes gut = Speichern(Bohrung(Eigene()));
  const std::size_t block = gut.size() - PROGNOSEBLOCK_BYTES;
  const auto float_bei = [](Bytes& b, std::size_t i, float w) {
    const auto u = std::bit_cast<std::uint32_t>(w);
    for (std::size_t k = 0; k < 4; ++k) b[i + k] = static_cast<unsigned char>(u >> (8 * k));
  };
  const std::function<void(Bytes&)> schaeden[] = {
      [&](Bytes& b) { b[block] = 'X'; },                       // tag
      [&](Bytes& b) { b[block + 4] = 23; },                    // length
      [&](Bytes& b) { b[block + 8] = 2; },                     // version
      [&](Bytes& b) { b.pop_back(); },                         // cut short
      [&](Bytes& b) { float_bei(b, block + 10, 0.0f); },       // p_min 0
      [&](Bytes& b) { float_bei(b, block + 18, std::bit_cast<float>(0x7FC00000u)); },  // Q_end NaN
      [&](Bytes& b) { float_bei(b, block + 14, 100.0f); },     // plateau below the abandonment rate
      [&](Bytes& b) { b[block + 22] = 7; },                    // C model
      [&](Bytes& b) { b[block + 29] = 0x80; },                 // negative step count
  };
  for (std::size_t i = 0; i < std::size(schaeden); ++i) {
    Bytes b = gut;
    schaeden[i](b);
    CZelvorDoc doc = Bohrung(Eigene());
    ASSERT_EQ(ZlvLesen(b, doc).status, ZlvStatus::Ok) << i;
    EXPECT_EQ(doc.m_Ratenzeilen, CStringArray{"10 1000 100"}) << i;
    EXPECT_EQ(doc.m_Prognose, Prognoseeinstellungen{}) << i;
  }
}

TEST(Prognoseeinstellungen, SettingsTheReaderWouldIgnoreAreNotSaved) {
  Prognoseeinstellungen e;
  e.schritte = 5;
  Bytes b;
  EXPECT_EQ(ZlvSchreiben(Bohrung(e), b),
            "Die Prognoseeinstellungen können nicht gespeichert werden: Die Schrittzahl liegt außerhalb von 10 "
            "bis 1000.");
}

}  // namespace
}  // namespace zelvor
