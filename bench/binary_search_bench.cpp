// Times binarySearch against std::lower_bound answering the same question, on the same arrays
// with keys drawn the same way.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <map>
#include <random>
#include <vector>

#include "binary_search.h"

namespace {

// Enough keys that their probe paths through the largest array do not fit in the caches.
constexpr std::size_t kKeyCount = std::size_t{1} << 20;

using Search = std::int32_t (*)(const std::int32_t* items, std::int32_t size, std::int32_t key);

[[nodiscard]] std::int32_t binarySearchAll(const std::int32_t* items, std::int32_t size,
                                           std::int32_t key) {
  return binarySearch(items, 0, size - 1, key);
}

// What a user of the standard library writes to ask the same question.
[[nodiscard]] std::int32_t lowerBoundSearch(const std::int32_t* items, std::int32_t size,
                                            std::int32_t key) {
  const std::int32_t* end = items + size;
  const std::int32_t* found = std::lower_bound(items, end, key);
  return found != end && *found == key ? static_cast<std::int32_t>(found - items) : -1;
}

// Element i holds 2 * i; the keys, in random order, are half present (even) and half absent
// (odd), so every key has exactly one right answer.
struct Workload {
  std::vector<std::int32_t> items;
  std::vector<std::int32_t> keys;
  bool answeredRight = true;  // both searches answer every key right
};

template <Search search>
bool answersEveryKey(const Workload& load) {
  const auto size = static_cast<std::int32_t>(load.items.size());
  return std::all_of(load.keys.begin(), load.keys.end(), [&load, size](std::int32_t key) {
    return search(load.items.data(), size, key) == (key % 2 == 0 ? key / 2 : -1);
  });
}

// Returns the workload for `state`'s size, built and checked once per size and shared by every
// benchmark; marks `state` as failed and returns null if either search answers a key wrong.
const Workload* checkedWorkload(benchmark::State& state) {
  static std::map<std::int64_t, Workload> cache;
  const auto size = static_cast<std::int32_t>(state.range(0));
  const auto [entry, created] = cache.try_emplace(size);
  Workload& load = entry->second;
  if (created) {
    load.items.resize(static_cast<std::size_t>(size));
    for (std::int32_t i = 0; i < size; ++i) {
      load.items[static_cast<std::size_t>(i)] = 2 * i;
    }
    std::mt19937 engine(static_cast<std::mt19937::result_type>(size));
    std::uniform_int_distribution<std::int32_t> index(0, size - 1);
    load.keys.resize(kKeyCount);
    for (std::size_t k = 0; k < kKeyCount; ++k) {
      load.keys[k] = 2 * index(engine) + static_cast<std::int32_t>(k % 2);
    }
    std::shuffle(load.keys.begin(), load.keys.end(), engine);
    load.answeredRight =
        answersEveryKey<binarySearchAll>(load) && answersEveryKey<lowerBoundSearch>(load);
  }
  if (!load.answeredRight) {
    state.SkipWithError("wrong answer");
    return nullptr;
  }
  return &load;
}

// `search` is a template argument so that the loop calls it as user code would: directly.
template <Search search>
void timeOne(benchmark::State& state) {
  const Workload* load = checkedWorkload(state);
  if (load == nullptr) {
    return;
  }
  const auto size = static_cast<std::int32_t>(load->items.size());
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(search(load->items.data(), size, load->keys[next]));
    next = (next + 1) % kKeyCount;
  }
  state.SetComplexityN(state.range(0));
  state.SetItemsProcessed(state.iterations());
}

// Times `search` over `count` keys from `first` and returns the nanoseconds taken.
template <Search search>
double timeBlock(const Workload& load, std::size_t first, std::size_t count) {
  const auto size = static_cast<std::int32_t>(load.items.size());
  const auto start = std::chrono::steady_clock::now();
  for (std::size_t k = first; k < first + count; ++k) {
    benchmark::DoNotOptimize(search(load.items.data(), size, load.keys[k]));
  }
  return std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count();
}

// Runs the two searches in alternating blocks of keys, each block going first in turn, so that
// both meet the same state of the machine; this pairing makes their ratio far steadier than
// that of two separate runs. The counters give each one's time per search and the ratio.
void BM_sideBySide(benchmark::State& state) {
  constexpr std::size_t kBlock = 256;
  const Workload* load = checkedWorkload(state);
  if (load == nullptr) {
    return;
  }
  double ours = 0;
  double theirs = 0;
  std::size_t next = 0;
  bool oursFirst = true;
  // The loop variable only paces the iterations.
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
    // Each search gets its own block of keys, so neither runs on paths the other just cached.
    if (oursFirst) {
      ours += timeBlock<binarySearchAll>(*load, next, kBlock);
      theirs += timeBlock<lowerBoundSearch>(*load, next + kBlock, kBlock);
    } else {
      theirs += timeBlock<lowerBoundSearch>(*load, next, kBlock);
      ours += timeBlock<binarySearchAll>(*load, next + kBlock, kBlock);
    }
    oursFirst = !oursFirst;
    next = (next + 2 * kBlock) % kKeyCount;
  }
  const auto searches = static_cast<double>(state.iterations()) * kBlock;
  state.counters["binarySearch_ns"] = ours / searches;
  state.counters["lower_bound_ns"] = theirs / searches;
  state.counters["ratio"] = ours / theirs;
}

void BM_binarySearch(benchmark::State& state) { timeOne<binarySearchAll>(state); }
void BM_lowerBound(benchmark::State& state) { timeOne<lowerBoundSearch>(state); }

// Noise on a shared machine only ever adds time, so with --benchmark_repetitions the fastest
// repetition is the steadiest time to compare.
double fastest(const std::vector<double>& times) {
  return *std::min_element(times.begin(), times.end());
}

constexpr std::int64_t kSmallest = 16;
constexpr std::int64_t kLargest = std::int64_t{1} << 24;

BENCHMARK(BM_sideBySide)->RangeMultiplier(4)->Range(kSmallest, kLargest);
BENCHMARK(BM_binarySearch)
    ->RangeMultiplier(4)
    ->Range(kSmallest, kLargest)
    ->Complexity(benchmark::oLogN)
    ->ComputeStatistics("min", fastest);
BENCHMARK(BM_lowerBound)
    ->RangeMultiplier(4)
    ->Range(kSmallest, kLargest)
    ->Complexity(benchmark::oLogN)
    ->ComputeStatistics("min", fastest);

}  // namespace

BENCHMARK_MAIN();
