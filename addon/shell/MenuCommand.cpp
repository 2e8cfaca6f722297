#include "addon/shell/MenuCommand.h"

#include "addon/HostServices.h"
#include "addon/shell/AddOnIds.h"
#include "catalogue/TNData.h"
#include "dialog/TNDialog.h"
#include "host/DebugOutput.h"
#include "host/Resources.h"
#include "loading/ModuleLocation.h"
#include "widgets/AddOnResourceModule.h"

#include <exception>
#include <string>

using namespace host::addon;

namespace {

// Records the running dialog in the store for as long as the dialog exists.
class RunningDialog {
public:
    RunningDialog(TNData& store, TNDialog& dialog) : store(store) { store.SetDialog(&dialog); }
    ~RunningDialog() { store.SetDialog(nullptr); }
    RunningDialog(const RunningDialog&) = delete;
    RunningDialog& operator=(const RunningDialog&) = delete;

private:
    TNData& store;
};

} // namespace

HostResult OnMenuCommand(const MenuParams* params) {
    if (params != nullptr && params->menuStringsId == MenuStringsId) {
        // The host calls through a C interface, which no exception may unwind. A chooser that could
        // not be made (out of memory) has changed nothing; the debug output says why it did not open.
        try {
            RunColourChooser(GetTNData());
        } catch (const std::exception& failure) {
            host::DebugOutput(("The colour chooser could not run: " + std::string(failure.what()) + "\n").c_str());
        } catch (...) {
            host::DebugOutput("The colour chooser could not run\n");
        }
    }
    return 0;
}

HostResult OnHostNotification(std::int32_t, std::intptr_t) {
    return 0;
}

void RunColourChooser(TNData& store) {
    const host::ResourceModuleScope resources(addOnResourceModule);
    TNDialog dialog(ChooserDialogId);
    const RunningDialog running(store, dialog);
    if (dialog.Invoke() && dialog.IsTexturesWritten()) {
        AddLibraryFolder(textureLibraryFolder);
    }
}
