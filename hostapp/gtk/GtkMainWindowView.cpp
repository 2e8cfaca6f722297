#include "hostapp/MainWindowView.h"

#include "hostapp/gtk/MenuText.h"

#include <glib-unix.h>
#include <gtk/gtk.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <filesystem>

namespace {

constexpr int SwatchSize = 32;
constexpr int ThumbnailSize = 48;

GtkWidget* Frame(const char* title, GtkWidget* content) {
    GtkWidget* frame = gtk_frame_new(title);
    gtk_container_add(GTK_CONTAINER(frame), content);
    return frame;
}

GtkWidget* Label(const std::string& text, bool dim = false) {
    GtkWidget* label = gtk_label_new(text.c_str());
    gtk_label_set_xalign(GTK_LABEL(label), 0.0f);
    gtk_label_set_ellipsize(GTK_LABEL(label), PANGO_ELLIPSIZE_MIDDLE);
    if (dim) {
        gtk_style_context_add_class(gtk_widget_get_style_context(label), "dim-label");
    }
    return label;
}

guint32 PixelOf(const std::array<double, 3>& surface) {
    guint32 pixel = 0;
    for (const double channel : surface) {
        pixel = (pixel << 8) | guint32(std::lround(std::clamp(channel, 0.0, 1.0) * 255.0));
    }
    return (pixel << 8) | 0xFF;
}

GtkWidget* Swatch(const std::array<double, 3>& surface) {
    GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, TRUE, 8, SwatchSize, SwatchSize);
    gdk_pixbuf_fill(pixbuf, PixelOf(surface));
    GtkWidget* image = gtk_image_new_from_pixbuf(pixbuf);
    g_object_unref(pixbuf);
    return image;
}

GtkWidget* Thumbnail(const std::optional<std::string>& texture) {
    GdkPixbuf* pixbuf = texture ? gdk_pixbuf_new_from_file_at_scale(texture->c_str(), ThumbnailSize,
                                                                    ThumbnailSize, TRUE, nullptr)
                                : nullptr;
    GtkWidget* image = pixbuf != nullptr ? gtk_image_new_from_pixbuf(pixbuf) : gtk_image_new();
    gtk_widget_set_size_request(image, ThumbnailSize, ThumbnailSize);
    if (pixbuf != nullptr) {
        g_object_unref(pixbuf);
    }
    return image;
}

void RemoveChildren(GtkWidget* container) {
    GList* children = gtk_container_get_children(GTK_CONTAINER(container));
    for (GList* child = children; child != nullptr; child = child->next) {
        gtk_widget_destroy(GTK_WIDGET(child->data));
    }
    g_list_free(children);
}

GtkWidget* Scrolled(GtkWidget* content, int height) {
    GtkWidget* scrolled = gtk_scrolled_window_new(nullptr, nullptr);
    gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(scrolled), GTK_POLICY_NEVER, GTK_POLICY_AUTOMATIC);
    gtk_widget_set_size_request(scrolled, -1, height);
    gtk_container_add(GTK_CONTAINER(scrolled), content);
    return scrolled;
}

class GtkMainWindowView final : public MainWindowView {
public:
    GtkMainWindowView(const std::vector<HostMenu>& menus, Actions actions);
    ~GtkMainWindowView() override;

    void Refresh(const MainWindowContent& content) override;
    void Show() override { gtk_widget_show_all(window); }
    void Hide() override { gtk_widget_hide(window); }
    void HandleNextEvent() override { g_main_context_iteration(nullptr, TRUE); }
    void ShowError(const std::string& message) override;

private:
    struct CommandBinding {
        GtkMainWindowView* view;
        std::int16_t menuId;
        std::int16_t item;
    };

    GtkWidget* BuildMenuBar(const std::vector<HostMenu>& menus);
    void AddAddOnMenus(GtkWidget* menuBar, const std::vector<HostMenu>& menus);
    void FillMaterials(const std::vector<HostMaterial>& materials);
    void FillLibraryFolders(const std::vector<std::string>& folders);

    static void OnCommandActivated(GtkMenuItem* item, gpointer data);
    static gboolean OnDeleteEvent(GtkWidget* widget, GdkEvent* event, gpointer data);
    static gboolean OnQuitSignal(gpointer data);

