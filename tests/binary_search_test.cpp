#include "binary_search.h"

#include <gtest/gtest.h>
#include <sys/mman.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "search_contract.h"

namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

// The data set that the program searches.
const std::vector<std::int32_t> kDriverData{2, 3, 4, 10, 40};

struct ProbeCase {
  std::int32_t low;
  std::int32_t high;
  std::int32_t key;
  std::vector<std::int32_t> probes;  // the indices read, in order
  std::int32_t expected;
};

TEST(BinarySearch, FollowsProbeTableOverDriverData) {
  const std::vector<ProbeCase> cases{
      // low, high, key, indices probed, result
      {0, 4, 10, {2, 3}, 3},      // the program's own search
      {0, 4, 2, {2, 0}, 0},       // first element
      {0, 4, 3, {2, 0, 1}, 1},    // found on the third probe
      {0, 4, 4, {2}, 2},          // found on the first probe
      {0, 4, 40, {2, 3, 4}, 4},   // last element
      {0, 4, 1, {2, 0}, -1},      // below the first element
      {0, 4, 5, {2, 3}, -1},      // between two elements
      {0, 4, 41, {2, 3, 4}, -1},  // above the last element
      {1, 3, 40, {2, 3}, -1},     // range that starts inside the array
      {3, 3, 10, {3}, 3},         // one-element range, key present
      {3, 3, 4, {3}, -1},         // one-element range, key absent
  };
  for (const ProbeCase& c : cases) {
    SCOPED_TRACE("low " + std::to_string(c.low) + ", high " + std::to_string(c.high) + ", key " +
                 std::to_string(c.key));
    EXPECT_EQ(c.expected, binarySearch(kDriverData.data(), c.low, c.high, c.key));

    // Plant the key at every index off the probe path: an answer other than the expected one
    // means the search read an element that the path does not touch, or read them in another
    // order that reached a planted key first.
    std::vector<std::int32_t> planted(kDriverData.size(), c.key);
    for (const std::int32_t probe : c.probes) {
      planted[static_cast<std::size_t>(probe)] = kDriverData[static_cast<std::size_t>(probe)];
    }
    EXPECT_EQ(c.expected, binarySearch(planted.data(), c.low, c.high, c.key));
  }
}

struct SearchCase {
  const char* name;
  std::vector<std::int32_t> items;
  std::int32_t low;
  std::int32_t high;
  std::int32_t key;
  std::int32_t expected;
};

TEST(BinarySearch, AnswersSmallRangesDuplicatesAndExtremes) {
  const std::vector<SearchCase> cases{
      {"two equal values: the lower middle comes first", {7, 7}, 0, 1, 7, 0},
      {"three equal values: the first probe matches", {7, 7, 7}, 0, 2, 7, 1},
      {"a run of duplicates is met in its middle", {1, 2, 2, 2, 2, 2, 9}, 0, 6, 2, 3},
      {"duplicates below the first probe", {1, 1, 1, 5, 5, 5, 5, 5}, 0, 7, 1, 1},
      {"range inside the array", {2, 3, 4, 10, 40}, 1, 3, 3, 1},
      {"range inside the array, key at its top", {2, 3, 4, 10, 40}, 1, 3, 10, 3},
      {"key left of the range", {2, 3, 4, 10, 40}, 2, 4, 2, -1},
      {"key right of the range", {2, 3, 4, 10, 40}, 0, 2, 10, -1},
      {"smallest value as element and key", {kMin, -5, 0, 7, kMax}, 0, 4, kMin, 0},
      {"largest value as element and key", {kMin, -5, 0, 7, kMax}, 0, 4, kMax, 4},
      {"negative key compared as signed", {kMin, -5, 0, 7, kMax}, 0, 4, -5, 1},
      {"key just above the smallest value", {kMin, -5, 0, 7, kMax}, 0, 4, kMin + 1, -1},
      {"key just below the largest value", {kMin, -5, 0, 7, kMax}, 0, 4, kMax - 1, -1},
      {"largest key above every element", {kMin, kMin, 0}, 0, 2, kMax, -1},
      {"smallest key below every element", {0, kMax, kMax}, 0, 2, kMin, -1},
  };
  for (const SearchCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, binarySearch(c.items.data(), c.low, c.high, c.key));
  }
}

