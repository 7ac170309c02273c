#include "doc/Eingabemaske.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "calc/Format.h"

namespace zelvor {
namespace {

std::vector<int> Reihenfolge() {
  std::vector<int> ids;
  for (const Austauschfeld& f : Austauschfelder()) ids.push_back(f.id);
  return ids;
}

// A read stops at the first bad field, so the order decides which message the user sees.
TEST(Eingabemaske, ExchangeOrderOfTheTemplate) {
  const std::vector<int> erwartet = {1028, 1000, 1022, 1023, 1025, 1026, 1024, 1020, 1021, 1018, 1019, 1017,
                                     1002, 1005, 1007, 1009, 1011, 1013, 1015, 1004, 1006, 1008, 1010, 1012,
                                     1014, 1016, 1003, 1027, 1029, 1034, 1032, 1037, 1038, 1040, 1041, 1042};
  EXPECT_EQ(Reihenfolge(), erwartet);
  // Every composition field is exchanged, each once.
  const std::vector<int> ids = Reihenfolge();
  for (int id : KOMPONENTEN_FELDER) EXPECT_EQ(std::count(ids.begin(), ids.end(), id), 1) << id;
  EXPECT_EQ(std::set<int>(ids.begin(), ids.end()).size(), ids.size());
}

TEST(Eingabemaske, CompositionFieldsBelongToTheirComponents) {
  Eingabemaske m;
  ASSERT_FALSE(FeldLesen(m, IDC_CO2, "3"));
  ASSERT_FALSE(FeldLesen(m, IDC_IC5H12, "0.5"));
  ASSERT_FALSE(FeldLesen(m, IDC_C10H22, "0.25"));
  EXPECT_EQ(m.m_CO2, 3.0f);
  EXPECT_EQ(Komponentenfeld(m, 1), 3.0f);
  EXPECT_EQ(m.m_iC5H12, 0.5f);
  EXPECT_EQ(Komponentenfeld(m, 8), 0.5f);
  EXPECT_EQ(Komponentenfeld(m, 14), 0.25f);
  // The fields alone do not change the composition; leaving a field or OK takes them over.
  EXPECT_EQ(m.m_Komponenten[1], 0.0f);
  KomponentenUebernehmen(m);
  EXPECT_EQ(m.m_Komponenten[1], 3.0f);
  EXPECT_EQ(m.m_Komponenten[8], 0.5f);
  EXPECT_EQ(m.m_Summe, "  3.75");
}

TEST(Eingabemaske, CompositionSumText) {
  Eingabemaske m;
  m.m_Komponenten[3] = 100;
  KomponentenVerteilen(m);
  EXPECT_EQ(m.m_CH4, 100.0f);
  EXPECT_EQ(m.m_Summe, "100.00");
  m.m_CH4 = 50;
  KomponentenUebernehmen(m);
  EXPECT_EQ(m.m_Summe, " 50.00");
  m.m_CH4 = 0;
  KomponentenUebernehmen(m);
  EXPECT_EQ(m.m_Summe, "  0.00");
  // Summed in single precision, in composition order, as the OK check sums.
  for (int i = 0; i < KOMPONENTEN_ANZAHL; ++i) Komponentenfeld(m, i) = 6.6666665f;
  KomponentenUebernehmen(m);
  float summe = 0;
  for (int i = 0; i < KOMPONENTEN_ANZAHL; ++i) summe += 6.6666665f;
  EXPECT_EQ(m.m_Summe, Formatiere("%6.2f", static_cast<double>(summe)));
}

TEST(Eingabemaske, RangeRefusalKeepsTheRefusedNumberAndNoNumberKeepsTheOldOne) {
  Eingabemaske m;
  m.m_OGIP = 1000;
  EXPECT_EQ(FeldLesen(m, IDC_OGIP, "90000.5"), "Bitte geben Sie eine Zahl zwischen 0 und 90000 ein.");
  EXPECT_EQ(m.m_OGIP, 90000.5f);
  EXPECT_EQ(FeldLesen(m, IDC_OGIP, "viel"), "Bitte geben Sie eine Zahl ein.");
  EXPECT_EQ(m.m_OGIP, 90000.5f);

  EXPECT_EQ(FeldLesen(m, IDC_INITIALDRUCK, "0"), "Bitte geben Sie eine Zahl zwischen 1 und 1000 ein.");
  EXPECT_EQ(m.m_Initialdruck, 0.0f);
  EXPECT_EQ(FeldLesen(m, IDC_WGV, "200.5"), "Bitte geben Sie eine Zahl zwischen 0 und 200 ein.");
  EXPECT_EQ(m.m_WGV, 200.5f);
  EXPECT_FALSE(FeldLesen(m, IDC_WGV, "200"));
  EXPECT_EQ(FeldLesen(m, IDC_A1, "10000.5"), "Bitte geben Sie eine Zahl zwischen 0 und 10000 ein.");
  EXPECT_EQ(m.m_A1, 10000.5);
  EXPECT_EQ(FeldLesen(m, IDC_B1, "-0.1"), "Bitte geben Sie eine Zahl zwischen 0 und 10 ein.");
  EXPECT_EQ(m.m_B1, -0.1);
  EXPECT_EQ(FeldLesen(m, IDC_BOHRUNGSANZAHL, "21"), "Bitte geben Sie eine ganze Zahl zwischen 1 und 20 ein.");
  EXPECT_EQ(m.m_Bohrungsanzahl, 21);
  EXPECT_EQ(FeldLesen(m, IDC_BOHRUNGSANZAHL, "2.5"), "Bitte geben Sie eine ganze Zahl ein.");
  EXPECT_EQ(m.m_Bohrungsanzahl, 21);
  EXPECT_EQ(FeldLesen(m, IDC_H2S, "100.01"), "Bitte geben Sie eine Zahl zwischen 0 und 100 ein.");
  EXPECT_EQ(FeldLesen(m, IDC_BOHRLOCHLAENGE, "20001"), "Bitte geben Sie eine Zahl zwischen 0 und 20000 ein.");
  EXPECT_EQ(FeldLesen(m, IDC_TEUFE, "10001"), "Bitte geben Sie eine Zahl zwischen 0 und 10000 ein.");
  EXPECT_EQ(FeldLesen(m, IDC_DURCHMESSER, "1001"), "Bitte geben Sie eine Zahl zwischen 0 und 1000 ein.");
  EXPECT_EQ(FeldLesen(m, IDC_WASSERINVASION, "-1"), "Bitte geben Sie eine Zahl zwischen 0 und 10000 ein.");
  // Temperatures have no range.
  EXPECT_FALSE(FeldLesen(m, IDC_TEMPERATUR, "-300"));
  EXPECT_FALSE(FeldLesen(m, IDC_KOPFTEMPERATUR, "1e6"));
  EXPECT_EQ(m.m_Kopftemperatur, 1e6f);
}

TEST(Eingabemaske, NanAndInfinityAreNoNumbersInAnyNumberField) {
  Eingabemaske vorher;
  vorher.m_Bohrungsanzahl = 3;
  vorher.m_A1 = 7;
  vorher.m_Temperatur = 7;
  for (const Austauschfeld& f : Austauschfelder()) {
    if (f.art != Austauschart::Zahl) continue;
    for (const char* text : {"nan", "NAN", "-nan", "inf", "-inf", "Infinity", "1e400", "nan(1)"}) {
      Eingabemaske m = vorher;
      const auto meldung = FeldLesen(m, f.id, text);
      ASSERT_TRUE(meldung) << f.id << " " << text;
      EXPECT_TRUE(*meldung == "Bitte geben Sie eine Zahl ein." || *meldung == "Bitte geben Sie eine ganze Zahl ein.")
          << f.id << " " << text << ": " << *meldung;
      EXPECT_EQ(FeldText(m, f.id), FeldText(vorher, f.id)) << f.id << " " << text;
    }
  }
  // A text field takes any text.
  Eingabemaske m;
  EXPECT_FALSE(FeldLesen(m, IDC_GASBOHRUNG, "nan"));
  EXPECT_EQ(m.m_Gasbohrung, "nan");
}

TEST(Eingabemaske, ShownNumbersReadBackToTheSameBits) {
  Eingabemaske m;
  m.m_Durchmesser = 6.2f;
  m.m_A1 = 90.85123456789012;
  m.m_B1 = 1.4741;
  m.m_OGIP = 1e-7f;
  m.m_Bohrungsanzahl = 12;
  EXPECT_EQ(FeldText(m, IDC_DURCHMESSER), "6.2");
  EXPECT_EQ(FeldText(m, IDC_B1), "1.4741");
  EXPECT_EQ(FeldText(m, IDC_BOHRUNGSANZAHL), "12");
  Eingabemaske zurueck;
  for (int id : {IDC_DURCHMESSER, IDC_A1, IDC_B1, IDC_OGIP, IDC_BOHRUNGSANZAHL})
    ASSERT_FALSE(FeldLesen(zurueck, id, FeldText(m, id))) << id;
  EXPECT_EQ(zurueck.m_Durchmesser, m.m_Durchmesser);
  EXPECT_EQ(zurueck.m_A1, m.m_A1);
  EXPECT_EQ(zurueck.m_B1, m.m_B1);
  EXPECT_EQ(zurueck.m_OGIP, m.m_OGIP);
  EXPECT_EQ(zurueck.m_Bohrungsanzahl, 12);
  // Texts go both ways unchanged, the sum and the status too.
  for (int id : {IDC_GASBOHRUNG, IDC_SUMME, IDC_ZEILE, IDC_STATUS}) {
    ASSERT_FALSE(FeldLesen(zurueck, id, " Bohrung Ö 1 "));
    EXPECT_EQ(FeldText(zurueck, id), " Bohrung Ö 1 ");
  }
}

TEST(Eingabemaske, CheckBoxesAndTheirMembers) {
  Eingabemaske m;
  Schalter(m, IDC_GRAFIK_RATEN) = 1;
  EXPECT_EQ(m.m_bGrafikRaten, 1);
  Schalter(m, IDC_INJEKTION) = 1;
  EXPECT_EQ(m.m_bInjektion, 1);
  Schalter(m, IDC_VARIABLER_C) = 1;
  EXPECT_EQ(m.m_bVariablerC, 1);
}

// The checks look at the composition as last taken over, not at the fields.
TEST(Eingabemaske, OkChecksInTheirOrderOnTheTakenOverComposition) {
  Eingabemaske m;
  m.m_CH4 = 100;
  EXPECT_EQ(EingabenPruefen(m), "Bitte gaskomponenten korrigieren!");
  KomponentenUebernehmen(m);
  EXPECT_EQ(EingabenPruefen(m), "Original Gas in Place muß größer Null sein!");
  m.m_OGIP = 1000;
  EXPECT_EQ(EingabenPruefen(m), "Der A1-Wert muß größer Null sein!");
  m.m_A1 = 50;
  m.m_Teufe = 3000.5f;
  m.m_Bohrlochlaenge = 3000;
  EXPECT_EQ(EingabenPruefen(m), "ERROR!!Die Lagerstättenteufe ist größer als die Bohrlochlänge!");
  m.m_Teufe = 3000;
  EXPECT_EQ(EingabenPruefen(m), std::nullopt);
  m.m_CH4 = 101.99f;
  KomponentenUebernehmen(m);
  EXPECT_EQ(EingabenPruefen(m), std::nullopt);
  m.m_CH4 = 102;
  KomponentenUebernehmen(m);
  EXPECT_EQ(EingabenPruefen(m), "Bitte gaskomponenten korrigieren!");
}

TEST(Eingabemaske, ProposalTakesTheWellFromTheMembers) {
  Eingabemaske m;
  m.m_CH4 = 100;
  KomponentenUebernehmen(m);
  m.m_CO2 = 100;  // typed but not yet taken over: the proposal does not see it
  m.m_Temperatur = 100;
  m.m_Kopftemperatur = 20;
  m.m_Initialdruck = 200;
  m.m_Teufe = 3000;
  m.m_Bohrlochlaenge = 3000;
  m.m_Durchmesser = 6.2f;
  const A1B1Vorschlag v = A1B1Berechnen(A1B1EingabenAus(m));
  ASSERT_TRUE(v.gueltig);
  EXPECT_EQ(Formatiere("%.2f %.3f", v.a1, v.b1), "90.85 1.474");
  m.m_WGV = 250;
  const A1B1Vorschlag still = A1B1Berechnen(A1B1EingabenAus(m));
  EXPECT_FALSE(still.gueltig);
  EXPECT_EQ(still.meldung, "");
}

}  // namespace
}  // namespace zelvor
