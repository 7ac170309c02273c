#include "calc/Datumspruefung.h"

#include <gtest/gtest.h>

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
  ASSERT_EQ(w.size(), 1u);
  EXPECT_EQ(w[0], "WARNUNG: Die Daten der Ratenzeilen laufen rückwärts, während Gp steigt (Zeile 1: 10.04.2024, "
                  "Zeile 2: 01.01.2024).");
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
