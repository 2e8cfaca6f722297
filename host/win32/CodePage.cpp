#include "host/CodePage.h"

#include "host/std/Utf8Decoding.h"
#include "host/win32/Wide.h"

#include <climits>

namespace host {
namespace {

std::wstring WideOf(std::string_view text, CodePage codePage) {
    if (text.empty() || text.size() > INT_MAX) {
        return {};
    }
    const UINT page = UINT(codePage);
    const int length = MultiByteToWideChar(page, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(std::size_t(length > 0 ? length : 0), L'\0');
    MultiByteToWideChar(page, 0, text.data(), int(text.size()), wide.data(), length);
    return wide;
}

} // namespace

std::string ToUtf8(std::string_view text, CodePage codePage) {
    return codePage == CodePage::Utf8 ? std::string(text) : Narrow(WideOf(text, codePage));
}

// Character by character, so that every byte of a malformed sequence, and every character the
// code page lacks (without Windows' "best fit" look-alikes), becomes one '?'.
std::string FromUtf8(std::string_view utf8, CodePage codePage) {
    if (codePage == CodePage::Utf8) {
        return std::string(utf8);
    }
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        char32_t c = 0;
        if (!DecodeUtf8(utf8, pos, c)) {
            out += '?';
            continue;
        }
        if (c < 0x80) {
            out += char(c);
            continue;
        }
        wchar_t units[2];
        int count = 1;
        if (c > 0xFFFF) {
            units[0] = wchar_t(0xD800 + ((c - 0x10000) >> 10));
            units[1] = wchar_t(0xDC00 + ((c - 0x10000) & 0x3FF));
            count = 2;
        } else {
            units[0] = wchar_t(c);
        }
        char bytes[8];
        BOOL lacking = FALSE;
        const int length = WideCharToMultiByte(UINT(codePage), WC_NO_BEST_FIT_CHARS, units, count, bytes,
                                               int(sizeof bytes), nullptr, &lacking);
        out += length > 0 && !lacking ? std::string(bytes, std::size_t(length)) : std::string("?");
    }
    return out;
}

} // namespace host
