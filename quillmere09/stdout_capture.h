// Test helper: what a piece of code printed to standard output.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace q09::testing {

// Runs `action` and returns the lines it printed (through console::print,
// which writes to the C library's stdout).
template <class Action>
std::string printed_by(Action&& action) {
  std::fflush(stdout);
  ::testing::internal::CaptureStdout();
  action();
  std::fflush(stdout);
  return ::testing::internal::GetCapturedStdout();
}

}  // namespace q09::testing
