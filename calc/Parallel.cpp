#include "calc/Parallel.h"

#include <algorithm>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace zelvor {

unsigned StandardThreadanzahl() { return std::max(1u, std::thread::hardware_concurrency()); }

std::size_t ParallelAusfuehren(std::size_t anzahl, unsigned threads, const std::function<void(std::size_t)>& aufgabe,
                               const std::atomic<bool>* abbrechen, const std::function<void(std::size_t)>& fertig) {
  std::atomic<std::size_t> naechste{0};
  std::atomic<std::size_t> erledigt{0};
  std::exception_ptr fehler;
  std::mutex fehlerSperre;
  const auto arbeiten = [&] {
    for (;;) {
      if (abbrechen && abbrechen->load(std::memory_order_relaxed)) return;
      const std::size_t i = naechste.fetch_add(1);
      if (i >= anzahl) return;
      try {
        aufgabe(i);
      } catch (...) {
        const std::lock_guard<std::mutex> sperre(fehlerSperre);
        if (!fehler) fehler = std::current_exception();
      }
      const std::size_t k = erledigt.fetch_add(1) + 1;
      if (fertig) fertig(k);
    }
  };
  const std::size_t anzahlThreads = std::min<std::size_t>(std::max(1u, threads), std::max<std::size_t>(anzahl, 1));
  std::vector<std::thread> helfer;
  helfer.reserve(anzahlThreads - 1);
  for (std::size_t t = 1; t < anzahlThreads; ++t) helfer.emplace_back(arbeiten);
  arbeiten();
  for (std::thread& t : helfer) t.join();
  if (fehler) std::rethrow_exception(fehler);
  return erledigt.load();
}

}  // namespace zelvor
