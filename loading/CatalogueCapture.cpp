#include "loading/CatalogueCapture.h"

#include "loading/CatalogueValues.h"

#include <xercesc/dom/DOM.hpp>

#include <array>
#include <string_view>

using namespace xercesc;

namespace {

constexpr std::array<std::u16string_view, CatalogueCapture::ColourAttributeCount> colourAttributes{
    u"mode",      u"surface",    u"name",  u"description",
    u"structure", u"colourName", u"red",   u"green",
    u"blue",      u"texture",    u"wheel", u"remarks",
    u"ared",      u"agreen",     u"ablue", u"auxiliaryColourTable"};
constexpr std::array<std::u16string_view, 2> settingAttributes{u"name", u"value"};

bool IsNamed(const XMLCh* name, std::u16string_view wanted) {
    for (const char16_t c : wanted) {
        if (*name++ != c) {
            return false;
        }
    }
    return *name == 0;
}

// An attribute's value. Xerces-C keeps it as the attribute's one text child, which is read directly:
// its own getValue finds that child through costly casts.
const XMLCh* ValueOf(const DOMNode& attribute) {
    const DOMNode* text = attribute.getFirstChild();
    if (text != nullptr && text->getNodeType() == DOMNode::TEXT_NODE && text->getNextSibling() == nullptr) {
        return text->getNodeValue();
    }
    return attribute.getNodeValue();
}

// The names of the attributes read from one kind of element. Xerces-C keeps one copy of each name
// per document, so once a name has been matched by its text, later elements match it by address.
template <std::size_t N> class AttributeNames {
public:
    explicit AttributeNames(const std::array<std::u16string_view, N>& names) : names(names) {}

    // The index of `name`, looked for from `expected` on; N when it is none of them.
    std::size_t Find(const XMLCh* name, std::size_t expected) {
        for (std::size_t k = 0; k < N; ++k) {
            if (known[(expected + k) % N] == name) {
                return (expected + k) % N;
            }
        }
        for (std::size_t k = 0; k < N; ++k) {
            const std::size_t candidate = (expected + k) % N;
            if (IsNamed(name, names[candidate])) {
                known[candidate] = name;
                return candidate;
            }
        }
        return N;
    }

    // The values of the attributes of `element` that are named here, by index; null when absent.
    std::array<const XMLCh*, N> Values(const DOMElement& element) {
        std::array<const XMLCh*, N> values{};
        const DOMNamedNodeMap* attributes = element.getAttributes();
        const XMLSize_t count = attributes->getLength();
        // Files list the attributes in the usual order, so the search starts after the last one found.
        std::size_t expected = 0;
        for (XMLSize_t i = 0; i < count; ++i) {
            const DOMNode* attribute = attributes->item(i);
            const std::size_t index = Find(attribute->getNodeName(), expected);
            if (index < N) {
                values[index] = ValueOf(*attribute);
                expected = index + 1;
            }
        }
        return values;
    }

private:
    const std::array<std::u16string_view, N>& names;
    std::array<const XMLCh*, N> known{};
};

template <std::size_t N> std::uint32_t AbsentBits(const std::array<const XMLCh*, N>& values) {
    std::uint32_t absent = 0;
    for (std::size_t i = 0; i < N; ++i) {
        if (values[i] == nullptr) {
            absent |= 1u << i;
        }
    }
    return absent;
}

// Values as the catalogue reads them: text cut to MaxValueLength bytes of UTF-8; numbers and flags
// from the text as it stands (they are ASCII, so its UTF-8 form would read the same). An absent
// value reads as empty text.
std::u16string_view Raw(const XMLCh* value) {
    return value != nullptr ? std::u16string_view(value) : std::u16string_view();
}
std::string Text(const XMLCh* value) {
    return ToUtf8(Raw(value), MaxValueLength);
}

} // namespace

class CatalogueCapture::Names {
public:
    AttributeNames<ColourAttributeCount> colour{colourAttributes};
    AttributeNames<2> setting{settingAttributes};
};

CatalogueCapture::CatalogueCapture(std::size_t documentLength) : names(std::make_unique<Names>()) {
    // `<colour/>` with the sixteen attribute names, each with `=""` and a blank.
    std::size_t shortest = 9;
    for (std::u16string_view name : colourAttributes) {
        shortest += name.size() + 4;
    }
    colours.reserve(documentLength / shortest);
}

CatalogueCapture::~CatalogueCapture() = default;

std::string CatalogueCapture::AttributeName(ColourAttribute attribute) {
    return ToUtf8(colourAttributes[attribute]);
}

DOMLSParserFilter::FilterAction CatalogueCapture::startElement(DOMElement* element) {
    if (!rootSeen) {
        rootSeen = true; // the document element itself is none of these
        return FILTER_ACCEPT;
    }
    const XMLCh* tag = element->getTagName();
    if (IsNamed(tag, u"colour")) {
        const auto values = names->colour.Values(*element);
        Colour& colour = colours.emplace_back();
        colour.element = element;
        colour.absent = AbsentBits(values);
        CatalogueContent::Colour& c = colour.values;
        c.mode = host::UniString(Text(values[Mode]));
        c.surface = host::UniString(Text(values[Surface]));
        c.name = host::UniString(Text(values[Name]));
        c.description = host::UniString(Text(values[Description]));
        c.structure = host::UniString(Text(values[Structure]));
        c.colourName = host::UniString(Text(values[ColourName]));
        c.red = ParseShort(Raw(values[Red]));
        c.green = ParseShort(Raw(values[Green]));
        c.blue = ParseShort(Raw(values[Blue]));
        colour.texturePath = Text(values[Texture]);
        c.wheel = ParseFlag(Raw(values[Wheel]));
        c.remarks = host::UniString(Text(values[Remarks]));
        c.auxiliaryRed = ParseShort(Raw(values[AuxiliaryRed]));
        c.auxiliaryGreen = ParseShort(Raw(values[AuxiliaryGreen]));
        c.auxiliaryBlue = ParseShort(Raw(values[AuxiliaryBlue]));
        c.auxiliaryColourTable = ParseFlag(Raw(values[AuxiliaryColourTable]));
    } else if (IsNamed(tag, u"setting")) {
        const auto values = names->setting.Values(*element);
        Setting& setting = settings.emplace_back();
        setting.absent = AbsentBits(values);
        setting.values.name = host::UniString(Text(values[0]));
        setting.values.value = Text(values[1]);
    } else if (IsNamed(tag, u"colours")) {
        colourLists.push_back(element);
    } else if (IsNamed(tag, u"auxiliaryColours")) {
        auxiliaryLists.push_back(element);
    }
    return FILTER_ACCEPT;
}
