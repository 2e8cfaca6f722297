// tncatalogue: loads a catalogue folder (the bundled sample by default) as the add-on loads it and
// prints what the chooser offers; on request the colours of one product, the colours the wheel
// proposes for an RGB colour, or the colour mixed for it; or checks the catalogue for its authors.
//
//   tncatalogue [FOLDER]
//   tncatalogue --check [FOLDER]
//   tncatalogue [FOLDER] --colours MODE SURFACE PRODUCT
//   tncatalogue [FOLDER] --nearest MODE SURFACE PRODUCT RED GREEN BLUE
//   tncatalogue [FOLDER] --mix MODE SURFACE PRODUCT RED GREEN BLUE

#include "CatalogueCheck.h"
#include "CatalogueReport.h"

#include "catalogue/TNData.h"
#include "host/FileLocation.h"
#include "loading/CatalogueParser.h"
#include "loading/ModuleLocation.h"

#include <xercesc/util/PlatformUtils.hpp>
#include <xercesc/util/XMLException.hpp>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Request {
    std::string folder = TN_SAMPLE_FOLDER;
    std::string query;                // "", "--check", "--colours", "--nearest" or "--mix"
    std::vector<std::string> product; // mode, surface, product
    std::uint8_t rgb[3] = {};
};

std::optional<std::uint8_t> Channel(const std::string& text) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value > 255) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(value);
}

std::optional<Request> ParseArguments(int argc, char** argv) {
    Request request;
    std::vector<std::string> args(argv + 1, argv + argc);
    std::size_t i = 0;
    if (i < args.size() && !args[i].starts_with("--")) {
        request.folder = args[i++];
    }
    if (i == args.size()) {
        return request;
    }
    request.query = args[i++];
    if (request.query == "--check") {
        if (i < args.size() && args.size() == 2 && !args[i].starts_with("--")) {
            request.folder = args[i++];
        }
        return i == args.size() ? std::optional(request) : std::nullopt;
    }
    const std::size_t channels = request.query == "--colours" ? 0 : 3;
    if ((request.query != "--colours" && request.query != "--nearest" && request.query != "--mix") ||
        args.size() - i != 3 + channels) {
        return std::nullopt;
    }
    request.product.assign(args.begin() + static_cast<std::ptrdiff_t>(i),
                           args.begin() + static_cast<std::ptrdiff_t>(i + 3));
    for (std::size_t c = 0; c < channels; ++c) {
        const auto value = Channel(args[i + 3 + c]);
        if (!value) {
            return std::nullopt;
        }
        request.rgb[c] = *value;
    }
    return request;
}

// Why the catalogue file failed to load, read again for the message.
std::string LoadProblem(const std::filesystem::path& folder) {
    TNPersistentData catalogue;
    std::string problem;
    ParseCatalogueFile(catalogue, host::FileLocation((folder / "colours.xml").string()), &problem);
    return problem.empty() ? "it offers no colours" : problem;
}

bool SelectProduct(TNData& store, const std::vector<std::string>& product) {
    store.SelectMode(host::UniString(product[0]));
    store.SelectSurface(host::UniString(product[1]));
    store.SelectProduct(host::UniString(product[2]));
    return store.GetMode().ToStdString() == product[0] && store.GetSurface().ToStdString() == product[1] &&
           store.GetProduct().ToStdString() == product[2];
}

const char* SeverityName(CatalogueFindings::Severity severity) {
    switch (severity) {
    case CatalogueFindings::Severity::Error:
        return "error";
    case CatalogueFindings::Severity::Warning:
        return "warning";
    case CatalogueFindings::Severity::Note:
        break;
    }
    return "note";
}

std::string Counted(std::size_t count, const char* thing) {
    return std::to_string(count) + " " + thing + (count == 1 ? "" : "s");
}

// Prints what the check found, one finding a line in the manner of a compiler, and a summary.
int Check(const std::filesystem::path& folder) {
    const std::string file = (folder / "colours.xml").string();
    const CatalogueCheck check = CheckCatalogue(file);
    for (const CatalogueFindings::Finding& finding : check.findings.InLineOrder()) {
        if (finding.line > 0) {
            std::printf("%s:%zu: %s: %s\n", file.c_str(), finding.line, SeverityName(finding.severity),
                        finding.text.c_str());
        } else {
            std::printf("%s: %s: %s\n", file.c_str(), SeverityName(finding.severity), finding.text.c_str());
        }
    }
    using Severity = CatalogueFindings::Severity;
    const std::string counts = Counted(check.findings.Count(Severity::Error), "error") + ", " +
                               Counted(check.findings.Count(Severity::Warning), "warning") + ", " +
                               Counted(check.findings.Count(Severity::Note), "note");
    if (!check.loads) {
        std::printf("%s: the add-on refuses this catalogue; %s\n", file.c_str(), counts.c_str());
        return 1;
    }
    std::printf("%s: the add-on loads %s in %s and %s; %s\n", file.c_str(),
                Counted(check.colours, "colour").c_str(), Counted(check.products, "product").c_str(),
                Counted(check.auxiliaryColours, "tinting colour").c_str(), counts.c_str());
    return 0;
}

int Run(const Request& request) {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::absolute(request.folder, error);
    if (error || !std::filesystem::is_directory(folder)) {
        std::fprintf(stderr, "tncatalogue: \"%s\" is no folder\n", request.folder.c_str());
        return 2;
    }
    if (request.query == "--check") {
        return Check(folder);
    }
    // The data folder is the folder of the add-on library; pretend to lie in it.
    SetModulePath((folder / "tncatalogue").string());
    TNData store;
    if (store.Load() != host::NoError) {
        std::fprintf(stderr, "tncatalogue: %s: %s (%zu colours read)\n", (folder / "colours.xml").string().c_str(),
                     LoadProblem(folder).c_str(),
                     store.GetCatalogue() ? store.GetCatalogue()->colours.size() : 0);
        return 1;
    }
    if (request.query.empty()) {
        std::printf("catalogue %s\n", (folder / "colours.xml").string().c_str());
        PrintOverview(*store.GetCatalogue());
        return 0;
    }
    if (!SelectProduct(store, request.product)) {
        std::fprintf(stderr, "tncatalogue: no product \"%s\" on surface \"%s\" of mode \"%s\"\n",
                     request.product[2].c_str(), request.product[1].c_str(), request.product[0].c_str());
        return 1;
    }
    const auto [red, green, blue] = request.rgb;
    if (request.query == "--colours") {
        PrintProductColours(store);
    } else if (request.query == "--nearest") {
        PrintNearestColours(store, red, green, blue);
    } else if (!PrintMixedColour(store, red, green, blue)) {
        std::fprintf(stderr, "tncatalogue: the product has no mixing base\n");
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::optional<Request> request = ParseArguments(argc, argv);
    if (!request) {
        std::fprintf(stderr, "usage: tncatalogue --check [FOLDER]\n"
                             "       tncatalogue [FOLDER] [--colours MODE SURFACE PRODUCT |\n"
                             "                   --nearest MODE SURFACE PRODUCT R G B |\n"
                             "                   --mix MODE SURFACE PRODUCT R G B]\n");
        return 2;
    }
    try {
        xercesc::XMLPlatformUtils::Initialize();
    } catch (const xercesc::XMLException&) {
        std::fprintf(stderr, "tncatalogue: the XML library cannot start\n");
        return 1;
    }
    const int status = Run(*request);
    xercesc::XMLPlatformUtils::Terminate();
    return status;
}
