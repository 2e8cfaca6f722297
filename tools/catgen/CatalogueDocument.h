#pragma once

#include <string>
#include <utility>
#include <vector>

// One catalogue colour as the catalogue file carries it. Channels of -1 mean "no such colour";
// an empty texture names no file.
struct CatalogueColour {
    std::string mode;
    std::string surface;
    std::string name;
    std::string description;
    std::string structure;
    std::string colourName;
    int red = -1;
    int green = -1;
    int blue = -1;
    std::string texture;
    bool wheel = false;
    std::string remarks;
    int auxiliaryRed = -1;
    int auxiliaryGreen = -1;
    int auxiliaryBlue = -1;
    bool auxiliaryColourTable = false;
};

struct AuxiliaryColour {
    std::string colourName;
    int red = 0;
    int green = 0;
    int blue = 0;
};

// The content of a colours.xml file, built up in file order and written as UTF-8 XML.
class CatalogueDocument {
public:
    void AddColour(CatalogueColour colour) { colours.push_back(std::move(colour)); }
    void AddAuxiliaryColour(AuxiliaryColour colour) { auxiliaryColours.push_back(std::move(colour)); }
    void AddSetting(std::string name, std::string value) {
        settings.emplace_back(std::move(name), std::move(value));
    }

    // Throws std::invalid_argument for text that XML 1.0 cannot carry (control characters other
    // than tab, line feed and carriage return).
    std::string ToXml() const;

private:
    std::vector<CatalogueColour> colours;
    std::vector<AuxiliaryColour> auxiliaryColours;
    std::vector<std::pair<std::string, std::string>> settings;
};

// `text` made safe inside a double-quoted XML attribute value.
std::string EscapeAttribute(const std::string& text);
