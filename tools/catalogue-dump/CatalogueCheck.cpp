#include "CatalogueCheck.h"

#include "CatalogueOutline.h"
#include "RecordChecks.h"
#include "SettingChecks.h"
#include "ValueChecks.h"

#include "catalogue/ImageFileTypes.h"
#include "catalogue/TNPersistentData.h"
#include "host/FileLocation.h"
#include "loading/CatalogueParser.h"
#include "loading/CatalogueValues.h"

#include <charconv>
#include <fstream>
#include <iterator>

namespace {

using Kind = CatalogueElement::Kind;

// The elements the add-on reads, found as its parser finds them below the document element.
struct Layout {
    std::size_t root = 0;
    std::vector<std::size_t> colourLists;
    std::vector<std::size_t> auxiliaryLists;
    std::vector<std::size_t> colours;
    std::vector<std::size_t> auxiliaryColours;
    std::vector<std::size_t> settings;
};

Layout FindLayout(const CatalogueOutline& outline) {
    Layout layout;
    if (outline.GetElements().empty()) {
        return layout;
    }
    layout.colourLists = outline.FindInside(layout.root, u"colours");
    layout.auxiliaryLists = outline.FindInside(layout.root, u"auxiliaryColours");
    layout.settings = outline.FindInside(layout.root, u"setting");
    if (layout.colourLists.size() == 1) {
        layout.colours = outline.FindInside(layout.colourLists.front(), u"colour");
    }
    if (layout.auxiliaryLists.size() == 1) {
        layout.auxiliaryColours = outline.FindInside(layout.auxiliaryLists.front(), u"colour");
    }
    return layout;
}

// A list that must occur once below the document element and does not.
void ReportList(const std::string& problem, const char* name, const std::vector<std::size_t>& lists,
                const CatalogueOutline& outline, CatalogueFindings& findings) {
    if (lists.empty()) {
        const bool isRoot = !outline.GetElements().empty() && ToUtf8(outline[0].name) == name;
        findings.Error(outline.GetElements().empty() ? 0 : outline[0].line,
                       problem + (isRoot ? std::string(": the document element does not count, <") + name +
                                               "> must lie inside it"
                                         : ""));
        return;
    }
    std::string lines;
    for (const std::size_t list : lists) {
        lines += (lines.empty() ? "" : ", ") + std::to_string(outline[list].line);
    }
    findings.Error(outline[lists[1]].line, problem + " (on lines " + lines + ")");
}

// Reports the failure the add-on's parser met, on the line of the element it names; answers the
// index of that element in the outline, or None.
std::size_t ReportFailure(std::string problem, CatalogueElement element, const CatalogueOutline& outline,
                          const Layout& layout, CatalogueFindings& findings) {
    const auto At = [&](const std::vector<std::size_t>& elements) {
        return element.number >= 1 && element.number <= elements.size() ? elements[element.number - 1]
                                                                        : CatalogueOutline::None;
    };
    std::size_t failed = CatalogueOutline::None;
    switch (element.kind) {
    case Kind::Colour:
        failed = At(layout.colours);
        if (failed != CatalogueOutline::None && outline[failed].insideAuxiliaryColours) {
            problem += ": it lies inside <auxiliaryColours>, which must not lie inside <colours>";
        }
        break;
    case Kind::AuxiliaryColour:
        failed = At(layout.auxiliaryColours);
        break;
    case Kind::Setting:
        failed = At(layout.settings);
        break;
    case Kind::ColourList:
        ReportList(problem, "colours", layout.colourLists, outline, findings);
        return failed;
    case Kind::AuxiliaryColourList:
        ReportList(problem, "auxiliaryColours", layout.auxiliaryLists, outline, findings);
        return failed;
    case Kind::None: {
        // The XML library's own errors begin with their line.
        std::size_t line = outline.GetErrorLine();
        constexpr std::string_view prefix = "line ";
        if (problem.starts_with(prefix)) {
            const char* digits = problem.data() + prefix.size();
            std::from_chars(digits, problem.data() + problem.size(), line);
            if (const auto colon = problem.find(": "); colon != std::string::npos) {
                problem.erase(0, colon + 2);
            }
        }
        findings.Error(line, problem);
        return failed;
    }
    }
    findings.Error(failed != CatalogueOutline::None ? outline[failed].line : 0, problem);
    return failed;
}

// Elements the add-on passes over although they look meant for it.
void CheckLayout(const CatalogueOutline& outline, CatalogueFindings& findings) {
    static constexpr std::u16string_view read[] = {u"colours", u"colour", u"auxiliaryColours", u"setting"};
    for (std::size_t i = 1; i < outline.GetElements().size(); ++i) {
        const std::u16string& name = outline[i].name;
        if (name == u"colour" && !outline[i].insideColours && !outline[i].insideAuxiliaryColours) {
            findings.Warning(outline[i].line,
                             "<colour> outside <colours> and <auxiliaryColours> is not read");
        }
        for (const std::u16string_view wanted : read) {
            const host::UniString text(ToUtf8(name));
            if (name != wanted && text.IsEqualIgnoringCase(ToUtf8(wanted))) {
                findings.Warning(outline[i].line, "<" + text.ToStdString() +
                                                      "> is not read: element names are "
                                                      "case-sensitive, the add-on reads <" +
                                                      ToUtf8(wanted) + ">");
            }
        }
    }
}

// As the add-on's loading sequence requires: a first mode with a surface with a product.
bool OffersAProduct(const TNPersistentData& catalogue) {
    const host::UniString* mode = catalogue.modes.Get(0);
    if (mode == nullptr) {
        return false;
    }
    const host::StringSet surfaces = catalogue.GetSurfaces(*mode);
    return !surfaces.IsEmpty() && !catalogue.GetProducts(*mode, *surfaces.Get(0)).IsEmpty();
}

std::size_t CountProducts(const TNPersistentData& catalogue) {
    std::size_t products = 0;
    for (const host::UniString& mode : catalogue.GetModes()) {
        for (const host::UniString& surface : catalogue.GetSurfaces(mode)) {
            products += catalogue.GetProducts(mode, surface).GetSize();
        }
    }
    return products;
}

} // namespace

