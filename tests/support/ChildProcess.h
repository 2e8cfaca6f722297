#pragma once

#include <cstddef>
#include <functional>

namespace testsupport {

// Runs part of a test in a forked process, so that limits and privileges it changes stay there.
// Expectations that fail in the child are reported by the child; the answer is whether the body
// ran to its end without any.
bool PassesInChildProcess(const std::function<void()>& body);

// For a child: files may not grow beyond the given size, and a write past it fails (rather than
// ending the process) as on a full disk.
bool LimitFileSize(std::size_t bytes);

// For a child: file permissions hold even for the superuser, who otherwise reads and writes any
// file and folder.
bool EnforceFilePermissions();

} // namespace testsupport
