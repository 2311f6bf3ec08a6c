#include "report.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <type_traits>

// The present message prints the index with "%d".
static_assert(std::is_same_v<std::int32_t, int>);

int reportResult(std::int32_t result, std::FILE* out, std::FILE* err) {
  const int written = result == -1 ? std::fprintf(out, "Element is not present in array")
                                   : std::fprintf(out, "Element is present at index %d", result);
  // The message sits in the stream's buffer until a flush, so only the flush tells whether it
  // reached the device (a full disk, a closed descriptor).
  if (written < 0 || std::fflush(out) == EOF) {
    std::fprintf(err, "binary_search_demo: write error: %s\n", std::strerror(errno));
    return EXIT_FAILURE;
  }
  return EXIT_SUCCESS;
}
