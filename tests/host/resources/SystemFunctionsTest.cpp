#include "host/Windows.h"
#include "host/MemoryHandle.h"
#include "support/PlatformLibrary.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Whether the UTF-8 path names the same file as the path the build gave.
bool IsFile(const std::string& utf8, const char* built) {
    std::error_code error;
    return std::filesystem::equivalent(
        std::filesystem::path(std::u8string_view(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size())),
        std::filesystem::path(built), error);
}

std::string ModuleFileName(const void* instance) {
    char buffer[4096];
    const std::uint32_t length = host::GetModuleFileNameA(instance, buffer, sizeof buffer);
    EXPECT_EQ(length, std::string(buffer).size());
    return buffer;
}

TEST(ModuleFileName, NamesTheFileThatHoldsTheAddress) {
    static int inThisProgram = 0;
    const std::string program = ModuleFileName(nullptr);
    EXPECT_TRUE(IsFile(program, TN_PROGRAM_FILE)) << program;
    EXPECT_EQ(ModuleFileName(&inThisProgram), program);
    const std::string library = ModuleFileName(testsupport::AddressInsidePlatformLibrary());
    EXPECT_TRUE(IsFile(library, TN_PLATFORM_LIBRARY)) << library;
}

TEST(ModuleFileName, TruncatesToTheBufferWithANul) {
    const std::string path = ModuleFileName(nullptr);
    const auto size = std::uint32_t(path.size());
    ASSERT_GT(size, 4u);
    const struct {
        std::uint32_t bufferSize;
        std::uint32_t answer;
        std::string text;
    } cases[] = {
        {size + 1, size, path},
        {size, size, path.substr(0, size - 1)},
        {4, 4, path.substr(0, 3)},
        {1, 1, ""},
    };
    for (const auto& c : cases) {
        std::vector<char> buffer(c.bufferSize + 8, 'x');
        EXPECT_EQ(host::GetModuleFileNameA(nullptr, buffer.data(), c.bufferSize), c.answer) << c.bufferSize;
        EXPECT_EQ(std::string(buffer.data()), c.text);
        EXPECT_EQ(buffer[c.bufferSize], 'x') << "wrote past the buffer";
    }
    char untouched = 'x';
    EXPECT_EQ(host::GetModuleFileNameA(nullptr, &untouched, 0), 0u);
    EXPECT_EQ(untouched, 'x');
}

TEST(ModuleFileName, AnAddressOutsideEveryModuleNamesNothing) {
    char buffer[64] = "x";
    EXPECT_EQ(host::GetModuleFileNameA(reinterpret_cast<const void*>(16), buffer, sizeof buffer), 0u);
    EXPECT_STREQ(buffer, "");
}

TEST(SystemColours, AnOverrideHoldsInThisProcessUntilDropped) {
    const std::uint32_t system = host::GetSysColor(host::ButtonFaceColour);
    const std::uint32_t warm = 224 | 208 << 8 | 192 << 16;
    ASSERT_TRUE(host::OverrideSystemColour(host::ButtonFaceColour, warm));
    EXPECT_EQ(host::GetSysColor(host::ButtonFaceColour), warm);
    EXPECT_FALSE(host::OverrideSystemColour(host::SystemColourCount, 0));
    EXPECT_FALSE(host::OverrideSystemColour(-1, 0));
    EXPECT_EQ(host::GetSysColor(-1), 0u);
    EXPECT_EQ(host::GetSysColor(host::SystemColourCount), 0u);
    host::DropSystemColourOverrides();
    EXPECT_EQ(host::GetSysColor(host::ButtonFaceColour), system);
}

TEST(WindowMessages, NamesGetNumbersInTheRegisteredRange) {
    for (const char* name : {"commdlg_FileNameOK", "a", "TaskbarCreated", "x y z"}) {
        const std::uint32_t message = host::RegisterWindowMessageA(name);
        EXPECT_GE(message, 0xC000u) << name;
        EXPECT_LE(message, 0xFFFFu) << name;
        EXPECT_EQ(host::RegisterWindowMessageA(name), message) << name;
    }
    EXPECT_EQ(host::RegisterWindowMessageA("COMMDLG_FILENAMEOK"),
              host::RegisterWindowMessageA("commdlg_FileNameOK"));
    EXPECT_EQ(host::RegisterWindowMessageA(""), 0u);
    EXPECT_EQ(host::RegisterWindowMessageA(nullptr), 0u);
}

class ShellOpen : public ::testing::Test {
protected:
    void SetUp() override {
        before = host::SetShellOpenHandler([this](std::string_view address) {
            opened.emplace_back(address);
            return answer;
        });
    }
    void TearDown() override { host::SetShellOpenHandler(before); }

    std::intptr_t Open(const char* file, const char* verb = "open") {
        return host::ShellExecuteA(nullptr, verb, file, nullptr, nullptr, host::ShowNormal);
    }

    host::ShellOpenHandler before;
    std::vector<std::string> opened;
    bool answer = true;
};

TEST_F(ShellOpen, OpenHandsTheFileToTheOpenerAsItStands) {
    EXPECT_GT(Open("https://www.tarnova.hu/szinek?q=1"), 32);
    EXPECT_GT(Open("www.tarnova.hu", nullptr), 32);
    EXPECT_GT(Open("/usr/bin/xterm", "OPEN"), 32);
    EXPECT_EQ(opened, (std::vector<std::string>{"https://www.tarnova.hu/szinek?q=1", "www.tarnova.hu",
                                                "/usr/bin/xterm"}));
}

TEST_F(ShellOpen, NoFileOrAnotherVerbOpensNothing) {
    EXPECT_EQ(Open(""), 2);
    EXPECT_EQ(Open(nullptr), 2);
    EXPECT_EQ(Open("https://www.tarnova.hu", "edit"), 31);
    EXPECT_TRUE(opened.empty());
}

TEST_F(ShellOpen, AnOpenerThatFailsIsReported) {
    answer = false;
    EXPECT_EQ(Open("https://www.tarnova.hu"), 31);
    EXPECT_EQ(opened.size(), 1u);
}

} // namespace
