#include <gtest/gtest.h>

#include <sstream>

#include "cli/Befehle.h"

namespace zelvor::cli {
namespace {

// The bundled wells are what a new user runs first: each must evaluate completely and sensibly.
TEST(Beispiele, EveryExampleWellEvaluatesCompletely) {
  for (const char* name : {"suessgas.zlv", "sauergas.zlv", "injektion.zlv"}) {
    const std::string pfad = std::string(ZELVOR_EXAMPLES_DIR) + "/" + name;
    const char* argv[] = {"zelvor-cli", "evaluate", pfad.c_str()};
    std::ostringstream out, err;
    EXPECT_EQ(Ausfuehren(3, argv, out, err), ERFOLG) << name << err.str();
    const std::string tabelle = out.str();
    EXPECT_EQ(tabelle.find("WARNUNG"), std::string::npos) << name;
    EXPECT_EQ(tabelle.find("negativ"), std::string::npos) << name;
    EXPECT_NE(tabelle.find("    Mittlerer C-Wert:"), std::string::npos) << name;
  }
}

TEST(Beispiele, TheRateFileImportsCompletely) {
  const std::string well = std::string(ZELVOR_EXAMPLES_DIR) + "/suessgas.zlv";
  const std::string raten = std::string(ZELVOR_EXAMPLES_DIR) + "/suessgas_raten.txt";
  const char* argv[] = {"zelvor-cli", "evaluate", well.c_str(), "--rates", raten.c_str()};
  std::ostringstream out, err;
  EXPECT_EQ(Ausfuehren(5, argv, out, err), ERFOLG);
  EXPECT_EQ(err.str(), "12 Zeilen wurden eingelesen\n");
}

}  // namespace
}  // namespace zelvor::cli
