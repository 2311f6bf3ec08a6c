// Searches arrays made from the fuzzer's bytes and aborts on any answer that a correct search
// cannot give.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "binary_search.h"
#include "search_contract.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const bool sorted = input.ConsumeBool();
  // Narrow values make duplicates and hits common; wide ones reach the extremes.
  const bool narrow = input.ConsumeBool();
  const bool keyFromRange = input.ConsumeBool();
  const auto low = input.ConsumeIntegralInRange<std::int32_t>(0, 16);
  const auto count = input.ConsumeIntegralInRange<std::int32_t>(0, 512);
  const auto value = [&input, narrow] {
    return narrow ? input.ConsumeIntegralInRange<std::int32_t>(-8, 8)
                  : input.ConsumeIntegral<std::int32_t>();
  };

  // The allocation ends with the range, so AddressSanitizer sees a read past its top; below the
  // range every element holds the key, so a read there answers with an index outside the range.
  std::vector<std::int32_t> items(static_cast<std::size_t>(low + count));
  const auto first = items.begin() + low;
  std::generate(first, items.end(), value);
  if (sorted) {
    std::sort(first, items.end());
  }
  const std::int32_t key = keyFromRange && count > 0
                               ? *(first + input.ConsumeIntegralInRange<std::int32_t>(0, count - 1))
                               : value();
  std::fill(items.begin(), first, key);

  const std::int32_t high = low + count - 1;
  const std::int32_t result = binarySearch(items.data(), low, high, key);
  const std::string violation = contractViolation(items, low, high, key, sorted, result);
  if (!violation.empty()) {
    std::fprintf(stderr, "binarySearch %s\n", violation.c_str());
    std::abort();
  }
  return 0;
}
