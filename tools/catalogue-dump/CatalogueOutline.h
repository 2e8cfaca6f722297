#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The elements of a catalogue document in document order, each with the line its start tag begins
// on and its attributes as written, read in one pass of Xerces-C's SAX2 reader: the DOM the
// add-on loads keeps no line numbers. The reader is set up as the add-on's parser is, so both meet
// the same elements in the same order. Xerces-C must be initialised.
class CatalogueOutline {
public:
    static constexpr std::size_t None = std::numeric_limits<std::size_t>::max();

    struct Element {
        std::u16string name;
        std::size_t line = 0;
        // The index of the enclosing element, None for the document element.
        std::size_t parent = None;
        // One past the index of the last element inside this one.
        std::size_t end = 0;
        // Whether the element lies inside an element named colours, or auxiliaryColours.
        bool insideColours = false;
        bool insideAuxiliaryColours = false;
        std::vector<std::pair<std::u16string, std::u16string>> attributes;

        // The value of attribute `name`, null when the element has none.
        const std::u16string* Find(std::u16string_view attribute) const;
    };

    // Reads the document in the `length` bytes at `bytes`; at the first error it stops, keeping the
    // elements met before it.
    CatalogueOutline(const void* bytes, std::size_t length);

    const std::vector<Element>& GetElements() const { return elements; }
    const Element& operator[](std::size_t index) const { return elements[index]; }
    // The line of the first error of the XML library, 0 when there was none.
    std::size_t GetErrorLine() const { return errorLine; }

    // The elements named `name` inside element `ancestor` at any depth, in document order.
    std::vector<std::size_t> FindInside(std::size_t ancestor, std::u16string_view name) const;

private:
    class Recorder;

    std::vector<Element> elements;
    std::size_t errorLine = 0;
};
