// Windows has no device files in the file system's folders, nor named pipes there.

#include "HostileCatalogue.h"

std::vector<CatalogueCase> PlatformCatalogueCases() {
    return {};
}
