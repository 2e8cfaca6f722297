// The library's process hooks on Linux: the dynamic loader runs constructor functions once the
// library's static objects are built, and destructor functions before they are destroyed.

#include "addon/shell/ModuleLifecycle.h"

namespace {

__attribute__((constructor)) void OnLoad() {
    // Any address inside the library names it.
    AttachModule(reinterpret_cast<const void*>(&OnLoad));
}

__attribute__((destructor)) void OnUnload() {
    DetachModule();
}

} // namespace
