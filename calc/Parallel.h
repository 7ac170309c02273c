#pragma once
// A small pool of std::threads for independent tasks, such as the wells of a field. Each task writes
// only its own result slot, so the result does not depend on how many threads ran or in which order.
#include <atomic>
#include <cstddef>
#include <functional>

namespace zelvor {

// Threads that pay off here: the machine's cores, at least 1.
unsigned StandardThreadanzahl();

// Runs aufgabe(i) for every i in [0, anzahl) on min(threads, anzahl) threads (the caller's thread is one
// of them), handing out the indices in ascending order. fertig(k), when set, is called after each task
// with the number of tasks done so far, from whichever thread did it. Once *abbrechen is true, no new
// task starts; the answer is the number of tasks that ran. The first exception of a task is rethrown
// after all threads have ended.
std::size_t ParallelAusfuehren(std::size_t anzahl, unsigned threads, const std::function<void(std::size_t)>& aufgabe,
                               const std::atomic<bool>* abbrechen = nullptr,
                               const std::function<void(std::size_t)>& fertig = {});

}  // namespace zelvor
