#include "loading/CatalogueContent.h"

#include "loading/CatalogueCapture.h"

#include <xercesc/dom/DOM.hpp>

#include <bit>
#include <string_view>

using namespace xercesc;

namespace {

// Calls `read(element, position)` for every element `tag` below `parent`, in document order.
template <typename Read> void ForEach(const DOMElement& parent, const XMLCh* tag, Read&& read) {
    // Walked once: asking the list for its length first would walk the tree twice.
    const DOMNodeList* elements = parent.getElementsByTagName(tag);
    for (XMLSize_t i = 0; const DOMNode* element = elements->item(i); ++i) {
        read(*static_cast<const DOMElement*>(element), i + 1);
    }
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

// Throws for the first attribute of `absent` (bit i for attribute i) that the element must have.
void RequirePresent(std::uint32_t absent, std::uint32_t needed, const char* what, CatalogueElement place,
                    std::string (*nameOf)(std::size_t)) {
    const std::uint32_t missing = absent & needed;
    if (missing == 0) {
        return;
    }
    const std::size_t first = std::size_t(std::countr_zero(missing));
    throw CatalogueFault(std::string(what) + " " + std::to_string(place.number) + ": no attribute \"" +
                             nameOf(first) + "\"",
                         place);
}

std::string ColourAttributeName(std::size_t index) {
    return CatalogueCapture::AttributeName(CatalogueCapture::ColourAttribute(index));
}

std::string SettingAttributeName(std::size_t index) {
    return index == 0 ? "name" : "value";
}

// The captured colour of each element the list holds, in document order; both are in document
// order, so one pass finds them all.
class CapturedColours {
public:
    explicit CapturedColours(std::vector<CatalogueCapture::Colour>& colours) : colours(colours) {}

    CatalogueCapture::Colour& Of(const DOMElement& element) {
        while (next < colours.size() && colours[next].element != &element) {
            ++next;
        }
        if (next == colours.size()) {
            throw CatalogueFault("a colour element was not read");
        }
        return colours[next++];
    }

private:
    std::vector<CatalogueCapture::Colour>& colours;
    std::size_t next = 0;
};

constexpr std::uint32_t AllOf(std::size_t count) {
    return (std::uint32_t(1) << count) - 1;
}

void ReadColours(const DOMElement& colours, CatalogueCapture& capture, const host::FileLocation& catalogueFile,
                 std::vector<CatalogueContent::Colour>& out) {
    host::FileLocation folder = catalogueFile;
    const host::Result folderResult = folder.RemoveLastName();
    CapturedColours captured(capture.colours);
    out.reserve(capture.colours.size());
    ForEach(colours, u"colour", [&](const DOMElement& element, std::size_t position) {
        CatalogueCapture::Colour& colour = captured.Of(element);
        // The first attribute missing, in reading order, ends the load.
        RequirePresent(colour.absent, AllOf(CatalogueCapture::ColourAttributeCount), "colour",
                       {CatalogueElement::Kind::Colour, position}, &ColourAttributeName);
        if (folderResult != host::NoError) {
            throw CatalogueFault("the catalogue file has no folder");
        }
        colour.values.texture = ResolveTexture(folder, colour.texturePath, position);
        out.push_back(std::move(colour.values));
        // An element that stands in the auxiliary list too is read there once more.
        colour.values.colourName = out.back().colourName;
    });
}

void ReadAuxiliaryColours(const DOMElement& auxiliaryColours, CatalogueCapture& capture,
                          std::vector<CatalogueContent::AuxiliaryColour>& out) {
    using enum CatalogueCapture::ColourAttribute;
    constexpr std::uint32_t needed = 1u << ColourName | 1u << Red | 1u << Green | 1u << Blue;
    CapturedColours captured(capture.colours);
    ForEach(auxiliaryColours, u"colour", [&](const DOMElement& element, std::size_t position) {
        const CatalogueCapture::Colour& colour = captured.Of(element);
        RequirePresent(colour.absent, needed, "auxiliary colour",
                       {CatalogueElement::Kind::AuxiliaryColour, position}, &ColourAttributeName);
        out.push_back({colour.values.colourName, colour.values.red, colour.values.green, colour.values.blue});
    });
}

void ReadSettings(std::vector<CatalogueCapture::Setting>& settings, std::vector<CatalogueContent::Setting>& out) {
    for (std::size_t i = 0; i < settings.size(); ++i) {
        RequirePresent(settings[i].absent, AllOf(2), "setting", {CatalogueElement::Kind::Setting, i + 1},
                       &SettingAttributeName);
        out.push_back(std::move(settings[i].values));
    }
}

} // namespace

void ReadCatalogueContent(CatalogueCapture& capture, const host::FileLocation& catalogueFile,
                          CatalogueContent& content) {
    ReadColours(Single(capture.colourLists, "colours", CatalogueElement::Kind::ColourList), capture,
                catalogueFile, content.colours);
    ReadAuxiliaryColours(
        Single(capture.auxiliaryLists, "auxiliaryColours", CatalogueElement::Kind::AuxiliaryColourList),
        capture, content.auxiliaryColours);
    ReadSettings(capture.settings, content.settings);
}
