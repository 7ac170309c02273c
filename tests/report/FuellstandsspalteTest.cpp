// A storage well's injection forecast with its fill level: the column in % of the working gas (and GWh
// with a calorific value), and the lines that tell the forecast's "full" from the fill level's 100 %.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "report/Prognosetext.h"

namespace zelvor {
namespace {

// 400 Mio m3 cushion gas, 100 Mio m3 working gas in a reservoir of 1000: 100 % at Gp 500.
Fuellstandsspalte Speicher(double brennwert) { return {{100, 400}, 1000, brennwert}; }

Foerderprognose Einspeicherung() {
  Foerderprognose p;
  p.injektion = true;
  p.voll = true;
  p.eingaben.pResMax = 178;
  p.gpStart = 550;
  p.gpEnde = 100;
  p.jahre = 2.5;
  p.zeilen = {{550, 100, 110, 9000, 9000, 0, false}, {500, 150, 160, 8000, 8000, 0.4, false},
              {100, 300, 310, 2000, 2000, 2.5, false}};
  return p;
}

std::size_t Zeichen(const std::string& s) {
  return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

TEST(Fuellstandsspalte, EachRowGivesItsFillLevelUnderItsHead) {
  const Foerderprognose p = Einspeicherung();
  struct Fall {
    double brennwert;
    std::size_t zeile;
    const char* anhang;  // what the fill level adds to the row
  };
  const Fall faelle[] = {
      {0, 0, "       50.0"},
      {0, 1, "      100.0"},
      {11.2, 0, "       50.0      560.0"},   // half the working gas: 50 Mio m3 at 11.2 kWh/m3
      {11.2, 2, "      500.0     5600.0"},   // over-full as the forecast runs on to p_res,max
  };
  for (const Fall& f : faelle) {
    const Fuellstandsspalte s = Speicher(f.brennwert);
    const std::string ohne = PrognoseZeilentext(p.zeilen[f.zeile]);
    const std::string mit = PrognoseZeilentext(p.zeilen[f.zeile], std::nullopt, &s);
    EXPECT_EQ(mit, ohne + f.anhang) << f.zeile;
    // The heads end where the rows end.
    for (const std::string& kopf : PrognoseSpaltenkopf(true, false, &s)) EXPECT_EQ(Zeichen(kopf), Zeichen(mit)) << kopf;
  }
  EXPECT_EQ(PrognoseSpaltenkopf(true, false, nullptr), PrognoseSpaltenkopf(true));
  // A dated table keeps its date at the end.
  const Fuellstandsspalte s = Speicher(0);
  const std::string datiert = PrognoseZeilentext(p.zeilen[0], TagAusDatum(2027, 6, 10), &s);
  EXPECT_EQ(datiert.substr(datiert.size() - 23), "       50.0  10.06.2027");
  EXPECT_EQ(PrognoseSpaltenkopf(true, true, &s)[0].substr(PrognoseSpaltenkopf(true, true, &s)[0].size() - 12), "       Datum");
}

TEST(Fuellstandsspalte, ThePageSaysWhichFullIsWhich) {
  const Fuellstandsspalte s = Speicher(0);
  Foerderprognose p = Einspeicherung();
  EXPECT_EQ(FuellbezugText(p, s),
            (std::vector<std::string>{
                "    Einspeicherprognose: voll beim maximalen Lagerstättendruck 178.0 bar, noch 450.0 Mio m3.",
                "    Füllstand: 100 % = Kissengas + Arbeitsgas = 500.0 Mio m3 Inventar, noch 50.0 Mio m3.",
                "    Am Ende der Einspeicherprognose läge der Füllstand bei 500.0 %."}));
  // Ending at the minimum rate just at 100 %, from above 100 %.
  p.voll = false;
  p.gpEnde = 500;
  p.zeilen.front().gp = 480;
  const std::vector<std::string> t = FuellbezugText(p, s);
  ASSERT_EQ(t.size(), 2u);
  EXPECT_NE(t[0].find("Mindestrate vor dem max. Lagerstättendruck"), std::string::npos);
  EXPECT_NE(t[1].find("schon erreicht."), std::string::npos);
  // Only an injection forecast that was made.
  p.injektion = false;
  EXPECT_TRUE(FuellbezugText(p, s).empty());
  EXPECT_EQ(PrognoseText(p, nullptr, std::nullopt, &s), PrognoseText(p));
}

}  // namespace
}  // namespace zelvor
