#pragma once

#include "catalogue/Texture.h"
#include "host/StringTable.h"

#include <vector>

namespace host {
class FileLocation;
}

// Textures already loaded, by the path of their file: colours that name the same file share one
// read and one decoded image. A file that could not be read is remembered as such.
class TextureCache {
public:
    // Loads the files at `locations` that are not loaded yet, several at a time, so that the
    // requests that follow find them.
    void Preload(const std::vector<const host::FileLocation*>& locations);

    // The texture of the file at `location`, loaded on first request.
    const Texture& Get(const host::FileLocation& location);

private:
    host::StringTable<Texture> textures;
};
