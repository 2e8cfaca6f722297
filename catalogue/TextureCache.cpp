#include "catalogue/TextureCache.h"

#include "host/FileLocation.h"

#include <algorithm>
#include <atomic>
#include <optional>
#include <system_error>
#include <thread>
#include <unordered_set>

void TextureCache::Preload(const std::vector<const host::FileLocation*>& locations) {
    std::vector<host::UniString> paths;
    std::vector<const host::FileLocation*> files;
    std::unordered_set<host::UniString> seen;
    for (const host::FileLocation* location : locations) {
        host::UniString path;
        location->GetPathString(path);
        if (textures.Find(path) == nullptr && seen.insert(path).second) {
            paths.push_back(std::move(path));
            files.push_back(location);
        }
    }
    // Each worker takes the next file; a load that throws is left to Get, which repeats it.
    std::vector<std::optional<Texture>> loaded(files.size());
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < files.size(); i = next++) {
            try {
                loaded[i] = LoadTexture(*files[i]);
            } catch (...) {
            }
        }
    };
    const std::size_t helpers =
        std::min<std::size_t>(std::max(1u, std::thread::hardware_concurrency()) - 1, files.size() / 2);
    std::vector<std::thread> threads;
    try {
        for (std::size_t i = 0; i < helpers; ++i) {
            threads.emplace_back(work);
        }
    } catch (const std::system_error&) {
        // Fewer helpers, or none: the work is the same.
    }
    work();
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (loaded[i]) {
            textures.Put(paths[i], std::move(*loaded[i]));
        }
    }
}

const Texture& TextureCache::Get(const host::FileLocation& location) {
    host::UniString path;
    location.GetPathString(path);
    if (const Texture* known = textures.Find(path)) {
        return *known;
    }
    textures.Put(path, LoadTexture(location));
    return *textures.Find(path);
}
