#pragma once

#include <string>
#include <utility>
#include <vector>

namespace testsupport {

// The attributes of one XML element, in the order they are written.
class XmlAttributes {
public:
    // Replaces the value of an attribute already there, else adds it at the end.
    XmlAttributes& Set(const std::string& name, const std::string& value);
    XmlAttributes& Remove(const std::string& name);
    // `<tag name="value" .../>`, values escaped.
    std::string ToElement(const std::string& tag) const;

private:
    std::vector<std::pair<std::string, std::string>> attributes;
};

// A catalogue colour with all sixteen attributes: solid colour 10, 20, 30, no texture, no
// auxiliary colour, flags false, empty texts.
XmlAttributes CatalogueColour(const std::string& mode, const std::string& surface, const std::string& name,
                              const std::string& structure);
XmlAttributes AuxiliaryColour(const std::string& colourName, const std::string& red, const std::string& green,
                              const std::string& blue);
XmlAttributes Setting(const std::string& name, const std::string& value);

// A whole colours.xml: the colours inside <colours>, the auxiliary colours inside
// <auxiliaryColours>, then the settings, all below a <catalogue> document element.
std::string CatalogueDocument(const std::vector<XmlAttributes>& colours,
                              const std::vector<XmlAttributes>& auxiliaryColours = {},
                              const std::vector<XmlAttributes>& settings = {});

} // namespace testsupport
