#include "doc/Ratenliste.h"

#include <gtest/gtest.h>

namespace zelvor {
namespace {

Ratenliste VierZeilen(int auswahl) {
  return Ratenliste{{"z1", "z2", "z3", "z4"}, auswahl};
}

TEST(Ratenliste, AnInvalidLineOnlyReportsItsFirstProblem) {
  const std::pair<const char*, const char*> faelle[] = {
      {"", "Die Zeile nicht 3  Werte"},
      {" ", "Die Zeile nicht 3  Werte"},  // what the line field holds after an import
      {"12,5 2000 85", "Die Zeile nicht 3  Werte"},
      {"12.5 2000 85 Messung", "Die Zeile nicht 3  Werte"},
      {"nan 2000 85", "Die Zeile nicht 3  Werte"},
      {"12.5 inf 85", "Die Zeile nicht 3  Werte"},
      {"12.5 2000 -nan", "Die Zeile nicht 3  Werte"},
      {"-1 -100 -5", "Gp ist kleiner als Null"},
      {"1 -100 -5", "Die Rate ist kleiner als Null"},
      {"1 100 -5", "Der Druck ist kleiner als Null"},
  };
  for (const auto& [text, meldung] : faelle) {
    for (int option = ZEILE_AENDERN; option <= ZEILE_LOESCHEN; ++option) {
      const Zeilenschritt s = ZeileVorbereiten(text, option, 1);
      EXPECT_EQ(s.meldung, meldung) << text;
      EXPECT_TRUE(s.frage.empty()) << text;
      EXPECT_TRUE(s.hinweis.empty()) << text;
    }
  }
}

TEST(Ratenliste, AValidLineIsReformattedAndAskedForWithIt) {
  const Zeilenschritt s = ZeileVorbereiten("  12.5 20000\t85.3 ", ZEILE_AENDERN, 0);
  EXPECT_EQ(s.meldung, "");
  EXPECT_EQ(s.zeile, " 12.500          20000.00             85.30");
  EXPECT_EQ(s.zeile.size(), 43u);
  EXPECT_EQ(s.frage, "Soll diese Zeile geändert werden?\n" + s.zeile);
  EXPECT_EQ(ZeileVorbereiten("0 0 0", ZEILE_ANHAENGEN, -1).frage,
            "Soll diese Zeile angehängt werden?\n  0.000              0.00              0.00");
  EXPECT_EQ(ZeileVorbereiten("1 2 3", ZEILE_EINFUEGEN, 2).frage,
            "Soll diese Zeile vor der markarkierten eingefügt werden?\n  1.000              2.00              3.00");
  EXPECT_EQ(ZeileVorbereiten("1 2 3", ZEILE_LOESCHEN, 0).frage,
            "Soll diese Zeile wirklich gelöscht werden?\n  1.000              2.00              3.00");
}

TEST(Ratenliste, OptionsThatNeedASelectedLineAskNothingWithoutOne) {
  const Zeilenschritt aendern = ZeileVorbereiten("1 2 3", ZEILE_AENDERN, -1);
  EXPECT_EQ(aendern.frage, "");
  EXPECT_EQ(aendern.hinweis, "");  // silently, but the line is still reformatted
  EXPECT_EQ(aendern.zeile, "  1.000              2.00              3.00");
  for (int option : {ZEILE_EINFUEGEN, ZEILE_LOESCHEN}) {
    const Zeilenschritt s = ZeileVorbereiten("1 2 3", option, -1);
    EXPECT_EQ(s.frage, "") << option;
    EXPECT_EQ(s.hinweis, "Bitte Zeile durch Doppelklick auswählen") << option;
  }
  // No option in force (no option button checked): nothing to do.
  EXPECT_EQ(ZeileVorbereiten("1 2 3", -1, 0).frage, "");
}

TEST(Ratenliste, OperationsOnTheListAndItsSelection) {
  Ratenliste l = VierZeilen(1);
  EXPECT_EQ(ZeileAusfuehren(l, ZEILE_AENDERN, "neu"), "2.Zeile wurde geändert");
  EXPECT_EQ(l.zeilen, (CStringArray{"z1", "neu", "z3", "z4"}));
  EXPECT_EQ(l.auswahl, -1);

  l = VierZeilen(2);
  EXPECT_EQ(ZeileAusfuehren(l, ZEILE_ANHAENGEN, "neu"), "5.Zeile angehängt");
  EXPECT_EQ(l.zeilen, (CStringArray{"z1", "z2", "z3", "z4", "neu"}));
  EXPECT_EQ(l.auswahl, 2);

  l = Ratenliste{};
  EXPECT_EQ(ZeileAusfuehren(l, ZEILE_ANHAENGEN, "neu"), "1.Zeile angehängt");

  l = VierZeilen(1);
  EXPECT_EQ(ZeileAusfuehren(l, ZEILE_EINFUEGEN, "neu"), "2.Zeile eingefügt");
  EXPECT_EQ(l.zeilen, (CStringArray{"z1", "neu", "z2", "z3", "z4"}));
  EXPECT_EQ(l.auswahl, 2);  // the selection moves down with its line

  l = VierZeilen(2);
  EXPECT_EQ(ZeileAusfuehren(l, ZEILE_LOESCHEN, "was im Feld steht"), "3.Zeile gelöscht");
  EXPECT_EQ(l.zeilen, (CStringArray{"z1", "z2", "z4"}));
  EXPECT_EQ(l.auswahl, -1);
}

TEST(Ratenliste, WithoutASelectedLineNothingHappensToTheList) {
  for (int option : {ZEILE_AENDERN, ZEILE_EINFUEGEN, ZEILE_LOESCHEN}) {
    Ratenliste l = VierZeilen(-1);
    EXPECT_EQ(ZeileAusfuehren(l, option, "neu"), std::nullopt) << option;
    EXPECT_EQ(l.zeilen, VierZeilen(-1).zeilen) << option;
    EXPECT_EQ(l.auswahl, -1);
  }
  Ratenliste ausserhalb = VierZeilen(4);  // a stale index past the end counts as none
  EXPECT_EQ(ZeileAusfuehren(ausserhalb, ZEILE_LOESCHEN, "neu"), std::nullopt);
  EXPECT_EQ(ausserhalb.zeilen.size(), 4u);
}

TEST(Ratenliste, StatusTexts) {
  EXPECT_EQ(AuswahlStatus(0), "1.Zeile ausgewählt");
  EXPECT_EQ(AuswahlStatus(11), "12.Zeile ausgewählt");
  EXPECT_EQ(OptionStatus(0), "");
  EXPECT_EQ(OptionStatus(1), "Bitte Zeile durch Doppelklick auswählen");
}

}  // namespace
}  // namespace zelvor
