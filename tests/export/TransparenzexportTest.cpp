#include "export/Transparenzexport.h"

#include <gtest/gtest.h>

namespace zelvor {
namespace {

Speicherjahr Jahr(double brennwert) {
  const Tag t0 = *TagAusDatum(2026, 10, 31);
  Speicherjahr s;
  s.volumen = {200, 1300};
  s.eingaben.brennwert = brennwert;
  Speichertag a{t0, Speicherphase::Einspeisen, 0.79, 1458, 342, 150, 30000, 40000};
  a.qEin = 40000;
  a.qAus = 90000;
  Speichertag b{t0 + 1, Speicherphase::Ausspeisen, 0.82, 1464, 336, 151, -20000, 50000};
  b.qEin = 38000;
  b.qAus = 50000;
  s.tage = {a, b, {t0 + 2, Speicherphase::Ruhe, 0.80, 1460, 340, 150, 0, 0}};
  return s;
}

// One row per gas day: its flows, its start's capacities, the working gas in storage at its end.
TEST(Transparenzexport, OneRowPerGasDayInEnergy) {
  const std::string csv = TransparenzCsv(Jahr(10));
  EXPECT_EQ(csv,
            "gasDayStart,gasInStorage,full,injection,withdrawal,workingGasVolume,injectionCapacity,withdrawalCapacity\n"
            "2026-10-31,1.640000,82.00,7.2000,0.0000,2.000000,9.6000,21.6000\n"
            "2026-11-01,1.600000,80.00,0.0000,4.8000,2.000000,9.1200,12.0000\n");
  const std::string json = TransparenzJson(Jahr(10));
  EXPECT_NE(json.find("{\"gasDayStart\": \"2026-11-01\", \"gasInStorage\": 1.600000, \"full\": 80.00, "
                      "\"injection\": 0.0000, \"withdrawal\": 4.8000"),
            std::string::npos)
      << json;
  EXPECT_EQ(TransparenzformatAus("a/B.JSON"), Transparenzformat::Json);
  EXPECT_FALSE(TransparenzformatAus("b.xlsx"));
}

TEST(Transparenzexport, WithoutACalorificValueItIsRefusedInOneSentence) {
  EXPECT_EQ(TransparenzAblehnung(Jahr(0)),
            "Die Transparenzdaten geben Energien an: dafür braucht der Speicher seinen Brennwert (SpeicherBrennwert).");
  EXPECT_EQ(TransparenzCsv(Jahr(0)), "");
  EXPECT_EQ(TransparenzSchreiben("/nonexistent/x.csv", Jahr(0)), *TransparenzAblehnung(Jahr(0)));
}

}  // namespace
}  // namespace zelvor
