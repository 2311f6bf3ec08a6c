#include "binary_search.h"

std::int32_t binarySearch(const std::int32_t* items, std::int32_t low, std::int32_t high,
                          std::int32_t key) noexcept {
  // The bounds are narrowed in 64 bits so that `middle + 1` stays defined when the range ends at
  // INT32_MAX; every value they take still fits the 32-bit index type.
  std::int64_t first = low;
  std::int64_t last = high;
  while (first <= last) {
    const std::int64_t middle = first + (last - first) / 2;
    if (items[middle] == key) {
      return static_cast<std::int32_t>(middle);
    }
    if (items[middle] < key) {
      first = middle + 1;
    } else {
      last = middle - 1;
    }
  }
  return -1;
}