CatalogueCheck CheckCatalogue(const std::filesystem::path& file) {
    CatalogueCheck check;
    CatalogueFindings& findings = check.findings;

    std::ifstream in(file, std::ios::binary);
    std::error_code error;
    const std::uintmax_t length = std::filesystem::file_size(file, error);
    // The add-on refuses longer files unread, and so does the outline.
    const std::string bytes = !error && length <= MaxCatalogueFileLength
                                  ? std::string(std::istreambuf_iterator<char>(in), {})
                                  : std::string();
    const CatalogueOutline outline(bytes.data(), bytes.size());
    const Layout layout = FindLayout(outline);

    LookUpImageFileTypes();
    TNPersistentData catalogue;
    std::string problem;
    CatalogueElement element;
    const bool parsed = ParseCatalogueFile(catalogue, host::FileLocation(file.string()), &problem, &element);
    check.loads = parsed && OffersAProduct(catalogue);
    std::size_t failed = CatalogueOutline::None;
    if (!parsed) {
        failed = ReportFailure(problem, element, outline, layout, findings);
    } else if (!in.is_open()) {
        findings.Error(0, "there is no catalogue file, so the add-on offers no colours");
    } else if (!check.loads) {
        findings.Error(layout.colourLists.size() == 1 ? outline[layout.colourLists.front()].line : 0,
                       "the catalogue has no colours: the add-on refuses one with nothing to offer");
    }

    // Elements of a document that is no well-formed XML are not all there.
    if (outline.GetErrorLine() == 0) {
        for (const std::size_t index : layout.colours) {
            CheckColourValues(outline[index], index == failed, findings);
        }
        for (const std::size_t index : layout.auxiliaryColours) {
            CheckAuxiliaryColourValues(outline[index], index == failed, findings);
        }
        for (const std::size_t index : layout.settings) {
            CheckSettingValues(outline[index], index == failed, findings);
        }
        CheckSettings(outline, layout.settings, findings);
        CheckLayout(outline, findings);
    }

    std::vector<ColourSource> sources;
    for (const std::size_t index : layout.colours) {
        const std::u16string* texture = outline[index].Find(u"texture");
        sources.push_back({outline[index].line, texture != nullptr ? ToUtf8(*texture, MaxValueLength) : ""});
    }
    CheckColourRecords(catalogue, sources, findings);
    if (check.loads) {
        CheckNavigation(catalogue, sources, findings);
    }
    check.colours = catalogue.colours.size();
    check.products = CountProducts(catalogue);
    check.auxiliaryColours = catalogue.auxiliaryColours.size();
    return check;
}
