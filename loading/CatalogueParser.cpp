#include "loading/CatalogueParser.h"

#include "catalogue/AuxiliaryColorEntity.h"
#include "catalogue/ColorEntity.h"
#include "catalogue/TNPersistentData.h"
#include "catalogue/TextureCache.h"
#include "host/File.h"
#include "host/FileLocation.h"
#include "host/StringTable.h"
#include "loading/CatalogueDomParser.h"
#include "loading/CatalogueValues.h"
#include "loading/ColourAmount.h"

#include <xercesc/dom/DOM.hpp>
#include <xercesc/util/OutOfMemoryException.hpp>
#include <xercesc/util/XMLException.hpp>

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <vector>

using namespace xercesc;

namespace {

// Every failure while the document is read; caught where ParseCatalogueFile answers.
class CatalogueFault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Walks the parsed document and fills the catalogue in file order.
class CatalogueReader {
public:
    CatalogueReader(TNPersistentData& catalogue, const host::FileLocation& catalogueFile)
        : catalogue(catalogue), folder(catalogueFile), folderResult(folder.RemoveLastName()) {}

    void Read(const DOMElement& root) {
        ReadColours(FindSingle(root, u"colours", "colours"));
        ReadAuxiliaryColours(FindSingle(root, u"auxiliaryColours", "auxiliaryColours"));
        ReadSettings(root);
    }

    std::int16_t GetLargestGroup() const {
        std::int16_t largest = 0;
        for (const auto& [key, count] : groups) {
            largest = std::max(largest, count);
        }
        return largest;
    }

private:
    static const DOMElement& FindSingle(const DOMElement& root, const XMLCh* tag, const char* name) {
        const DOMNodeList* found = root.getElementsByTagName(tag);
        const XMLSize_t count = found->getLength();
        if (count != 1) {
            throw CatalogueFault("expected one <" + std::string(name) + "> element, found " +
                                 std::to_string(count));
        }
        return *static_cast<const DOMElement*>(found->item(0));
    }

    // Calls `read(element, position)` for every element `tag` below `parent`, in document order.
    template <typename Read> static void ForEach(const DOMElement& parent, const XMLCh* tag, Read&& read) {
        const DOMNodeList* elements = parent.getElementsByTagName(tag);
        const XMLSize_t count = elements->getLength();
        for (XMLSize_t i = 0; i < count; ++i) {
            read(*static_cast<const DOMElement*>(elements->item(i)), i + 1);
        }
    }

    // An attribute's value as UTF-8 text of at most MaxValueLength bytes. An absent attribute fails
    // the load; a present, empty one is empty text.
    static std::string Value(const DOMElement& element, const XMLCh* attribute, const char* what,
                             std::size_t position) {
        const DOMAttr* node = element.getAttributeNode(attribute);
        if (node == nullptr) {
            throw CatalogueFault(std::string(what) + " " + std::to_string(position) + ": no attribute \"" +
                                 ToUtf8(attribute) + "\"");
        }
        return ToUtf8(node->getValue(), MaxValueLength);
    }

    void ReadColours(const DOMElement& colours) {
        ForEach(colours, u"colour", [this](const DOMElement& element, std::size_t position) {
            auto text = [&](const XMLCh* attribute) {
                return host::UniString(Value(element, attribute, "colour", position));
            };
            auto number = [&](const XMLCh* attribute) {
                return ParseShort(Value(element, attribute, "colour", position));
            };
            auto flag = [&](const XMLCh* attribute) {
                return ParseFlag(Value(element, attribute, "colour", position));
            };
            // The attributes are read one after another in this order; the first missing one ends the load.
            const host::UniString mode = text(u"mode");
            const host::UniString surface = text(u"surface");
            const host::UniString name = text(u"name");
            const host::UniString description = text(u"description");
            const host::UniString structure = text(u"structure");
            const host::UniString colourName = text(u"colourName");
            const std::int16_t red = number(u"red");
            const std::int16_t green = number(u"green");
            const std::int16_t blue = number(u"blue");
            const std::string texturePath = Value(element, u"texture", "colour", position);
            const bool wheel = flag(u"wheel");
            const host::UniString remarks = text(u"remarks");
            const std::int16_t auxiliaryRed = number(u"ared");
            const std::int16_t auxiliaryGreen = number(u"agreen");
            const std::int16_t auxiliaryBlue = number(u"ablue");
            const bool auxiliaryColourTable = flag(u"auxiliaryColourTable");

            const host::FileLocation texture = ResolveTexture(texturePath, position);
            catalogue.AddColour(std::make_unique<ColorEntity>(
                mode, surface, name, description, structure, colourName, red, green, blue, texture, wheel,
                remarks, auxiliaryRed, auxiliaryGreen, auxiliaryBlue, auxiliaryColourTable, false,
                &textures));
            CountInGroup(mode, surface, name, structure);
            catalogue.modes.Add(mode);
        });
    }

