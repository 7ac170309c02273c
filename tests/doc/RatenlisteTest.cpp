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

// Leaving the field of a chosen line (to go on to its date, say) asks only when its values changed; the
// other options act whatever the values.
TEST(Ratenliste, AChangeOnlyAsksWhenTheValuesChanged) {
  struct Fall {
    const char* bisher;
    const char* getippt;
    bool unveraendert;
  };
  const Fall faelle[] = {
      {"  1.000          10000.00            180.00", "  1.000          10000.00            180.00", true},
      {"  1.000          10000.00            180.00", "1 10000 180", true},
      {"     1.000     10000.0           180.0", "  1.000          10000.00            180.00", true},  // imported layout
      {"  1.000          10000.00            180.00", "1 10000 180.5", false},
      {"  1.000          10000.00            180.00", "1.001 10000 180", false},
      {" ", "1 10000 180", false},  // a line that holds no values is changed by any
  };
  for (const Fall& f : faelle) {
    const Zeilenschritt s = ZeileVorbereiten(f.getippt, ZEILE_AENDERN, 0, std::string(f.bisher));
    EXPECT_EQ(s.unveraendert, f.unveraendert) << f.bisher << " / " << f.getippt;
    EXPECT_EQ(s.frage.empty(), f.unveraendert) << f.getippt;
    EXPECT_TRUE(s.meldung.empty());
  }
  const std::string gleich = "  1.000          10000.00            180.00";
  for (int option : {ZEILE_ANHAENGEN, ZEILE_EINFUEGEN, ZEILE_LOESCHEN}) {
    const Zeilenschritt s = ZeileVorbereiten(gleich, option, 0, gleich);
    EXPECT_FALSE(s.unveraendert) << option;
    EXPECT_FALSE(s.frage.empty()) << option;
  }
  // An invalid text is reported even when the line would be the same.
  EXPECT_EQ(ZeileVorbereiten("1 10000", ZEILE_AENDERN, 0, gleich).meldung, "Die Zeile nicht 3  Werte");
}

// After an operation the date field speaks of the line it made, so that a date typed after the question
// reaches that line.
TEST(Ratenliste, TheDateFieldFollowsTheLineAnOperationMade) {
  const std::pair<int, int> faelle[] = {
      {ZEILE_AENDERN, 1}, {ZEILE_ANHAENGEN, 4}, {ZEILE_EINFUEGEN, 1}, {ZEILE_LOESCHEN, -1}};
  for (const auto& [option, zeile] : faelle) {
    Ratenliste l = VierZeilen(1);
    l.datumszeile = 3;
    ASSERT_TRUE(ZeileAusfuehren(l, option, "neu", std::optional<Tag>{})) << option;
    EXPECT_EQ(l.datumszeile, zeile) << option;
    if (zeile >= 0) {
      EXPECT_EQ(l.zeilen[static_cast<std::size_t>(zeile)], "neu") << option;
      EXPECT_TRUE(DatumAendern(l, l.datumszeile, TagAusDatum(2027, 6, 10))) << option;
      EXPECT_EQ(ZeilenDatum(l.daten, static_cast<std::size_t>(zeile)), TagAusDatum(2027, 6, 10)) << option;
    }
  }
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
