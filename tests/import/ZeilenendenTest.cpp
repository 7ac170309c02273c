#include <gtest/gtest.h>

#include "doc/Textzeilen.h"
#include "feld/Felddatei.h"
#include "import/Messungsimport.h"
#include "import/Ratenimport.h"

namespace zelvor {
namespace {

// The same file with LF, CR LF and lone CR line ends (and a mix of them) reads the same in every reader
// of text: a CR-only file is no single long line.
TEST(Zeilenenden, JederTextleserKenntLfCrLfUndCr) {
  const std::optional<Tag> m1 = TagAusDatum(2024, 3, 1), a1 = TagAusDatum(2024, 4, 1), m2 = TagAusDatum(2024, 5, 1);
  const CStringArray raten = {"    12.000      8849.0           228.0", "    13.500      9000.0           225.0",
                              "    15.000      9100.0           224.0"};
  for (const char* ende : {"\n", "\r\n", "\r", "\r\r\n"}) {
    const auto text = [ende](std::initializer_list<const char*> zeilen) {
      std::string t;
      for (const char* z : zeilen) t += std::string(z) + ende;
      return t;
    };
    const std::string csv =
        text({"Datum;Gp;Q;p", "01.03.2024;12,0;8849;228,0", "01.04.2024;13,5;9000;225,0", "01.05.2024;15;9100;224"});
    const RatendateiImport tabelle = RatenImportAusInhalt(csv);
    EXPECT_EQ(tabelle.zeilen, raten) << "CSV " << testing::PrintToString(ende);
    EXPECT_EQ(tabelle.daten, (Zeilendaten{m1, a1, m2})) << testing::PrintToString(ende);

    const RatendateiImport ratendatei = RatendateiAusText(text({"Kopf", "12 8849 228", "13.5 9000 225", "15 9100 224"}));
    EXPECT_EQ(ratendatei.zeilen, raten) << "Ratendatei " << testing::PrintToString(ende);
    EXPECT_TRUE(ratendatei.meldungen.empty()) << testing::PrintToString(ende);
    // An empty line still ends a rate file, whichever line end it has.
    EXPECT_TRUE(RatendateiAusText(text({"Kopf", "12 8849 228", "", "13.5 9000 225"})).leerzeileAbbruch);

    const Messungsimport messungen = MessungenAusInhalt(text({"Datum Gp p", "01.03.2024 0 250", "01.04.2024 10 240"}), false);
    ASSERT_TRUE(messungen.uebernommen) << messungen.meldung;
    ASSERT_EQ(messungen.messungen.size(), 2u) << testing::PrintToString(ende);
    EXPECT_EQ(messungen.messungen[1].datum, a1);

    const Tabellenimport eingefuegt = EinfuegetextLesen(text({"12,0\t8849\t228,0", "13,5\t9000\t225,0", "15\t9100\t224"}));
    EXPECT_EQ(eingefuegt.zeilen, raten) << "eingefügt " << testing::PrintToString(ende);

#ifndef _WIN32
    const Felddatei feld = FelddateiAusText("/daten/feld.zlf", text({"# Feld", "a.zlv", "sub/b.zlv"}));
    EXPECT_EQ(feld.bohrungen, (std::vector<std::string>{"/daten/a.zlv", "/daten/sub/b.zlv"}))
        << testing::PrintToString(ende);
#endif
  }
  // CR LF and CR CR LF are one line end, CR CR two.
  const std::string_view mix = "a\r\nb\rc\nd\r\re\r\r\nf";
  std::vector<std::string_view> zeilen;
  for (std::size_t pos = 0, ende = 0; pos < mix.size();) {
    const std::size_t naechste = Zeilenende(mix, pos, ende);
    zeilen.push_back(mix.substr(pos, ende - pos));
    pos = naechste;
  }
  EXPECT_EQ(zeilen, (std::vector<std::string_view>{"a", "b", "c", "d", "", "e", "f"}));
  EXPECT_EQ(RatendateiAusText("H\r1 2 3\r\r4 5 6\r").zeilen.size(), 1u);  // an empty line ends a rate file
}

}  // namespace
}  // namespace zelvor
