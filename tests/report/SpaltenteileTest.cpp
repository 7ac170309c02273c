// A wide table cut between its columns for the page: every part fits, every row keeps its first column,
// the columns stay under their headings, nothing is lost.
#include "report/Spaltenteile.h"

#include <gtest/gtest.h>

namespace zelvor {
namespace {

using Zeilen = std::vector<std::string>;

TEST(Spaltenteile, CutsBetweenColumnsAndRepeatsTheFirst) {
  const Zeilen tabelle = {"Bohrung 1  Art          OGIP    Gp  Bemerkung",
                          "Süd 12     Förderung  1500.0  12.5",
                          "Nord       Injektion   800.0   3.0  keine Prognose"};
  const struct {
    std::size_t zeichen;
    std::vector<Zeilen> teile;
  } faelle[] = {
      {200, {tabelle}},
      {32,
       {{"Bohrung 1  Art          OGIP", "Süd 12     Förderung  1500.0", "Nord       Injektion   800.0"},
        {"Bohrung 1    Gp  Bemerkung", "Süd 12     12.5", "Nord        3.0  keine Prognose"}}},
      // Narrower than the first column and one more: each column alone beside it; the remark runs over.
      {12,
       {{"Bohrung 1  Art", "Süd 12     Förderung", "Nord       Injektion"},
        {"Bohrung 1    OGIP", "Süd 12     1500.0", "Nord        800.0"},
        {"Bohrung 1    Gp", "Süd 12     12.5", "Nord        3.0"},
        {"Bohrung 1  Bemerkung", "Süd 12", "Nord       keine Prognose"}}},
  };
  for (const auto& f : faelle) EXPECT_EQ(Spaltenteile(tabelle, f.zeichen), f.teile) << f.zeichen;
}

}  // namespace
}  // namespace zelvor
