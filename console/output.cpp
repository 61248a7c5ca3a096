#include "console/output.h"

#include <atomic>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

#if __has_include(<unistd.h>)
#include <unistd.h>  // isatty, fileno, flockfile; _POSIX_THREAD_SAFE_FUNCTIONS says whether the last exists
#endif
#if __has_include(<sys/single_threaded.h>)
#include <sys/single_threaded.h>  // __libc_single_threaded
#define QUILLMERE_HAS_SINGLE_THREADED 1
#endif
#if __has_include(<stdio_ext.h>)
#include <stdio_ext.h>  // __fbufsize, __flbf
#define QUILLMERE_HAS_FBUFSIZE 1
#endif

namespace console::detail {

namespace {

// The first error seen while writing to stdout; errno is long gone by the time the program exits.
std::atomic<int> stdout_error = 0;

void remember_failure() {
  int none = 0;
  stdout_error.compare_exchange_strong(none, errno != 0 ? errno : EIO);
}

// Whether another thread may write to stdout meanwhile. Where the C library says that the process has a
// single thread (a documented extension), none can: only this thread could start one, and it is busy here.
bool other_threads_may_write() {
#if defined(QUILLMERE_HAS_SINGLE_THREADED)
  return __libc_single_threaded == 0;
#else
  return true;
#endif
}

#if defined(_POSIX_THREAD_SAFE_FUNCTIONS) && _POSIX_THREAD_SAFE_FUNCTIONS > 0

// Holds stdout's lock, when other threads may write, across the stdio calls that write one piece. The lock
// is recursive, so a locking call made meanwhile takes it again as usual.
class StdoutLock {
 public:
  StdoutLock(std::FILE* stream, bool needed) : stream_(needed ? stream : nullptr) {
    if (stream_ != nullptr) flockfile(stream_);
  }
  ~StdoutLock() {
    if (stream_ != nullptr) funlockfile(stream_);
  }
  StdoutLock(const StdoutLock&) = delete;
  StdoutLock& operator=(const StdoutLock&) = delete;

 private:
  std::FILE* stream_;
};

// Texts up to this size go out a byte at a time with putc_unlocked, the C library's own inline store into the
// stream's buffer; a call that takes the stream's lock and its general path costs more than a short word
// does.
constexpr std::size_t short_text = 32;

// Writes a short text a byte at a time; false when a write failed. The caller holds the stream's lock or is
// the only thread.
bool put_bytes(std::FILE* stream, std::string_view text) {
  for (const char c : text) {
    if (putc_unlocked(static_cast<unsigned char>(c), stream) == EOF) [[unlikely]] {
      return false;
    }
  }
  return true;
}

// Writes text to the stream; the caller holds the stream's lock or is the only thread. A failed write sets
// errno in the write call that failed, so errno needs no clearing on this path.
void put(std::FILE* stream, std::string_view text) {
  const bool written = text.size() <= short_text
                           ? put_bytes(stream, text)
                           : std::fwrite(text.data(), 1, text.size(), stream) == text.size();
  if (!written) remember_failure();
}

// The pieces under the stream's lock where other threads may write; out of line, so that the common line
// below has nothing to save.
[[gnu::noinline]] void put_pieces(std::FILE* stream, std::string_view first, std::string_view second) {
  const StdoutLock lock(stream, other_threads_may_write());
  put(stream, first);
  put(stream, second);
}

}  // namespace

void write_stdout(std::string_view text) {
  put_pieces(stdout, text, {});
}

void write_stdout(std::string_view first, std::string_view second) {
  std::FILE* const stream = stdout;
  if (other_threads_may_write() || first.size() > short_text || second.size() != 1) {
    return put_pieces(stream, first, second);
  }
  // The most frequent line, a word and its one-byte terminator, with no other thread to lock out.
  if (!put_bytes(stream, first) || putc_unlocked(static_cast<unsigned char>(second.front()), stream) == EOF) {
    remember_failure();
  }
}

#else

}  // namespace

// Without a lock a program can take, each write is one stdio call, which the C library makes whole.
void write_stdout(std::string_view text) {
  if (text.empty()) return;
  errno = 0;
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size()) remember_failure();
}

void write_stdout(std::string_view first, std::string_view second) {
  std::string joined;
  joined.reserve(first.size() + second.size());
  joined.append(first).append(second);
  write_stdout(joined);
}

#endif

int flush_stdout() {
  errno = 0;
  if (std::fflush(stdout) != 0) remember_failure();
  if (std::ferror(stdout)) {
    int none = 0;
    stdout_error.compare_exchange_strong(none, EIO);
  }
  return stdout_error.load();
}

void use_large_stdout_buffer() {
  // A file or a pipe gets one write call per 64 KiB rather than per 4 KiB; a terminal keeps its lines. Only a
  // stream that has no buffer yet may be given one: once the program has chosen a buffer or written, the
  // stream's own stays. Where the C library cannot tell whether a buffer exists, stdout keeps its default.
#if defined(QUILLMERE_HAS_FBUFSIZE) && __has_include(<unistd.h>)
  static char buffer[64 * 1024];
  static std::atomic<bool> chosen = false;
  if (chosen.exchange(true)) return;
  if (__fbufsize(stdout) == 0 && __flbf(stdout) == 0 && !isatty(fileno(stdout))) {
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
  }
#endif
}

}  // namespace console::detail
