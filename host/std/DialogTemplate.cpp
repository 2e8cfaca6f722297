#include "host/DialogTemplate.h"

#include <algorithm>
#include <limits>
#include <set>
#include <stdexcept>

// Byte form, all numbers little-endian:
//   'T' 'N' 'D' 'T', width (int16), height (int16), title (text), item count (uint16), items
//   item: id, kind, left, top, width, height, style, value (int16 each), resource id (int32), text
//   text: length (uint16) and that many bytes, no NUL among them

namespace host {
namespace {

constexpr std::uint8_t magic[4] = {'T', 'N', 'D', 'T'};

class Writer {
public:
    void Bytes(const std::uint8_t* bytes, std::size_t count) { out.insert(out.end(), bytes, bytes + count); }
    void Int(std::uint32_t value, int width) {
        for (int i = 0; i < width; ++i)
            out.push_back(std::uint8_t(value >> (8 * i)));
    }
    void Int16(std::int16_t value) { Int(std::uint16_t(value), 2); }
    void Text(const std::string& text) {
        if (text.size() > std::numeric_limits<std::uint16_t>::max() || text.find('\0') != std::string::npos)
            throw std::invalid_argument("dialog template text cannot be stored");
        Int(std::uint32_t(text.size()), 2);
        Bytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    }

    std::vector<std::uint8_t> out;
};

class Reader {
public:
    Reader(const std::uint8_t* bytes, std::size_t length) : bytes(bytes), length(length) {}

    bool Int(std::uint32_t& value, int width) {
        if (length - pos < std::size_t(width))
            return false;
        value = 0;
        for (int i = width - 1; i >= 0; --i)
            value = (value << 8) | bytes[pos + i];
        pos += width;
        return true;
    }
    bool Int16(std::int16_t& value) {
        std::uint32_t raw = 0;
        if (!Int(raw, 2))
            return false;
        value = std::int16_t(std::uint16_t(raw));
        return true;
    }
    bool Size(std::int16_t& value) { return Int16(value) && value >= 0; }
    bool Text(std::string& text) {
        std::uint32_t size = 0;
        if (!Int(size, 2) || length - pos < size)
            return false;
        text.assign(reinterpret_cast<const char*>(bytes + pos), size);
        pos += size;
        return text.find('\0') == std::string::npos;
    }
    bool Magic() {
        if (length < sizeof magic || !std::equal(std::begin(magic), std::end(magic), bytes))
            return false;
        pos = sizeof magic;
        return true;
    }
    bool AtEnd() const { return pos == length; }

private:
    const std::uint8_t* bytes;
    std::size_t length;
    std::size_t pos = 0;
};

bool IsKnownKind(std::int16_t kind) {
    return kind >= std::int16_t(DialogItemKind::PushButton) && kind <= std::int16_t(DialogItemKind::Picture);
}

bool ReadItem(Reader& in, DialogTemplateItem& item) {
    std::int16_t kind = 0;
    std::uint32_t resourceId = 0;
    if (!in.Int16(item.id) || !in.Int16(kind) || !IsKnownKind(kind) || !in.Int16(item.left) ||
        !in.Int16(item.top) || !in.Size(item.width) || !in.Size(item.height) || !in.Int16(item.style) ||
        !in.Int16(item.value) || !in.Int(resourceId, 4) || !in.Text(item.text))
        return false;
    item.kind = DialogItemKind(kind);
    item.resourceId = std::int32_t(resourceId);
    return true;
}

} // namespace

std::vector<std::uint8_t> DialogTemplate::Serialize() const {
    if (items.size() > std::numeric_limits<std::uint16_t>::max())
        throw std::invalid_argument("dialog template has too many items");
    Writer out;
    out.Bytes(magic, sizeof magic);
    out.Int16(width);
    out.Int16(height);
    out.Text(title);
    out.Int(std::uint32_t(items.size()), 2);
    for (const auto& item : items) {
        out.Int16(item.id);
        out.Int16(std::int16_t(item.kind));
        out.Int16(item.left);
        out.Int16(item.top);
        out.Int16(item.width);
        out.Int16(item.height);
        out.Int16(item.style);
        out.Int16(item.value);
        out.Int(std::uint32_t(item.resourceId), 4);
        out.Text(item.text);
    }
    return std::move(out.out);
}

std::optional<DialogTemplate> DialogTemplate::Parse(const std::uint8_t* bytes, std::size_t length) {
    if (!bytes)
        return std::nullopt;
    Reader in(bytes, length);
    DialogTemplate dialog;
    std::uint32_t count = 0;
    if (!in.Magic() || !in.Size(dialog.width) || !in.Size(dialog.height) || !in.Text(dialog.title) ||
        !in.Int(count, 2))
        return std::nullopt;
    std::set<std::int16_t> ids;
    for (std::uint32_t i = 0; i < count; ++i) {
        DialogTemplateItem item;
        if (!ReadItem(in, item) || !ids.insert(item.id).second)
            return std::nullopt;
        dialog.items.push_back(std::move(item));
    }
    if (!in.AtEnd())
        return std::nullopt;
    return dialog;
}

} // namespace host
