// Times two commands in turn, A B A B ..., and reports the ratios A/B pair by pair: on a machine whose speed
// drifts (other work, frequency changes) a pair's two runs see the same conditions, so the median of the
// pair ratios holds where a ratio of separate medians would not.
//
// Each run is a whole process: its wall time from just before it is spawned to just after it is reaped,
// and its peak resident memory as the kernel accounts it (which cannot read below this tool's own, about
// 3 MiB). A command's standard output goes to a file (or
// to /dev/null), its standard input is empty, its working directory is the one given. Spawning shares the
// parent's memory until the exec, so that the cost of starting a command stays the command's own.
//
// Usage: paired [-n runs] [-w warmups] [-C dir] [-o file] command... --vs command...
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

namespace {

struct Run {
  double seconds;
  double cpu_seconds;
  double peak_mib;
};

[[noreturn]] void die(const std::string& what) {
  std::fprintf(stderr, "paired: %s\n", what.c_str());
  std::exit(2);
}

double now() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

Run run(const std::vector<char*>& argv, const char* out) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, out, O_WRONLY | O_CREAT | O_TRUNC, 0644);
  const double start = now();
  pid_t child = 0;
  const int failed = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (failed != 0) die(std::string(argv[0]) + ": " + std::strerror(failed));
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) < 0) die(std::string("wait4: ") + std::strerror(errno));
  const double seconds = now() - start;
  if (!WIFEXITED(status) || WEXITSTATUS(status) >= 126) {
    die(std::string(argv[0]) + ": did not run to its end (status " + std::to_string(status) + ")");
  }
  const auto cpu = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) + 1e-6 * static_cast<double>(t.tv_usec);
  };
  return {seconds, cpu(usage.ru_utime) + cpu(usage.ru_stime), static_cast<double>(usage.ru_maxrss) / 1024.0};
}

// Median, min and max.
std::string summary(std::vector<double> values, const char* format) {
  std::ranges::sort(values);
  const std::size_t n = values.size();
  const double median = n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
  char line[128];
  std::snprintf(line, sizeof line, format, median, values.front(), values.back());
  return line;
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 10;
  int warmups = 1;
  const char* dir = ".";
  const char* out = "/dev/null";
  int at = 1;
  for (; at + 1 < argc && argv[at][0] == '-' && std::strlen(argv[at]) == 2; at += 2) {
    const char flag = argv[at][1];
    if (flag == 'n') {
      runs = std::atoi(argv[at + 1]);
    } else if (flag == 'w') {
      warmups = std::atoi(argv[at + 1]);
    } else if (flag == 'C') {
      dir = argv[at + 1];
    } else if (flag == 'o') {
      out = argv[at + 1];
    } else {
      die(std::string("unknown option ") + argv[at]);
    }
  }
  std::vector<char*> a;
  std::vector<char*> b;
  bool second = false;
  for (; at < argc; ++at) {
    if (std::strcmp(argv[at], "--vs") == 0) {
      second = true;
    } else {
      (second ? b : a).push_back(argv[at]);
    }
  }
  if (a.empty() || b.empty() || runs < 1) {
    die("usage: paired [-n runs] [-w warmups] [-C dir] [-o file] command... --vs command...");
  }
  a.push_back(nullptr);
  b.push_back(nullptr);
  if (chdir(dir) != 0) die(std::string(dir) + ": " + std::strerror(errno));

  for (int i = 0; i < warmups; ++i) {
    run(a, out);
    run(b, out);
  }
  std::vector<double> a_ms, b_ms, a_peak, b_peak, time_ratio, cpu_ratio, peak_ratio;
  for (int i = 0; i < runs; ++i) {
    const Run x = run(a, out);
    const Run y = run(b, out);
    a_ms.push_back(1000 * x.seconds);
    b_ms.push_back(1000 * y.seconds);
    a_peak.push_back(x.peak_mib);
    b_peak.push_back(y.peak_mib);
    time_ratio.push_back(x.seconds / y.seconds);
    if (y.cpu_seconds > 0) cpu_ratio.push_back(x.cpu_seconds / y.cpu_seconds);
    peak_ratio.push_back(x.peak_mib / y.peak_mib);
  }
  std::printf("%-12s %10s %10s %10s   (%d pairs)\n", "", "median", "min", "max", runs);
  std::printf("A wall ms    %s\n", summary(a_ms, "%10.2f %10.2f %10.2f").c_str());
  std::printf("B wall ms    %s\n", summary(b_ms, "%10.2f %10.2f %10.2f").c_str());
  std::printf("A/B wall     %s\n", summary(time_ratio, "%10.3f %10.3f %10.3f").c_str());
  // User and system time as the kernel accounts them: less moved by other work on the machine than wall
  // time, coarse for runs of a few milliseconds.
  if (!cpu_ratio.empty())
    std::printf("A/B cpu      %s\n", summary(cpu_ratio, "%10.3f %10.3f %10.3f").c_str());
  std::printf("A peak MiB   %s\n", summary(a_peak, "%10.1f %10.1f %10.1f").c_str());
  std::printf("B peak MiB   %s\n", summary(b_peak, "%10.1f %10.1f %10.1f").c_str());
  std::printf("A/B peak     %s\n", summary(peak_ratio, "%10.3f %10.3f %10.3f").c_str());
  return 0;
}
