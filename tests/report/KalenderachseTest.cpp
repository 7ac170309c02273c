// The time axis of the diagrams over dates: ticks on the first day of a month, labelled with month and
// year or with the year alone, at most KALENDER_MARKEN of them, spanning the data.
#include <gtest/gtest.h>

#include <cmath>

#include "calc/Datum.h"
#include "report/Diagramm.h"
#include "report/Diagrammachse.h"

namespace zelvor {
namespace {

double Jahr(int j, int m, int t) { return Jahreszahl(*TagAusDatum(j, m, t)); }

TEST(Kalenderachse, TicksOnTheMonthsFirstDaysSpanningTheData) {
  struct Fall {
    double von, bis;
    const char* erste;
    const char* letzte;
    std::size_t marken;
  };
  const Fall faelle[] = {
      {Jahr(2027, 6, 1), Jahr(2027, 6, 11), "Jun 2027", "Jul 2027", 2},      // ten days: every month
      {Jahr(2027, 6, 10), Jahr(2028, 6, 10), "Apr 2027", "Jul 2028", 6},     // a storage year: quarters
      {Jahr(2027, 5, 15), Jahr(2027, 10, 15), "Mai 2027", "Nov 2027", 4},    // five months: every 2 months
      {Jahr(2027, 3, 15), Jahr(2030, 3, 15), "2027", "2031", 5},             // three years: years
      {Jahr(2026, 1, 1), Jahr(2066, 1, 1), "2020", "2070", 6},               // a field's life: decades
      {Jahr(2027, 3, 1), Jahr(2027, 3, 1), "Mär 2027", "Apr 2027", 2},       // one day
  };
  for (const Fall& f : faelle) {
    const Diagrammachse a = KalenderachseBerechnen(f.von, f.bis);
    SCOPED_TRACE(f.erste);
    ASSERT_EQ(a.marken.size(), f.marken);
    ASSERT_EQ(a.texte.size(), a.marken.size());
    EXPECT_EQ(a.texte.front(), f.erste);
    EXPECT_EQ(a.texte.back(), f.letzte);
    EXPECT_LE(a.marken.size(), static_cast<std::size_t>(KALENDER_MARKEN));
    EXPECT_LE(a.min, f.von);
    EXPECT_GE(a.max, f.bis);
    EXPECT_EQ(a.min, a.marken.front());
    EXPECT_EQ(a.max, a.marken.back());
    // Every tick, labelled or not, is the first day of a month, and they ascend.
    std::vector<double> alle = a.marken;
    alle.insert(alle.end(), a.nebenmarken.begin(), a.nebenmarken.end());
    for (double m : alle) {
      bool monatsanfang = false;
      for (int monat = 1; monat <= 12; ++monat) monatsanfang = monatsanfang || Jahr(static_cast<int>(std::floor(m)), monat, 1) == m;
      EXPECT_TRUE(monatsanfang) << m;
    }
    for (std::size_t i = 1; i < a.marken.size(); ++i) EXPECT_LT(a.marken[i - 1], a.marken[i]);
  }
  // The months between the years, the years between the decades.
  EXPECT_EQ(KalenderachseBerechnen(Jahr(2027, 3, 15), Jahr(2030, 3, 15)).nebenmarken.size(), 49u - 5u);
  EXPECT_EQ(KalenderachseBerechnen(Jahr(2026, 1, 1), Jahr(2066, 1, 1)).nebenmarken.size(), 50u - 5u);
}

TEST(Kalenderachse, WithoutDatesTheAxisIsLinear) {
  const double nan = std::nan("");
  EXPECT_EQ(KalenderachseBerechnen(nan, nan).marken, AchseBerechnen(nan, nan, false).marken);
  EXPECT_EQ(KalenderachseBerechnen(0, 3).texte, AchseBerechnen(0, 3, false).texte);  // years from now
}

// A diagram over dates places its points by the calendar axis.
TEST(Kalenderachse, ADiagramOverDatesLabelsMonths) {
  Diagramm d;
  d.xKalender = true;
  d.reihen.push_back({"", {Jahr(2027, 6, 10), Jahr(2027, 12, 1)}, {1, 2}, {}, Linienart::Durchgezogen, Markierung::Keine});
  const Diagrammlayout g = DiagrammlayoutBerechnen(d, {1300, 750});
  ASSERT_FALSE(g.xMarken.empty());
  EXPECT_EQ(g.xMarken.front().text, "Mai 2027");
  EXPECT_EQ(g.xMarken.back().text, "Jan 2028");
  EXPECT_EQ(g.xMarken.size(), 5u);
  EXPECT_EQ(g.xNeben.size(), 4u);
}

}  // namespace
}  // namespace zelvor
