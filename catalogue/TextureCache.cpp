#include "catalogue/TextureCache.h"

#include "catalogue/ColorEntity.h"
#include "host/FileLocation.h"

const Texture& TextureCache::Get(const host::FileLocation& location) {
    // Colours next to each other in a catalogue mostly name the same file, or none.
    if (last != nullptr && location == lastLocation) {
        return *last;
    }
    host::UniString path;
    location.GetPathString(path);
    last = textures.Find(path);
    if (last == nullptr) {
        textures.Put(path, LoadTexture(location));
        last = textures.Find(path);
    }
    lastLocation = location;
    return *last;
}

TextureCache TextureCache::Holding(const ColorEntity& colour) {
    TextureCache cache;
    host::UniString path;
    colour.texture.GetPathString(path);
    cache.textures.Put(path, Texture{colour.textureData, colour.textureImage});
    return cache;
}
