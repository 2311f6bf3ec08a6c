#pragma once

#include <cstdint>
#include <cstdio>

// Writes the message for the search result `result` to `out` and flushes it: "Element is not
// present in array" for -1, "Element is present at index <result>" for any other value, with
// no line terminator. Returns 0 when the message reached `out`; otherwise writes one line,
// "binary_search_demo: write error: <reason>", to `err` and returns 1.
[[nodiscard]] int reportResult(std::int32_t result, std::FILE* out, std::FILE* err);
