#pragma once

// The clock the benchmarks' ratios are measured with, in seconds.
namespace benchsupport {

// The calling thread's processor time where the system counts it finely (a loaded machine's other
// work then does not count); on Windows, which counts it in scheduler ticks of about 16 ms, the
// wall clock.
double ThreadSeconds();

} // namespace benchsupport
