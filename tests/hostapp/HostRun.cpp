#include "HostRun.h"

#include <gtest/gtest.h>

#include "support/ProgramRun.h"

#include <fstream>
#include <sstream>

namespace {

const std::filesystem::path hostProgram = TN_HOST_PROGRAM;
const std::filesystem::path builtAddOn = TN_ADDON_LIBRARY;

} // namespace

AddOnFolder::AddOnFolder() {
    std::filesystem::copy_file(builtAddOn, GetLibrary());
}

AddOnFolder::AddOnFolder(const std::string& catalogueXml) : AddOnFolder() {
    if (!catalogueXml.empty()) {
        folder.Write("colours.xml", catalogueXml);
    }
}

AddOnFolder::AddOnFolder(SampleCatalogue) : AddOnFolder() {
    std::filesystem::copy(std::filesystem::path(TN_BINARY_DIR) / "sample", GetPath(),
                          std::filesystem::copy_options::recursive);
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

JsonValue HostRun::ReadJson(const std::string& name) const {
    const auto value = ParseJson(ReadFile(workFolder / name));
    EXPECT_TRUE(value.has_value()) << name << " is no JSON document";
    return value.value_or(JsonValue{});
}

HostRun RunHost(const AddOnFolder& addOn, const std::string& script, const testsupport::TempFolder& work) {
    HostRun run;
    run.workFolder = work.GetPath();
    work.Write("test.script", script);
    const std::filesystem::path report = work.GetPath() / "report.json";
    const std::filesystem::path output = work.GetPath() / "output.txt";

    run.exitCode = testsupport::RunProgram(
        hostProgram,
        {"--script", "test.script", "--report", testsupport::Utf8String(report),
         testsupport::Utf8String(addOn.GetLibrary())},
        run.workFolder, output, 60);
    run.output = ReadFile(output);
    if (std::filesystem::exists(report)) {
        const auto parsed = ParseJson(ReadFile(report));
        EXPECT_TRUE(parsed.has_value()) << "the report is no JSON document";
        run.report = parsed.value_or(JsonValue{});
    }
    return run;
}
