#include "host/gtk/ResourceImage.h"

#include "host/MemoryHandle.h"
#include "host/Resources.h"

namespace host {

GdkPixbuf* LoadResourcePixbuf(std::uint32_t type, std::int32_t id) {
    MemHandle handle = LoadResource(type, id);
    if (GetHandleSize(handle) == 0) {
        DisposeHandle(handle);
        return nullptr;
    }
    GdkPixbufLoader* loader = gdk_pixbuf_loader_new();
    // A failed write closes the loader itself.
    const bool decoded =
        gdk_pixbuf_loader_write(loader, reinterpret_cast<const guchar*>(GetHandleData(handle)),
                                GetHandleSize(handle), nullptr) &&
        gdk_pixbuf_loader_close(loader, nullptr);
    DisposeHandle(handle);
    GdkPixbuf* pixbuf = decoded ? gdk_pixbuf_loader_get_pixbuf(loader) : nullptr;
    if (pixbuf) {
        g_object_ref(pixbuf);
    }
    g_object_unref(loader);
    return pixbuf;
}

} // namespace host
