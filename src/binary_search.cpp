#include "binary_search.h"

std::int32_t binarySearch(const std::int32_t* items, std::int32_t low, std::int32_t high,
                          std::int32_t key) noexcept {
  // The bounds are narrowed in 64 bits, so that neither `middle + 1` past INT32_MAX nor the sum
  // of two bounds can overflow; every bound that selects an element still fits 32 bits.
  std::int64_t first = low;
  std::int64_t last = high;
  while (first <= last) {
    // The floor of the bounds' mean is the same index as first + (last - first) / 2, the lower
    // middle, but takes one addition and one shift on the path from one probe to the next.
    const std::int64_t middle = (first + last) >> 1;
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
