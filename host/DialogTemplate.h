#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace host {

// Kinds of the items a dialog template can hold.
enum class DialogItemKind : std::int16_t {
    PushButton = 1,
    IconPushButton = 2,
    PopUp = 3,
    PushCheck = 4,
    LeftText = 5,
    HorizontalSeparator = 6,
    VerticalSeparator = 7,
    Picture = 8,
};

// One item of a dialog template. Rectangles are pixels from the client area's top-left corner.
// Texts are 8-bit text in the Windows Central European code page, as the resource stores them.
struct DialogTemplateItem {
    std::int16_t id = 0;
    DialogItemKind kind = DialogItemKind::PushButton;
    std::int16_t left = 0;
    std::int16_t top = 0;
    std::int16_t width = 0;
    std::int16_t height = 0;     // a popup's height covers its opened list
    std::int16_t style = 0;      // the toolkit's style code
    std::int16_t value = 0;      // a popup's extra value
    std::int32_t resourceId = 0; // bitmap of a picture, icon of an icon push button
    std::string text;
};

// A dialog template resource: title, client area size and items in template order.
struct DialogTemplate {
    std::string title; // 8-bit, Central European code page
    std::int16_t width = 0;
    std::int16_t height = 0;
    std::vector<DialogTemplateItem> items;

    // The resource's byte form; Parse refuses bytes that are not a whole, well-formed template.
    std::vector<std::uint8_t> Serialize() const;
    static std::optional<DialogTemplate> Parse(const std::uint8_t* bytes, std::size_t length);
};

} // namespace host
