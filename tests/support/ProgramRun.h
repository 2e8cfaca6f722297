#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

// Runs `program` with `arguments` in `workFolder`, its standard output and error into
// `outputFile`, and waits for it, `timeoutSeconds` at most (then it is stopped). Answers its exit
// status; -1 when it could not be started, was stopped or ended abnormally.
int RunProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
               const std::filesystem::path& workFolder, const std::filesystem::path& outputFile,
               int timeoutSeconds);

} // namespace testsupport
