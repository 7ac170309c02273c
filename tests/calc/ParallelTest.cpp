#include "calc/Parallel.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace zelvor {
namespace {

TEST(Parallel, JedeAufgabeGenauEinmalBeiJederThreadanzahl) {
  for (unsigned threads : {1u, 2u, 3u, 8u, 100u}) {
    SCOPED_TRACE(threads);
    std::vector<int> laeufe(37, 0);
    std::atomic<std::size_t> hoechsterStand{0};
    const std::size_t n = ParallelAusfuehren(
        laeufe.size(), threads, [&](std::size_t i) { ++laeufe[i]; }, nullptr,
        [&](std::size_t k) {
          std::size_t alt = hoechsterStand.load();
          while (k > alt && !hoechsterStand.compare_exchange_weak(alt, k)) {
          }
        });
    EXPECT_EQ(n, laeufe.size());
    EXPECT_EQ(hoechsterStand.load(), laeufe.size());
    for (int l : laeufe) EXPECT_EQ(l, 1);
  }
  EXPECT_EQ(ParallelAusfuehren(0, 4, [](std::size_t) { FAIL(); }), 0u);
}

TEST(Parallel, AbbruchStartetKeineWeitereAufgabe) {
  std::atomic<bool> abbrechen{false};
  std::vector<int> laeufe(100, 0);
  const std::size_t n = ParallelAusfuehren(
      laeufe.size(), 1,
      [&](std::size_t i) {
        ++laeufe[i];
        if (i == 9) abbrechen = true;
      },
      &abbrechen);
  EXPECT_EQ(n, 10u);
  for (std::size_t i = 0; i < laeufe.size(); ++i) EXPECT_EQ(laeufe[i], i < 10 ? 1 : 0) << i;
}

TEST(Parallel, DieErsteAusnahmeKommtNachDemEndeAllerThreadsAn) {
  std::atomic<int> laeufe{0};
  EXPECT_THROW(ParallelAusfuehren(20, 2,
                                  [&](std::size_t i) {
                                    ++laeufe;
                                    if (i == 3) throw std::runtime_error("kaputt");
                                  }),
               std::runtime_error);
  EXPECT_EQ(laeufe.load(), 20);
}

}  // namespace
}  // namespace zelvor
