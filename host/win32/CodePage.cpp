#include "host/CodePage.h"

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

std::string FromUtf8(std::string_view utf8, CodePage codePage) {
    return codePage == CodePage::Utf8 ? std::string(utf8) : Narrow(Widen(utf8), UINT(codePage));
}

} // namespace host
