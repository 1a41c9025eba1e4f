#pragma once

// A timeline of the program's start, for finding where start-up time goes.
// It is kept only when the environment variable VIX_STARTUP_TIMELINE names a
// file: each mark then records the time since the process was created, and
// the list is written to that file once the main window has been painted.
// Without the variable a mark costs one test of a flag.

namespace vix::startup {

// `step` names what has just finished; it must outlive the program's start
// (a string literal).
void Mark(const char* step);
// Writes the marks (step, milliseconds since process creation), once, and
// last a line kCpuTimeLine with the processor time the process has used.
void WriteTimeline();
inline constexpr char kCpuTimeLine[] = "(processor time used)";

}  // namespace vix::startup
