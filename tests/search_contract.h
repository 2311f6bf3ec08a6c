#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// Returns what is wrong with `result` as a search for `key` over `items[low]` ... `items[high]`,
// or an empty string when nothing is. Any correct search answers -1 or an index inside the range
// that holds `key`; over a range known to be `sorted`, it answers -1 exactly when `key` is absent
// from the range.
[[nodiscard]] inline std::string contractViolation(std::span<const std::int32_t> items,
                                                   std::int32_t low, std::int32_t high,
                                                   std::int32_t key, bool sorted,
                                                   std::int32_t result) {
  const std::string answer = "answered " + std::to_string(result) + " for key " +
                             std::to_string(key) + " over " + std::to_string(low) + " ... " +
                             std::to_string(high);
  if (result == -1) {
    const auto end = items.begin() + (high + 1);
    if (sorted && std::find(items.begin() + low, end, key) != end) {
      return answer + ", but the sorted range holds the key";
    }
    return {};
  }
  if (result < low || result > high) {
    return answer + ": an index outside the range";
  }
  if (items[static_cast<std::size_t>(result)] != key) {
    return answer + ": an element that is not the key";
  }
  return {};
}
