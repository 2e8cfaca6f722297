#include "tools/catgen/CatalogueDocument.h"

#include <stdexcept>

namespace {

class AttributeList {
public:
    explicit AttributeList(std::string& out) : out(out) {}

    AttributeList& Text(const char* name, const std::string& value) {
        out += ' ';
        out += name;
        out += "=\"";
        out += EscapeAttribute(value);
        out += '"';
        return *this;
    }
    AttributeList& Number(const char* name, int value) { return Text(name, std::to_string(value)); }
    AttributeList& Flag(const char* name, bool value) { return Text(name, value ? "true" : "false"); }

private:
    std::string& out;
};

} // namespace

std::string EscapeAttribute(const std::string& text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        // Written as references so that attribute-value normalisation keeps them.
        case '\t':
            escaped += "&#9;";
            break;
        case '\n':
            escaped += "&#10;";
            break;
        case '\r':
            escaped += "&#13;";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20)
                throw std::invalid_argument("control character in catalogue text");
            escaped += c;
        }
    }
    return escaped;
}

std::string CatalogueDocument::ToXml() const {
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<catalogue>\n  <colours>\n";
    for (const CatalogueColour& c : colours) {
        out += "    <colour";
        AttributeList(out)
            .Text("mode", c.mode)
            .Text("surface", c.surface)
            .Text("name", c.name)
            .Text("description", c.description)
            .Text("structure", c.structure)
            .Text("colourName", c.colourName)
            .Number("red", c.red)
            .Number("green", c.green)
            .Number("blue", c.blue)
            .Text("texture", c.texture)
            .Flag("wheel", c.wheel)
            .Text("remarks", c.remarks)
            .Number("ared", c.auxiliaryRed)
            .Number("agreen", c.auxiliaryGreen)
            .Number("ablue", c.auxiliaryBlue)
            .Flag("auxiliaryColourTable", c.auxiliaryColourTable);
        out += "/>\n";
    }
    out += "  </colours>\n  <auxiliaryColours>\n";
    for (const AuxiliaryColour& c : auxiliaryColours) {
        out += "    <colour";
        AttributeList(out)
            .Text("colourName", c.colourName)
            .Number("red", c.red)
            .Number("green", c.green)
            .Number("blue", c.blue);
        out += "/>\n";
    }
    out += "  </auxiliaryColours>\n  <settings>\n";
    for (const auto& [name, value] : settings) {
        out += "    <setting";
        AttributeList(out).Text("name", name).Text("value", value);
        out += "/>\n";
    }
    out += "  </settings>\n</catalogue>\n";
    return out;
}
