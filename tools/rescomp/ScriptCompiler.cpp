#include "ScriptCompiler.h"

#include "Tokenizer.h"
#include "VersionBlock.h"
#include "host/CodePage.h"
#include "host/DialogTemplate.h"
#include "host/ResourceTypes.h"

#include <limits>
#include <map>
#include <set>

namespace {

using Bytes = std::vector<std::uint8_t>;
using Resource = host::ResourceBlob::Resource;

void Put16(Bytes& out, std::uint32_t value) {
    out.push_back(std::uint8_t(value));
    out.push_back(std::uint8_t(value >> 8));
}

void Put32(Bytes& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

constexpr std::int64_t int16Min = std::numeric_limits<std::int16_t>::min();
constexpr std::int64_t int16Max = std::numeric_limits<std::int16_t>::max();
constexpr std::int64_t int32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t int32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t uint32Max = std::numeric_limits<std::uint32_t>::max();

// A quoted text of the script in the Central European code page; refuses what it cannot hold.
std::string CentralEuropean(Tokenizer& in, const char* what) {
    const int line = in.Peek().line;
    const std::string utf8 = in.Text(what);
    std::string text = host::FromUtf8(utf8, host::CodePage::CentralEuropean);
    if (host::ToUtf8(text, host::CodePage::CentralEuropean) != utf8)
        throw ScriptError(line, "\"" + utf8 + "\" has characters outside the Central European code page");
    if (text.find('\0') != std::string::npos)
        throw ScriptError(line, "a text cannot hold a NUL");
    return text;
}

void PutCString(Bytes& out, const std::string& text) {
    out.insert(out.end(), text.begin(), text.end());
    out.push_back(0);
}

Bytes StringList(Tokenizer& in) {
    Bytes strings;
    while (!in.NextIsWord("end"))
        PutCString(strings, CentralEuropean(in, "a string"));
    in.Next();
    Bytes out;
    Put32(out, std::uint32_t(strings.size()));
    out.insert(out.end(), strings.begin(), strings.end());
    return out;
}

Bytes NumberList(Tokenizer& in) {
    Bytes numbers;
    std::uint32_t count = 0;
    while (!in.NextIsWord("end")) {
        Put32(numbers, std::uint32_t(in.Number("a number", int32Min, uint32Max)));
        ++count;
    }
    in.Next();
    Bytes out;
    Put32(out, count);
    out.insert(out.end(), numbers.begin(), numbers.end());
    return out;
}

Bytes Identification(Tokenizer& in) {
    Bytes out;
    Put32(out, std::uint32_t(in.Number("the first identification number", int32Min, uint32Max)));
    Put32(out, std::uint32_t(in.Number("the second identification number", int32Min, uint32Max)));
    return out;
}

std::array<std::uint16_t, 4> VersionNumber(Tokenizer& in) {
    std::array<std::uint16_t, 4> parts{};
    for (auto& part : parts)
        part = std::uint16_t(in.Number("a version part", 0, 0xFFFF));
    return parts;
}

const std::map<std::string, host::DialogItemKind, std::less<>> itemKinds = {
    {"pushbutton", host::DialogItemKind::PushButton},
    {"iconpushbutton", host::DialogItemKind::IconPushButton},
    {"popup", host::DialogItemKind::PopUp},
    {"pushcheck", host::DialogItemKind::PushCheck},
    {"lefttext", host::DialogItemKind::LeftText},
    {"hseparator", host::DialogItemKind::HorizontalSeparator},
    {"vseparator", host::DialogItemKind::VerticalSeparator},
    {"picture", host::DialogItemKind::Picture},
};

host::DialogTemplateItem DialogItem(Tokenizer& in) {
    host::DialogTemplateItem item;
    item.id = std::int16_t(in.Number("an item id", int16Min, int16Max));
    const int kindLine = in.Peek().line;
    const auto kind = itemKinds.find(in.Word("an item kind"));
    if (kind == itemKinds.end())
        throw ScriptError(kindLine, "unknown item kind");
    item.kind = kind->second;
    item.left = std::int16_t(in.Number("left", int16Min, int16Max));
    item.top = std::int16_t(in.Number("top", int16Min, int16Max));
    item.width = std::int16_t(in.Number("width", 0, int16Max));
    item.height = std::int16_t(in.Number("height", 0, int16Max));
    while (in.Peek().kind == Tokenizer::Kind::Word && !in.NextIsWord("item") && !in.NextIsWord("end")) {
        const int line = in.Peek().line;
        const std::string option = in.Next().text;
        if (option == "style")
            item.style = std::int16_t(in.Number("a style", int16Min, int16Max));
        else if (option == "value")
            item.value = std::int16_t(in.Number("a value", int16Min, int16Max));
        else if (option == "resource")
            item.resourceId = std::int32_t(in.Number("a resource id", int32Min, int32Max));
        else if (option == "text")
            item.text = CentralEuropean(in, "the item's text");
        else
            throw ScriptError(line, "unknown item option " + option);
    }
    return item;
}

Bytes Dialog(Tokenizer& in) {
    host::DialogTemplate dialog;
    dialog.title = CentralEuropean(in, "the dialog's title");
    dialog.width = std::int16_t(in.Number("the dialog's width", 0, int16Max));
    dialog.height = std::int16_t(in.Number("the dialog's height", 0, int16Max));
    std::set<std::int16_t> ids;
    while (!in.NextIsWord("end")) {
        const int line = in.Peek().line;
        if (in.Word("item") != "item")
            throw ScriptError(line, "expected item or end");
        dialog.items.push_back(DialogItem(in));
        if (!ids.insert(dialog.items.back().id).second)
            throw ScriptError(line, "item id repeats");
    }
    in.Next();
    return dialog.Serialize();
}

Bytes ItemNames(Tokenizer& in) {
    Bytes out;
    PutCString(out, CentralEuropean(in, "the dialog's name"));
    Bytes entries;
    std::uint32_t count = 0;
    while (!in.NextIsWord("end")) {
        Put16(entries, std::uint16_t(in.Number("an item id", int16Min, int16Max)));
        PutCString(entries, CentralEuropean(in, "the item's name"));
        if (++count > 0xFFFF)
            throw ScriptError(in.Peek().line, "too many item names");
    }
    in.Next();
    Put16(out, count);
    out.insert(out.end(), entries.begin(), entries.end());
    return out;
}

Bytes Version(Tokenizer& in) {
    VersionInfo info;
    while (!in.NextIsWord("end")) {
        if (in.NextIsWord("file")) {
            in.Next();
            info.fileVersion = VersionNumber(in);
        } else if (in.NextIsWord("product")) {
            in.Next();
            info.productVersion = VersionNumber(in);
        } else {
            std::string name = in.Text("a version string's name");
            info.strings.emplace_back(std::move(name), in.Text("a version string's value"));
        }
    }
    in.Next();
    return EncodeVersionBlock(info);
}

} // namespace

std::vector<Resource> ScriptCompiler::Compile(std::string_view script) const {
    Tokenizer in(script);
    std::vector<Resource> resources;
    std::set<std::pair<std::uint32_t, std::int32_t>> seen;
    while (in.Peek().kind != Tokenizer::Kind::End) {
        const int line = in.Peek().line;
        const std::string block = in.Word("a resource kind");
        const auto id = std::int32_t(in.Number("a resource id", int32Min, int32Max));
        Resource resource;
        resource.id = id;
        if (block == "strings") {
            resource.type = host::StringListResource, resource.bytes = StringList(in);
        } else if (block == "numbers") {
            resource.type = host::NumberListResource, resource.bytes = NumberList(in);
        } else if (block == "identification") {
            resource.type = host::IdentificationResource, resource.bytes = Identification(in);
        } else if (block == "version") {
            resource.type = host::VersionResource, resource.bytes = Version(in);
        } else if (block == "dialog") {
            resource.type = host::DialogTemplateResource, resource.bytes = Dialog(in);
        } else if (block == "itemnames") {
            resource.type = host::ItemNameTableResource, resource.bytes = ItemNames(in);
        } else if (block == "bitmap" || block == "icon" || block == "data") {
            resource.type = block == "bitmap" ? host::BitmapResource
                            : block == "icon" ? host::IconGroupResource
                                              : host::DataResource;
            const bool sized = block == "data" && in.NextIsWord("sized");
            if (sized)
                in.Next();
            const Bytes file = readFile(in.Text("a file name"));
            if (sized)
                Put32(resource.bytes, std::uint32_t(file.size()));
            resource.bytes.insert(resource.bytes.end(), file.begin(), file.end());
        } else {
            throw ScriptError(line, "unknown resource kind " + block);
        }
        if (!seen.emplace(resource.type, resource.id).second)
            throw ScriptError(line, block + " " + std::to_string(id) + " is defined twice");
        resources.push_back(std::move(resource));
    }
    return resources;
}
