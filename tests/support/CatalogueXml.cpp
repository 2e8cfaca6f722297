#include "support/CatalogueXml.h"

#include <algorithm>

namespace testsupport {

namespace {

std::string Escape(const std::string& value) {
    std::string out;
    for (const char c : value) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace

XmlAttributes& XmlAttributes::Set(const std::string& name, const std::string& value) {
    auto found =
        std::find_if(attributes.begin(), attributes.end(), [&](const auto& a) { return a.first == name; });
    if (found != attributes.end()) {
        found->second = value;
    } else {
        attributes.emplace_back(name, value);
    }
    return *this;
}

XmlAttributes& XmlAttributes::Remove(const std::string& name) {
    std::erase_if(attributes, [&](const auto& a) { return a.first == name; });
    return *this;
}

std::string XmlAttributes::ToElement(const std::string& tag) const {
    std::string out = "<" + tag;
    for (const auto& [name, value] : attributes) {
        out += " " + name + "=\"" + Escape(value) + "\"";
    }
    return out + "/>";
}

XmlAttributes CatalogueColour(const std::string& mode, const std::string& surface, const std::string& name,
                              const std::string& structure) {
    XmlAttributes colour;
    colour.Set("mode", mode).Set("surface", surface).Set("name", name).Set("description", "");
    colour.Set("structure", structure)
        .Set("colourName", "")
        .Set("red", "10")
        .Set("green", "20")
        .Set("blue", "30");
    colour.Set("texture", "").Set("wheel", "false").Set("remarks", "");
    colour.Set("ared", "-1").Set("agreen", "-1").Set("ablue", "-1").Set("auxiliaryColourTable", "false");
    return colour;
}

XmlAttributes AuxiliaryColour(const std::string& colourName, const std::string& red, const std::string& green,
                              const std::string& blue) {
    XmlAttributes colour;
    colour.Set("colourName", colourName).Set("red", red).Set("green", green).Set("blue", blue);
    return colour;
}

XmlAttributes Setting(const std::string& name, const std::string& value) {
    XmlAttributes setting;
    setting.Set("name", name).Set("value", value);
    return setting;
}

std::string CatalogueDocument(const std::vector<XmlAttributes>& colours,
                              const std::vector<XmlAttributes>& auxiliaryColours,
                              const std::vector<XmlAttributes>& settings) {
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<catalogue>\n  <colours>\n";
    for (const XmlAttributes& colour : colours) {
        out += "    " + colour.ToElement("colour") + "\n";
    }
    out += "  </colours>\n  <auxiliaryColours>\n";
    for (const XmlAttributes& colour : auxiliaryColours) {
        out += "    " + colour.ToElement("colour") + "\n";
    }
    out += "  </auxiliaryColours>\n";
    for (const XmlAttributes& setting : settings) {
        out += "  " + setting.ToElement("setting") + "\n";
    }
    return out + "</catalogue>\n";
}

} // namespace testsupport
