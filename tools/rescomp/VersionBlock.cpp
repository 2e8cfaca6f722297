#include "VersionBlock.h"

#include <iconv.h>
#include <stdexcept>

namespace {

constexpr std::uint16_t hungarian = 0x040E;
constexpr std::uint16_t unicodeCodePage = 1200;

std::u16string Utf16(const std::string& utf8) {
    iconv_t convert = ::iconv_open("UTF-16LE", "UTF-8");
    if (convert == iconv_t(-1))
        throw std::runtime_error("no UTF-16 conversion");
    std::string out(utf8.size() * 4, '\0');
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char* outPos = out.data();
    std::size_t outLeft = out.size();
    const std::size_t result = ::iconv(convert, &in, &inLeft, &outPos, &outLeft);
    ::iconv_close(convert);
    if (result == std::size_t(-1))
        throw std::invalid_argument("version text is not UTF-8: " + utf8);
    std::u16string text;
    for (const char* c = out.data(); c < outPos; c += 2)
        text += char16_t(std::uint8_t(c[0]) | std::uint8_t(c[1]) << 8);
    return text;
}

// One node of the block: length, value length, type (1 text, 0 binary), key, value, children,
// each part starting at a multiple of 4 from the block's start.
class Node {
public:
    explicit Node(std::vector<std::uint8_t>& out) : out(out), start(out.size()) { out.resize(start + 6); }

    void Key(const std::u16string& key) {
        Text(key);
        Align();
    }
    void BinaryValue(const std::vector<std::uint8_t>& value) {
        Put16At(start + 2, std::uint16_t(value.size()));
        out.insert(out.end(), value.begin(), value.end());
    }
    void TextValue(const std::u16string& value) {
        Put16At(start + 4, 1);
        Put16At(start + 2, std::uint16_t(value.size() + 1));
        Text(value);
    }
    void MarkText() { Put16At(start + 4, 1); }
    void Align() { out.resize((out.size() + 3) & ~std::size_t(3)); }
    void Finish() {
        if (out.size() - start > 0xFFFF)
            throw std::invalid_argument("version block too large");
        Put16At(start, std::uint16_t(out.size() - start));
    }

private:
    void Text(const std::u16string& text) {
        for (const char16_t c : text)
            out.insert(out.end(), {std::uint8_t(c), std::uint8_t(c >> 8)});
        out.insert(out.end(), {0, 0});
    }
    void Put16At(std::size_t at, std::uint16_t value) {
        out[at] = std::uint8_t(value);
        out[at + 1] = std::uint8_t(value >> 8);
    }

    std::vector<std::uint8_t>& out;
    std::size_t start;
};

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out.push_back(std::uint8_t(value >> (8 * i)));
}

std::vector<std::uint8_t> FixedFileInfo(const VersionInfo& info) {
    std::vector<std::uint8_t> fixed;
    Put32(fixed, 0xFEEF04BD);
    Put32(fixed, 0x00010000);
    Put32(fixed, std::uint32_t(info.fileVersion[0]) << 16 | info.fileVersion[1]);
    Put32(fixed, std::uint32_t(info.fileVersion[2]) << 16 | info.fileVersion[3]);
    Put32(fixed, std::uint32_t(info.productVersion[0]) << 16 | info.productVersion[1]);
    Put32(fixed, std::uint32_t(info.productVersion[2]) << 16 | info.productVersion[3]);
    Put32(fixed, 0x3F);       // flags mask
    Put32(fixed, 0);          // flags
    Put32(fixed, 0x00040004); // 32-bit Windows NT
    Put32(fixed, 2);          // a library
    Put32(fixed, 0);
    Put32(fixed, 0);
    Put32(fixed, 0);
    return fixed;
}

} // namespace

std::vector<std::uint8_t> EncodeVersionBlock(const VersionInfo& info) {
    std::vector<std::uint8_t> out;
    Node root(out);
    root.Key(u"VS_VERSION_INFO");
    root.BinaryValue(FixedFileInfo(info));
    root.Align();
    {
        Node stringFileInfo(out);
        stringFileInfo.MarkText();
        stringFileInfo.Key(u"StringFileInfo");
        Node table(out);
        table.MarkText();
        table.Key(u"040E04B0");
        for (const auto& [name, value] : info.strings) {
            Node string(out);
            string.Key(Utf16(name));
            string.TextValue(Utf16(value));
            string.Finish();
            string.Align();
        }
        table.Finish();
        stringFileInfo.Finish();
        stringFileInfo.Align();
    }
    {
        Node varFileInfo(out);
        varFileInfo.MarkText();
        varFileInfo.Key(u"VarFileInfo");
        Node translation(out);
        translation.Key(u"Translation");
        std::vector<std::uint8_t> value;
        Put32(value, std::uint32_t(unicodeCodePage) << 16 | hungarian);
        translation.BinaryValue(value);
        translation.Finish();
        varFileInfo.Finish();
    }
    root.Finish();
    return out;
}