    Actions actions;
    GtkWidget* window = nullptr;
    GtkWidget* nameLabel = nullptr;
    GtkWidget* descriptionLabel = nullptr;
    GtkWidget* materialList = nullptr;
    GtkWidget* folderList = nullptr;
    std::vector<std::pair<GtkWidget*, CommandBinding*>> commandItems;
    std::vector<guint> signalSources;
};

GtkMainWindowView::GtkMainWindowView(const std::vector<HostMenu>& menus, Actions actions)
    : actions(std::move(actions)) {
    window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_title(GTK_WINDOW(window), "Corvenna (addon-host)");
    gtk_window_set_default_size(GTK_WINDOW(window), 720, 560);
    g_signal_connect(window, "delete-event", G_CALLBACK(OnDeleteEvent), this);

    GtkWidget* layout = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
    gtk_container_add(GTK_CONTAINER(window), layout);
    gtk_box_pack_start(GTK_BOX(layout), BuildMenuBar(menus), FALSE, FALSE, 0);

    GtkWidget* content = gtk_box_new(GTK_ORIENTATION_VERTICAL, 8);
    gtk_container_set_border_width(GTK_CONTAINER(content), 10);
    gtk_box_pack_start(GTK_BOX(layout), content, TRUE, TRUE, 0);

    GtkWidget* addOn = gtk_box_new(GTK_ORIENTATION_VERTICAL, 2);
    gtk_container_set_border_width(GTK_CONTAINER(addOn), 6);
    nameLabel = Label("");
    descriptionLabel = Label("", true);
    gtk_box_pack_start(GTK_BOX(addOn), nameLabel, FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(addOn), descriptionLabel, FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(content), Frame("Add-on", addOn), FALSE, FALSE, 0);

    materialList = gtk_list_box_new();
    gtk_list_box_set_selection_mode(GTK_LIST_BOX(materialList), GTK_SELECTION_NONE);
    gtk_box_pack_start(GTK_BOX(content), Frame("Materials", Scrolled(materialList, 260)), TRUE, TRUE, 0);

    folderList = gtk_list_box_new();
    gtk_list_box_set_selection_mode(GTK_LIST_BOX(folderList), GTK_SELECTION_NONE);
    gtk_box_pack_start(GTK_BOX(content), Frame("Loaded library folders", Scrolled(folderList, 80)), FALSE,
                       FALSE, 0);

    // Interrupted or terminated, the host quits as through its menu, releasing the add-on.
    for (const int signal : {SIGINT, SIGTERM}) {
        signalSources.push_back(g_unix_signal_add(signal, OnQuitSignal, this));
    }
}

GtkMainWindowView::~GtkMainWindowView() {
    for (const guint source : signalSources) {
        g_source_remove(source);
    }
    gtk_widget_destroy(window);
    for (auto& [item, binding] : commandItems) {
        delete binding;
    }
}

GtkWidget* GtkMainWindowView::BuildMenuBar(const std::vector<HostMenu>& menus) {
    GtkWidget* menuBar = gtk_menu_bar_new();
    GtkWidget* fileMenu = gtk_menu_new();
    GtkWidget* quit = gtk_menu_item_new_with_mnemonic("_Quit");
    g_signal_connect_swapped(quit, "activate",
                             G_CALLBACK(+[](GtkMainWindowView* self) { self->actions.close(); }), this);
    gtk_menu_shell_append(GTK_MENU_SHELL(fileMenu), quit);
    GtkWidget* file = gtk_menu_item_new_with_mnemonic("_File");
    gtk_menu_item_set_submenu(GTK_MENU_ITEM(file), fileMenu);
    gtk_menu_shell_append(GTK_MENU_SHELL(menuBar), file);
    AddAddOnMenus(menuBar, menus);
    return menuBar;
}

