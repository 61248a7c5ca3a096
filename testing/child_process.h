// Test support without a test framework: runs code or a program in a child process whose standard output is a
// regular file, a pipe or a terminal (a pseudo-terminal, as a terminal emulator gives a program), and returns
// what the child wrote there and how it ended.
//
//   auto run = test_support::run_in_child(test_support::Stdout::terminal, [] { console::print("a"); });
//   EXPECT_EQ(run.output, "a\r\n");   // a terminal shows a line feed as carriage return and line feed
//   EXPECT_EQ(run.status, 0);
//
// A child that runs code ends with status 0 once the code returns (stdout flushed, nothing else run at exit);
// the code may end it earlier with a status of its own.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "testing/files.h"

namespace test_support {

enum class Stdout { file, pipe, terminal };

struct ChildRun {
  std::string output;  // what the child wrote to its stdout
  int status = -1;     // its exit status, or 128 + the signal that ended it
};

namespace detail {

inline void check(bool ok, const char* what) {
  if (!ok) throw std::runtime_error(std::string(what) + " failed: " + std::to_string(errno));
}

// Everything readable from fd now; false once it will give no more (end of file, or a terminal whose other
// side is closed).
inline bool drain(int fd, std::string& into) {
  char buffer[4096];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got > 0) {
      into.append(buffer, static_cast<std::size_t>(got));
    } else if (got < 0 && errno == EINTR) {
      continue;
    } else {
      return got < 0 && errno == EAGAIN;
    }
  }
}

inline void close_on_exec(int fd) {
  check(::fcntl(fd, F_SETFD, FD_CLOEXEC) == 0, "fcntl");
}

inline int exit_status(int wait_status) {
  if (WIFEXITED(wait_status)) return WEXITSTATUS(wait_status);
  if (WIFSIGNALED(wait_status)) return 128 + WTERMSIG(wait_status);
  return -1;
}

}  // namespace detail

// Runs child_main in a child process with stdout connected as asked; child_main must end the process (by
// exec or _exit). stdin and stderr are the parent's.
inline ChildRun spawn(Stdout where, const std::function<void()>& child_main) {
  using detail::check;
  ScratchDirectory scratch("child");
  const std::string file = (scratch.path() / "stdout").string();
  int reader = -1;  // the parent's end: the pipe's or the terminal's master side
  int writer = -1;  // the child's stdout
  if (where == Stdout::file) {
    writer = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    check(writer >= 0, "open");
  } else if (where == Stdout::pipe) {
    int ends[2];
    check(::pipe(ends) == 0, "pipe");
    reader = ends[0];
    writer = ends[1];
  } else {
    reader = ::posix_openpt(O_RDWR | O_NOCTTY);
    check(reader >= 0 && ::grantpt(reader) == 0 && ::unlockpt(reader) == 0, "posix_openpt");
    const char* name = ::ptsname(reader);
    check(name != nullptr, "ptsname");
    // The parent keeps the child's side open too, so that what the child wrote stays readable after it exits.
    writer = ::open(name, O_RDWR | O_NOCTTY);
    check(writer >= 0, "open the terminal");
  }
  // Only the child's stdout passes into a program it starts.
  detail::close_on_exec(writer);
  if (reader >= 0) detail::close_on_exec(reader);
  std::fflush(nullptr);
  const pid_t child = ::fork();
  check(child >= 0, "fork");
  if (child == 0) {
    if (::dup2(writer, STDOUT_FILENO) < 0) ::_exit(126);
    child_main();
    ::_exit(127);
  }

  ChildRun run;
  int wait_status = 0;
  if (reader >= 0) {
    // Read while the child runs (it stops when a pipe or terminal is full), then what is left.
    ::fcntl(reader, F_SETFL, ::fcntl(reader, F_GETFL) | O_NONBLOCK);
    if (where == Stdout::pipe) ::close(writer);
    for (;;) {
      pollfd ready{reader, POLLIN, 0};
      ::poll(&ready, 1, 20);
      const bool more = detail::drain(reader, run.output);
      if (::waitpid(child, &wait_status, WNOHANG) == child) {
        // A terminal passes on what was written a moment later: read until it stays quiet.
        while (::poll(&ready, 1, where == Stdout::terminal ? 200 : 0) > 0 &&
               detail::drain(reader, run.output)) {
        }
        break;
      }
      if (!more && where == Stdout::pipe) {
        ::waitpid(child, &wait_status, 0);
        break;
      }
    }
    ::close(reader);
    if (where == Stdout::terminal) ::close(writer);
  } else {
    ::close(writer);
    ::waitpid(child, &wait_status, 0);
    run.output = read_file(file);
  }
  run.status = detail::exit_status(wait_status);
  return run;
}

// Runs action in a child process with stdout connected as asked; stdout is flushed when it returns.
inline ChildRun run_in_child(Stdout where, const std::function<void()>& action) {
  return spawn(where, [&] {
    action();
    std::fflush(stdout);
    ::_exit(0);
  });
}

// Runs a program (a path and its arguments) with stdout connected as asked.
inline ChildRun run_program(Stdout where, const std::vector<std::string>& command) {
  return spawn(where, [&] {
    std::vector<char*> argv;
    for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  });
}

}  // namespace test_support
