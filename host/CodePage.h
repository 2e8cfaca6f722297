#pragma once

#include <string>
#include <string_view>

namespace host {

// 8-bit code pages the platform converts between. Resource texts are stored in the Central
// European code page; the system's default code page, in which texts set at run time travel, is
// UTF-8 on this platform.
enum class CodePage {
    CentralEuropean = 1250,
    Utf8 = 65001,
};

inline constexpr CodePage SystemCodePage = CodePage::Utf8;

// Text in `codePage` as UTF-8. Every Central European byte has a character, so nothing is lost;
// UTF-8 text passes unchanged.
std::string ToUtf8(std::string_view text, CodePage codePage);

// UTF-8 text in `codePage`. A character the code page lacks, and every byte of a malformed UTF-8
// sequence, becomes '?'. UTF-8 text passes unchanged.
std::string FromUtf8(std::string_view utf8, CodePage codePage);

} // namespace host
