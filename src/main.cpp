#include <array>
#include <cstdint>
#include <cstdio>

#include "binary_search.h"
#include "report.h"

int main() {
  const std::array<std::int32_t, 5> items{2, 3, 4, 10, 40};
  const auto count = static_cast<std::int32_t>(items.size());
  const std::int32_t key = 10;
  const std::int32_t result = binarySearch(items.data(), 0, count - 1, key);
  return reportResult(result, stdout, stderr);
}
