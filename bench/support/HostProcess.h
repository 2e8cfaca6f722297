#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Running the stand-in host and the generators from a benchmark, on each platform its own way.
namespace benchsupport {

struct ProcessRun {
    bool ok = false;
    std::optional<double> peakMegabytes; // none where the system does not tell
};

// Runs `arguments` (the program first) in `workFolder`, its output discarded, and waits for it:
// whether it exited with 0, and its peak resident memory.
ProcessRun RunProcess(const std::vector<std::string>& arguments, const std::filesystem::path& workFolder);

// Whether windows can open: false where the window system needs a display that was not given.
bool HasDisplay();

} // namespace benchsupport
