#pragma once

#include "catalogue/Texture.h"
#include "host/FileLocation.h"
#include "host/StringTable.h"

class ColorEntity;

// Textures already loaded, by the path of their file: colours that name the same file share one
// read and one decoded image. A file that could not be read is remembered as such.
class TextureCache {
public:
    TextureCache() = default;
    // Moved, never copied: a copy would point at the original's entries.
    TextureCache(TextureCache&&) = default;
    TextureCache& operator=(TextureCache&&) = default;

    // The texture of the file at `location`, loaded on first request.
    const Texture& Get(const host::FileLocation& location);

    // A cache that already holds `colour`'s texture: records built through it that name the same
    // file share the colour's read and decoded image instead of reading the file again.
    static TextureCache Holding(const ColorEntity& colour);

private:
    host::StringTable<Texture> textures; // entries stay where they are as others are added
    host::FileLocation lastLocation;
    const Texture* last = nullptr;
};
