#include "loading/CatalogueParser.h"

#include "catalogue/AuxiliaryColorEntity.h"
#include "catalogue/ColorEntity.h"
#include "catalogue/TNPersistentData.h"
#include "catalogue/TextureCache.h"
#include "host/File.h"
#include "host/FileLocation.h"
#include "host/StringTable.h"
#include "loading/CatalogueCapture.h"
#include "loading/CatalogueContent.h"
#include "loading/CatalogueDomParser.h"
#include "loading/CatalogueValues.h"
#include "loading/ColourAmount.h"

#include <xercesc/dom/DOM.hpp>
#include <xercesc/util/OutOfMemoryException.hpp>
#include <xercesc/util/XMLException.hpp>

#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

using namespace xercesc;

namespace {

// The whole file, or false with the reason.
bool ReadFile(host::File& file, std::vector<std::uint8_t>& bytes, std::string& problem) {
    std::uint64_t length = 0;
    if (file.GetDataLength(length) != host::NoError || length > std::numeric_limits<std::size_t>::max()) {
        problem = "the catalogue file's length cannot be had";
        return false;
    }
    if (length > MaxCatalogueFileLength) {
        problem =
            "the catalogue file is longer than " + std::to_string(MaxCatalogueFileLength >> 20) + " MiB";
        return false;
    }
    bytes.resize(static_cast<std::size_t>(length));
    if (file.Read(bytes.data(), bytes.size()) != host::NoError) {
        problem = "the catalogue file cannot be read";
        return false;
    }
    return true;
}

// Reads the document's content as its tree is made; answers whether all of it was read.
bool ReadDocument(CatalogueDomParser& parser, const std::vector<std::uint8_t>& bytes,
                  const host::FileLocation& location, CatalogueContent& content, std::string& problem,
                  CatalogueElement& element) {
    try {
        CatalogueCapture capture(bytes.size());
        const DOMDocument* document = parser.Parse(bytes.data(), bytes.size(), problem, &capture);
        if (document == nullptr) {
            return false;
        }
        if (document->getDocumentElement() == nullptr) {
            problem = "the document has no element";
            return false;
        }
        ReadCatalogueContent(capture, location, content);
        return true;
    } catch (const CatalogueFault& fault) {
        problem = fault.what();
        element = fault.element;
    } catch (const XMLException& exception) {
        problem = ToUtf8(exception.getMessage());
    } catch (const DOMException& exception) {
        problem = exception.getMessage() ? ToUtf8(exception.getMessage()) : "DOM error";
    } catch (const OutOfMemoryException&) {
        problem = "out of memory";
    } catch (const std::exception& exception) {
        problem = exception.what();
    } catch (...) {
        problem = "the XML library failed";
    }
    return false;
}

// Counts colours by mode, surface, name and structure.
class GroupCounter {
public:
    void Count(const ColorEntity& colour) {
        host::UniString key = colour.mode;
        key.Append("#")
            .Append(colour.surface)
            .Append("#")
            .Append(colour.name)
            .Append("#")
            .Append(colour.structure);
        if (std::int16_t* count = groups.Find(key)) {
            if (*count < std::numeric_limits<std::int16_t>::max()) {
                ++*count;
            }
        } else {
            groups.Put(key, 1);
        }
    }

    std::int16_t GetLargest() const {
        std::int16_t largest = 0;
        for (const auto& [key, count] : groups) {
            largest = std::max(largest, count);
        }
        return largest;
    }

private:
    host::StringTable<std::int16_t> groups;
};

// Turns the content into records in document order: colours (reading their textures, each file
// once), auxiliary colours, then settings.
void BuildCatalogue(CatalogueContent& content, TNPersistentData& catalogue, GroupCounter& groups) {
    TextureCache textures;
    for (CatalogueContent::Colour& c : content.colours) {
        auto colour = std::make_unique<ColorEntity>(
            std::move(c.mode), std::move(c.surface), std::move(c.name), std::move(c.description),
            std::move(c.structure), std::move(c.colourName), c.red, c.green, c.blue, std::move(c.texture),
            c.wheel, std::move(c.remarks), c.auxiliaryRed, c.auxiliaryGreen, c.auxiliaryBlue,
            c.auxiliaryColourTable, false, &textures);
        const ColorEntity& record = *colour;
        catalogue.AddColour(std::move(colour));
        groups.Count(record);
        catalogue.modes.Add(record.mode);
    }
    for (const CatalogueContent::AuxiliaryColour& c : content.auxiliaryColours) {
        catalogue.auxiliaryColours.push_back(
            std::make_unique<AuxiliaryColorEntity>(c.colourName, c.red, c.green, c.blue));
    }
    for (const CatalogueContent::Setting& setting : content.settings) {
        if (setting.name.IsEqualIgnoringCase("weblink")) {
            catalogue.webLink = host::UniString(setting.value);
        } else if (setting.name.IsEqualIgnoringCase("colourmixer.amountofcolour")) {
            colourAmount = ColourAmountFromFraction(ParseFraction(setting.value));
        }
    }
}

} // namespace

bool ParseCatalogueFile(TNPersistentData& catalogue, const host::FileLocation& location, std::string* problem,
                        CatalogueElement* element) {
    std::string ignored;
    std::string& why = problem != nullptr ? *problem : ignored;
    why.clear();
    CatalogueElement ignoredElement;
    CatalogueElement& where = element != nullptr ? *element : ignoredElement;
    where = {};
    std::optional<CatalogueDomParser> parser(std::in_place);
    if (!parser->IsReady()) {
        why = "no XML parser";
        return false;
    }
    host::File file(location);
    if (file.OpenForReading() != host::NoError) {
        catalogue.largestGroup = 0;
        return true;
    }
    CatalogueContent content;
    bool read = false;
    GroupCounter groups;
    try {
        std::vector<std::uint8_t> bytes;
        if (!ReadFile(file, bytes, why)) {
            return false;
        }
        file.Close();
        read = ReadDocument(*parser, bytes, location, content, why, where);
        parser.reset();
        bytes = {};
        BuildCatalogue(content, catalogue, groups);
    } catch (const std::exception& exception) {
        why = exception.what();
        read = false;
    }
    catalogue.largestGroup = groups.GetLargest();
    return read;
}
