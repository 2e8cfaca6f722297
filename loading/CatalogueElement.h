#pragma once

#include <cstddef>

// The element of a catalogue document that a load failed on: the kind of element and its number
// among the elements of that kind, counted from 1 in document order. For the two lists, which must
// occur once, the number is how many there are.
struct CatalogueElement {
    enum class Kind { None, Colour, AuxiliaryColour, Setting, ColourList, AuxiliaryColourList };

    Kind kind = Kind::None;
    std::size_t number = 0;
};