TEST(BinarySearch, EmptyRangeReadsNothing) {
  // There is no array at all: any read would fault.
  const std::array<std::array<std::int32_t, 2>, 4> ranges{{{0, -1}, {3, 2}, {5, 0}, {kMax, 0}}};
  for (const auto& [low, high] : ranges) {
    SCOPED_TRACE("low " + std::to_string(low) + ", high " + std::to_string(high));
    EXPECT_EQ(-1, binarySearch(nullptr, low, high, 0));
  }
}

TEST(BinarySearch, FindsEveryElementOfDistinctArrays) {
  // Element i holds 2 * i, so even keys sit at key / 2 and odd keys are absent.
  for (std::int32_t size = 0; size <= 70; ++size) {
    std::vector<std::int32_t> items(static_cast<std::size_t>(size));
    for (std::int32_t i = 0; i < size; ++i) {
      items[static_cast<std::size_t>(i)] = 2 * i;
    }
    for (std::int32_t key = -2; key <= 2 * size + 1; ++key) {
      SCOPED_TRACE("size " + std::to_string(size) + ", key " + std::to_string(key));
      const std::int32_t expected = key >= 0 && key < 2 * size && key % 2 == 0 ? key / 2 : -1;
      ASSERT_EQ(expected, binarySearch(items.data(), 0, size - 1, key));
    }
  }
}

TEST(BinarySearch, RandomRangesKeepContract) {
  std::mt19937 engine(20261211);
  const auto draw = [&engine](std::int32_t from, std::int32_t to) {
    return std::uniform_int_distribution<std::int32_t>(from, to)(engine);
  };
  for (int round = 0; round < 20000; ++round) {
    const std::int32_t low = draw(0, 6);
    const std::int32_t high = draw(low - 1, low + 10);
    const std::int32_t key = draw(-5, 5);
    const bool sorted = draw(0, 1) == 1;

    // The allocation ends with the range, so AddressSanitizer sees a read past `high`. Below
    // `low` every element holds the key: a read there answers with an index outside the range.
    std::vector<std::int32_t> items(static_cast<std::size_t>(high + 1), key);
    const auto first = items.begin() + low;
    std::generate(first, items.end(), [&draw] { return draw(-4, 4); });
    if (sorted) {
      std::sort(first, items.end());
    }

    SCOPED_TRACE("round " + std::to_string(round));
    const std::int32_t result = binarySearch(items.data(), low, high, key);
    ASSERT_EQ("", contractViolation(items, low, high, key, sorted, result));
  }
}

// A range that ends at the largest index: 2^31 elements of a read-only anonymous mapping, which
// read as zero and cost no memory while untouched.
class BinarySearchAtTopIndex : public testing::Test {
 protected:
  static constexpr std::size_t kBytes = (std::size_t{1} << 31) * sizeof(std::int32_t);

  void SetUp() override {
    const int flags = MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE;
    // An anonymous mapping takes no descriptor; -1 is what POSIX asks for.
    // cppcheck-suppress invalidFunctionArg
    void* mapping = mmap(nullptr, kBytes, PROT_READ, flags, -1, 0);
    if (mapping == MAP_FAILED) {
      GTEST_SKIP() << "cannot map 2^31 elements";
    }
    mapping_ = mapping;
  }

  void TearDown() override {
    if (mapping_ != nullptr) {
      munmap(mapping_, kBytes);
    }
  }

  [[nodiscard]] const std::int32_t* items() const {
    return static_cast<const std::int32_t*>(mapping_);
  }

 private:
  void* mapping_ = nullptr;
};

TEST_F(BinarySearchAtTopIndex, EndsWithinTheRange) {
  struct Case {
    std::int32_t low;
    std::int32_t key;
    std::int32_t expected;
  };
  const std::array<Case, 6> cases{{
      {0, 1, -1},
      {kMax, 1, -1},
      {kMax - 1, 1, -1},
      {kMax, 0, kMax},
      {0, 0, kMax / 2},
      {0, -1, -1},
  }};
  for (const Case& c : cases) {
    SCOPED_TRACE("low " + std::to_string(c.low) + ", key " + std::to_string(c.key));
    EXPECT_EQ(c.expected, binarySearch(items(), c.low, kMax, c.key));
  }
}

}  // namespace
