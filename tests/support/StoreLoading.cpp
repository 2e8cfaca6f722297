#include "support/StoreLoading.h"

#include "catalogue/TNData.h"
#include "loading/ModuleLocation.h"

namespace testsupport {

host::Result LoadStoreFrom(TNData& store, const TempFolder& folder, const std::string& catalogueXml) {
    if (!catalogueXml.empty()) {
        folder.Write("colours.xml", catalogueXml);
    }
    SetModulePath((folder.GetPath() / "libtarnova.so").string());
    return store.Load();
}

} // namespace testsupport
