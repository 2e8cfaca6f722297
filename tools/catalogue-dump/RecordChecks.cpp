#include "RecordChecks.h"

#include "CatalogueFindings.h"

#include "catalogue/TNPersistentData.h"
#include "host/CharacterCase.h"

#include <cwctype>
#include <map>
#include <unordered_map>

namespace {

std::string Text(const host::UniString& text) {
    return Quoted(text.ToStdString());
}

// `utf8` without white space and in lower case, so that names that differ only in those compare
// equal.
std::u32string Folded(const std::string& utf8) {
    std::u32string folded;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k) {
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        }
        i += length;
        if (code == 0xA0 || std::iswspace(wint_t(code))) {
            continue;
        }
        folded += host::LowerCaseOf(code);
    }
    return folded;
}

// Warns of values of one navigation level that differ from an earlier one only in case or spaces.
class LookAlikes {
public:
    LookAlikes(const char* level, std::string where) : level(level), where(std::move(where)) {}

    void Add(const host::UniString& value, std::size_t line, CatalogueFindings& findings) {
        const auto [first, added] = seen.try_emplace(Folded(value.ToStdString()), value, line);
        if (!added && first->second.first != value) {
            findings.Warning(line, std::string(level) + " " + Text(value) + where + " differs from " + level +
                                       " " + Text(first->second.first) + " on line " +
                                       std::to_string(first->second.second) +
                                       " only in case or spaces: the add-on lists the two apart");
        }
    }

private:
    const char* level;
    std::string where;
    std::map<std::u32string, std::pair<host::UniString, std::size_t>> seen;
};

// The line of the first colour of each value, in file order.
std::map<host::UniString, std::size_t> FirstLines(const TNPersistentData& catalogue,
                                                  const std::vector<ColourSource>& sources,
                                                  host::UniString (*key)(const ColorEntity&)) {
    std::map<host::UniString, std::size_t> lines;
    for (std::size_t i = 0; i < catalogue.colours.size() && i < sources.size(); ++i) {
        lines.try_emplace(key(*catalogue.colours[i]), sources[i].line);
    }
    return lines;
}

std::size_t LineOf(const std::map<host::UniString, std::size_t>& lines, const host::UniString& key) {
    const auto found = lines.find(key);
    return found != lines.end() ? found->second : 0;
}

host::UniString SurfaceKey(const ColorEntity& c) {
    return c.mode + "\n" + c.surface;
}
host::UniString ProductKey(const ColorEntity& c) {
    return c.mode + "\n" + c.surface + "\n" + GetProductLabel(c);
}

class ProductChecks {
public:
    ProductChecks(const TNPersistentData& catalogue, const std::vector<ColourSource>& sources,
                  CatalogueFindings& findings)
        : catalogue(catalogue), findings(findings) {
        for (std::size_t i = 0; i < catalogue.colours.size() && i < sources.size(); ++i) {
            lines[catalogue.colours[i].get()] = sources[i].line;
        }
    }

    void Check(const host::UniString& mode, const host::UniString& surface, const host::UniString& product) {
        const std::string label =
            "product " + Text(product) + " on surface " + Text(surface) + " of mode " + Text(mode);
        const auto all = catalogue.GetColours(mode, surface, product, true);
        if (catalogue.GetColours(mode, surface, product, false).empty()) {
            findings.Warning(lines[all.front()],
                             label + " has no colour to show: " +
                                 (all.size() == 1
                                      ? std::string("its only colour is blank")
                                      : "all its " + std::to_string(all.size()) + " colours are blank"));
        }
        CheckParts(all, label);
        CheckRepeats(all, label);
        CheckMixing(catalogue.FindMixingBase(mode, surface, product), all, label);
    }

private:
    // Colours whose name and structure differ but join into the same product label.
    void CheckParts(const std::vector<ColorEntity*>& colours, const std::string& label) {
        const ColorEntity& first = *colours.front();
        for (const ColorEntity* colour : colours) {
            if (colour->name != first.name) {
                findings.Warning(lines[colour], label + " joins name " + Text(colour->name) +
                                                    " and structure " + Text(colour->structure) +
                                                    " with name " + Text(first.name) + " and structure " +
                                                    Text(first.structure) + " of line " +
                                                    std::to_string(lines[&first]) +
                                                    ": the add-on shows them as one product");
                return;
            }
        }
    }

