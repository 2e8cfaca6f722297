#pragma once

#include "loading/CatalogueContent.h"

#include <xercesc/dom/DOMLSParserFilter.hpp>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Reads the values of a catalogue document's elements while the parser makes them: each element's
// attributes are read as soon as its start tag has been turned into DOM nodes, while those nodes
// are fresh in memory. Read after the whole tree is built, the same values would first have to be
// fetched back from memory, which took longer than reading them. The tree itself is kept whole.
class CatalogueCapture : public xercesc::DOMLSParserFilter {
public:
    // The attributes of a catalogue colour, in reading order. An auxiliary colour's four are the
    // colour's ColourName, Red, Green and Blue.
    enum ColourAttribute : std::uint8_t {
        Mode, Surface, Name, Description, Structure, ColourName, Red, Green, Blue,
        Texture, Wheel, Remarks, AuxiliaryRed, AuxiliaryGreen, AuxiliaryBlue, AuxiliaryColourTable,
        ColourAttributeCount
    };

    // One `colour` element, wherever it stands, with its values converted. `absent` has bit i set
    // when attribute i is missing; its value is then empty or 0.
    struct Colour {
        const xercesc::DOMElement* element = nullptr;
        std::uint32_t absent = 0;
        CatalogueContent::Colour values;
        std::string texturePath;
    };
    // One `setting` element: bit 0 of `absent` for its name, bit 1 for its value.
    struct Setting {
        std::uint32_t absent = 0;
        CatalogueContent::Setting values;
    };

    // Room is made for as many complete colour elements as `documentLength` bytes can hold, so
    // that the list is never moved while it grows; pages it never fills are never touched.
    explicit CatalogueCapture(std::size_t documentLength);
    ~CatalogueCapture() override;

    // What the parse met below the document element, in document order. A capture serves one parse.
    std::vector<const xercesc::DOMElement*> colourLists;
    std::vector<const xercesc::DOMElement*> auxiliaryLists;
    std::vector<Colour> colours;
    std::vector<Setting> settings;

    // The name of a colour attribute, for messages.
    static std::string AttributeName(ColourAttribute attribute);

    FilterAction startElement(xercesc::DOMElement* element) override;
    FilterAction acceptNode(xercesc::DOMNode*) override { return FILTER_ACCEPT; }
    // No node is offered to acceptNode: the filter keeps everything.
    xercesc::DOMNodeFilter::ShowType getWhatToShow() const override { return 0; }

private:
    class Names;
    std::unique_ptr<Names> names;
    bool rootSeen = false; // the first element to start is the document element
};
