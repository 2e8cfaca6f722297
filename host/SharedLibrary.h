#pragma once

#include <string>

namespace host {

// A library loaded into the process from a file, by the platform's loader, and the functions it
// exports by name. Moves, not copies; unloads when destroyed.
class SharedLibrary {
public:
    SharedLibrary() = default;
    SharedLibrary(SharedLibrary&& other) noexcept;
    SharedLibrary& operator=(SharedLibrary&& other) noexcept;
    ~SharedLibrary() { Unload(); }

    // Loads the library at `path` (UTF-8), resolving all its symbols now. False, with the loader's
    // reason in `error`, when it cannot be loaded; nothing stays loaded then.
    bool Load(const std::string& path, std::string& error);
    // Drops this reference to the library: the loader unloads it once nobody else holds it.
    void Unload();
    bool IsLoaded() const { return handle != nullptr; }

    // The address of the function the library exports as `name`; null when it exports none.
    void* FindExport(const char* name) const;

    // Whether the library at `path` is still loaded in this process, by anyone.
    static bool IsLoadedAnywhere(const std::string& path);

private:
    void* handle = nullptr;
};

} // namespace host
