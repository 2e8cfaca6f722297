// tncatalogue [folder]: loads colours.xml from the folder (the bundled sample by default) and
// prints its modes, surfaces, products with their colour counts, auxiliary colours and settings.

#include "catalogue/ImageFileTypes.h"
#include "catalogue/TNPersistentData.h"
#include "host/File.h"
#include "host/FileLocation.h"
#include "loading/CatalogueParser.h"
#include "loading/ColourAmount.h"

#include <xercesc/util/PlatformUtils.hpp>
#include <xercesc/util/XMLException.hpp>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

void PrintCatalogue(const TNPersistentData& catalogue) {
    for (const host::UniString& mode : catalogue.GetModes()) {
        std::printf("mode \"%s\"\n", mode.ToCString());
        for (const host::UniString& surface : catalogue.GetSurfaces(mode)) {
            std::printf("  surface \"%s\"\n", surface.ToCString());
            for (const host::UniString& product : catalogue.GetProducts(mode, surface)) {
                const std::size_t all = catalogue.GetColours(mode, surface, product, true).size();
                const std::size_t shown = catalogue.GetColours(mode, surface, product, false).size();
                const ColorEntity* base = catalogue.FindMixingBase(mode, surface, product);
                std::printf("    product \"%s\": %zu colours, %zu blank%s\n", product.ToCString(), all,
                            all - shown, base != nullptr ? ", mixing" : "");
            }
        }
    }
    std::printf("auxiliary colours: %zu\n", catalogue.auxiliaryColours.size());
    for (const auto& auxiliary : catalogue.auxiliaryColours) {
        std::printf("  \"%s\" %d, %d, %d\n", auxiliary->colourName.ToCString(), auxiliary->colour.red,
                    auxiliary->colour.green, auxiliary->colour.blue);
    }
    std::printf("web link: \"%s\"\n", catalogue.GetWebLink().ToCString());
    std::printf("colour amount: %d\n", colourAmount);
    std::printf("largest group: %d\n", catalogue.GetLargestGroup());
}

// 0 when the catalogue loaded and offers at least one mode.
int DumpCatalogue(const std::string& folder) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(folder, error);
    host::FileLocation location(absolute.string());
    if (error || location.AppendName("colours.xml") != host::NoError) {
        std::fprintf(stderr, "tncatalogue: \"%s\" is no folder path\n", folder.c_str());
        return 2;
    }
    host::UniString path;
    location.GetPathString(path);
    std::uint64_t length = 0;
    if (host::File(location).GetDataLength(length) != host::NoError) {
        std::fprintf(stderr, "tncatalogue: cannot read %s\n", path.ToCString());
        return 1;
    }
    LookUpImageFileTypes();
    TNPersistentData catalogue;
    std::string problem;
    if (!ParseCatalogueFile(catalogue, location, &problem)) {
        std::fprintf(stderr, "tncatalogue: %s: %s (%zu colours read before the failure)\n", path.ToCString(),
                     problem.c_str(), catalogue.colours.size());
        return 1;
    }
    if (catalogue.modes.IsEmpty()) {
        std::fprintf(stderr, "tncatalogue: %s holds no colours\n", path.ToCString());
        return 1;
    }
    std::printf("catalogue %s: %zu colours\n", path.ToCString(), catalogue.colours.size());
    PrintCatalogue(catalogue);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 2) {
        std::fprintf(stderr, "usage: tncatalogue [folder]\n");
        return 2;
    }
    try {
        xercesc::XMLPlatformUtils::Initialize();
    } catch (const xercesc::XMLException&) {
        std::fprintf(stderr, "tncatalogue: the XML library cannot start\n");
        return 1;
    }
    const int status = DumpCatalogue(argc == 2 ? argv[1] : TN_SAMPLE_FOLDER);
    xercesc::XMLPlatformUtils::Terminate();
    return status;
}
