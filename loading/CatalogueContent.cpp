#include "loading/CatalogueContent.h"

#include "loading/CatalogueValues.h"

#include <xercesc/dom/DOM.hpp>

#include <array>
#include <string_view>

using namespace xercesc;

namespace {

// The attributes of a catalogue colour, an auxiliary colour and a setting, in the order they are read.
constexpr std::array<std::u16string_view, 16> colourAttributes{
    u"mode",      u"surface",    u"name",  u"description",
    u"structure", u"colourName", u"red",   u"green",
    u"blue",      u"texture",    u"wheel", u"remarks",
    u"ared",      u"agreen",     u"ablue", u"auxiliaryColourTable"};
constexpr std::array<std::u16string_view, 4> auxiliaryColourAttributes{u"colourName", u"red", u"green",
                                                                       u"blue"};
constexpr std::array<std::u16string_view, 2> settingAttributes{u"name", u"value"};

// An attribute's value. Xerces-C keeps it as the attribute's one text child, which is read directly:
// its own getValue finds that child through costly casts.
const XMLCh* ValueOf(const DOMNode& attribute) {
    const DOMNode* text = attribute.getFirstChild();
    if (text != nullptr && text->getNodeType() == DOMNode::TEXT_NODE && text->getNextSibling() == nullptr) {
        return text->getNodeValue();
    }
    return attribute.getNodeValue();
}

bool IsNamed(const XMLCh* name, std::u16string_view wanted) {
    for (const char16_t c : wanted) {
        if (*name++ != c) {
            return false;
        }
    }
    return *name == 0;
}

// The names of the attributes read from one kind of element, in reading order. Xerces-C keeps one
// copy of each name per document, so once a name has been matched by its text, later elements
// match it by address.
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

    std::u16string_view operator[](std::size_t index) const { return names[index]; }

private:
    const std::array<std::u16string_view, N>& names;
    std::array<const XMLCh*, N> known{};
};

// The values of the attributes `names` of one element, found in one pass over its attributes.
template <std::size_t N> class ElementAttributes {
public:
    ElementAttributes(const DOMElement& element, AttributeNames<N>& names, const char* what,
                      CatalogueElement place)
        : names(names), what(what), place(place) {
        const DOMNamedNodeMap* attributes = element.getAttributes();
        const XMLSize_t count = attributes->getLength();
        // Files list the attributes in the usual order, so the search starts after the last one found.
        std::size_t expected = 0;
        for (XMLSize_t i = 0; i < count; ++i) {
            const DOMNode* attribute = attributes->item(i);
            const std::size_t index = names.Find(attribute->getNodeName(), expected);
            if (index < N) {
                values[index] = ValueOf(*attribute);
                expected = index + 1;
            }
        }
    }

    // The value of attribute `index` as UTF-8 text of at most MaxValueLength bytes. An absent
    // attribute fails the load; a present, empty one is empty text.
    std::string Text(std::size_t index) const { return ToUtf8(Present(index), MaxValueLength); }

    // Numbers and flags are read from the text as it stands: they are ASCII, so its UTF-8 form
    // would read the same.
    std::int16_t Number(std::size_t index) const { return ParseShort(Present(index)); }
    bool Flag(std::size_t index) const { return ParseFlag(Present(index)); }

private:
    std::u16string_view Present(std::size_t index) const {
        if (values[index] == nullptr) {
            throw CatalogueFault(std::string(what) + " " + std::to_string(place.number) +
                                     ": no attribute \"" + ToUtf8(names[index]) + "\"",
                                 place);
        }
        return values[index];
    }

    const AttributeNames<N>& names;
    const char* what;
    CatalogueElement place;
    std::array<const XMLCh*, N> values{};
};

// Calls `read(element, position)` for every element `tag` below `parent`, in document order.
template <typename Read> void ForEach(const DOMElement& parent, const XMLCh* tag, Read&& read) {
    // Walked once: asking the list for its length first would walk the tree twice.
    const DOMNodeList* elements = parent.getElementsByTagName(tag);
    for (XMLSize_t i = 0; const DOMNode* element = elements->item(i); ++i) {
        read(*static_cast<const DOMElement*>(element), i + 1);
    }
}

// The lists and settings below the document element, found in one walk of the tree (each lookup
// by tag name would walk all of it).
struct Landmarks {
    std::vector<const DOMElement*> colourLists;
    std::vector<const DOMElement*> auxiliaryLists;
    std::vector<const DOMElement*> settings;
};

Landmarks FindLandmarks(const DOMElement& root) {
    Landmarks found;
    const DOMNode* node = root.getFirstChild();
    while (node != nullptr) {
        if (node->getNodeType() == DOMNode::ELEMENT_NODE) {
            const auto* element = static_cast<const DOMElement*>(node);
            const XMLCh* name = element->getTagName();
            if (IsNamed(name, u"colours")) {
                found.colourLists.push_back(element);
            } else if (IsNamed(name, u"auxiliaryColours")) {
                found.auxiliaryLists.push_back(element);
            } else if (IsNamed(name, u"setting")) {
                found.settings.push_back(element);
            }
        }
        if (const DOMNode* child = node->getFirstChild()) {
            node = child;
            continue;
        }
        while (node != &root && node->getNextSibling() == nullptr) {
            node = node->getParentNode();
        }
        node = node == &root ? nullptr : node->getNextSibling();
    }
    return found;
}

