#include "catalogue/TextureCache.h"

#include "host/FileLocation.h"

const Texture& TextureCache::Get(const host::FileLocation& location) {
    host::UniString path;
    location.GetPathString(path);
    if (const Texture* known = textures.Find(path)) {
        return *known;
    }
    textures.Put(path, LoadTexture(location));
    return *textures.Find(path);
}
