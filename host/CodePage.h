#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace host {

// 8-bit code pages, by their Windows numbers. Resource texts are stored in the Central European
// code page; texts set at run time travel in the system's default code page, which the platform
// decides.
enum class CodePage : std::uint32_t {
    CentralEuropean = 1250,
    Utf8 = 65001,
};

// The system's default code page: the one narrow texts for the dialog toolkit, the alert box and
// the Windows functions are in. UTF-8 on the stand-in platform.
CodePage SystemCodePage();

// The last boundary between two characters of `text` (in `codePage`) at or before byte `at`: where
// the text may be cut to `at` bytes without parting a character.
std::size_t CharacterBoundary(std::string_view text, CodePage codePage, std::size_t at);

// Text in `codePage` as UTF-8. Every Central European byte has a character, so nothing is lost;
// UTF-8 text passes unchanged.
std::string ToUtf8(std::string_view text, CodePage codePage);

// UTF-8 text in `codePage`. A character the code page lacks, and every byte of a malformed UTF-8
// sequence, becomes '?'. UTF-8 text passes unchanged.
std::string FromUtf8(std::string_view utf8, CodePage codePage);

} // namespace host
