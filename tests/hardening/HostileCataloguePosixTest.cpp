// Devices and pipes in the places of a catalogue and its textures, as POSIX systems have them.

#include "HostileCatalogue.h"

#include "catalogue/TNResult.h"
#include "support/CatalogueXml.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;
using testsupport::CatalogueColour;
using testsupport::CatalogueDocument;

CatalogueCase DeviceCatalogue(const char* name, const char* device) {
    return {
        name,
        [device](const TempFolder& folder) { fs::create_symlink(device, folder.GetPath() / "colours.xml"); },
        TNErrCannotRead, 0};
}

} // namespace

std::vector<CatalogueCase> PlatformCatalogueCases() {
    return {
        DeviceCatalogue("CatalogueIsDevZero", "/dev/zero"),
        DeviceCatalogue("CatalogueIsDevRandom", "/dev/random"),
        CatalogueCase{"CatalogueIsAPipe",
                      [](const TempFolder& folder) {
                          ASSERT_EQ(::mkfifo((folder.GetPath() / "colours.xml").c_str(), 0600), 0);
                      },
                      TNErrCannotRead, 0},
        CatalogueCase{"TexturesAreDevices",
                      [](const TempFolder& folder) {
                          std::vector<testsupport::XmlAttributes> colours;
                          for (const char* device : {"/dev/zero", "/dev/random", "/dev/urandom"}) {
                              colours.push_back(CatalogueColour("M", "S", "N", "T")
                                                    .Set("texture", Climbing(device))
                                                    .Set("red", "-1"));
                          }
                          folder.Write("colours.xml", CatalogueDocument(colours));
                      },
                      host::NoError, 3, ExpectNoTextures}};
}