    void CheckRepeats(const std::vector<ColorEntity*>& colours, const std::string& label) {
        std::map<host::UniString, const ColorEntity*> named;
        for (const ColorEntity* colour : colours) {
            if (colour->colourName.IsEmpty()) {
                continue;
            }
            const auto [first, added] = named.try_emplace(colour->colourName, colour);
            if (!added) {
                findings.Warning(lines[colour], "colour " + Text(colour->colourName) + " of " + label +
                                                    " is there already on line " +
                                                    std::to_string(lines[first->second]));
            }
        }
    }

    void CheckMixing(const ColorEntity* base, const std::vector<ColorEntity*>& colours,
                     const std::string& label) {
        if (base == nullptr) {
            return;
        }
        if (catalogue.auxiliaryColours.empty()) {
            findings.Warning(lines[base], "colour " + Text(base->GetFullName()) + " is the mixing base of " +
                                              label +
                                              ", but the tinting table is empty: mixing gives no colour");
        }
        for (const ColorEntity* colour : colours) {
            if (colour != base && colour->auxiliaryColourTable) {
                findings.Warning(lines[colour],
                                 "colour " + Text(colour->GetFullName()) +
                                     " is marked as mixing base, but the product's base is the one "
                                     "on line " +
                                     std::to_string(lines[base]) +
                                     ": this one can neither be chosen nor mixed from");
            }
        }
    }

    const TNPersistentData& catalogue;
    CatalogueFindings& findings;
    std::unordered_map<const ColorEntity*, std::size_t> lines;
};

} // namespace

void CheckColourRecords(const TNPersistentData& catalogue, const std::vector<ColourSource>& sources,
                        CatalogueFindings& findings) {
    for (std::size_t i = 0; i < catalogue.colours.size() && i < sources.size(); ++i) {
        const ColorEntity& colour = *catalogue.colours[i];
        const std::size_t line = sources[i].line;
        if (!sources[i].texture.empty() && colour.textureImage == nullptr) {
            host::UniString path;
            colour.texture.GetPathString(path);
            findings.Warning(
                line, "texture " + Quoted(sources[i].texture) +
                          (colour.textureData == nullptr ? " cannot be read" : " is no image it can decode") +
                          " (" + path.ToStdString() + ")");
        }
        if (colour.blank) {
            findings.Warning(
                line, "colour " + Text(colour.GetFullName()) +
                          " is blank: with neither a solid colour nor a texture image, no chip shows it");
        }
    }
}

void CheckNavigation(const TNPersistentData& catalogue, const std::vector<ColourSource>& sources,
                     CatalogueFindings& findings) {
    const auto modeLines = FirstLines(catalogue, sources, [](const ColorEntity& c) { return c.mode; });
    const auto surfaceLines = FirstLines(catalogue, sources, SurfaceKey);
    const auto productLines = FirstLines(catalogue, sources, ProductKey);
    ProductChecks products(catalogue, sources, findings);
    LookAlikes modes("mode", "");
    for (const host::UniString& mode : catalogue.GetModes()) {
        modes.Add(mode, LineOf(modeLines, mode), findings);
        LookAlikes surfaces("surface", " of mode " + Text(mode));
        for (const host::UniString& surface : catalogue.GetSurfaces(mode)) {
            surfaces.Add(surface, LineOf(surfaceLines, mode + "\n" + surface), findings);
            LookAlikes labels("product", " on surface " + Text(surface) + " of mode " + Text(mode));
            for (const host::UniString& product : catalogue.GetProducts(mode, surface)) {
                labels.Add(product, LineOf(productLines, mode + "\n" + surface + "\n" + product), findings);
                products.Check(mode, surface, product);
            }
        }
    }
}
