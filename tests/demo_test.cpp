#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

namespace {

enum class Output { kPipe, kDeviceFull, kClosed };

struct Invocation {
  const char* name;
  std::vector<std::string> args;
  std::vector<std::string> env;
  bool closeStdin = false;
  Output output = Output::kPipe;
};

struct Outcome {
  int status = -1;  // exit status, or -1 when the process did not exit normally
  std::string out;
  std::string err;
};

std::string readAll(int fd) {
  std::string text;
  std::array<char, 256> chunk{};
  ssize_t count = 0;
  while ((count = read(fd, chunk.data(), chunk.size())) > 0 || (count < 0 && errno == EINTR)) {
    if (count > 0) {
      text.append(chunk.data(), static_cast<std::size_t>(count));
    }
  }
  return text;
}

// Returns the null-terminated array of C strings that execve takes.
std::vector<char*> pointers(std::vector<std::string>& strings) {
  std::vector<char*> result(strings.size() + 1, nullptr);
  std::transform(strings.begin(), strings.end(), result.begin(),
                 [](std::string& s) { return s.data(); });
  return result;
}

// Runs the program as its own process, as a shell would, and collects what it writes.
Outcome run(Invocation invocation) {
  std::vector<std::string> argStrings{BINARY_SEARCH_DEMO_PATH};
  argStrings.insert(argStrings.end(), invocation.args.begin(), invocation.args.end());
  std::vector<char*> argv = pointers(argStrings);
  std::vector<char*> envp = pointers(invocation.env);

  std::array<int, 2> outPipe{};
  std::array<int, 2> errPipe{};
  if (pipe(outPipe.data()) != 0 || pipe(errPipe.data()) != 0) {
    ADD_FAILURE() << "pipe: " << std::strerror(errno);
    return {};
  }
  const pid_t child = fork();
  if (child == 0) {
    // Only async-signal-safe calls from here on.
    dup2(errPipe[1], STDERR_FILENO);
    switch (invocation.output) {
      case Output::kPipe:
        dup2(outPipe[1], STDOUT_FILENO);
        break;
      case Output::kDeviceFull: {
        const int full = open("/dev/full", O_WRONLY);
        if (full < 0) {
          _exit(127);
        }
        dup2(full, STDOUT_FILENO);
        close(full);
        break;
      }
      case Output::kClosed:
        close(STDOUT_FILENO);
        break;
    }
    if (invocation.closeStdin) {
      close(STDIN_FILENO);
    }
    close(outPipe[0]);
    close(outPipe[1]);
    close(errPipe[0]);
    close(errPipe[1]);
    execve(argv[0], argv.data(), envp.data());
    _exit(127);
  }
  close(outPipe[1]);
  close(errPipe[1]);
  Outcome outcome;
  // The program writes a few dozen bytes at most, far below a pipe's capacity, so reading the
  // two pipes one after the other cannot block the child.
  outcome.out = readAll(outPipe[0]);
  outcome.err = readAll(errPipe[0]);
  close(outPipe[0]);
  close(errPipe[0]);
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return outcome;
}

TEST(Demo, WritesPresentMessageWhateverItIsGiven) {
  const std::vector<Invocation> invocations{
      {"no arguments, empty environment", {}, {}},
      {"arguments", {"--help", "-k", "40", "", "Element is not present in array"}, {}},
      {"odd environment",
       {},
       {"LC_ALL=tr_TR.UTF-8", "LANG=C", "POSIXLY_CORRECT=1", "KEY=40", "=", "NO_EQUALS_SIGN",
        "MALLOC_PERTURB_=165"}},
      {"standard input closed", {}, {"PATH=/usr/bin:/bin"}, true},
  };
  for (const Invocation& invocation : invocations) {
    SCOPED_TRACE(invocation.name);
    const Outcome outcome = run(invocation);
    EXPECT_EQ("Element is present at index 3", outcome.out);
    EXPECT_EQ("", outcome.err);
    EXPECT_EQ(0, outcome.status);
  }
}

TEST(Demo, ReportsLostOutputWithStatusOne) {
  struct Case {
    Invocation invocation;
    int error;
  };
  const std::vector<Case> cases{
      {{"standard output on a full device", {}, {}, false, Output::kDeviceFull}, ENOSPC},
      {{"standard output closed", {}, {}, false, Output::kClosed}, EBADF},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.invocation.name);
    const Outcome outcome = run(c.invocation);
    EXPECT_EQ("", outcome.out);
    EXPECT_EQ(std::string("binary_search_demo: write error: ") + std::strerror(c.error) + "\n",
              outcome.err);
    EXPECT_EQ(1, outcome.status);
  }
}

}  // namespace
