// The library's process hooks on Windows. The C runtime's entry point of the DLL builds the static
// objects before it calls DllMain for DLL_PROCESS_ATTACH, and destroys them (with everything
// registered through atexit) after DllMain has returned from DLL_PROCESS_DETACH: the attach work
// finds them built and the detach work finds them still there.
//
// Detach runs under the loader lock. Its work loads and frees no library and starts or waits for
// no thread: it removes a table entry, writes one debug line and stops the XML parser, which then
// only frees its memory and deletes its critical sections (it is built without a net accessor,
// with the system's transcoder and its messages in memory).

#include "addon/shell/ModuleLifecycle.h"

#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    try {
        switch (reason) {
        case DLL_PROCESS_ATTACH:
            // No thread attach and detach calls: the add-on keeps nothing per thread.
            ::DisableThreadLibraryCalls(instance);
            AttachModule(instance);
            break;
        case DLL_PROCESS_DETACH:
            DetachModule();
            break;
        default:
            break;
        }
    } catch (...) {
        // No exception may leave the loader's call; an attach that failed refuses the load.
        return reason == DLL_PROCESS_ATTACH ? FALSE : TRUE;
    }
    return TRUE;
}
