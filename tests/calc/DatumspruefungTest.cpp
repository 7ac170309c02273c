#include "calc/Datumspruefung.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zelvor {
namespace {

// 10000 m3/h for 100 days are 24 Mio m3: a Gp step of 24 fits, one of 40 does not (shut-in days?).
TEST(Datumspruefung, VolumenZwischenDatiertenZeilenUndRueckwaerts) {
  const auto tag = [](int m, int t) { return TagAusDatum(2024, m, t); };
  const std::vector<DatierterPunkt> passend = {
      {1, tag(1, 1), 100, 10000}, {2, std::nullopt, 110, 10000}, {3, tag(4, 10), 124, 10000}};
  EXPECT_TRUE(DatumsWarnungen(passend).empty());
  std::vector<DatierterPunkt> falsch = passend;
  falsch[2].gp = 140;
  EXPECT_EQ(DatumsWarnungen(falsch),
            std::vector<std::string>{"WARNUNG: Zwischen Zeile 1 (01.01.2024) und Zeile 3 (10.04.2024) ergeben die Raten "
                                     "24.000 Mio m3, Gp steigt aber um 40.000 Mio m3 (Stillstandstage oder ein falscher Gp?)."});
  const std::vector<DatierterPunkt> rueckwaerts = {{1, tag(4, 10), 100, 10000}, {2, tag(1, 1), 124, 10000},
                                                    {3, tag(1, 1), 130, 10000}, {4, tag(1, 1) , 140, 0}};
  const auto w = DatumsWarnungen(rueckwaerts);
  ASSERT_GE(w.size(), 1u);
  EXPECT_EQ(w[0], "WARNUNG: Die Daten der Ratenzeilen laufen rückwärts, während Gp steigt (Zeile 1: 10.04.2024, "
                  "Zeile 2: 01.01.2024).");
  EXPECT_EQ(std::count_if(w.begin(), w.end(), [](const std::string& s) { return s.find("rückwärts") != s.npos; }), 1);
}

// No days produce no gas: lines of one date whose Gp moves by more than one day of their rates are named,
// for a production well as for an injection well (whose Gp falls); a step within a day's volume is not.
TEST(Datumspruefung, GleichesDatumUndInjektion) {
  const auto tag = [](int m, int t) { return TagAusDatum(2024, m, t); };
  struct Fall {
    const char* name;
    std::vector<DatierterPunkt> punkte;
    bool injektion;
    std::vector<std::string> warnungen;
  };
  const Fall faelle[] = {
      {"ein Tag, Gp springt", {{1, tag(4, 1), 12, 8000}, {2, tag(4, 1), 160, 8000}}, false,
       {"WARNUNG: Zeile 1 und Zeile 2 tragen dasselbe Datum (01.04.2024), Gp steigt aber um 148.000 Mio m3; an einem "
        "Tag ergeben die Raten höchstens 0.192 Mio m3 (ein falsches Datum oder ein falscher Gp?)."}},
      {"ein Tag, passender Schritt", {{1, tag(4, 1), 12, 8000}, {2, tag(4, 1), 12.1, 8000}}, false, {}},
      {"Injektion, ein Tag", {{1, tag(4, 1), 950, 42000}, {2, tag(4, 1), 900, 45000}}, true,
       {"WARNUNG: Zeile 1 und Zeile 2 tragen dasselbe Datum (01.04.2024), Gp fällt aber um 50.000 Mio m3; an einem "
        "Tag ergeben die Raten höchstens 1.044 Mio m3 (ein falsches Datum oder ein falscher Gp?)."}},
      // 45000 m3/h for 30 days are 32.4 Mio m3 injected: Gp falls by 32 fits, by 90 does not.
      {"Injektion passt", {{1, tag(4, 1), 950, 45000}, {2, tag(5, 1), 918, 45000}}, true, {}},
      {"Injektion passt nicht", {{1, tag(4, 1), 950, 45000}, {2, tag(5, 1), 860, 45000}}, true,
       {"WARNUNG: Zwischen Zeile 1 (01.04.2024) und Zeile 2 (01.05.2024) ergeben die Raten 32.400 Mio m3, Gp fällt "
        "aber um 90.000 Mio m3 (Stillstandstage oder ein falscher Gp?)."}},
      {"Injektion rückwärts", {{1, tag(5, 1), 950, 45000}, {2, tag(4, 1), 918, 45000}}, true,
       {"WARNUNG: Die Daten der Ratenzeilen laufen rückwärts, während Gp fällt (Zeile 1: 01.05.2024, Zeile 2: "
        "01.04.2024)."}},
  };
  for (const Fall& f : faelle) EXPECT_EQ(DatumsWarnungen(f.punkte, f.injektion), f.warnungen) << f.name;
}

// Pairs beyond the named ones are counted in one closing sentence, in the singular for one.
TEST(Datumspruefung, WeiterePaareInEinzahlUndMehrzahl) {
  for (const int weitere : {1, 2}) {
    std::vector<DatierterPunkt> p;
    for (int i = 0; i <= MAX_PAARWARNUNGEN + weitere; ++i)
      p.push_back({i + 1, TagAusDatum(2024, 1, 1 + i), 100.0 + 40.0 * i, 10000});  // 0.24 Mio m3 a day, not 40
    const std::vector<std::string> w = DatumsWarnungen(p);
    ASSERT_EQ(w.size(), static_cast<std::size_t>(MAX_PAARWARNUNGEN + 1));
    EXPECT_EQ(w.back(), weitere == 1 ? "WARNUNG: 1 weiteres Paar datierter Ratenzeilen passt ebenso nicht zu seinem Gp."
                                     : "WARNUNG: 2 weitere Paare datierter Ratenzeilen passen ebenso nicht zu ihrem Gp.");
  }
}

}  // namespace
}  // namespace zelvor
