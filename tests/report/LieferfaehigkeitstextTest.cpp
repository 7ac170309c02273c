#include "report/Lieferfaehigkeitstext.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace zelvor {
namespace {

// The text block names why a model is missing and shows no nan or inf, whatever the run held.
TEST(Lieferfaehigkeitstext, ReasonsStandInTheTextWithoutNan) {
  Laufdaten abgebrochen;
  abgebrochen.punkte.push_back({});
  Laufdaten unendlich;
  unendlich.vollstaendig = true;
  unendlich.initialdruck = std::numeric_limits<double>::infinity();
  AusgewerteterPunkt p;
  p.gp = 1;
  p.q = 1000;
  p.pwf = 100;
  p.pws = std::numeric_limits<double>::quiet_NaN();
  p.c = 0.05;
  unendlich.punkte.push_back(p);
  for (const Laufdaten* lauf : {&abgebrochen, &unendlich}) {
    const Lieferfaehigkeit l = LieferfaehigkeitBerechnen(*lauf);
    std::string text;
    for (const std::string& z : LieferfaehigkeitText(l)) text += z + "\n";
    for (const std::string& m : l.meldungen) EXPECT_NE(text.find(m), std::string::npos) << text;
    EXPECT_EQ(text.find("nan"), std::string::npos) << text;
    EXPECT_EQ(text.find("inf"), std::string::npos) << text;
  }
}

// The page's head names the analysis, so its text block leaves the heading out; the line saying which
// evaluation the page shows comes first, when there is one.
TEST(Lieferfaehigkeitstext, PageTextHasNoSecondHeadingAndLeadsWithTheHint) {
  const Lieferfaehigkeit l = LieferfaehigkeitBerechnen(Laufdaten{});
  const std::vector<std::string> text = LieferfaehigkeitText(l);
  ASSERT_EQ(text.front(), "Lieferfähigkeit");
  const std::vector<std::string> ohne(text.begin() + 1, text.end());
  EXPECT_EQ(LieferfaehigkeitSeitentext(l, ""), ohne);
  std::vector<std::string> mit = {"Hinweis", ""};
  mit.insert(mit.end(), ohne.begin(), ohne.end());
  EXPECT_EQ(LieferfaehigkeitSeitentext(l, "Hinweis"), mit);
}

}  // namespace
}  // namespace zelvor