void GtkMainWindowView::AddAddOnMenus(GtkWidget* menuBar, const std::vector<HostMenu>& menus) {
    for (const HostMenu& menu : menus) {
        GtkWidget* submenu = gtk_menu_new();
        for (std::size_t i = 1; i < menu.texts.size(); ++i) {
            GtkWidget* item = gtk_menu_item_new_with_mnemonic(ToToolkitMnemonic(menu.texts[i]).c_str());
            if (i < menu.prompts.size()) {
                gtk_widget_set_tooltip_text(item, menu.prompts[i].c_str());
            }
            auto* binding = new CommandBinding{this, menu.menuStringsId, std::int16_t(i)};
            g_signal_connect(item, "activate", G_CALLBACK(OnCommandActivated), binding);
            commandItems.emplace_back(item, binding);
            gtk_menu_shell_append(GTK_MENU_SHELL(submenu), item);
        }
        GtkWidget* title = gtk_menu_item_new_with_mnemonic(ToToolkitMnemonic(menu.texts.front()).c_str());
        if (!menu.prompts.empty()) {
            gtk_widget_set_tooltip_text(title, menu.prompts.front().c_str());
        }
        gtk_menu_item_set_submenu(GTK_MENU_ITEM(title), submenu);
        gtk_menu_shell_append(GTK_MENU_SHELL(menuBar), title);
    }
}

void GtkMainWindowView::Refresh(const MainWindowContent& content) {
    gchar* name = g_markup_escape_text(content.name.c_str(), -1);
    gtk_label_set_markup(GTK_LABEL(nameLabel), (std::string("<b>") + name + "</b>").c_str());
    g_free(name);
    gtk_label_set_text(GTK_LABEL(descriptionLabel), content.description.c_str());
    for (auto& [item, binding] : commandItems) {
        gtk_widget_set_sensitive(item, content.hasCommand(binding->menuId));
    }
    FillMaterials(content.materials);
    FillLibraryFolders(content.libraryFolders);
}

void GtkMainWindowView::FillMaterials(const std::vector<HostMaterial>& materials) {
    RemoveChildren(materialList);
    for (const HostMaterial& material : materials) {
        GtkWidget* row = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 8);
        gtk_container_set_border_width(GTK_CONTAINER(row), 3);
        gtk_box_pack_start(GTK_BOX(row), Swatch(material.surface), FALSE, FALSE, 0);
        gtk_box_pack_start(GTK_BOX(row), Thumbnail(material.texture), FALSE, FALSE, 0);
        GtkWidget* texts = gtk_box_new(GTK_ORIENTATION_VERTICAL, 2);
        gtk_box_pack_start(GTK_BOX(texts), Label(material.name), FALSE, FALSE, 0);
        const std::string file = material.texture
                                     ? std::filesystem::path(*material.texture).filename().string()
                                     : std::string("no texture");
        GtkWidget* fileLabel = Label(file, true);
        if (material.texture) {
            gtk_widget_set_tooltip_text(fileLabel, material.texture->c_str());
        }
        gtk_box_pack_start(GTK_BOX(texts), fileLabel, FALSE, FALSE, 0);
        gtk_box_pack_start(GTK_BOX(row), texts, TRUE, TRUE, 0);
        gtk_list_box_insert(GTK_LIST_BOX(materialList), row, -1);
    }
    gtk_widget_show_all(materialList);
}

void GtkMainWindowView::FillLibraryFolders(const std::vector<std::string>& folders) {
    RemoveChildren(folderList);
    for (const std::string& folder : folders) {
        gtk_list_box_insert(GTK_LIST_BOX(folderList), Label(folder), -1);
    }
    gtk_widget_show_all(folderList);
}

void GtkMainWindowView::ShowError(const std::string& message) {
    GtkWidget* box = gtk_message_dialog_new(GTK_WINDOW(window), GTK_DIALOG_MODAL, GTK_MESSAGE_ERROR,
                                            GTK_BUTTONS_OK, "%s", message.c_str());
    gtk_dialog_run(GTK_DIALOG(box));
    gtk_widget_destroy(box);
}

void GtkMainWindowView::OnCommandActivated(GtkMenuItem*, gpointer data) {
    const auto* binding = static_cast<const CommandBinding*>(data);
    binding->view->actions.chooseCommand(binding->menuId, binding->item);
}

gboolean GtkMainWindowView::OnQuitSignal(gpointer data) {
    static_cast<GtkMainWindowView*>(data)->actions.close();
    return G_SOURCE_CONTINUE;
}

gboolean GtkMainWindowView::OnDeleteEvent(GtkWidget*, GdkEvent*, gpointer data) {
    static_cast<GtkMainWindowView*>(data)->actions.close();
    return TRUE;
}

} // namespace

std::unique_ptr<MainWindowView> MainWindowView::Create(const std::vector<HostMenu>& menus, Actions actions) {
    return std::make_unique<GtkMainWindowView>(menus, std::move(actions));
}