const DOMElement& Single(const std::vector<const DOMElement*>& elements, const char* name,
                         CatalogueElement::Kind kind) {
    if (elements.size() != 1) {
        throw CatalogueFault("expected one <" + std::string(name) + "> element, found " +
                                 std::to_string(elements.size()),
                             {kind, elements.size()});
    }
    return *elements.front();
}

// The texture's location: each piece of the path before a "\" or "/" is one folder name below the
// catalogue's folder, and what follows the last separator the file's name, appended unchecked.
host::FileLocation ResolveTexture(const host::FileLocation& folder, std::string_view path,
                                  std::size_t position) {
    host::FileLocation location = folder;
    for (std::size_t cut = path.find_first_of("\\/"); cut != std::string_view::npos;
         cut = path.find_first_of("\\/")) {
        if (location.AppendName(host::UniString(path.substr(0, cut))) != host::NoError) {
            throw CatalogueFault("colour " + std::to_string(position) + ": texture path \"" +
                                     std::string(path) + "\" has a piece that is no name",
                                 {CatalogueElement::Kind::Colour, position});
        }
        path.remove_prefix(cut + 1);
    }
    location.AppendName(host::UniString(path));
    return location;
}

void ReadColours(const DOMElement& colours, const host::FileLocation& catalogueFile,
                 std::vector<CatalogueContent::Colour>& out) {
    host::FileLocation folder = catalogueFile;
    const host::Result folderResult = folder.RemoveLastName();
    AttributeNames names(colourAttributes);
    ForEach(colours, u"colour", [&](const DOMElement& element, std::size_t position) {
        // Read one after another in this order; the first one missing ends the load.
        const ElementAttributes<16> values(element, names, "colour",
                                           {CatalogueElement::Kind::Colour, position});
        CatalogueContent::Colour colour;
        colour.mode = host::UniString(values.Text(0));
        colour.surface = host::UniString(values.Text(1));
        colour.name = host::UniString(values.Text(2));
        colour.description = host::UniString(values.Text(3));
        colour.structure = host::UniString(values.Text(4));
        colour.colourName = host::UniString(values.Text(5));
        colour.red = values.Number(6);
        colour.green = values.Number(7);
        colour.blue = values.Number(8);
        const std::string texturePath = values.Text(9);
        colour.wheel = values.Flag(10);
        colour.remarks = host::UniString(values.Text(11));
        colour.auxiliaryRed = values.Number(12);
        colour.auxiliaryGreen = values.Number(13);
        colour.auxiliaryBlue = values.Number(14);
        colour.auxiliaryColourTable = values.Flag(15);
        if (folderResult != host::NoError) {
            throw CatalogueFault("the catalogue file has no folder");
        }
        colour.texture = ResolveTexture(folder, texturePath, position);
        out.push_back(std::move(colour));
    });
}

void ReadAuxiliaryColours(const DOMElement& auxiliaryColours,
                          std::vector<CatalogueContent::AuxiliaryColour>& out) {
    AttributeNames names(auxiliaryColourAttributes);
    ForEach(auxiliaryColours, u"colour", [&](const DOMElement& element, std::size_t position) {
        const ElementAttributes<4> values(element, names, "auxiliary colour",
                                          {CatalogueElement::Kind::AuxiliaryColour, position});
        CatalogueContent::AuxiliaryColour colour;
        colour.colourName = host::UniString(values.Text(0));
        colour.red = values.Number(1);
        colour.green = values.Number(2);
        colour.blue = values.Number(3);
        out.push_back(std::move(colour));
    });
}

void ReadSettings(const std::vector<const DOMElement*>& settings,
                  std::vector<CatalogueContent::Setting>& out) {
    AttributeNames names(settingAttributes);
    for (std::size_t i = 0; i < settings.size(); ++i) {
        const DOMElement& element = *settings[i];
        const std::size_t position = i + 1;
        const ElementAttributes<2> values(element, names, "setting",
                                          {CatalogueElement::Kind::Setting, position});
        CatalogueContent::Setting setting;
        setting.name = host::UniString(values.Text(0));
        setting.value = values.Text(1);
        out.push_back(std::move(setting));
    }
}

} // namespace

void ReadCatalogueContent(const DOMElement& root, const host::FileLocation& catalogueFile,
                          CatalogueContent& content) {
    const Landmarks landmarks = FindLandmarks(root);
    ReadColours(Single(landmarks.colourLists, "colours", CatalogueElement::Kind::ColourList), catalogueFile,
                content.colours);
    ReadAuxiliaryColours(
        Single(landmarks.auxiliaryLists, "auxiliaryColours", CatalogueElement::Kind::AuxiliaryColourList),
        content.auxiliaryColours);
    ReadSettings(landmarks.settings, content.settings);
}