    // The texture's location: each piece of the path before a "\" or "/" is one folder name below
    // the catalogue's folder, and what follows the last separator the file's name.
    host::FileLocation ResolveTexture(std::string_view path, std::size_t position) const {
        if (folderResult != host::NoError) {
            throw CatalogueFault("the catalogue file has no folder");
        }
        host::FileLocation location = folder;
        for (std::size_t cut = path.find_first_of("\\/"); cut != std::string_view::npos;
             cut = path.find_first_of("\\/")) {
            if (location.AppendName(host::UniString(path.substr(0, cut))) != host::NoError) {
                throw CatalogueFault("colour " + std::to_string(position) + ": texture path \"" +
                                     std::string(path) + "\" has a piece that is no name");
            }
            path.remove_prefix(cut + 1);
        }
        location.AppendName(host::UniString(path));
        return location;
    }

    void CountInGroup(const host::UniString& mode, const host::UniString& surface,
                      const host::UniString& name, const host::UniString& structure) {
        host::UniString key = mode;
        key.Append("#").Append(surface).Append("#").Append(name).Append("#").Append(structure);
        if (std::int16_t* count = groups.Find(key)) {
            if (*count < std::numeric_limits<std::int16_t>::max()) {
                ++*count;
            }
        } else {
            groups.Put(key, 1);
        }
    }

    void ReadAuxiliaryColours(const DOMElement& auxiliaryColours) {
        ForEach(auxiliaryColours, u"colour", [this](const DOMElement& element, std::size_t position) {
            const char* what = "auxiliary colour";
            host::UniString colourName(Value(element, u"colourName", what, position));
            const std::int16_t red = ParseShort(Value(element, u"red", what, position));
            const std::int16_t green = ParseShort(Value(element, u"green", what, position));
            const std::int16_t blue = ParseShort(Value(element, u"blue", what, position));
            catalogue.auxiliaryColours.push_back(
                std::make_unique<AuxiliaryColorEntity>(colourName, red, green, blue));
        });
    }

    void ReadSettings(const DOMElement& root) {
        ForEach(root, u"setting", [this](const DOMElement& element, std::size_t position) {
            const host::UniString name(Value(element, u"name", "setting", position));
            const std::string value = Value(element, u"value", "setting", position);
            if (name.IsEqualIgnoringCase("weblink")) {
                catalogue.webLink = host::UniString(value);
            } else if (name.IsEqualIgnoringCase("colourmixer.amountofcolour")) {
                colourAmount = ColourAmountFromFraction(ParseFraction(value));
            }
        });
    }

    TNPersistentData& catalogue;
    host::FileLocation folder;
    host::Result folderResult;
    host::StringTable<std::int16_t> groups;
    TextureCache textures;
};

// The whole file, or false.
bool ReadFile(host::File& file, std::vector<std::uint8_t>& bytes, std::string& problem) {
    std::uint64_t length = 0;
    if (file.GetDataLength(length) != host::NoError || length > std::numeric_limits<std::size_t>::max()) {
        problem = "the catalogue file's length cannot be had";
        return false;
    }
    bytes.resize(static_cast<std::size_t>(length));
    if (file.Read(bytes.data(), bytes.size()) != host::NoError) {
        problem = "the catalogue file cannot be read";
        return false;
    }
    return true;
}

} // namespace

bool ParseCatalogueFile(TNPersistentData& catalogue, const host::FileLocation& location,
                        std::string* problem) {
    std::string ignored;
    std::string& why = problem != nullptr ? *problem : ignored;
    why.clear();
    CatalogueDomParser parser;
    if (!parser.IsReady()) {
        why = "no XML parser";
        return false;
    }
    host::File file(location);
    if (file.OpenForReading() != host::NoError) {
        catalogue.largestGroup = 0;
        return true;
    }
    std::vector<std::uint8_t> bytes;
    try {
        if (!ReadFile(file, bytes, why)) {
            return false;
        }
    } catch (const std::bad_alloc&) {
        why = "out of memory";
        return false;
    }
    file.Close();

    CatalogueReader reader(catalogue, location);
    bool read = false;
    try {
        if (const DOMDocument* document = parser.Parse(bytes.data(), bytes.size(), why)) {
            if (const DOMElement* root = document->getDocumentElement()) {
                reader.Read(*root);
                read = true;
            } else {
                why = "the document has no element";
            }
        }
    } catch (const CatalogueFault& fault) {
        why = fault.what();
    } catch (const XMLException& exception) {
        why = ToUtf8(exception.getMessage());
    } catch (const DOMException& exception) {
        why = exception.getMessage() ? ToUtf8(exception.getMessage()) : "DOM error";
    } catch (const OutOfMemoryException&) {
        why = "out of memory";
    } catch (const std::exception& exception) {
        why = exception.what();
    }
    catalogue.largestGroup = reader.GetLargestGroup();
    return read;
}
