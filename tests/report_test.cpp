#include "report.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

// A stream that collects what is written to it in memory.
class MemoryStream {
 public:
  MemoryStream() : file_(open_memstream(&buffer_, &size_)) {}
  MemoryStream(const MemoryStream&) = delete;
  MemoryStream& operator=(const MemoryStream&) = delete;
  MemoryStream(MemoryStream&&) = delete;
  MemoryStream& operator=(MemoryStream&&) = delete;
  ~MemoryStream() {
    if (file_ != nullptr) {
      std::fclose(file_);
    }
    // open_memstream allocates the buffer with malloc.
    std::free(buffer_);  // NOLINT(cppcoreguidelines-no-malloc)
  }

  [[nodiscard]] std::FILE* file() const { return file_; }

  [[nodiscard]] std::string text() const {
    std::fflush(file_);
    return {buffer_, size_};
  }

 private:
  char* buffer_ = nullptr;
  std::size_t size_ = 0;
  std::FILE* file_;
};

TEST(ReportResult, WritesMessageForResult) {
  struct Case {
    std::int32_t result;
    const char* expected;
  };
  const std::vector<Case> cases{
      {-1, "Element is not present in array"},
      {3, "Element is present at index 3"},
      {0, "Element is present at index 0"},
      {-2, "Element is present at index -2"},
      {std::numeric_limits<std::int32_t>::max(), "Element is present at index 2147483647"},
      {std::numeric_limits<std::int32_t>::min(), "Element is present at index -2147483648"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.result);
    const MemoryStream out;
    const MemoryStream err;
    ASSERT_NE(nullptr, out.file());
    ASSERT_NE(nullptr, err.file());
    EXPECT_EQ(0, reportResult(c.result, out.file(), err.file()));
    EXPECT_EQ(c.expected, out.text());
    EXPECT_EQ("", err.text());
  }
}

TEST(ReportResult, FailsWhenMessageCannotBeWritten) {
  struct Case {
    const char* name;
    const char* path;
    const char* mode;
    int error;
  };
  const std::vector<Case> cases{
      // Writes to /dev/full succeed into the buffer and fail only when it is flushed.
      {"device full", "/dev/full", "w", ENOSPC},
      {"stream not open for writing", "/dev/null", "r", EBADF},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::FILE* out = std::fopen(c.path, c.mode);
    if (out == nullptr) {
      GTEST_SKIP() << "cannot open " << c.path;
    }
    for (const std::int32_t result : {3, -1}) {
      const MemoryStream err;
      EXPECT_EQ(1, reportResult(result, out, err.file()));
      EXPECT_EQ(std::string("binary_search_demo: write error: ") + std::strerror(c.error) + "\n",
                err.text());
      std::clearerr(out);
    }
    std::fclose(out);
  }
}

}  // namespace
