#include "catalogue/TextureCache.h"

#include "catalogue/ColorEntity.h"
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

TextureCache TextureCache::Holding(const ColorEntity& colour) {
    TextureCache cache;
    host::UniString path;
    colour.texture.GetPathString(path);
    cache.textures.Put(path, Texture{colour.textureData, colour.textureImage});
    return cache;
}
