// The catalogue store's loading sequence.

#include "catalogue/ImageFileTypes.h"
#include "catalogue/TNData.h"
#include "catalogue/TNResult.h"
#include "host/Folder.h"
#include "loading/CatalogueParser.h"
#include "loading/ModuleLocation.h"
#include "loading/Palette.h"

host::Result TNData::Load() {
    if (loaded) {
        return host::NoError;
    }
    LookUpImageFileTypes();
    SetUpPaletteAndFont();

    host::FileLocation dataFolder;
    GetOwnLocation(dataFolder);
    if (const host::Result result = dataFolder.RemoveLastName(); result != host::NoError) {
        ReplaceCatalogue(); // callers never meet a missing catalogue
        return result;
    }
    textureLibraryFolder = dataFolder;
    if (textureLibraryFolder.AppendName("Tarnova anyagok") == host::NoError) {
        host::CreateFolderWhenMissing(textureLibraryFolder);
    }
    host::FileLocation catalogueFile = dataFolder;
    if (const host::Result result = catalogueFile.AppendName("colours.xml"); result != host::NoError) {
        ReplaceCatalogue();
        return result;
    }

    ReplaceCatalogue();
    if (!ParseCatalogueFile(*catalogue, catalogueFile)) {
        return TNErrCannotRead;
    }
    if (const host::Result result = SelectFirstProduct(); result != host::NoError) {
        return result;
    }
    eventSource.FireModeChanged();
    RevalidateViewMode();
    loaded = true;
    return host::NoError;
}

host::Result TNData::SelectFirstProduct() {
    const host::UniString* firstMode = catalogue->modes.Get(0);
    if (firstMode == nullptr) {
        return TNErrCannotRead;
    }
    mode = *firstMode;
    const host::StringSet surfaces = catalogue->GetSurfaces(mode);
    if (surfaces.IsEmpty()) {
        return TNErrCannotRead;
    }
    surface = *surfaces.Get(0);
    const host::StringSet products = catalogue->GetProducts(mode, surface);
    if (products.IsEmpty()) {
        return TNErrCannotRead;
    }
    product = *products.Get(0);
    return host::NoError;
}
