#pragma once

#include "host/FileLocation.h"
#include "host/UniString.h"
#include "loading/CatalogueElement.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

class CatalogueCapture;

// A fault of a catalogue document: a missing attribute, a wrong number of lists, a texture path
// piece that is no name. The message names the element and what is wrong with it.
class CatalogueFault : public std::runtime_error {
public:
    explicit CatalogueFault(const std::string& message, CatalogueElement element = {})
        : std::runtime_error(message), element(element) {}

    CatalogueElement element;
};

// The values a catalogue document holds, in document order. They are read while the DOM tree is
// made and turned into records once the tree is gone, so that the tree and the decoded textures
// are never held at the same time.
struct CatalogueContent {
    struct Colour {
        host::UniString mode;
        host::UniString surface;
        host::UniString name;
        host::UniString description;
        host::UniString structure;
        host::UniString colourName;
        std::int16_t red = 0;
        std::int16_t green = 0;
        std::int16_t blue = 0;
        host::FileLocation texture;
        bool wheel = false;
        host::UniString remarks;
        std::int16_t auxiliaryRed = 0;
        std::int16_t auxiliaryGreen = 0;
        std::int16_t auxiliaryBlue = 0;
        bool auxiliaryColourTable = false;
    };
    struct AuxiliaryColour {
        host::UniString colourName;
        std::int16_t red = 0;
        std::int16_t green = 0;
        std::int16_t blue = 0;
    };
    struct Setting {
        host::UniString name;
        std::string value;
    };

    std::vector<Colour> colours;
    std::vector<AuxiliaryColour> auxiliaryColours;
    std::vector<Setting> settings;
};

// Turns what `capture` read while the document was parsed into `content`: the colours of the one
// `colours` list and the auxiliary colours of the one `auxiliaryColours` list, each found by tag
// name in the document's tree, then the settings; texture paths are resolved against the folder of
// `catalogueFile`. At the first fault it throws CatalogueFault, and `content` keeps everything
// read before it.
void ReadCatalogueContent(CatalogueCapture& capture, const host::FileLocation& catalogueFile,
                          CatalogueContent& content);
