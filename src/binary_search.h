#pragma once

#include <cstdint>

// Returns the index of an element equal to `key` among `items[low]` ... `items[high]` (both
// ends inclusive), or -1 when there is none. The range must be in ascending (non-decreasing)
// order, lie inside the array, and start at `low` >= 0; none of this is checked. Only elements
// inside the range are read, and an empty range (`low` > `high`) reads nothing. Each step
// probes the lower middle of the remaining range, so among duplicates of `key` the result is
// the first one that a probe meets, not necessarily the lowest or the highest. On an unsorted
// range the result is still -1 or an index inside the range that holds `key`.
[[nodiscard]] std::int32_t binarySearch(const std::int32_t* items, std::int32_t low,
                                        std::int32_t high, std::int32_t key) noexcept;
