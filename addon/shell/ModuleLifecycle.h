#pragma once

// The work done when the host loads the library (attach) and unloads it (detach). Attach: the
// window message "commdlg_FileNameOK" is registered, the instance handle kept, the module path
// recorded and the library registered as a resource module, the active module left as it was.
// Detach: the resource module is removed, a library unloaded without ReleaseAddOn says so on the
// debug output, and the XML parser library is stopped if the add-on started it.

// The library's instance handle: an address inside the library.
extern const void* moduleInstance;

// The attach and detach work. Each platform calls them from its own hooks: attach when the library
// has been loaded, after its static objects are built and before any export is called; detach when
// it is unloaded, before its static objects are destroyed. `instance` is an address inside the
// library, its instance handle where the platform has one.
void AttachModule(const void* instance);
void DetachModule();

// Starts the XML parser library, once per load of the add-on, before the catalogue is parsed.
// False when it cannot be started.
bool StartXmlParser();
