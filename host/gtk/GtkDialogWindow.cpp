// The window of a dialog on GTK: a toplevel around a client area that places every item's widget at
// its rectangle.

#include "host/std/NativeToolkit.h"

#include <gtk/gtk.h>

#include <algorithm>
#include <vector>

#include "host/Image.h"
#include "host/gtk/ClientArea.h"
#include "host/gtk/GtkControl.h"
#include "host/std/DialogWindow.h"

namespace host {
namespace {

class GtkDialogWindow : public NativeDialogWindow {
public:
    explicit GtkDialogWindow(DialogWindow& dialog) : dialog(dialog) {
        toplevel = gtk_window_new(GTK_WINDOW_TOPLEVEL);
        g_object_ref_sink(toplevel);
        gtk_window_set_title(GTK_WINDOW(toplevel), dialog.GetTitle().c_str());
        gtk_window_set_resizable(GTK_WINDOW(toplevel), FALSE);
        gtk_window_set_modal(GTK_WINDOW(toplevel), TRUE);
        gtk_window_set_type_hint(GTK_WINDOW(toplevel), GDK_WINDOW_TYPE_HINT_DIALOG);
        gtk_window_set_position(GTK_WINDOW(toplevel), GTK_WIN_POS_CENTER);
        gtk_style_context_add_class(gtk_widget_get_style_context(toplevel), "tn-dialog");
        g_signal_connect(toplevel, "delete-event", G_CALLBACK(OnDeleteEvent), this);
        clientArea = NewClientArea(dialog.GetWidth(), dialog.GetHeight());
        gtk_container_add(GTK_CONTAINER(toplevel), clientArea);
        gtk_widget_show(clientArea);
    }

    ~GtkDialogWindow() override {
        StopTimer();
        CancelPost();
        g_signal_handlers_disconnect_matched(toplevel, G_SIGNAL_MATCH_DATA, 0, 0, nullptr, nullptr, this);
        gtk_widget_destroy(toplevel);
        g_object_unref(toplevel);
    }

    void CreateControl(ItemRecord& record, const DialogTemplateItem* item) override {
        GtkWidget* widget = CreateItemWidget(record, item);
        PlaceInClientArea(clientArea, widget, record.rect);
        gtk_widget_show(widget);
    }

    void ReleaseControl(ItemRecord& record) override { DisconnectItemWidget(record); }

    void Show() override { gtk_widget_show(toplevel); }
    void Hide() override { gtk_widget_hide(toplevel); }
    void CloseAsUser() override { gtk_window_close(GTK_WINDOW(toplevel)); }

    void StartTimer(int intervalMs, std::function<void()> tick) override {
        StopTimer();
        timerTick = std::move(tick);
        timerSource = g_timeout_add(
            guint(intervalMs),
            [](gpointer data) -> gboolean {
                static_cast<GtkDialogWindow*>(data)->timerTick();
                return G_SOURCE_CONTINUE;
            },
            this);
    }

    void StopTimer() override {
        if (timerSource != 0) {
            g_source_remove(timerSource);
            timerSource = 0;
        }
    }

    void Post(std::function<void()> action) override {
        posted = std::move(action);
        if (postSource == 0) {
            postSource = g_idle_add_full(
                G_PRIORITY_HIGH,
                [](gpointer data) -> gboolean {
                    auto* window = static_cast<GtkDialogWindow*>(data);
                    window->postSource = 0;
                    const std::function<void()> action = std::move(window->posted);
                    action();
                    return G_SOURCE_REMOVE;
                },
                this, nullptr);
        }
    }

    void CancelPost() override {
        if (postSource != 0) {
            g_source_remove(postSource);
            postSource = 0;
        }
    }

    std::optional<Point> GetPointer() const override {
        GdkWindow* window = gtk_widget_get_window(clientArea);
        GdkDevice* pointer =
            window ? gdk_seat_get_pointer(gdk_display_get_default_seat(gdk_window_get_display(window))) : nullptr;
        if (!pointer) {
            return std::nullopt;
        }
        int x = 0;
        int y = 0;
        gdk_window_get_device_position(window, pointer, &x, &y, nullptr);
        GtkAllocation allocation;
        gtk_widget_get_allocation(clientArea, &allocation);
        return Point{std::int16_t(std::clamp(x - allocation.x, -32768, 32767)),
                     std::int16_t(std::clamp(y - allocation.y, -32768, 32767))};
    }

    std::unique_ptr<Image> Render() override {
        // Items shown or hidden since the last frame get their places now rather than on the next.
        gtk_container_check_resize(GTK_CONTAINER(toplevel));
        const int width = dialog.GetWidth();
        const int height = dialog.GetHeight();
        cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
        cairo_t* cr = cairo_create(surface);
        int x = 0;
        int y = 0;
        gtk_widget_translate_coordinates(clientArea, toplevel, 0, 0, &x, &y);
        cairo_translate(cr, -x, -y);
        gtk_widget_draw(toplevel, cr);
        cairo_destroy(cr);
        cairo_surface_flush(surface);
        // cairo's ARGB32 is the image's premultiplied blue, green, red, alpha on this machine.
        const int stride = cairo_image_surface_get_stride(surface);
        const unsigned char* data = cairo_image_surface_get_data(surface);
        std::vector<std::uint8_t> pixels(std::size_t(width) * std::size_t(height) * 4);
        for (int row = 0; row < height; ++row) {
            std::copy_n(data + std::size_t(row) * stride, std::size_t(width) * 4,
                        pixels.data() + std::size_t(row) * width * 4);
        }
        cairo_surface_destroy(surface);
        return std::make_unique<Image>(width, height, std::move(pixels));
    }

private:
    static gboolean OnDeleteEvent(GtkWidget*, GdkEvent*, gpointer data) {
        static_cast<GtkDialogWindow*>(data)->dialog.EndModal(DialogResponse::Cancel);
        return TRUE;
    }

    DialogWindow& dialog;
    GtkWidget* toplevel = nullptr;
    GtkWidget* clientArea = nullptr;
    guint timerSource = 0;
    std::function<void()> timerTick;
    guint postSource = 0;
    std::function<void()> posted;
};

} // namespace

std::unique_ptr<NativeDialogWindow> CreateNativeDialogWindow(DialogWindow& dialog) {
    return std::make_unique<GtkDialogWindow>(dialog);
}

} // namespace host
