#pragma once

// Exit statuses of disckit.
namespace exit_status {
inline constexpr int kProblems = 1;  // errors found (warnings too with --strict), or a write failed
inline constexpr int kUnreadable = 2;  // the disc or the input file cannot be read
}  // namespace exit_status
